// Simulated firmware driver: an NT-style kernel driver that stands in for
// the board's IOPROBE.VXD. Its firmware device answers control code 3 from a
// structure table held in memory; its control device lets a user-mode tool
// replace that table and read back the requests the programs sent.
#include <ntddk.h>

#include "boardsim/kernel/kernel_device.h"

#include "board_protocol.h"
#include "structure_table.h"

using namespace boardsim;

namespace {

using boardsim::Complete;

enum class Role : uint32_t { Firmware, Control };

// Shared by both devices; lives in the firmware device's extension.
struct BoardState {
    KSPIN_LOCK lock;
    Fault fault;
    uint32_t tableLength;
    uint8_t table[kMaxTableLength];
    RequestLog log;
};

struct DeviceContext {
    Role role;
    BoardState* board;
};

const wchar_t kFirmwareDeviceName[] = L"\\Device\\IoprobeVxd";
const wchar_t kFirmwareLinkName[] = L"\\DosDevices\\IOPROBE.VXD";
const wchar_t kControlDeviceName[] = L"\\Device\\IoprobeBoard";
const wchar_t kControlLinkName[] = L"\\DosDevices\\IoprobeBoard";

void CopyBytes(void* to, const void* from, uint32_t count) {
    auto* d = static_cast<uint8_t*>(to);
    auto* s = static_cast<const uint8_t*>(from);
    for (uint32_t i = 0; i < count; ++i) d[i] = s[i];
}

void RecordRequest(BoardState& board, uint32_t handle, bool ok) {
    if (board.log.total < kRequestLogEntries) board.log.handles[board.log.total] = handle;
    if (board.log.total != 0xFFFFFFFFu) ++board.log.total;
    if (!ok && board.log.failed != 0xFFFFFFFFu) ++board.log.failed;
}

// Control code 3 uses the "neither" transfer method: the input is read from
// the caller's buffer as given and the answer written to the caller's output
// buffer. Both sizes are checked before either is touched.
NTSTATUS GetStructure(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    auto* in = static_cast<const uint8_t*>(stack->Parameters.DeviceIoControl.Type3InputBuffer);
    uint32_t inSize = stack->Parameters.DeviceIoControl.InputBufferLength;
    auto* out = static_cast<uint8_t*>(irp->UserBuffer);
    uint32_t outSize = stack->Parameters.DeviceIoControl.OutputBufferLength;
    if (in == nullptr || inSize < 4 || out == nullptr || outSize < 4)
        return Complete(irp, STATUS_INVALID_PARAMETER, 0);

    uint32_t handle = in[0] | (in[1] << 8) | (in[2] << 16) | (static_cast<uint32_t>(in[3]) << 24);
    uint8_t answer[kStructureBufferSize];
    uint32_t answerSize = outSize < kStructureBufferSize ? outSize : kStructureBufferSize;
    uint32_t written = 0;

    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    bool ok = AnswerStructureRequest(board.table, board.tableLength, board.fault, handle, answer,
                                     answerSize, written);
    RecordRequest(board, handle, ok);
    KeReleaseSpinLock(&board.lock, irql);

    if (!ok) return Complete(irp, STATUS_UNSUCCESSFUL, 0);
    CopyBytes(out, answer, answerSize);
    return Complete(irp, STATUS_SUCCESS, written);
}

NTSTATUS SetTable(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    auto* in = static_cast<const uint8_t*>(irp->AssociatedIrp.SystemBuffer);
    uint32_t inSize = stack->Parameters.DeviceIoControl.InputBufferLength;
    if (in == nullptr || inSize < sizeof(TableHeader)) return Complete(irp, STATUS_INVALID_PARAMETER, 0);

    TableHeader header;
    CopyBytes(&header, in, sizeof header);
    if (header.magic != kTableMagic || header.fault >= kFaultCount ||
        header.tableLength > kMaxTableLength || inSize - sizeof header < header.tableLength)
        return Complete(irp, STATUS_INVALID_PARAMETER, 0);

    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    board.fault = static_cast<Fault>(header.fault);
    board.tableLength = header.tableLength;
    CopyBytes(board.table, in + sizeof header, header.tableLength);
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS GetRequestLog(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    void* out = irp->AssociatedIrp.SystemBuffer;
    if (out == nullptr || stack->Parameters.DeviceIoControl.OutputBufferLength < sizeof(RequestLog))
        return Complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    CopyBytes(out, &board.log, sizeof(RequestLog));
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, STATUS_SUCCESS, sizeof(RequestLog));
}

NTSTATUS ClearRequestLog(BoardState& board, PIRP irp) {
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    board.log.total = 0;
    board.log.failed = 0;
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS DeviceControl(DeviceContext& context, PIRP irp, PIO_STACK_LOCATION stack) {
    BoardState& board = *context.board;
    uint32_t code = stack->Parameters.DeviceIoControl.IoControlCode;
    if (context.role == Role::Firmware) {
        if (code == kGetStructureCode) return GetStructure(board, irp, stack);
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
    switch (code) {
    case kSetTableCode: return SetTable(board, irp, stack);
    case kGetRequestLogCode: return GetRequestLog(board, irp, stack);
    case kClearRequestLogCode: return ClearRequestLog(board, irp);
    default: return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

// Counts the programs' open handles to the firmware device.
NTSTATUS OpenOrClose(DeviceContext& context, PIRP irp, bool open) {
    if (context.role == Role::Firmware)
        boardsim::CountOpenHandle(context.board->lock, context.board->log.openHandles, open);
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS NTAPI Dispatch(PDEVICE_OBJECT device, PIRP irp) {
    auto& context = *static_cast<DeviceContext*>(device->DeviceExtension);
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->MajorFunction) {
    case IRP_MJ_CREATE: return OpenOrClose(context, irp, true);
    case IRP_MJ_CLOSE: return OpenOrClose(context, irp, false);
    case IRP_MJ_CLEANUP: return Complete(irp, STATUS_SUCCESS, 0);
    case IRP_MJ_DEVICE_CONTROL: return DeviceControl(context, irp, stack);
    default: return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

PDEVICE_OBJECT g_firmwareDevice;
PDEVICE_OBJECT g_controlDevice;

VOID NTAPI Unload(PDRIVER_OBJECT) {
    if (g_controlDevice) boardsim::DeleteNamedDevice(g_controlDevice, kControlLinkName);
    if (g_firmwareDevice) boardsim::DeleteNamedDevice(g_firmwareDevice, kFirmwareLinkName);
    g_controlDevice = g_firmwareDevice = nullptr;
}

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    const ULONG firmwareExtension = sizeof(DeviceContext) + sizeof(BoardState);
    NTSTATUS status = boardsim::CreateNamedDevice(driver, kFirmwareDeviceName, kFirmwareLinkName,
                                        firmwareExtension, g_firmwareDevice);
    if (!NT_SUCCESS(status)) return status;
    status = boardsim::CreateNamedDevice(driver, kControlDeviceName, kControlLinkName, sizeof(DeviceContext),
                               g_controlDevice);
    if (!NT_SUCCESS(status)) {
        Unload(driver);
        return status;
    }

    auto* firmware = static_cast<DeviceContext*>(g_firmwareDevice->DeviceExtension);
    auto* board = reinterpret_cast<BoardState*>(firmware + 1);
    RtlZeroMemory(board, sizeof *board);
    KeInitializeSpinLock(&board->lock);
    board->fault = Fault::None;
    *firmware = DeviceContext{Role::Firmware, board};
    *static_cast<DeviceContext*>(g_controlDevice->DeviceExtension) = DeviceContext{Role::Control, board};

    for (int i = 0; i <= IRP_MJ_MAXIMUM_FUNCTION; ++i) driver->MajorFunction[i] = Dispatch;
    driver->DriverUnload = Unload;
    return STATUS_SUCCESS;
}
