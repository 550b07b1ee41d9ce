// Simulated chipset monitor driver: an NT-style kernel driver that stands
// in for the board's pelmox.VXD. Its chipset device answers the plain
// request codes 4..9 from state held in memory; its control device lets a
// user-mode client set the values, make one request fail and read back the
// requests the program sent.
//
// The codes are small integers, so the system takes their transfer method
// from the low two bits: 4 and 8 buffered, 5 and 9 "in direct", 6 "out
// direct", 7 "neither". Each handler reads its buffers the way its method
// delivers them and checks every size before touching a byte.
#include <ntddk.h>

#include "boardsim/kernel/kernel_device.h"

#include "boardsim/pelmox/pelmox_protocol.h"
#include "pelmox/core/chipset_driver.h"
#include "pelmox/core/driver_blocks.h"

using namespace boardsim::pelmox;
using ::pelmox::LIMITS_RESTORE_DEFAULTS;
using ::pelmox::NotifyRequest;
using ::pelmox::SensorValues;
using ::pelmox::WatchDogLimit;

namespace {

using boardsim::Complete;

static_assert(sizeof(BoardValues) == sizeof(SensorValues), "the values block matches the program's");
static_assert(sizeof(WatchDogLimit) == 4 + kLimitCount * 4, "the limit block matches the program's");

enum class Role : uint32_t { Chipset, Control };

// Shared by both devices; lives in the chipset device's extension, so a
// request never allocates.
struct BoardState {
    KSPIN_LOCK lock;
    BoardValues values;
    float limits[kLimitCount];
    uint32_t failingCode;
    RequestLog log;
};

struct DeviceContext {
    Role role;
    BoardState* board;
};

const wchar_t kChipsetDeviceName[] = L"\\Device\\PelmoxChipset";
const wchar_t kChipsetLinkName[] = L"\\DosDevices\\pelmox.VXD";
const wchar_t kControlDeviceName[] = L"\\Device\\PelmoxBoard";
const wchar_t kControlLinkName[] = L"\\DosDevices\\PelmoxBoard";

// A healthy board: CPU fan, second fan, chipset, CPU, 12 V, 5 V, I/O, core.
const float kHealthyValues[8] = {4500.0f, 4000.0f, 40.0f, 45.0f, 12.1f, 5.02f, 3.32f, 2.0f};

// The driver's own limits, in the limit block's float order.
const float kDefaultLimits[kLimitCount] = {
    3000.0f, 3000.0f,  // fans: lowest rpm
    70.0f, 80.0f,      // chipset and CPU: highest degrees
    11.4f, 12.6f,      // 12 V
    4.75f, 5.25f,      // 5 V
    3.1f, 3.5f,        // I/O supply
    1.5f, 2.2f,        // CPU core
};

// Which floats of the limit block belong to each item bit, low bit first.
struct ItemLimits {
    uint32_t first;
    uint32_t count;
};
const ItemLimits kItemLimits[8] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}, {8, 2}, {10, 2}};

void CopyBytes(void* to, const void* from, uint32_t count) {
    auto* d = static_cast<uint8_t*>(to);
    auto* s = static_cast<const uint8_t*>(from);
    for (uint32_t i = 0; i < count; ++i) d[i] = s[i];
}

uint32_t ReadWord(const void* from) {
    uint32_t word;
    CopyBytes(&word, from, sizeof word);
    return word;
}

// The output buffer of a direct request, described by its MDL. Wine maps
// it into the system's address space already; the mapping call is left
// out so the driver needs nothing the loader may lack.
void* DirectOutput(PIRP irp) {
    PMDL mdl = irp->MdlAddress;
    if (mdl == nullptr) return nullptr;
    if (mdl->MdlFlags & (MDL_MAPPED_TO_SYSTEM_VA | MDL_SOURCE_IS_NONPAGED_POOL)) return mdl->MappedSystemVa;
    return static_cast<uint8_t*>(mdl->StartVa) + mdl->ByteOffset;
}

