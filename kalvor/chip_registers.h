// The register map of the monitor chip.
#pragma once

#include <cstdint>

namespace kalvor {

namespace reg {
constexpr int kIdentifier = 0;
constexpr int kRevision = 1;
constexpr int kConfiguration = 3;
constexpr int kTemperature = 4;
constexpr int kOverLimit = 5;
constexpr int kHystLimit = 6;
constexpr int kFanCounts = 7;
constexpr int kFanLimits = 8;
constexpr int kVin1Limits = 9;
constexpr int kVin2Limits = 10;
constexpr int kVin3Limits = 11;
constexpr int kVddLimits = 12;
constexpr int kVin3 = 13;
constexpr int kTemperature2 = 14;
constexpr int kMiscellaneous = 15;
constexpr int kAlarmOutput = 16;
constexpr int kMask = 17;
constexpr int kStatus = 18;
constexpr int kVariant = 31;
}  // namespace reg

constexpr std::uint8_t kChipIdentifier = 0x80;
constexpr std::uint8_t kChipRevision = 0x00;

// Configuration register bits.
constexpr std::uint8_t kConfigReset = 0x80;
constexpr std::uint8_t kConfigStart = 0x40;
constexpr std::uint8_t kConfigClearStatus = 0x20;
constexpr std::uint8_t kConfigFan2Disabled = 0x10;
constexpr std::uint8_t kConfigProbe = 0x04;

// Miscellaneous register: divisor fields and the fan-1 automatic mode.
constexpr std::uint8_t kFan1DivisorShift = 6;
constexpr std::uint8_t kFan2DivisorShift = 4;
constexpr std::uint8_t kFan1Auto = 0x08;

constexpr std::uint8_t kVariantRegisterSet = 0x80;

// Status (and mask) bits.
enum StatusBit { kVdd = 0, kVin1 = 1, kVin2 = 2, kVin3 = 3, kTemp = 4, kFan1 = 5, kFan2 = 6 };

// The four limit words: low limit in bits 8-15, high limit in bits 0-7.
enum class VoltageChannel { Vin1, Vin2, Vin3, Vdd };
enum class LimitSide { Low, High };

}  // namespace kalvor
