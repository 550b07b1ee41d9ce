// Test and benchmark support: the monitor's SmBus on the simulated chip,
// with waits that take no time, a store without files and one in memory.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "boardsim/smbus/chip_model.h"
#include "kalvor/settings_store.h"
#include "kalvor/smbus.h"

namespace kalvor {

class ModelBus final : public SmBus, public Waiter {
public:
    explicit ModelBus(boardsim::ChipModel& model) : model_(model) {}
    bool CheckDriver() override { return true; }
    bool RegUsing() override { return true; }
    bool ChkUsing() override { return false; }
    void DeRegUsing() override {}
    std::uint16_t ReadSM(int reg, Size size) override { return model_.Read(reg, static_cast<int>(size)); }
    void WriteSM(int reg, std::uint16_t value, Size size) override {
        model_.Write(reg, value, static_cast<int>(size));
    }
    void Wait(unsigned) override {}

private:
    boardsim::ChipModel& model_;
};

// No settings file can be read or written.
class NoFiles final : public SettingsStore {
public:
    std::optional<std::string> Load(const std::string&) override { return std::nullopt; }
    bool Save(const std::string&, const std::string&) override { return false; }
};

// Settings files in memory, by name.
class MemoryStore final : public SettingsStore {
public:
    std::optional<std::string> Load(const std::string& name) override {
        auto it = files.find(name);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool Save(const std::string& name, const std::string& text) override {
        files[name] = text;
        return true;
    }
    std::map<std::string, std::string> files;
};

}  // namespace kalvor
