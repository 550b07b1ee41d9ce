// The chipset monitor's driver on Windows: "\\.\pelmox.VXD" opened the way
// a Windows 9x dynamically loaded driver is loaded, and its requests as
// DeviceIoControl calls on the handle.
#pragma once

#include <windows.h>

#include "chipset_driver.h"

namespace pelmox {

constexpr char kDriverPath[] = "\\\\.\\pelmox.VXD";

class Win32DriverDevice final : public DriverDevice {
public:
    Win32DriverDevice() = default;
    ~Win32DriverDevice() { Close(); }
    Win32DriverDevice(const Win32DriverDevice&) = delete;
    Win32DriverDevice& operator=(const Win32DriverDevice&) = delete;

    // Opens the driver; on failure returns the system's error code, else 0.
    // The flag makes Windows 9x unload the driver when the handle closes.
    DWORD OpenDriver();
    void Close();
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    bool Control(ControlCode code, const void* input, std::uint32_t inputSize, void* output,
                 std::uint32_t outputSize) override;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace pelmox
