#include "board_session.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "prefix_layout.h"
#include "wait.h"

namespace e2e {
namespace {

// Starts or stops a simulated driver's service and waits until it is so.
bool ControlService(const char* name, bool start) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr) return false;
    SC_HANDLE service = OpenServiceA(manager, name, SERVICE_START | SERVICE_STOP | SERVICE_QUERY_STATUS);
    bool ok = false;
    if (service != nullptr) {
        SERVICE_STATUS status{};
        if (start)
            StartServiceA(service, 0, nullptr);
        else
            ::ControlService(service, SERVICE_CONTROL_STOP, &status);
        DWORD wanted = start ? SERVICE_RUNNING : SERVICE_STOPPED;
        ok = WaitUntil([&] { return QueryServiceStatus(service, &status) && status.dwCurrentState == wanted; }, 10000);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return ok;
}

}  // namespace

void ServeBoard(const boardsim::IoprobeBoard& board) {
    boardsim::IoprobeBoardClient client;
    ASSERT_TRUE(client.IsOpen()) << "the simulated firmware driver is not running";
    ASSERT_TRUE(client.SetBoard(board));
}

boardsim::IoprobeBoard BoardNamed(const std::string& productName) {
    boardsim::IoprobeBoard board;
    board.systemInformation->productName = productName;
    return board;
}

boardsim::IoprobeBoard MonitoredBoard(std::uint8_t watchedItems, std::uint8_t status) {
    boardsim::IoprobeBoard board = BoardNamed("QR4W");
    board.vendorMonitor = boardsim::VendorMonitor{watchedItems, status};
    return board;
}

std::optional<boardsim::RequestLog> FirmwareRequestLog() {
    boardsim::IoprobeBoardClient client;
    return client.ReadRequestLog();
}

std::vector<std::uint32_t> FirmwareRequests() {
    auto log = FirmwareRequestLog();
    if (!log) return {};
    std::uint32_t count = std::min(log->total, boardsim::kRequestLogEntries);
    return std::vector<std::uint32_t>(log->handles, log->handles + count);
}

void ClearRequests() {
    boardsim::IoprobeBoardClient client;
    client.ClearRequestLog();
}

std::vector<boardsim::JournalEntry> ReadJournal() {
    std::ifstream file(boardsim::kJournalPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return boardsim::ParseJournal(text.str());
}

void ClearJournal() { DeleteFileA(boardsim::kJournalPath); }

bool StopFirmwareDriver() { return ControlService(kIoprobeService, false); }
bool StartFirmwareDriver() { return ControlService(kIoprobeService, true); }
bool StopChipsetDriver() { return ControlService(kChipsetService, false); }
bool StartChipsetDriver() { return ControlService(kChipsetService, true); }

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace e2e
