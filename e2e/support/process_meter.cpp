#include "process_meter.h"

#include <psapi.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr ULONG kSystemExtendedHandleInformation = 64;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
constexpr ULONG kProcessBasicInformation = 0;

using QuerySystemInformation = LONG(NTAPI*)(ULONG, void*, ULONG, ULONG*);
using QueryInformationProcess = LONG(NTAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);

struct HandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT backTrace;
    USHORT objectType;
    ULONG attributes;
    ULONG reserved;
};

struct HandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};

struct BasicInformation {
    LONG exitStatus;
    void* peb;
    ULONG_PTR affinity;
    LONG basePriority;
    ULONG_PTR processId;
    ULONG_PTR parentId;
};

// A 64-bit process's PEB holds its GDI handle table's address here; every
// entry is 24 bytes, the object type in its 15th byte (0: unused).
static_assert(sizeof(void*) == 8, "the GDI table layout is the 64-bit one");
constexpr std::size_t kPebGdiTable = 0xF8;
constexpr std::size_t kGdiEntries = 0x10000;
constexpr std::size_t kGdiEntrySize = 24;
constexpr std::size_t kGdiTypeByte = 14;

template <typename Function>
Function NtFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

struct WindowCount {
    DWORD processId;
    unsigned long long windows;
};

BOOL CALLBACK CountChildWindow(HWND, LPARAM count) {
    ++reinterpret_cast<WindowCount*>(count)->windows;
    return TRUE;
}

// A window of the process, with all its children.
void CountWindow(HWND window, WindowCount& count) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != count.processId) return;
    ++count.windows;
    EnumChildWindows(window, CountChildWindow, reinterpret_cast<LPARAM>(&count));
}

BOOL CALLBACK CountTopLevelWindow(HWND window, LPARAM count) {
    CountWindow(window, *reinterpret_cast<WindowCount*>(count));
    return TRUE;
}

// Under Wine, a process is a Unix process whose command line starts with
// its Windows image path, and Linux's /proc is seen through drive Z:.
// Its processor time is the sum of its threads' run times, which each
// thread's schedstat file starts with, in nanoseconds.
std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    return text;
}

// Calls `visit` with the name of every numbered entry of a /proc directory.
template <typename Visit>
void ForEachNumberedEntry(const std::string& directory, Visit visit) {
    WIN32_FIND_DATAA entry{};
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = entry.cFileName;
        if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos && !visit(name)) break;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

double ThreadRunSeconds(const std::string& processDirectory) {
    unsigned long long nanoseconds = 0;
    ForEachNumberedEntry(processDirectory + "\\task", [&](const std::string& thread) {
        nanoseconds += std::strtoull(ReadWholeFile(processDirectory + "\\task\\" + thread + "\\schedstat").c_str(),
                                     nullptr, 10);
        return true;
    });
    return static_cast<double>(nanoseconds) / 1e9;
}

std::optional<double> UnixProcessCpuSeconds(HANDLE process) {
    char image[MAX_PATH] = {};
    DWORD length = sizeof image;
    if (!QueryFullProcessImageNameA(process, 0, image, &length)) return std::nullopt;
    std::optional<double> seconds;
    ForEachNumberedEntry("Z:\\proc", [&](const std::string& unixProcess) {
        std::string directory = "Z:\\proc\\" + unixProcess;
        if (lstrcmpiA(ReadWholeFile(directory + "\\cmdline").c_str(), image) != 0) return true;
        seconds = ThreadRunSeconds(directory);
        return false;
    });
    return seconds;
}

}  // namespace

ProcessUsage ProcessMeter::Measure() {
    ProcessUsage usage;
    usage.handles = CountHandles();
    usage.gdiObjects = CountGdiObjects();
    usage.userObjects = CountUserObjects();
    usage.privateBytes = PrivateBytes();
    return usage;
}

std::string ProcessMeter::Sources() const {
    return std::string("handles: ") + handleSource_ + "\nGDI objects: " + gdiSource_ + "\nUSER objects: " +
           userSource_ + "\nprivate bytes: " + memorySource_ + "\n";
}

unsigned long long ProcessMeter::CountHandles() {
    DWORD count = 0;
    if (GetProcessHandleCount(process_, &count) && count != 0) {
        handleSource_ = "GetProcessHandleCount";
        return count;
    }
    handleSource_ = "the process's entries in the system handle list (GetProcessHandleCount answers 0)";
    auto query = NtFunction<QuerySystemInformation>("NtQuerySystemInformation");
    if (query == nullptr) return 0;
    std::vector<char> buffer(1 << 20);
    LONG status;
    ULONG needed = 0;
    while ((status = query(kSystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                           &needed)) == kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status < 0) return 0;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    unsigned long long own = 0;
    for (ULONG_PTR i = 0; i < list->count; ++i)
        if (list->entries[i].processId == id_) ++own;
    return own;
}

unsigned long long ProcessMeter::CountGdiObjects() {
    if (DWORD count = GetGuiResources(process_, GR_GDIOBJECTS)) {
        gdiSource_ = "GetGuiResources";
        return count;
    }
    gdiSource_ = "used entries of the process's GDI handle table, stock objects included (GetGuiResources "
                 "answers 0)";
    unsigned long long used = 0;
    for (const auto& [type, count] : GdiObjectsByType()) used += count;
    return used;
}

std::map<int, unsigned long long> ProcessMeter::GdiObjectsByType() {
    std::map<int, unsigned long long> counts;
    auto query = NtFunction<QueryInformationProcess>("NtQueryInformationProcess");
    BasicInformation basic{};
    ULONG length = 0;
    if (query == nullptr || query(process_, kProcessBasicInformation, &basic, sizeof basic, &length) < 0) return counts;
    std::uint64_t table = 0;
    if (!ReadProcessMemory(process_, static_cast<char*>(basic.peb) + kPebGdiTable, &table, sizeof table, nullptr) ||
        table == 0)
        return counts;
    std::vector<unsigned char> entries(kGdiEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process_, reinterpret_cast<void*>(table), entries.data(), entries.size(), nullptr))
        return counts;
    for (std::size_t i = 0; i < kGdiEntries; ++i)
        if (int type = entries[i * kGdiEntrySize + kGdiTypeByte]) ++counts[type];
    return counts;
}

unsigned long long ProcessMeter::CountUserObjects() {
    if (DWORD count = GetGuiResources(process_, GR_USEROBJECTS)) {
        userSource_ = "GetGuiResources";
        return count;
    }
    userSource_ = "the process's windows: top-level, message-only and child (GetGuiResources answers 0)";
    WindowCount count{id_, 0};
    EnumWindows(CountTopLevelWindow, reinterpret_cast<LPARAM>(&count));
    for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;)
        CountWindow(window, count);
    return count.windows;
}

unsigned long long ProcessMeter::PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        return 0;
    if (memory.PrivateUsage != 0) {
        memorySource_ = "GetProcessMemoryInfo, PrivateUsage";
        return memory.PrivateUsage;
    }
    memorySource_ = "GetProcessMemoryInfo, PagefileUsage (PrivateUsage answers 0)";
    return memory.PagefileUsage;
}

double CpuSeconds(HANDLE process) {
    if (std::optional<double> unixSeconds = UnixProcessCpuSeconds(process)) return *unixSeconds;
    FILETIME created{}, ended{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0.0;
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

}  // namespace e2e
