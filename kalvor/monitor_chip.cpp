#include "monitor_chip.h"

#include "chip_variant.h"

namespace kalvor {
namespace {

constexpr unsigned kProbeWaitMs = 3072;
constexpr unsigned kSettleWaitMs = 1024;
constexpr int kDivideByTwo = 1;
constexpr float kProbeLow = 3.5f;
constexpr float kProbeHigh = 4.0f;
constexpr float kCorrectionHigh = 5.3f;

int LimitRegister(VoltageChannel channel) {
    switch (channel) {
    case VoltageChannel::Vin1: return reg::kVin1Limits;
    case VoltageChannel::Vin2: return reg::kVin2Limits;
    case VoltageChannel::Vin3: return reg::kVin3Limits;
    default: return reg::kVddLimits;
    }
}

}  // namespace

CMonitorChip::CMonitorChip(SmBus& bus, Waiter& waiter, const SettingValues& settings)
    : bus_(bus), waiter_(waiter), settings_(settings) {}

std::uint8_t CMonitorChip::ReadByte(int reg) { return static_cast<std::uint8_t>(bus_.ReadSM(reg, Size::Byte)); }
void CMonitorChip::WriteByte(int reg, std::uint8_t value) { bus_.WriteSM(reg, value, Size::Byte); }
std::uint16_t CMonitorChip::ReadWord(int reg) { return bus_.ReadSM(reg, Size::Word); }
void CMonitorChip::WriteWord(int reg, std::uint16_t value) { bus_.WriteSM(reg, value, Size::Word); }

// Read-modify-write: (value AND keep) OR set.
void CMonitorChip::UpdateByte(int reg, std::uint8_t keep, std::uint8_t set) {
    WriteByte(reg, static_cast<std::uint8_t>((ReadByte(reg) & keep) | set));
}

// Low limits live in bits 8-15 of a limit word, high limits in bits 0-7.
void CMonitorChip::WriteLimitByte(int reg, LimitSide side, std::uint8_t code) {
    std::uint16_t word = ReadWord(reg);
    if (side == LimitSide::Low)
        word = static_cast<std::uint16_t>((word & 0x00FF) | (code << 8));
    else
        word = static_cast<std::uint16_t>((word & 0xFF00) | code);
    WriteWord(reg, word);
}

void CMonitorChip::Initialize(ChipHost& host) {
    host.ResetTrayAlarm();
    bool identified = ReadByte(reg::kIdentifier) == kChipIdentifier && ReadByte(reg::kRevision) == kChipRevision;
    if (!identified) host.ShowDriverError();

    WriteByte(reg::kConfiguration, kConfigReset);
    WriteByte(reg::kMask, 0);
    WriteByte(reg::kVariant, 0);
    if (ReadByte(reg::kVariant) == kVariantRegisterSet) {
        variant = 2;
    } else {
        // The probe: a 3.5 V .. 4.0 V window encoded as for variant 0 only
        // trips on a variant-1 chip.
        variant = 0;
        WriteVddProbeLimits(kProbeLow, kProbeHigh);
        UpdateByte(reg::kConfiguration, 0xFF, kConfigStart | kConfigProbe);
        waiter_.Wait(kProbeWaitMs);
        variant = (ReadByte(reg::kStatus) & (1 << kVdd)) ? 1 : 0;
    }
    WriteByte(reg::kVariant, ScalesOf(variant).variantRegister);
    ApplyCorrections();
    SetDivisors();
}

void CMonitorChip::WriteVddProbeLimits(float low, float high) {
    WriteLimitByte(reg::kVddLimits, LimitSide::Low, EncodeVddLimit(low, 0, variant));
    WriteLimitByte(reg::kVddLimits, LimitSide::High, EncodeVddLimit(high, 0, variant));
}

void CMonitorChip::ApplyCorrections() {
    temperatureCorrection = 0;
    voltageCorrection = 0;
    if (!TestCorrection()) return;
    temperatureCorrection = ScalesOf(variant).temperatureCorrection;
    voltageCorrection = ScalesOf(variant).voltageCorrection;
}

void CMonitorChip::SetDivisors() {
    SetFan1Divisor(kDivideByTwo);
    SetFan2Divisor(kDivideByTwo);
}

bool CMonitorChip::TestCorrection() {
    const VariantScales& scales = ScalesOf(variant);
    if (!scales.correctionTest) return false;
    if (scales.maskDrivenByPolling) WriteByte(reg::kMask, 1);
    WriteVddProbeLimits(kProbeLow, kCorrectionHigh);
    ClearStatus();
    waiter_.Wait(kSettleWaitMs);
    bool fired = ReadByte(reg::kStatus) & (1 << kVdd);
    if (scales.maskDrivenByPolling) WriteByte(reg::kMask, 0);
    return fired;
}

void CMonitorChip::RestartIfStopped() {
    if (ReadByte(reg::kConfiguration) & kConfigStart) return;
    temperatureCorrection = 0;
    voltageCorrection = 0;
    WriteByte(reg::kConfiguration, kConfigReset);
    WriteByte(reg::kVariant, ScalesOf(variant).variantRegister);
    UpdateByte(reg::kConfiguration, 0xFF, kConfigStart);
    waiter_.Wait(kProbeWaitMs);
    ApplyCorrections();
    SetDivisors();

    const SettingValues& s = settings_;
    WriteOverLimit(s.tempOver);
    WriteHystLimit(s.tempHyst);
    WriteFan1Limit(s.fan1Limit);
    WriteFan2Limit(s.fan2Limit);
    WriteVoltageLimit(VoltageChannel::Vin3, LimitSide::Low, s.v3LoLimit);
    WriteVoltageLimit(VoltageChannel::Vin3, LimitSide::High, s.v3HiLimit);
    SetFan2Enabled(s.enableFan2 != 0);
    SetFan1Auto(s.fan1Auto != 0);
    waiter_.Wait(kSettleWaitMs);
    ClearStatus();

    alarmMask = 0;
    SetAlarmEnable(kTemp, s.alarmTemp != 0);
    SetAlarmEnable(kFan1, s.alarmFan1 != 0);
    SetAlarmEnable(kFan2, s.alarmFan2 != 0);
    SetAlarmEnable(kVin1, s.alarmVin1 != 0);
    SetAlarmEnable(kVin2, s.alarmVin2 != 0);
    SetAlarmEnable(kVin3, s.alarmVCore != 0);
    SetAlarmEnable(kVdd, s.alarmVdd != 0);
}

void CMonitorChip::ClearStatus() {
    UpdateByte(reg::kConfiguration, 0xFF, kConfigClearStatus);
    UpdateByte(reg::kConfiguration, static_cast<std::uint8_t>(~kConfigClearStatus), 0);
}

std::uint8_t CMonitorChip::ReadStatus() { return ReadByte(reg::kStatus); }

void CMonitorChip::Shutdown() {
    WriteByte(reg::kAlarmOutput, 0);
    WriteByte(reg::kMask, 0);
    WriteByte(reg::kConfiguration, 0);
    bus_.DeRegUsing();
}

void CMonitorChip::WriteOverLimit(int t) {
    WriteByte(reg::kOverLimit, EncodeTemperatureLimit(t, Fahrenheit(), temperatureCorrection, variant));
}

void CMonitorChip::WriteHystLimit(int t) {
    WriteByte(reg::kHystLimit, EncodeTemperatureLimit(t, Fahrenheit(), temperatureCorrection, variant));
}

int CMonitorChip::ReadOverLimit() {
    return DecodeTemperature(ReadByte(reg::kOverLimit), Fahrenheit(), temperatureCorrection, variant);
}

int CMonitorChip::ReadHystLimit() {
    return DecodeTemperature(ReadByte(reg::kHystLimit), Fahrenheit(), temperatureCorrection, variant);
}

int CMonitorChip::FanDivisor(int shift) { return 1 << ((ReadByte(reg::kMiscellaneous) >> shift) & 3); }

void CMonitorChip::WriteFan1Limit(int rpm) {
    WriteLimitByte(reg::kFanLimits, LimitSide::High, EncodeFanLimit(rpm, FanDivisor(kFan1DivisorShift)));
}

void CMonitorChip::WriteFan2Limit(int rpm) {
    WriteLimitByte(reg::kFanLimits, LimitSide::Low, EncodeFanLimit(rpm, FanDivisor(kFan2DivisorShift)));
}

void CMonitorChip::SetFan1Divisor(int index) {
    UpdateByte(reg::kMiscellaneous, 0x3F, static_cast<std::uint8_t>(index << kFan1DivisorShift));
}

void CMonitorChip::SetFan2Divisor(int index) {
    UpdateByte(reg::kMiscellaneous, 0xCF, static_cast<std::uint8_t>(index << kFan2DivisorShift));
}

void CMonitorChip::WriteVoltageLimit(VoltageChannel channel, LimitSide side, float volts) {
    std::uint8_t code = 0;
    switch (channel) {
    case VoltageChannel::Vin1: code = EncodeVinLimit(volts, v1Ratio, voltageCorrection, variant); break;
    case VoltageChannel::Vin2: code = EncodeVinLimit(volts, v2Ratio, voltageCorrection, variant); break;
    case VoltageChannel::Vin3: code = EncodeVinLimit(volts, v3Ratio, voltageCorrection, variant); break;
    case VoltageChannel::Vdd: code = EncodeVddLimit(volts, voltageCorrection, variant); break;
    }
    WriteLimitByte(LimitRegister(channel), side, code);
}

void CMonitorChip::SetFan2Enabled(bool on) {
    UpdateByte(reg::kConfiguration, static_cast<std::uint8_t>(~kConfigFan2Disabled), on ? 0 : kConfigFan2Disabled);
}

void CMonitorChip::SetFan1Auto(bool on) {
    UpdateByte(reg::kMiscellaneous, static_cast<std::uint8_t>(~kFan1Auto), on ? kFan1Auto : 0);
}

void CMonitorChip::SetAlarmEnable(int bit, bool on) {
    if (on)
        alarmMask |= 1 << bit;
    else
        alarmMask &= ~(1 << bit);
}

void CMonitorChip::WriteAlarmOutput(std::uint8_t value) { WriteByte(reg::kAlarmOutput, value); }

void CMonitorChip::WriteMask(std::uint8_t value) { WriteByte(reg::kMask, value); }

void CMonitorChip::WriteVariantRegister() { WriteByte(reg::kVariant, ScalesOf(variant).variantRegister); }

void CMonitorChip::SetStartBit() { UpdateByte(reg::kConfiguration, 0xFF, kConfigStart); }

int CMonitorChip::ReadTemperature() {
    return DecodeTemperature(ReadByte(reg::kTemperature), Fahrenheit(), temperatureCorrection, variant);
}

int CMonitorChip::ReadTemperature2() {
    return DecodeTemperature2(ReadByte(reg::kTemperature2), Fahrenheit(), temperatureCorrection, variant);
}

double CMonitorChip::ReadVCore() { return DecodeVCore(ReadByte(reg::kVin3), v3Ratio, voltageCorrection, variant); }

int CMonitorChip::ReadFan1Rpm() {
    std::uint16_t counts = ReadWord(reg::kFanCounts);
    return DecodeFanRpm(counts & 0xFF, FanDivisor(kFan1DivisorShift));
}

int CMonitorChip::ReadFan2Rpm() {
    std::uint16_t counts = ReadWord(reg::kFanCounts);
    return DecodeFanRpm(counts >> 8, FanDivisor(kFan2DivisorShift));
}

}  // namespace kalvor
