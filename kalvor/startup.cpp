#include "startup.h"

#include "chip_variant.h"

namespace kalvor {
namespace {

constexpr unsigned kSettleWaitMs = 1024;

}  // namespace

KalvorStartup::KalvorStartup(CMonitorChip& chip, CKalvorApp& app, AlarmEvaluator& alarms,
                             PollingSchedule& schedule, SmBus& bus, Waiter& waiter, KalvorUi& ui)
    : chip_(chip), app_(app), alarms_(alarms), schedule_(schedule), bus_(bus), waiter_(waiter), ui_(ui) {}

BusClaim KalvorStartup::ClaimBus() {
    if (!bus_.CheckDriver()) {
        ui_.ShowDriverError();
        return BusClaim::NoDriver;
    }
    if (!bus_.RegUsing()) {
        ui_.ShowInUse();
        ui_.EndProcess();
        return BusClaim::InUse;
    }
    return BusClaim::Claimed;
}

void KalvorStartup::RunStartupSequence() {
    if (started_) return;
    started_ = true;
    chip_.Initialize(*this);
    if (chip_.variant == 2) {
        chip_.ClearStatus();
        app_.ReadSettings(kUserSettingsFile, true);
        chip_.SetStartBit();
        waiter_.Wait(kSettleWaitMs);
    } else {
        app_.ReadSettings(kUserSettingsFile, false);
        waiter_.Wait(kSettleWaitMs);
        chip_.ClearStatus();
        app_.ReadSettings(kUserSettingsFile, true);
    }
    schedule_.pollingEnabled = true;
    if (ScalesOf(chip_.variant).maskDrivenByPolling) chip_.WriteMask(static_cast<std::uint8_t>(chip_.alarmMask));
    app_.UpdateReadings();
    ui_.StartPollTimer();
}

void KalvorStartup::ExitInstance() { chip_.Shutdown(); }

void KalvorStartup::ShowDriverError() { ui_.ShowDriverError(); }

void KalvorStartup::ResetTrayAlarm() { alarms_.trayAlarmShown = false; }

}  // namespace kalvor
