#include "board_options.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace boardsim {
namespace {

struct FaultName {
    std::string_view name;
    Fault fault;
};

constexpr std::array<FaultName, kFaultCount> kFaultNames{{
    {"none", Fault::None},
    {"fail", Fault::FailAll},
    {"cycle", Fault::Cycle},
    {"endless", Fault::Endless},
    {"answer-last", Fault::AnswerLast},
}};

bool ParseByte(const std::string& text, std::uint8_t& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    unsigned long number = std::strtoul(text.c_str(), &end, 0);
    if (*end != '\0' || number > 0xFF) return false;
    value = static_cast<std::uint8_t>(number);
    return true;
}

bool ParseVendor(const std::string& text, VendorMonitor& monitor) {
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    return ParseByte(text.substr(0, comma), monitor.watchedItems) &&
           ParseByte(text.substr(comma + 1), monitor.status);
}

bool ParseFault(const std::string& text, Fault& fault) {
    for (const FaultName& entry : kFaultNames) {
        if (entry.name == text) {
            fault = entry.fault;
            return true;
        }
    }
    return false;
}

SystemInformation& Info(IoprobeBoard& board) {
    if (!board.systemInformation) board.systemInformation = SystemInformation{};
    return *board.systemInformation;
}

// An option that takes a value: applies it, or returns false for a bad one.
using ValueOption = std::function<bool(IoprobeBoard&, const std::string&)>;

const std::vector<std::pair<std::string_view, ValueOption>>& ValueOptions() {
    static const std::vector<std::pair<std::string_view, ValueOption>> options{
        {"--product", [](IoprobeBoard& b, const std::string& v) { Info(b).productName = v; return true; }},
        {"--manufacturer", [](IoprobeBoard& b, const std::string& v) { Info(b).manufacturer = v; return true; }},
        {"--version", [](IoprobeBoard& b, const std::string& v) { Info(b).version = v; return true; }},
        {"--serial", [](IoprobeBoard& b, const std::string& v) { Info(b).serialNumber = v; return true; }},
        {"--vendor",
         [](IoprobeBoard& b, const std::string& v) {
             VendorMonitor monitor;
             if (!ParseVendor(v, monitor)) return false;
             b.vendorMonitor = monitor;
             return true;
         }},
        {"--fault", [](IoprobeBoard& b, const std::string& v) { return ParseFault(v, b.fault); }},
    };
    return options;
}

const ValueOption* FindValueOption(const std::string& name) {
    for (const auto& [optionName, apply] : ValueOptions())
        if (optionName == name) return &apply;
    return nullptr;
}

}  // namespace

bool ApplyBoardOptions(const std::vector<std::string>& options, IoprobeBoard& board,
                       std::string& error) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& name = options[i];
        if (name == "--no-system-information") {
            board.systemInformation.reset();
        } else if (name == "--no-vendor") {
            board.vendorMonitor.reset();
        } else if (const ValueOption* apply = FindValueOption(name)) {
            if (i + 1 == options.size()) {
                error = name + " needs a value";
                return false;
            }
            const std::string& value = options[++i];
            if (!(*apply)(board, value)) {
                error = "bad value for " + name + ": " + value;
                return false;
            }
        } else {
            error = "unknown option: " + name;
            return false;
        }
    }
    return true;
}

}  // namespace boardsim
