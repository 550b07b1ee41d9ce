// A scenario for the simulated monitor chip: the board it sits on and its
// analog inputs over time. Text, one directive a line, '#' starts a comment:
//
//   board variant=1 correction=0 v1ratio=1 v2ratio=4.8 v3ratio=1
//   driver missing
//   at 0 temperature=42 vin1=3.36 vin2=11.8 vin3=2.0 vdd=5.1 fan1=4500 fan2=4000
//   at 30 fan1=0          # seconds after the chip was first used
//   at 60 vin1=3.0
//   at 90 stopped         # the chip stops by itself
//   at 120 busy           # another process takes the bus from then on
//
// The board line may also set identifier=N, what the chip's identifier
// register answers (a chip of another kind).
//
// Each "at" changes only the inputs it names; the others keep their values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chip_model.h"

namespace boardsim {

struct ScenarioStep {
    double atSeconds = 0;
    std::vector<std::pair<std::string, double>> changes;  // "stopped" has no value
};

struct Scenario {
    ChipBoard board;
    bool driverMissing = false;
    std::vector<ScenarioStep> steps;  // in time order

    // The inputs in force `seconds` after the start ("stopped" aside).
    ChipInputs InputsAt(double seconds) const;
    // How many times the chip has stopped by itself by then: each "stopped"
    // is one event, after which the chip runs again once restarted.
    int StopsBy(double seconds) const;
    // Whether another process has taken the bus by then.
    bool BusyBy(double seconds) const;
};

// Returns nothing, and a message in `error`, for a line it cannot read.
std::optional<Scenario> ParseScenario(std::string_view text, std::string& error);

}  // namespace boardsim
