// The blocks exchanged with the chipset monitor's driver, byte for byte:
// the eight values, the limit block (also stored in the registry), the
// item mask and the notification request. Little-endian, IEEE singles.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pelmox {

// One bit per monitored item; every item mask of the program uses them.
enum ItemBit : std::uint32_t {
    ITEM_CPU_FAN = 0x01,
    ITEM_FAN2 = 0x02,
    ITEM_CHIPSET_TEMP = 0x04,
    ITEM_CPU_TEMP = 0x08,
    ITEM_12V = 0x10,
    ITEM_5V = 0x20,
    ITEM_IO_VOLTAGE = 0x40,
    ITEM_CPU_VOLTAGE = 0x80,
};
constexpr std::uint32_t kAllItems = 0xFF;
// Every item but the CPU core voltage.
constexpr std::uint32_t kAllButCpuVoltage = 0x7F;
// A set request with this word restores the driver's default limits.
constexpr std::uint32_t LIMITS_RESTORE_DEFAULTS = 0x1000;

// Current values in rpm, degrees Celsius and volts; exactly zero means
// that there is no reading.
struct SensorValues {
    float cpuFan;
    float fan2;
    float chipsetTemperature;
    float cpuTemperature;
    float supply12V;
    float supply5V;
    float ioSupply;
    float cpuVoltage;
};

// The limits in force. Fans have a lower limit only, temperatures an
// upper limit only, supplies both.
struct WatchDogLimit {
    std::uint32_t mask;  // item bits, or LIMITS_RESTORE_DEFAULTS
    float cpuFanLow;
    float fan2Low;
    float chipsetTemperatureHigh;
    float cpuTemperatureHigh;
    float supply12VLow;
    float supply12VHigh;
    float supply5VLow;
    float supply5VHigh;
    float ioSupplyLow;
    float ioSupplyHigh;
    float cpuVoltageLow;
    float cpuVoltageHigh;
};

// The view's window and the message the driver may post to it.
struct NotifyRequest {
    std::uint32_t window;   // the window handle's 32 significant bits
    std::uint32_t message;  // WM_DRIVERNOTIFY
    std::uint8_t unused[72];
};

constexpr std::uint32_t WM_DRIVERNOTIFY = 8898;

static_assert(sizeof(float) == 4, "IEEE single-precision floats");
static_assert(sizeof(SensorValues) == 32, "SensorValues is 32 bytes");
static_assert(offsetof(SensorValues, cpuVoltage) == 28, "SensorValues layout");
static_assert(sizeof(WatchDogLimit) == 52, "WatchDogLimit is 52 bytes");
static_assert(offsetof(WatchDogLimit, cpuFanLow) == 4, "WatchDogLimit layout");
static_assert(offsetof(WatchDogLimit, supply12VLow) == 20, "WatchDogLimit layout");
static_assert(offsetof(WatchDogLimit, ioSupplyLow) == 36, "WatchDogLimit layout");
static_assert(offsetof(WatchDogLimit, cpuVoltageHigh) == 48, "WatchDogLimit layout");
static_assert(sizeof(NotifyRequest) == 80, "NotifyRequest is 80 bytes");
static_assert(offsetof(NotifyRequest, message) == 4, "NotifyRequest layout");

// No reading: +0.0 or -0.0, the 31 bits below the sign all clear.
bool IsNoReading(float value);

}  // namespace pelmox
