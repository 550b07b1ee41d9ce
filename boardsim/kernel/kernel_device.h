// What the simulated board's kernel drivers share: a device object with
// the symbolic link by which programs open it, made and removed together;
// the completion of a request; the count of the programs' open handles.
#pragma once

#include <ntddk.h>
#include <stdint.h>

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

// Completes `irp`; the byte count is reported only on success.
inline NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = NT_SUCCESS(status) ? information : 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

// One more open handle, or one fewer, under the board's lock.
inline void CountOpenHandle(KSPIN_LOCK& lock, uint32_t& openHandles, bool open) {
    KIRQL irql;
    KeAcquireSpinLock(&lock, &irql);
    if (open)
        ++openHandles;
    else if (openHandles > 0)
        --openHandles;
    KeReleaseSpinLock(&lock, irql);
}

}  // namespace boardsim
