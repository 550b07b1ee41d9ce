// The SMBus access library as the monitor sees it: six operations on the
// bus and the one chip on it. The program reaches the chip only through
// these, so tests and the simulated board can stand in for the library.
#pragma once

#include <cstdint>

namespace kalvor {

enum class Size : std::uint32_t { Byte = 1, Word = 2 };

class SmBus {
public:
    virtual bool CheckDriver() = 0;
    // Each takes the client number 1.
    virtual bool RegUsing() = 0;
    virtual bool ChkUsing() = 0;  // true while another process uses the bus
    virtual void DeRegUsing() = 0;
    // A word is the SMBus read-word data: first data byte in bits 0-7.
    virtual std::uint16_t ReadSM(int reg, Size size) = 0;
    virtual void WriteSM(int reg, std::uint16_t value, Size size) = 0;

protected:
    ~SmBus() = default;
};

// Blocking waits of the user-interface thread.
class Waiter {
public:
    virtual void Wait(unsigned milliseconds) = 0;

protected:
    ~Waiter() = default;
};

}  // namespace kalvor
