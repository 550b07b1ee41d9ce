// pelmox's settings over the fake driver, registry and vendor file, with
// the driver's failures counted instead of shown.
#pragma once

#include <cstring>

#include "pelmox/core/tests/fake_chipset.h"

namespace fuzz {

class CountedMessages final : public pelmox::DriverReporter {
public:
    void ShowMessage(const std::string&, pelmox::MessageIcon) override { ++messages; }
    void PostQuit() override { ++quits; }
    int messages = 0;
    int quits = 0;
};

using PelmoxParts = pelmox::ChipsetParts<CountedMessages>;

// The settings as stored: two loads that agree hold the same bytes.
inline bool SameSettings(const pelmox::PelmoxSettings& a, const pelmox::PelmoxSettings& b) {
    return a.nmi45 == b.nmi45 && a.checkItem == b.checkItem && a.enableItem == b.enableItem &&
           a.vendorUnavailable == b.vendorUnavailable && a.soundEnable == b.soundEnable && a.tempUnit == b.tempUnit &&
           std::memcmp(&a.limits, &b.limits, sizeof a.limits) == 0;
}

// True when what `parts` stored loads again, at a later start, as the
// settings it holds.
inline bool ReloadsTheSame(const PelmoxParts& parts) {
    PelmoxParts again;
    again.registry.exists = true;
    again.registry.values = parts.registry.values;
    again.storage.LoadSettings();
    return SameSettings(parts.settings, again.settings);
}

}  // namespace fuzz
