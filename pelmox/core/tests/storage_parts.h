// The settings storage over the fakes for tests in which no driver
// request fails.
#pragma once

#include <gtest/gtest.h>

#include "fake_chipset.h"

namespace pelmox {

// A driver module's reporter for tests in which no request fails.
class UnexpectedMessages final : public DriverReporter {
public:
    void ShowMessage(const std::string& text, MessageIcon) override { ADD_FAILURE() << "unexpected: " << text; }
    void PostQuit() override { ADD_FAILURE() << "unexpected quit request"; }
};

using StorageParts = ChipsetParts<UnexpectedMessages>;

}  // namespace pelmox
