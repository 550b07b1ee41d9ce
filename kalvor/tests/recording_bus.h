// A bus whose chip is a plain register file, recording every call as text.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "kalvor/smbus.h"

namespace kalvor {

class RecordingBus final : public SmBus, public Waiter {
public:
    bool CheckDriver() override { return true; }
    bool RegUsing() override { return true; }
    bool ChkUsing() override { return otherUser; }
    void DeRegUsing() override { log.push_back("DeRegUsing"); }

    std::uint16_t ReadSM(int reg, Size size) override {
        std::uint16_t value = onRead ? onRead(reg) : registers[reg];
        log.push_back("R " + std::to_string(reg) + "," + std::to_string(static_cast<int>(size)));
        return value;
    }

    void WriteSM(int reg, std::uint16_t value, Size size) override {
        registers[reg] = value;
        log.push_back("W " + std::to_string(reg) + "=" + std::to_string(value) + "," +
                      std::to_string(static_cast<int>(size)));
    }

    void Wait(unsigned milliseconds) override { log.push_back("wait " + std::to_string(milliseconds)); }

    std::array<std::uint16_t, 32> registers{};
    // When set, answers reads instead of the register file.
    std::function<std::uint16_t(int reg)> onRead;
    std::vector<std::string> log;
    bool otherUser = false;
};

}  // namespace kalvor
