#include "settings_storage.h"

#include "temperature_units.h"

#include <cstdio>
#include <cstring>

namespace pelmox {
namespace {

constexpr double kCpuChange = 0.11;
constexpr std::uint32_t kVendorWord = 0xFFFFFF00;
constexpr char kUnavailable[] = "UNAVAILABLE";

template <typename T>
std::vector<std::uint8_t> Bytes(const T& member) {
    std::vector<std::uint8_t> bytes(sizeof member);
    std::memcpy(bytes.data(), &member, sizeof member);
    return bytes;
}

// A vendor number as "%f" reads it; false when nothing was read.
bool ReadNumber(const std::string& text, float& limit) {
    float number = 0;
    int read = std::sscanf(text.c_str(), "%f", &number);
    if (read == 0 || read == EOF) return false;
    limit = number;
    return true;
}

struct SingleLimitKey {
    std::uint32_t item;
    const char* key;
    float WatchDogLimit::*limit;
    bool temperature;
};

constexpr SingleLimitKey kSingleLimitKeys[] = {
    {ITEM_CPU_FAN, "CPUFanSpeedLower", &WatchDogLimit::cpuFanLow, false},
    {ITEM_FAN2, "Fan2SpeedLower", &WatchDogLimit::fan2Low, false},
    {ITEM_CHIPSET_TEMP, "ChipTemperatureUpper", &WatchDogLimit::chipsetTemperatureHigh, true},
    {ITEM_CPU_TEMP, "CPUTemperatureUpper", &WatchDogLimit::cpuTemperatureHigh, true},
};

struct SupplyKeys {
    std::uint32_t item;
    const char* lowerKey;
    const char* upperKey;
    float WatchDogLimit::*low;
    float WatchDogLimit::*high;
};

constexpr SupplyKeys kSupplyKeys[] = {
    {ITEM_12V, "12VoltageLower", "12VoltageUpper", &WatchDogLimit::supply12VLow, &WatchDogLimit::supply12VHigh},
    {ITEM_5V, "5VoltageLower", "5VoltageUpper", &WatchDogLimit::supply5VLow, &WatchDogLimit::supply5VHigh},
    {ITEM_IO_VOLTAGE, "IOVoltageLower", "IOVoltageUpper", &WatchDogLimit::ioSupplyLow, &WatchDogLimit::ioSupplyHigh},
    {ITEM_CPU_VOLTAGE, "CPUVoltageLower", "CPUVoltageUpper", &WatchDogLimit::cpuVoltageLow,
     &WatchDogLimit::cpuVoltageHigh},
};

}  // namespace

std::uint32_t ArmMask(std::uint8_t nmi45) { return 0xFFFFFF00u | static_cast<std::uint8_t>(~nmi45); }

SettingsStorage::SettingsStorage(PelmoxSettings& settings, CChipsetDriver& driver, SettingsRegistry& registry,
                                 VendorFileSource& vendorFile)
    : s_(settings), driver_(driver), registry_(registry), vendorFile_(vendorFile) {}

// A stored value is taken only when it is binary and of the member's own
// size; anything else leaves the member as it was.
template <typename T>
void SettingsStorage::ReadInto(const char* name, T& member) {
    std::optional<RegistryValue> value = registry_.Read(name);
    if (!value || value->type != kRegBinary || value->bytes.size() != sizeof member) return;
    std::memcpy(&member, value->bytes.data(), sizeof member);
}

void SettingsStorage::SaveSettings() {
    if (!registry_.OpenKey() && !registry_.CreateKey()) return;
    SensorValues values{};
    driver_.ReadValues(values);
    registry_.Write("NMI45", Bytes(s_.nmi45));
    registry_.Write("CheckItem", Bytes(s_.checkItem));
    registry_.Write("EnableItem", Bytes(s_.enableItem));
    registry_.Write("VendorUnavailable", Bytes(s_.vendorUnavailable));
    registry_.Write("SoundEnable", Bytes(s_.soundEnable));
    registry_.Write("TempUnit", Bytes(s_.tempUnit));
    registry_.Write("CpuVoltage", Bytes(values.cpuVoltage));
    registry_.Write("WatchDogLimit", Bytes(s_.limits));
    registry_.CloseKey();
}

void SettingsStorage::RearmAlarms() {
    driver_.Shutdown(kAllItems);
    driver_.WakeUp(ArmMask(s_.nmi45));
}

bool SettingsStorage::LoadSettings() {
    if (!registry_.OpenKey()) return false;
    ReadInto("NMI45", s_.nmi45);
    s_.limits.mask = LIMITS_RESTORE_DEFAULTS;
    driver_.SetLimits(s_.limits);
    RearmAlarms();
    ReadInto("CheckItem", s_.checkItem);
    ReadInto("EnableItem", s_.enableItem);
    ReadInto("VendorUnavailable", s_.vendorUnavailable);
    ReadInto("SoundEnable", s_.soundEnable);
    ReadInto("TempUnit", s_.tempUnit);
    // Without a stored voltage the processor counts as unchanged.
    float storedVoltage = 0;
    bool voltageStored = false;
    if (std::optional<RegistryValue> value = registry_.Read("CpuVoltage");
        value && value->type == kRegBinary && value->bytes.size() == sizeof storedVoltage) {
        std::memcpy(&storedVoltage, value->bytes.data(), sizeof storedVoltage);
        voltageStored = true;
    }
    ReadInto("WatchDogLimit", s_.limits);
    registry_.CloseKey();

    SensorValues values{};
    driver_.ReadValues(values);
    double difference = storedVoltage - values.cpuVoltage;
    bool processorChanged = voltageStored && (difference > kCpuChange || difference < -kCpuChange);
    // The stored core-voltage limits belong to another processor: the
    // driver keeps its default for it.
    if (processorChanged && !(s_.vendorUnavailable & ITEM_CPU_VOLTAGE)) s_.limits.mask = kAllButCpuVoltage;
    driver_.SetLimits(s_.limits);
    driver_.ReadLimits(s_.limits);
    return true;
}

void SettingsStorage::MarkUnavailable(std::uint32_t item, WatchDogLimit& block) {
    s_.vendorUnavailable |= item;
    s_.enableItem &= ~item;
    s_.checkItem &= ~item;
    block.mask &= ~item;
}

void SettingsStorage::ApplyVendorLimits(const VendorText& file, WatchDogLimit& block) {
    std::string value;
    for (const SingleLimitKey& key : kSingleLimitKeys) {
        if (!FindVendorValue(file, key.key, value)) continue;
        if (value == kUnavailable) {
            MarkUnavailable(key.item, block);
            continue;
        }
        float& limit = block.*(key.limit);
        if (!ReadNumber(value, limit)) continue;
        if (key.temperature && s_.tempUnit == 1) limit = FahrenheitToCelsius(limit);
        block.mask |= key.item;
    }
    for (const SupplyKeys& key : kSupplyKeys) {
        if (!FindVendorValue(file, key.lowerKey, value)) continue;
        if (value == kUnavailable) {
            MarkUnavailable(key.item, block);
            continue;
        }
        if (ReadNumber(value, block.*(key.low))) block.mask |= key.item;
        if (!FindVendorValue(file, key.upperKey, value)) continue;
        if (value == kUnavailable)
            MarkUnavailable(key.item, block);
        else if (ReadNumber(value, block.*(key.high)))
            block.mask |= key.item;
    }
}

bool SettingsStorage::LoadVendorDefaults() {
    s_.vendorUnavailable = 0;
    std::optional<std::string> text = vendorFile_.Read();
    if (!text) return false;
    VendorText file(*text);

    WatchDogLimit block{};
    block.mask = LIMITS_RESTORE_DEFAULTS;
    driver_.SetLimits(block);
    block.mask = kAllItems;
    driver_.ReadLimits(block);
    s_.enableItem = kAllItems;
    s_.checkItem = kAllItems;
    block.mask = kVendorWord;

    std::string value;
    if (FindVendorValue(file, "Sound", value)) s_.soundEnable = value == "OFF" ? 0 : 1;
    if (FindVendorValue(file, "TemperatureUnit", value)) s_.tempUnit = value == "F" ? 1 : 0;
    ApplyVendorLimits(file, block);

    driver_.SetLimits(block);
    s_.limits.mask = kAllItems;
    driver_.ReadLimits(s_.limits);
    RearmAlarms();
    SaveSettings();
    return true;
}

void SettingsStorage::LoadDriverDefaults() {
    s_.limits.mask = LIMITS_RESTORE_DEFAULTS;
    driver_.SetLimits(s_.limits);
    driver_.ReadLimits(s_.limits);
    s_.enableItem = kAllItems;
    s_.checkItem = kAllItems;
    SaveSettings();
}

void SettingsStorage::CheckSecondFan() {
    if ((s_.vendorUnavailable & ITEM_FAN2) || !(s_.enableItem & ITEM_FAN2)) return;
    driver_.ReadLimits(s_.limits);
    SensorValues values{};
    driver_.ReadValues(values);
    if (!IsNoReading(values.fan2)) return;
    s_.checkItem &= ~static_cast<std::uint32_t>(ITEM_FAN2);
    s_.enableItem &= ~static_cast<std::uint32_t>(ITEM_FAN2);
}

void SettingsStorage::LoadDefaults() {
    if (!LoadVendorDefaults()) LoadDriverDefaults();
}

void SettingsStorage::SendLimits() {
    driver_.SetLimits(s_.limits);
    driver_.ReadLimits(s_.limits);
    SaveSettings();
}

void SettingsStorage::ArmItem(std::uint32_t item) {
    s_.checkItem |= item;
    s_.nmi45 = static_cast<std::uint8_t>(s_.nmi45 & ~item);
    driver_.WakeUp(item);
    SaveSettings();
}

void SettingsStorage::DisarmItem(std::uint32_t item) {
    s_.checkItem &= ~item;
    s_.nmi45 = static_cast<std::uint8_t>(s_.nmi45 | item);
    driver_.Shutdown(item);
    SaveSettings();
}

void SettingsStorage::RunStartup() {
    if (LoadSettings()) return;
    LoadDefaults();
    CheckSecondFan();
}

}  // namespace pelmox