void ResetLimits(BoardState& board) { CopyBytes(board.limits, kDefaultLimits, sizeof board.limits); }

// Logs a request and tells whether it is to fail: its code is the failing
// one, or its buffers were refused. Called with the lock held.
bool LogRequest(BoardState& board, uint32_t code, uint32_t word, bool refused = false) {
    bool fail = refused || board.failingCode == code;
    RequestLog& log = board.log;
    if (log.total < kRequestLogEntries) log.requests[log.total] = LoggedRequest{code, word, fail ? 1u : 0u};
    if (log.total != 0xFFFFFFFFu) ++log.total;
    return fail;
}

// A request whose buffers are refused still reaches the log, so tests see
// that the program asked.
NTSTATUS Refuse(BoardState& board, PIRP irp, uint32_t code, uint32_t word, NTSTATUS status) {
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    LogRequest(board, code, word, true);
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, status, 0);
}

const NTSTATUS kFailingStatus = STATUS_NOT_SUPPORTED;

// 4, buffered: the 32-byte values block written to the system buffer.
NTSTATUS ReadValues(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    void* out = irp->AssociatedIrp.SystemBuffer;
    if (out == nullptr || stack->Parameters.DeviceIoControl.OutputBufferLength < sizeof(SensorValues))
        return Refuse(board, irp, ::pelmox::PELMOX_READ_VALUES, 0, STATUS_BUFFER_TOO_SMALL);
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    bool fail = LogRequest(board, ::pelmox::PELMOX_READ_VALUES, 0);
    if (!fail) CopyBytes(out, &board.values, sizeof(SensorValues));
    KeReleaseSpinLock(&board.lock, irql);
    if (fail) return Complete(irp, kFailingStatus, 0);
    return Complete(irp, STATUS_SUCCESS, sizeof(SensorValues));
}

// 5, in direct: the 52-byte limit block read from the system buffer.
NTSTATUS SetLimits(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    const void* in = irp->AssociatedIrp.SystemBuffer;
    if (in == nullptr || stack->Parameters.DeviceIoControl.InputBufferLength < sizeof(WatchDogLimit))
        return Refuse(board, irp, ::pelmox::PELMOX_SET_LIMITS, 0, STATUS_INVALID_PARAMETER);
    WatchDogLimit request;
    CopyBytes(&request, in, sizeof request);
    float given[kLimitCount];
    CopyBytes(given, reinterpret_cast<const uint8_t*>(&request) + 4, sizeof given);

    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    bool fail = LogRequest(board, ::pelmox::PELMOX_SET_LIMITS, request.mask);
    if (!fail) {
        // Exactly the reset word; the vendor file's words carry 0xFFFFFF00
        // above their item bits.
        if (request.mask == LIMITS_RESTORE_DEFAULTS) {
            ResetLimits(board);
        } else {
            for (uint32_t item = 0; item < 8; ++item) {
                if (!(request.mask & (1u << item))) continue;
                for (uint32_t i = 0; i < kItemLimits[item].count; ++i)
                    board.limits[kItemLimits[item].first + i] = given[kItemLimits[item].first + i];
            }
        }
    }
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, fail ? kFailingStatus : STATUS_SUCCESS, 0);
}

// 6, out direct: the limit block written through the output MDL. Its first
// four bytes, the mask word, are left as the caller's buffer held them.
NTSTATUS ReadLimits(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    auto* out = static_cast<uint8_t*>(DirectOutput(irp));
    if (out == nullptr || stack->Parameters.DeviceIoControl.OutputBufferLength < sizeof(WatchDogLimit))
        return Refuse(board, irp, ::pelmox::PELMOX_READ_LIMITS, 0, STATUS_BUFFER_TOO_SMALL);
    uint32_t mask = ReadWord(out);
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    bool fail = LogRequest(board, ::pelmox::PELMOX_READ_LIMITS, mask);
    if (!fail) CopyBytes(out + 4, board.limits, sizeof board.limits);
    KeReleaseSpinLock(&board.lock, irql);
    if (fail) return Complete(irp, kFailingStatus, 0);
    return Complete(irp, STATUS_SUCCESS, sizeof(WatchDogLimit));
}

