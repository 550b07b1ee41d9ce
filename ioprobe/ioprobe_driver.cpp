#include "ioprobe_driver.h"

#include <windows.h>

namespace ioprobe {
namespace {

constexpr char kDevicePath[] = "\\\\.\\IOPROBE.VXD";
constexpr DWORD kGetStructureCode = 3;

// The driver stays loaded for as long as this handle is open.
HANDLE g_driver = INVALID_HANDLE_VALUE;

}  // namespace

void OpenDriver() {
    g_driver = CreateFileA(kDevicePath, 0, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (g_driver == INVALID_HANDLE_VALUE) MessageBoxA(nullptr, "Init Fail!", "VxD", MB_OK);
}

void CloseDriver() {
    if (g_driver == INVALID_HANDLE_VALUE) return;
    CloseHandle(g_driver);
    g_driver = INVALID_HANDLE_VALUE;
}

bool DriverStructureSource::GetStructure(std::uint32_t handle, Buffer& answer) {
    Buffer request{};
    for (int i = 0; i < 4; ++i) request[i] = static_cast<std::uint8_t>(handle >> (8 * i));
    DWORD returned = 0;
    return DeviceIoControl(g_driver, kGetStructureCode, request.data(), kBufferSize, answer.data(),
                           kBufferSize, &returned, nullptr) != FALSE;
}

}  // namespace ioprobe
