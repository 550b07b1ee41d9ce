#include "kalvor_app.h"

#include <cmath>
#include <cstdio>

#include "settings_text.h"

namespace kalvor {
namespace {

constexpr int kPollingIntervals = 4;
constexpr int kFan1AutoBelow = 30;
constexpr float kPushOutside = 0.1f;
// The smallest ratio that six decimals do not write as zero.
constexpr float kSmallestRatio = 0.0000005f;
constexpr char kNotAvailable[] = "N/A";

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string FormatInt(int value) { return std::to_string(value); }

// File values the chip cannot use are refused and the value held is kept:
// a fan limit of 0 or less would divide by zero, a ratio of 0 means nothing
// (nor does one so small that the next save would write it as 0).
bool UsableRatio(float ratio) { return ratio >= kSmallestRatio && std::isfinite(ratio); }
bool UsableFanLimit(int rpm) { return rpm > 0; }
bool UsablePollingInt(int index) { return index >= 0 && index < kPollingIntervals; }

template <typename Value, typename Check>
bool ReadChecked(bool (SettingsReader::*read)(std::string_view, Value&), SettingsReader& reader,
                 std::string_view key, Value& held, Check usable) {
    Value value = held;
    if (!(reader.*read)(key, value)) return false;
    if (usable(value)) held = value;
    return true;
}

}  // namespace

CKalvorApp::CKalvorApp(CMonitorChip& chip, KalvorDialogData& dialog, SettingsStore& store)
    : chip_(chip), dialog_(dialog), store_(store) {}

// A file that cannot be read counts as one holding the values already held,
// so that the chip gets its limits and alarms even before the first save.
void CKalvorApp::ReadSettings(const std::string& fileName, bool applyMask) {
    std::optional<std::string> text = store_.Load(fileName);
    ReadKeys(text ? *text : FormatSettings(dialog_.settings), applyMask);
    if (!firstLoadDone_) chip_.SeedSearch();
    FormatLimitTexts();
    firstLoadDone_ = true;
}

bool CKalvorApp::ReadKeys(const std::string& text, bool applyMask) {
    SettingsReader r(text);
    SettingValues& s = dialog_.settings;
    using R = SettingsReader;

    if (!r.ReadText("Manufactor", s.manufactor)) return false;
    if (!r.ReadFloat("V1Value", s.v1Value) || !r.ReadFloat("V2Value", s.v2Value)) return false;
    if (!ReadChecked(&R::ReadFloat, r, "V1Ratio", s.v1Ratio, UsableRatio)) return false;
    if (!ReadChecked(&R::ReadFloat, r, "V2Ratio", s.v2Ratio, UsableRatio)) return false;
    if (!ReadChecked(&R::ReadFloat, r, "V3Ratio", s.v3Ratio, UsableRatio)) return false;
    chip_.v1Value = s.v1Value;
    chip_.v2Value = s.v2Value;
    chip_.v1Ratio = s.v1Ratio;
    chip_.v2Ratio = s.v2Ratio;
    chip_.v3Ratio = s.v3Ratio;

    if (!r.ReadInt("Celsius", s.celsius) || !r.ReadInt("Fahrenheit", s.fahrenheit)) return false;
    if (!r.ReadInt("TempOver", s.tempOver)) return false;
    chip_.WriteOverLimit(s.tempOver);
    if (!r.ReadInt("TempHyst", s.tempHyst)) return false;
    chip_.WriteHystLimit(s.tempHyst);
    if (!ReadChecked(&R::ReadInt, r, "Fan1Limit", s.fan1Limit, UsableFanLimit)) return false;
    chip_.WriteFan1Limit(s.fan1Limit);
    if (!ReadChecked(&R::ReadInt, r, "Fan2Limit", s.fan2Limit, UsableFanLimit)) return false;
    chip_.WriteFan2Limit(s.fan2Limit);

    for (auto [key, value] : {std::pair{"V1LoLimit", &s.v1LoLimit}, {"V1HiLimit", &s.v1HiLimit},
                              {"V2LoLimit", &s.v2LoLimit}, {"V2HiLimit", &s.v2HiLimit},
                              {"VDDLoLimit", &s.vddLoLimit}, {"VDDHiLimit", &s.vddHiLimit}})
        if (!r.ReadFloat(key, *value)) return false;
    // Later loads leave these registers to the polling schedule.
    if (!firstLoadDone_) {
        chip_.WriteVoltageLimit(VoltageChannel::Vin1, LimitSide::Low, s.v1LoLimit);
        chip_.WriteVoltageLimit(VoltageChannel::Vin1, LimitSide::High, s.v1HiLimit);
        chip_.WriteVoltageLimit(VoltageChannel::Vin2, LimitSide::Low, s.v2LoLimit);
        chip_.WriteVoltageLimit(VoltageChannel::Vin2, LimitSide::High, s.v2HiLimit);
        chip_.WriteVoltageLimit(VoltageChannel::Vdd, LimitSide::Low, s.vddLoLimit);
        chip_.WriteVoltageLimit(VoltageChannel::Vdd, LimitSide::High, s.vddHiLimit);
    }
    if (!r.ReadFloat("V3LoLimit", s.v3LoLimit)) return false;
    chip_.WriteVoltageLimit(VoltageChannel::Vin3, LimitSide::Low, s.v3LoLimit);
    if (!r.ReadFloat("V3HiLimit", s.v3HiLimit)) return false;
    chip_.WriteVoltageLimit(VoltageChannel::Vin3, LimitSide::High, s.v3HiLimit);

    for (auto [key, value] : {std::pair{"AlarmTemp", &s.alarmTemp}, {"AlarmFan1", &s.alarmFan1},
                              {"AlarmFan2", &s.alarmFan2}, {"AlarmVin1", &s.alarmVin1},
                              {"AlarmVin2", &s.alarmVin2}, {"AlarmVCore", &s.alarmVCore}, {"AlarmVDD", &s.alarmVdd}})
        if (!r.ReadInt(key, *value)) return false;
    if (applyMask) {
        chip_.SetAlarmEnable(kTemp, s.alarmTemp != 0);
        chip_.SetAlarmEnable(kFan1, s.alarmFan1 != 0);
        chip_.SetAlarmEnable(kFan2, s.alarmFan2 != 0);
        chip_.SetAlarmEnable(kVin1, s.alarmVin1 != 0);
        chip_.SetAlarmEnable(kVin2, s.alarmVin2 != 0);
        chip_.SetAlarmEnable(kVin3, s.alarmVCore != 0);
        chip_.SetAlarmEnable(kVdd, s.alarmVdd != 0);
    }
    if (!ReadChecked(&R::ReadInt, r, "PollingInt", s.pollingInt, UsablePollingInt)) return false;
    if (!r.ReadInt("EnableFan2", s.enableFan2)) return false;
    chip_.SetFan2Enabled(s.enableFan2 != 0);
    if (!r.ReadInt("Fan1Auto", s.fan1Auto)) return false;
    chip_.SetFan1Auto(s.fan1Auto != 0);
    s.minimize = 0;
    return true;
}

void CKalvorApp::FormatLimitTexts() {
    const SettingValues& s = dialog_.settings;
    LimitTexts& t = dialog_.limitTexts;
    t.tempOver = FormatInt(s.tempOver);
    t.tempHyst = FormatInt(s.tempHyst);
    t.fan1Limit = FormatInt(s.fan1Limit);
    t.fan2Limit = FormatInt(s.fan2Limit);
    t.v1HiLimit = Format("%.2f", s.v1HiLimit);
    t.v1LoLimit = Format("%.2f", s.v1LoLimit);
    t.v2HiLimit = Format("%.2f", s.v2HiLimit);
    t.v2LoLimit = Format("%.2f", s.v2LoLimit);
    t.v3HiLimit = Format("%.2f", s.v3HiLimit);
    t.v3LoLimit = Format("%.2f", s.v3LoLimit);
    t.vddHiLimit = Format("%.2f", s.vddHiLimit);
    t.vddLoLimit = Format("%.2f", s.vddLoLimit);
}

bool CKalvorApp::WriteSettings(const std::string& fileName) {
    return store_.Save(fileName, FormatSettings(dialog_.settings));
}

namespace {

// The displayed estimate of a supply known only through its status bit: a
// healthy supply never shows outside its limits, an unhealthy one just
// outside the nearer limit.
std::string AdjustEstimate(float& estimate, bool outside, float low, float high) {
    if (estimate < 0) return kNotAvailable;
    if (!outside) {
        if (estimate < low) estimate = low;
        if (estimate > high) estimate = high;
    } else if (estimate >= low && estimate <= high) {
        estimate = estimate >= (high + low) / 2 ? high + kPushOutside : low - kPushOutside;
    }
    return Format("%.2f", estimate);
}

}  // namespace

std::uint8_t CKalvorApp::UpdateReadings() {
    chip_.RestartIfStopped();
    std::uint8_t status = chip_.ReadStatus();
    chip_.ClearStatus();

    const SettingValues& s = dialog_.settings;
    Readings& out = dialog_.readings;
    out.v33Text = AdjustEstimate(chip_.vin1Search.estimate, status & (1 << kVin1), s.v1LoLimit, s.v1HiLimit);
    out.v12Text = AdjustEstimate(chip_.vin2Search.estimate, status & (1 << kVin2), s.v2LoLimit, s.v2HiLimit);
    out.v5Text = AdjustEstimate(chip_.vddSearch.estimate, status & (1 << kVdd), s.vddLoLimit, s.vddHiLimit);
    out.vcoreText = Format("%.2f", chip_.ReadVCore());
    out.temperature2 = chip_.ReadTemperature2();
    out.temperature = chip_.ReadTemperature();

    if (s.fan1Auto && out.temperature < kFan1AutoBelow) {
        out.fan1Text.clear();
    } else {
        out.lastFan1Rpm = chip_.ReadFan1Rpm();
        out.fan1Text = FormatInt(out.lastFan1Rpm);
    }
    if (!s.enableFan2) {
        out.fan2Text.clear();
    } else {
        out.lastFan2Rpm = chip_.ReadFan2Rpm();
        out.fan2Text = FormatInt(out.lastFan2Rpm);
    }
    return status;
}

}  // namespace kalvor
