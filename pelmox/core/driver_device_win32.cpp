#include "driver_device_win32.h"

namespace pelmox {

DWORD Win32DriverDevice::OpenDriver() {
    Close();
    handle_ = CreateFileA(kDriverPath, 0, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return handle_ == INVALID_HANDLE_VALUE ? GetLastError() : 0;
}

void Win32DriverDevice::Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

// The codes are plain small numbers, not composed of device type, method
// and access; the byte count returned is never looked at.
bool Win32DriverDevice::Control(ControlCode code, const void* input, std::uint32_t inputSize, void* output,
                                std::uint32_t outputSize) {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    return DeviceIoControl(handle_, code, const_cast<void*>(input), inputSize, output, outputSize, &returned,
                           nullptr) != FALSE;
}

}  // namespace pelmox
