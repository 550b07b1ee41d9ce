#include "scenario.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace boardsim {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool Number(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

bool Assignment(const std::string& word, std::string& key, double& value) {
    std::size_t equals = word.find('=');
    if (equals == std::string::npos) return false;
    key = word.substr(0, equals);
    return Number(word.substr(equals + 1), value);
}

bool ApplyBoard(const std::string& key, double value, ChipBoard& board) {
    if (key == "variant" && (value == 0 || value == 1 || value == 2)) board.variant = static_cast<int>(value);
    else if (key == "correction") board.needsCorrection = value != 0;
    else if (key == "v1ratio" && value > 0) board.v1Ratio = static_cast<float>(value);
    else if (key == "v2ratio" && value > 0) board.v2Ratio = static_cast<float>(value);
    else if (key == "v3ratio" && value > 0) board.v3Ratio = static_cast<float>(value);
    else if (key == "identifier" && value >= 0 && value <= 255) board.identifier = static_cast<int>(value);
    else return false;
    return true;
}

bool ApplyInput(const std::string& key, double value, ChipInputs& inputs) {
    if (key == "temperature") inputs.temperature = value;
    else if (key == "temperature2") inputs.temperature2 = value;
    else if (key == "vin1") inputs.vin1 = value;
    else if (key == "vin2") inputs.vin2 = value;
    else if (key == "vin3") inputs.vin3 = value;
    else if (key == "vdd") inputs.vdd = value;
    else if (key == "fan1") inputs.fan1Rpm = static_cast<int>(value);
    else if (key == "fan2") inputs.fan2Rpm = static_cast<int>(value);
    else if (key == "stopped") inputs.stopped = value != 0;
    else return false;
    return true;
}

bool ParseStep(const std::vector<std::string>& words, ScenarioStep& step) {
    if (words.size() < 2 || !Number(words[1], step.atSeconds) || step.atSeconds < 0) return false;
    ChipInputs probe;
    for (std::size_t i = 2; i < words.size(); ++i) {
        std::string key;
        double value = 1;
        bool event = words[i] == "stopped" || words[i] == "busy";
        if (event)
            key = words[i];
        else if (!Assignment(words[i], key, value) || !ApplyInput(key, value, probe))
            return false;
        step.changes.emplace_back(key, value);
    }
    return true;
}

}  // namespace

ChipInputs Scenario::InputsAt(double seconds) const {
    ChipInputs inputs;
    for (const ScenarioStep& step : steps) {
        if (step.atSeconds > seconds) break;
        for (const auto& [key, value] : step.changes)
            if (key != "stopped" && key != "busy") ApplyInput(key, value, inputs);
    }
    return inputs;
}

int Scenario::StopsBy(double seconds) const {
    int stops = 0;
    for (const ScenarioStep& step : steps) {
        if (step.atSeconds > seconds) break;
        for (const auto& change : step.changes) stops += change.first == "stopped";
    }
    return stops;
}

bool Scenario::BusyBy(double seconds) const {
    for (const ScenarioStep& step : steps) {
        if (step.atSeconds > seconds) break;
        for (const auto& change : step.changes)
            if (change.first == "busy") return true;
    }
    return false;
}

std::optional<Scenario> ParseScenario(std::string_view text, std::string& error) {
    Scenario scenario;
    std::istringstream in{std::string(text)};
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        bool ok = true;
        if (words[0] == "board") {
            for (std::size_t i = 1; i < words.size() && ok; ++i) {
                std::string key;
                double value = 0;
                ok = Assignment(words[i], key, value) && ApplyBoard(key, value, scenario.board);
            }
        } else if (words[0] == "driver" && words.size() == 2 && words[1] == "missing") {
            scenario.driverMissing = true;
        } else if (words[0] == "at") {
            ScenarioStep step;
            ok = ParseStep(words, step);
            if (ok) scenario.steps.push_back(step);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(number) + ": " + line;
            return std::nullopt;
        }
    }
    std::stable_sort(scenario.steps.begin(), scenario.steps.end(),
                     [](const ScenarioStep& a, const ScenarioStep& b) { return a.atSeconds < b.atSeconds; });
    return scenario;
}

}  // namespace boardsim