// 7, neither: the item mask read from the caller's input as given (Wine
// hands the driver a copy); 8, buffered: from the system buffer.
NTSTATUS ArmOrDisarm(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack, uint32_t code) {
    const void* in = code == ::pelmox::PELMOX_WAKE_UP ? stack->Parameters.DeviceIoControl.Type3InputBuffer
                                                      : irp->AssociatedIrp.SystemBuffer;
    if (in == nullptr || stack->Parameters.DeviceIoControl.InputBufferLength < 4)
        return Refuse(board, irp, code, 0, STATUS_INVALID_PARAMETER);
    uint32_t items = ReadWord(in) & ::pelmox::kAllItems;
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    bool fail = LogRequest(board, code, ReadWord(in));
    if (!fail) {
        if (code == ::pelmox::PELMOX_WAKE_UP)
            board.log.armedItems |= items;
        else
            board.log.armedItems &= ~items;
    }
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, fail ? kFailingStatus : STATUS_SUCCESS, 0);
}

// 9, in direct: the 80-byte notification request from the system buffer.
// The window and message are kept; nothing is posted.
NTSTATUS Notify(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    const void* in = irp->AssociatedIrp.SystemBuffer;
    if (in == nullptr || stack->Parameters.DeviceIoControl.InputBufferLength < sizeof(NotifyRequest))
        return Refuse(board, irp, ::pelmox::PELMOX_NOTIFY, 0, STATUS_INVALID_PARAMETER);
    NotifyRequest request;
    CopyBytes(&request, in, sizeof request);
    KIRQL irql;
    KeAcquireSpinLock(&board.lock, &irql);
    bool fail = LogRequest(board, ::pelmox::PELMOX_NOTIFY, request.window);
    if (!fail) {
        board.log.notifyWindow = request.window;
        board.log.notifyMessage = request.message;
    }
    KeReleaseSpinLock(&board.lock, irql);
    return Complete(irp, fail ? kFailingStatus : STATUS_SUCCESS, 0);
}

