#include "sensor_items.h"

namespace pelmox {

const std::array<SensorItem, kItemCount> kSensorItems = {{
    {ITEM_CPU_FAN, ItemGroup::Fan, &SensorValues::cpuFan, &WatchDogLimit::cpuFanLow, nullptr, 1036, 1023,
     "CPU Fan", 0, "CPU Fan Speed", 32779, "CPU Fan", "CPU Fan", "CPUFanSpeedLower", nullptr},
    {ITEM_FAN2, ItemGroup::Fan, &SensorValues::fan2, &WatchDogLimit::fan2Low, nullptr, 1037, 1024, "Fan 2", 1,
     "Fan2 Speed", 32780, "Fan 2", "Fan2", "Fan2SpeedLower", nullptr},
    {ITEM_CHIPSET_TEMP, ItemGroup::Temperature, &SensorValues::chipsetTemperature, nullptr,
     &WatchDogLimit::chipsetTemperatureHigh, 1042, 1022, "Chipset temp", 2, "Chipset Temperature", 32781,
     "Chipset temperature", "Chipset Temperature", nullptr, "ChipTemperatureUpper"},
    {ITEM_CPU_TEMP, ItemGroup::Temperature, &SensorValues::cpuTemperature, nullptr,
     &WatchDogLimit::cpuTemperatureHigh, 1048, 1047, "CPU temp", 3, "CPU Temperature", 32782, "CPU temperature",
     "CPU Temperature", nullptr, "CPUTemperatureUpper"},
    {ITEM_12V, ItemGroup::Supply, &SensorValues::supply12V, &WatchDogLimit::supply12VLow,
     &WatchDogLimit::supply12VHigh, 1043, 1018, "12V Voltage", 4, "12V Voltage", 32783, "Voltage 1", "Voltage(1)",
     "12VoltageLower", "12VoltageUpper"},
    {ITEM_5V, ItemGroup::Supply, &SensorValues::supply5V, &WatchDogLimit::supply5VLow, &WatchDogLimit::supply5VHigh,
     1044, 1019, "5 V  Voltage", 5, "5V Voltage", 32784, "Voltage 2", "Voltage(2)", "5VoltageLower",
     "5VoltageUpper"},
    {ITEM_IO_VOLTAGE, ItemGroup::Supply, &SensorValues::ioSupply, &WatchDogLimit::ioSupplyLow,
     &WatchDogLimit::ioSupplyHigh, 1045, 1020, "I/O  Voltage", 6, "I/O Voltage", 32785, "Voltage 3", "Voltage(3)",
     "IOVoltageLower", "IOVoltageUpper"},
    {ITEM_CPU_VOLTAGE, ItemGroup::Supply, &SensorValues::cpuVoltage, &WatchDogLimit::cpuVoltageLow,
     &WatchDogLimit::cpuVoltageHigh, 1046, 1021, "CPU Voltage", 7, "CPU Voltage", 32786, "Voltage 4", "Voltage(4)",
     "CPUVoltageLower", "CPUVoltageUpper"},
}};

int ItemIndexFromBit(std::uint32_t bit) {
    for (int i = 0; i < kItemCount; ++i) {
        if (kSensorItems[static_cast<std::size_t>(i)].bit == bit) return i;
    }
    return -1;
}

}  // namespace pelmox
