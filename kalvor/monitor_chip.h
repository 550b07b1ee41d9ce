// CMonitorChip: everything that touches the monitor chip's registers.
#pragma once

#include <cstdint>

#include "chip_registers.h"
#include "setting_values.h"
#include "smbus.h"

namespace kalvor {

// What detection needs of the rest of the program.
class ChipHost {
public:
    // The driver-error dialog, modal. Its OK button ends the program.
    virtual void ShowDriverError() = 0;
    // Detection starts with the tray's alarm picture reset.
    virtual void ResetTrayAlarm() = 0;

protected:
    ~ChipHost() = default;
};

// One supply estimated by the comparator search, in volts.
struct SearchRecord {
    float windowLow = 0;
    float windowHigh = 0;
    float estimate = 0;
};

class CMonitorChip {
public:
    CMonitorChip(SmBus& bus, Waiter& waiter, const SettingValues& settings);

    void Initialize(ChipHost& host);
    bool TestCorrection();
    void RestartIfStopped();
    void ClearStatus();
    std::uint8_t ReadStatus();
    void Shutdown();

    void WriteOverLimit(int t);
    void WriteHystLimit(int t);
    int ReadOverLimit();
    int ReadHystLimit();
    void WriteFan1Limit(int rpm);
    void WriteFan2Limit(int rpm);
    void SetFan1Divisor(int index);
    void SetFan2Divisor(int index);
    void WriteVoltageLimit(VoltageChannel channel, LimitSide side, float volts);
    void SetFan2Enabled(bool on);
    void SetFan1Auto(bool on);
    void SetAlarmEnable(int bit, bool on);
    void WriteAlarmOutput(std::uint8_t value);
    void WriteMask(std::uint8_t value);
    void WriteVariantRegister();
    void SetStartBit();

    int ReadTemperature();
    int ReadTemperature2();
    double ReadVCore();
    int ReadFan1Rpm();
    int ReadFan2Rpm();

    // The search for the three supplies that are never read.
    void SeedSearch();
    void UpdateWindows();
    void WriteWindows();
    SearchRecord vin1Search;
    SearchRecord vin2Search;
    SearchRecord vddSearch;

    int variant = 0;
    int temperatureCorrection = 0;
    int voltageCorrection = 0;
    int alarmMask = 0;
    float v1Value = 3.3f;
    float v2Value = 12.0f;
    float v1Ratio = 1.0f;
    float v2Ratio = 1.0f;
    float v3Ratio = 1.0f;

private:
    std::uint8_t ReadByte(int reg);
    void WriteByte(int reg, std::uint8_t value);
    std::uint16_t ReadWord(int reg);
    void WriteWord(int reg, std::uint16_t value);
    void UpdateByte(int reg, std::uint8_t keep, std::uint8_t set);
    void WriteLimitByte(int reg, LimitSide side, std::uint8_t code);
    void WriteVddProbeLimits(float low, float high);
    void ApplyCorrections();
    void SetDivisors();
    int FanDivisor(int shift);
    struct SearchChannel;
    SearchChannel Channel(int index);
    bool Fahrenheit() const { return settings_.fahrenheit != 0; }

    SmBus& bus_;
    Waiter& waiter_;
    const SettingValues& settings_;
};

}  // namespace kalvor
