// A model of the board's hardware-monitor chip behind the SMBus, with the
// register layout the monitor expects. Its analog inputs come from the
// board (a scenario sets them); while started, its comparators latch a
// status bit for every input outside its limits.
#pragma once

#include <array>
#include <cstdint>

namespace boardsim {

// The board around the chip: which variant it is, whether it is a board
// whose readings need the corrections, and its divider ratios.
struct ChipBoard {
    int variant = 0;
    bool needsCorrection = false;
    float v1Ratio = 1.0f;
    float v2Ratio = 4.8f;  // a 12 V supply reaches the chip as 2.5 V
    float v3Ratio = 1.0f;
    int identifier = 0x80;  // what the identifier register answers
};

// The analog side, in physical units.
struct ChipInputs {
    double temperature = 40.0;   // degrees Celsius
    double temperature2 = 35.0;  // degrees Celsius
    double vin1 = 3.3;           // volts at the supply
    double vin2 = 12.0;
    double vin3 = 2.0;  // VCore
    double vdd = 5.0;
    int fan1Rpm = 4500;  // 0: stopped
    int fan2Rpm = 4000;
    bool stopped = false;  // the chip clears its start bit by itself
};

class ChipModel {
public:
    explicit ChipModel(ChipBoard board = {});

    std::uint16_t Read(int reg, int size);
    void Write(int reg, std::uint16_t value, int size);

    // Changes the analog inputs; the comparators see them from now on.
    void SetInputs(const ChipInputs& inputs);
    const ChipInputs& Inputs() const { return inputs_; }
    std::uint8_t Register(int reg) const { return static_cast<std::uint8_t>(registers_[reg]); }

    // The input codes the comparators compare, as real numbers.
    double Vin1Code() const;
    double Vin2Code() const;
    double Vin3Code() const;
    double VddCode() const;
    double TemperatureCode() const;

private:
    void Reset();
    void Latch();
    std::uint16_t FanCounts() const;
    bool Started() const;

    ChipBoard board_;
    ChipInputs inputs_;
    std::array<std::uint16_t, 32> registers_{};
};

}  // namespace boardsim
