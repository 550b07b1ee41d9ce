// The monitor's settings: the registry values, the vendor file's factory
// values or the driver's, and the start-up that pushes the stored state
// back into the driver.
#pragma once

#include <cstdint>

#include "chipset_driver.h"
#include "settings_registry.h"
#include "vendor_file.h"

namespace pelmox {

// The view's settings members, with the values they have before any load.
struct PelmoxSettings {
    std::uint8_t nmi45 = 0xFF;  // items whose driver alarm is shut down
    std::uint32_t checkItem = 0;
    std::uint32_t enableItem = 0xFF;
    std::uint32_t vendorUnavailable = 0;
    std::int32_t soundEnable = 1;
    std::int32_t tempUnit = 0;  // 0 Celsius, 1 Fahrenheit
    WatchDogLimit limits{};     // its word doubles as the selected item
};

// The arm mask for the items not shut down: the complemented byte with
// 0xFFFFFF00 or-ed in.
std::uint32_t ArmMask(std::uint8_t nmi45);

class SettingsStorage {
public:
    SettingsStorage(PelmoxSettings& settings, CChipsetDriver& driver, SettingsRegistry& registry,
                    VendorFileSource& vendorFile);

    void SaveSettings();
    bool LoadSettings();
    bool LoadVendorDefaults();
    void LoadDriverDefaults();
    void CheckSecondFan();

    // At window creation: the stored settings, or on the first run the
    // vendor file's (else the driver's) defaults.
    void RunStartup();
    // The defaults again: the vendor file's, else the driver's.
    void LoadDefaults();

    // The user's changes, each saved at once. A slider moved: the block
    // (its word the selected item) goes to the driver and is read back.
    void SendLimits();
    // An alarm box checked: the item armed in the driver; unchecked: disarmed.
    void ArmItem(std::uint32_t item);
    void DisarmItem(std::uint32_t item);

private:
    template <typename T>
    void ReadInto(const char* name, T& member);
    void ApplyVendorLimits(const VendorText& file, WatchDogLimit& block);
    void MarkUnavailable(std::uint32_t item, WatchDogLimit& block);
    void RearmAlarms();

    PelmoxSettings& s_;
    CChipsetDriver& driver_;
    SettingsRegistry& registry_;
    VendorFileSource& vendorFile_;
};

}  // namespace pelmox
