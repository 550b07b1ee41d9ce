// The monitor's bus and waits on the real SMBus library, SMBUS.dll, which
// the program is linked against at load time.
#pragma once

#include "smbus.h"

namespace kalvor {

class LibraryBus final : public SmBus, public Waiter {
public:
    bool CheckDriver() override;
    bool RegUsing() override;
    bool ChkUsing() override;
    void DeRegUsing() override;
    std::uint16_t ReadSM(int reg, Size size) override;
    void WriteSM(int reg, std::uint16_t value, Size size) override;
    void Wait(unsigned milliseconds) override;
};

}  // namespace kalvor
