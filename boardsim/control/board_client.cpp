#include "board_client.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "firmware_strings.h"

namespace boardsim {
namespace {

constexpr char kControlDevicePath[] = "\\\\.\\IoprobeBoard";
// 'RSMB', the provider of the raw SMBIOS table.
constexpr DWORD kRawSmbiosSignature = DWORD{'R'} << 24 | DWORD{'S'} << 16 | DWORD{'M'} << 8 | DWORD{'B'};

}  // namespace

IoprobeBoardClient::IoprobeBoardClient()
    : device_(CreateFileA(kControlDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                          nullptr)) {}

IoprobeBoardClient::~IoprobeBoardClient() {
    if (IsOpen()) CloseHandle(device_);
}

bool IoprobeBoardClient::IsOpen() const { return device_ != INVALID_HANDLE_VALUE; }

bool IoprobeBoardClient::SetBoard(const IoprobeBoard& board) {
    std::vector<std::uint8_t> table = BuildStructureTable(board);
    if (table.empty()) return false;
    TableHeader header{kTableMagic, static_cast<std::uint32_t>(board.fault),
                       static_cast<std::uint32_t>(table.size())};
    std::vector<std::uint8_t> request(sizeof header + table.size());
    std::memcpy(request.data(), &header, sizeof header);
    std::memcpy(request.data() + sizeof header, table.data(), table.size());
    DWORD returned = 0;
    return DeviceIoControl(device_, kSetTableCode, request.data(), static_cast<DWORD>(request.size()),
                           nullptr, 0, &returned, nullptr) != FALSE;
}

std::optional<RequestLog> IoprobeBoardClient::ReadRequestLog() {
    RequestLog log{};
    DWORD returned = 0;
    if (!DeviceIoControl(device_, kGetRequestLogCode, nullptr, 0, &log, sizeof log, &returned, nullptr))
        return std::nullopt;
    return log;
}

bool IoprobeBoardClient::ClearRequestLog() {
    DWORD returned = 0;
    return DeviceIoControl(device_, kClearRequestLogCode, nullptr, 0, nullptr, 0, &returned, nullptr) !=
           FALSE;
}

std::optional<SystemInformation> ReadMachineSystemInformation() {
    UINT size = GetSystemFirmwareTable(kRawSmbiosSignature, 0, nullptr, 0);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (GetSystemFirmwareTable(kRawSmbiosSignature, 0, data.data(), size) != size) return std::nullopt;
    return SystemInformationFromRawTable(data.data(), data.size());
}

}  // namespace boardsim
