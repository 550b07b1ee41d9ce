#include "chip_model.h"

#include <cmath>

namespace boardsim {
namespace {

// The register numbers and bits the monitor uses.
constexpr int kIdentifierReg = 0, kRevisionReg = 1, kConfigReg = 3, kTemperatureReg = 4, kOverReg = 5,
              kFanCountsReg = 7, kFanLimitsReg = 8, kVin1LimitsReg = 9, kVin2LimitsReg = 10,
              kVin3LimitsReg = 11, kVddLimitsReg = 12, kVin3Reg = 13, kTemperature2Reg = 14, kMiscReg = 15,
              kMaskReg = 17, kStatusReg = 18, kVariantReg = 31;
constexpr std::uint8_t kReset = 0x80, kStart = 0x40, kClearStatus = 0x20, kFan2Disabled = 0x10;

struct Scales {
    double k, s, o, sd, od;
    int temperatureCorrection, voltageCorrection;
};
constexpr Scales kScales[3] = {
    {1.0, 2.35, -6, 2.35, -6, 33, 28},
    {0.977310924369748, 2.38, 2, 2.4, 5, 26, 28},
    {0.977310924369748, 2.38, 2, 2.4, 5, 0, 0},
};

enum Bit { kVdd = 0, kVin1, kVin2, kVin3, kTemp, kFan1, kFan2 };

int Clamp(double code) { return code < 0 ? 0 : code > 255 ? 255 : static_cast<int>(code); }

bool Outside(double code, std::uint16_t limits) {
    return code < (limits >> 8) || code > (limits & 0xFF);
}

}  // namespace

ChipModel::ChipModel(ChipBoard board) : board_(board) { Reset(); }

void ChipModel::Reset() {
    registers_.fill(0);
    registers_[kIdentifierReg] = static_cast<std::uint16_t>(board_.identifier);
    registers_[kVariantReg] = board_.variant == 2 ? 0x80 : 0;
}

bool ChipModel::Started() const { return (registers_[kConfigReg] & kStart) && !inputs_.stopped; }

void ChipModel::SetInputs(const ChipInputs& inputs) {
    inputs_ = inputs;
    if (inputs_.stopped) registers_[kConfigReg] &= ~kStart;
}

double ChipModel::Vin1Code() const {
    const Scales& v = kScales[board_.variant];
    return inputs_.vin1 / (v.s / 128) / board_.v1Ratio + (board_.needsCorrection ? v.voltageCorrection : 0) - v.o;
}

double ChipModel::Vin2Code() const {
    const Scales& v = kScales[board_.variant];
    return inputs_.vin2 / (v.s / 128) / board_.v2Ratio + (board_.needsCorrection ? v.voltageCorrection : 0) - v.o;
}

double ChipModel::Vin3Code() const {
    const Scales& v = kScales[board_.variant];
    return inputs_.vin3 / (v.s / 128) / board_.v3Ratio + (board_.needsCorrection ? v.voltageCorrection : 0) - v.o;
}

double ChipModel::VddCode() const {
    const Scales& v = kScales[board_.variant];
    return inputs_.vdd / (v.sd * 5 / 512) + (board_.needsCorrection ? v.voltageCorrection : 0) - v.od;
}

double ChipModel::TemperatureCode() const {
    const Scales& v = kScales[board_.variant];
    return (inputs_.temperature + 119 + (board_.needsCorrection ? v.temperatureCorrection : 0)) / v.k;
}

std::uint16_t ChipModel::FanCounts() const {
    auto count = [](int rpm, int divisorIndex) {
        if (rpm <= 0) return 0;
        return Clamp(480000.0 / rpm / (1 << divisorIndex));
    };
    std::uint8_t misc = static_cast<std::uint8_t>(registers_[kMiscReg]);
    int fan1 = count(inputs_.fan1Rpm, (misc >> 6) & 3);
    int fan2 = (registers_[kConfigReg] & kFan2Disabled) ? 0 : count(inputs_.fan2Rpm, (misc >> 4) & 3);
    return static_cast<std::uint16_t>(fan1 | (fan2 << 8));
}

// While started, every input outside its limits latches its status bit; a
// variant-0 chip latches only the bits its mask register enables.
void ChipModel::Latch() {
    if (!Started()) return;
    std::uint16_t fanLimits = registers_[kFanLimitsReg];
    std::uint16_t counts = FanCounts();
    int fan1 = counts & 0xFF;
    int fan2 = counts >> 8;
    bool fan2Enabled = !(registers_[kConfigReg] & kFan2Disabled);
    std::uint8_t found = 0;
    if (Outside(VddCode(), registers_[kVddLimitsReg])) found |= 1 << kVdd;
    if (Outside(Vin1Code(), registers_[kVin1LimitsReg])) found |= 1 << kVin1;
    if (Outside(Vin2Code(), registers_[kVin2LimitsReg])) found |= 1 << kVin2;
    if (Outside(Vin3Code(), registers_[kVin3LimitsReg])) found |= 1 << kVin3;
    if (TemperatureCode() > registers_[kOverReg]) found |= 1 << kTemp;
    if (fan1 == 0 || fan1 > (fanLimits & 0xFF)) found |= 1 << kFan1;
    if (fan2Enabled && (fan2 == 0 || fan2 > (fanLimits >> 8))) found |= 1 << kFan2;
    if (board_.variant == 0) found &= static_cast<std::uint8_t>(registers_[kMaskReg]);
    registers_[kStatusReg] |= found;
}

std::uint16_t ChipModel::Read(int reg, int size) {
    if (reg < 0 || reg >= 32) return 0;
    switch (reg) {
    case kStatusReg: Latch(); return registers_[kStatusReg];
    // Rounded up, so that the monitor's truncating conversion gives the
    // true whole degree back.
    case kTemperatureReg: return static_cast<std::uint16_t>(Clamp(std::ceil(TemperatureCode())));
    case kTemperature2Reg: {
        const Scales& v = kScales[board_.variant];
        double code = inputs_.temperature2 / 0.902857 - (v.o - 13.50633) +
                      (board_.needsCorrection ? v.temperatureCorrection : 0);
        return static_cast<std::uint16_t>(Clamp(std::round(code)));
    }
    case kVin3Reg: return static_cast<std::uint16_t>(Clamp(Vin3Code()));
    case kFanCountsReg: return FanCounts();
    case kConfigReg:
        if (inputs_.stopped) registers_[kConfigReg] &= ~kStart;
        return registers_[kConfigReg];
    default: return size == 2 ? registers_[reg] : static_cast<std::uint16_t>(registers_[reg] & 0xFF);
    }
}

void ChipModel::Write(int reg, std::uint16_t value, int size) {
    if (reg < 0 || reg >= 32 || reg == kIdentifierReg || reg == kRevisionReg || reg == kStatusReg) return;
    if (size != 2) value &= 0xFF;
    if (reg == kConfigReg) {
        // The reset bit clears itself once the chip has reset.
        if (value & kReset) {
            Reset();
            registers_[kConfigReg] = value & ~kReset;
            return;
        }
        // The falling edge of the clear bit empties the latched status.
        if ((registers_[kConfigReg] & kClearStatus) && !(value & kClearStatus)) registers_[kStatusReg] = 0;
        if (value & kStart) inputs_.stopped = false;
    }
    if (reg == kVariantReg && board_.variant == 2) value = 0x80;  // holds 0x80 whatever is written
    registers_[reg] = value;
}

}  // namespace boardsim
