// The chipset monitor's driver as the view uses it: the six requests on
// one handle, each reported to the user when it fails, and the messages
// for a driver that cannot be opened.
#pragma once

#include <cstdint>
#include <string>

#include "driver_blocks.h"

namespace pelmox {

enum ControlCode : std::uint32_t {
    PELMOX_READ_VALUES = 4,
    PELMOX_SET_LIMITS = 5,
    PELMOX_READ_LIMITS = 6,
    PELMOX_WAKE_UP = 7,
    PELMOX_SHUTDOWN = 8,
    PELMOX_NOTIFY = 9,
};

// The device behind an open handle: one synchronous control request,
// true on success. The Win32 adapter is DeviceIoControl.
class DriverDevice {
public:
    virtual bool Control(ControlCode code, const void* input, std::uint32_t inputSize, void* output,
                         std::uint32_t outputSize) = 0;

protected:
    ~DriverDevice() = default;
};

enum class MessageIcon : std::uint32_t { Stop = 0x10, Exclamation = 0x30 };

// What a failure needs of the view: a message box with the program's
// caption, and the posted quit request that ends the program.
class DriverReporter {
public:
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    virtual void PostQuit() = 0;

protected:
    ~DriverReporter() = default;
};

struct OpenFailure {
    std::string text;
    MessageIcon icon;
};

// The message for a failed open, by the system's error code.
OpenFailure OpenFailureMessage(std::uint32_t errorCode);

// The text of a failed request, by its code.
std::string RequestFailureMessage(ControlCode code);

// The six requests. Without a device (the open failed) no request is made
// and each returns false. A failed request shows its message and posts
// the quit request; the caller goes on with what its block holds.
class CChipsetDriver {
public:
    CChipsetDriver(DriverDevice* device, DriverReporter& reporter) : device_(device), reporter_(reporter) {}

    bool ReadValues(SensorValues& values);
    bool SetLimits(const WatchDogLimit& limits);
    bool ReadLimits(WatchDogLimit& limits);
    bool WakeUp(std::uint32_t items);
    bool Shutdown(std::uint32_t items);
    bool RegisterNotify(std::uint32_t window);

    bool IsOpen() const { return device_ != nullptr; }

private:
    bool Request(ControlCode code, const void* input, std::uint32_t inputSize, void* output,
                 std::uint32_t outputSize);

    DriverDevice* device_;
    DriverReporter& reporter_;
};

}  // namespace pelmox
