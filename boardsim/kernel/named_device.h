// Devices of the simulated board's kernel drivers: a device object with
// the symbolic link by which programs open it, made and removed together.
#pragma once

#include <ntddk.h>

namespace boardsim {

inline NTSTATUS CreateNamedDevice(PDRIVER_OBJECT driver, const wchar_t* deviceName, const wchar_t* linkName,
                                  ULONG extensionSize, PDEVICE_OBJECT& device) {
    UNICODE_STRING name;
    UNICODE_STRING link;
    RtlInitUnicodeString(&name, deviceName);
    RtlInitUnicodeString(&link, linkName);
    NTSTATUS status = IoCreateDevice(driver, extensionSize, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    status = IoCreateSymbolicLink(&link, &name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        device = nullptr;
    }
    return status;
}

inline void DeleteNamedDevice(PDEVICE_OBJECT device, const wchar_t* linkName) {
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, linkName);
    IoDeleteSymbolicLink(&link);
    IoDeleteDevice(device);
}

}  // namespace boardsim