NTSTATUS ChipsetControl(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    uint32_t code = stack->Parameters.DeviceIoControl.IoControlCode;
    switch (code) {
    case ::pelmox::PELMOX_READ_VALUES: return ReadValues(board, irp, stack);
    case ::pelmox::PELMOX_SET_LIMITS: return SetLimits(board, irp, stack);
    case ::pelmox::PELMOX_READ_LIMITS: return ReadLimits(board, irp, stack);
    case ::pelmox::PELMOX_WAKE_UP:
    case ::pelmox::PELMOX_SHUTDOWN: return ArmOrDisarm(board, irp, stack, code);
    case ::pelmox::PELMOX_NOTIFY: return Notify(board, irp, stack);
    default: return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

void ResetBoard(BoardState& board) {
    CopyBytes(board.values.values, kHealthyValues, sizeof kHealthyValues);
    ResetLimits(board);
    board.failingCode = 0;
    board.log.total = 0;
    board.log.armedItems = 0;
    board.log.notifyWindow = 0;
    board.log.notifyMessage = 0;
}

// The control device's requests are all buffered.
NTSTATUS BoardControl(BoardState& board, PIRP irp, PIO_STACK_LOCATION stack) {
    void* buffer = irp->AssociatedIrp.SystemBuffer;
    uint32_t inSize = stack->Parameters.DeviceIoControl.InputBufferLength;
    uint32_t outSize = stack->Parameters.DeviceIoControl.OutputBufferLength;
    KIRQL irql;
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case kSetValuesCode:
        if (buffer == nullptr || inSize < sizeof(BoardValues)) return Complete(irp, STATUS_INVALID_PARAMETER, 0);
        KeAcquireSpinLock(&board.lock, &irql);
        CopyBytes(&board.values, buffer, sizeof(BoardValues));
        KeReleaseSpinLock(&board.lock, irql);
        return Complete(irp, STATUS_SUCCESS, 0);
    case kSetFailingCode:
        if (buffer == nullptr || inSize < 4) return Complete(irp, STATUS_INVALID_PARAMETER, 0);
        KeAcquireSpinLock(&board.lock, &irql);
        board.failingCode = ReadWord(buffer);
        KeReleaseSpinLock(&board.lock, irql);
        return Complete(irp, STATUS_SUCCESS, 0);
    case kGetRequestLogCode:
        if (buffer == nullptr || outSize < sizeof(RequestLog)) return Complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
        KeAcquireSpinLock(&board.lock, &irql);
        CopyBytes(buffer, &board.log, sizeof(RequestLog));
        KeReleaseSpinLock(&board.lock, irql);
        return Complete(irp, STATUS_SUCCESS, sizeof(RequestLog));
    case kClearRequestLogCode:
        KeAcquireSpinLock(&board.lock, &irql);
        board.log.total = 0;
        KeReleaseSpinLock(&board.lock, irql);
        return Complete(irp, STATUS_SUCCESS, 0);
    case kResetCode:
        KeAcquireSpinLock(&board.lock, &irql);
        ResetBoard(board);
        KeReleaseSpinLock(&board.lock, irql);
        return Complete(irp, STATUS_SUCCESS, 0);
    default: return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

// Every open of the chipset device succeeds whatever its disposition: the
// program opens it as a new file that is deleted on close. Opens and
// closes are counted.
NTSTATUS OpenOrClose(DeviceContext& context, PIRP irp, bool open) {
    if (context.role == Role::Chipset)
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
    case IRP_MJ_DEVICE_CONTROL:
        if (context.role == Role::Chipset) return ChipsetControl(*context.board, irp, stack);
        return BoardControl(*context.board, irp, stack);
    default: return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

PDEVICE_OBJECT g_chipsetDevice;
PDEVICE_OBJECT g_controlDevice;

VOID NTAPI Unload(PDRIVER_OBJECT) {
    if (g_controlDevice) boardsim::DeleteNamedDevice(g_controlDevice, kControlLinkName);
    if (g_chipsetDevice) boardsim::DeleteNamedDevice(g_chipsetDevice, kChipsetLinkName);
    g_controlDevice = g_chipsetDevice = nullptr;
}

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    const ULONG chipsetExtension = sizeof(DeviceContext) + sizeof(BoardState);
    NTSTATUS status =
        boardsim::CreateNamedDevice(driver, kChipsetDeviceName, kChipsetLinkName, chipsetExtension, g_chipsetDevice);
    if (!NT_SUCCESS(status)) return status;
    status = boardsim::CreateNamedDevice(driver, kControlDeviceName, kControlLinkName, sizeof(DeviceContext),
                               g_controlDevice);
    if (!NT_SUCCESS(status)) {
        Unload(driver);
        return status;
    }

    auto* chipset = static_cast<DeviceContext*>(g_chipsetDevice->DeviceExtension);
    auto* board = reinterpret_cast<BoardState*>(chipset + 1);
    RtlZeroMemory(board, sizeof *board);
    KeInitializeSpinLock(&board->lock);
    ResetBoard(*board);
    *chipset = DeviceContext{Role::Chipset, board};
    *static_cast<DeviceContext*>(g_controlDevice->DeviceExtension) = DeviceContext{Role::Control, board};

    for (int i = 0; i <= IRP_MJ_MAXIMUM_FUNCTION; ++i) driver->MajorFunction[i] = Dispatch;
    driver->DriverUnload = Unload;
    return STATUS_SUCCESS;
}
