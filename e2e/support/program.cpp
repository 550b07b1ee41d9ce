#include "program.h"

#include <tlhelp32.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {
namespace {

template <typename Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        visit(entry);
    CloseHandle(snapshot);
}

bool NameIs(const PROCESSENTRY32& entry, const char* name) { return lstrcmpiA(entry.szExeFile, name) == 0; }

}  // namespace

Program::Program(const std::string& commandLine, const std::string& directory) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup,
                        &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

Program::~Program() {
    if (process_ == nullptr) return;
    if (Running()) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) {
    if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void EndProgramsNamed(std::initializer_list<const char*> names) {
    std::vector<DWORD> ids;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        for (const char* name : names)
            if (NameIs(entry, name) && entry.th32ProcessID != GetCurrentProcessId()) ids.push_back(entry.th32ProcessID);
    });
    for (DWORD id : ids) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (process == nullptr) continue;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

bool IsRunning(const char* name) {
    bool running = false;
    ForEachProcess([&](const PROCESSENTRY32& entry) { running = running || NameIs(entry, name); });
    return running;
}

}  // namespace e2e
