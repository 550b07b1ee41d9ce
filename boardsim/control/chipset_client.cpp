#include "chipset_client.h"

namespace boardsim {

ChipsetBoardClient::ChipsetBoardClient() {
    handle_ = CreateFileA("\\\\.\\PelmoxBoard", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

ChipsetBoardClient::~ChipsetBoardClient() {
    if (IsOpen()) CloseHandle(handle_);
}

bool ChipsetBoardClient::Reset() { return Ask(pelmox::kResetCode, nullptr, 0, nullptr, 0); }

bool ChipsetBoardClient::ClearLog() { return Ask(pelmox::kClearRequestLogCode, nullptr, 0, nullptr, 0); }

bool ChipsetBoardClient::SetValues(const pelmox::BoardValues& values) {
    return Ask(pelmox::kSetValuesCode, &values, sizeof values, nullptr, 0);
}

bool ChipsetBoardClient::SetFailingCode(std::uint32_t code) {
    return Ask(pelmox::kSetFailingCode, &code, sizeof code, nullptr, 0);
}

std::optional<pelmox::RequestLog> ChipsetBoardClient::Log() {
    pelmox::RequestLog log{};
    if (!Ask(pelmox::kGetRequestLogCode, nullptr, 0, &log, sizeof log)) return std::nullopt;
    return log;
}

bool ChipsetBoardClient::Ask(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize) {
    if (!IsOpen()) return false;
    DWORD returned = 0;
    return DeviceIoControl(handle_, code, const_cast<void*>(in), inSize, out, outSize, &returned, nullptr) != FALSE;
}

}  // namespace boardsim
