// What another process holds: handles, GDI and USER objects, private bytes.
//
// Wine 8 answers 0 for GetProcessHandleCount, GetGuiResources and the
// private usage of GetProcessMemoryInfo. Where the system call answers 0,
// the meter counts another way, and says which:
//   handles       the process's entries in the system handle list
//   GDI objects   the used entries of the process's GDI handle table (Wine
//                 keeps one per process; it holds the stock objects too,
//                 so only changes mean anything)
//   USER objects  the process's windows, top-level, message-only and child
//                 (icons, menus and cursors are not seen this way)
//   private bytes the commit charge (PagefileUsage), which Windows reports
//                 as the same number
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace e2e {

struct ProcessUsage {
    unsigned long long handles = 0;
    unsigned long long gdiObjects = 0;
    unsigned long long userObjects = 0;
    unsigned long long privateBytes = 0;
};

class ProcessMeter {
public:
    // `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
    ProcessMeter(HANDLE process, DWORD processId) : process_(process), id_(processId) {}

    ProcessUsage Measure();

    // The used entries of the process's GDI handle table by the type the
    // table gives them (Wine's numbering: 5 for bitmaps); empty where the
    // table cannot be read.
    std::map<int, unsigned long long> GdiObjectsByType();

    // Where the last measure came from, one line a quantity.
    std::string Sources() const;

private:
    unsigned long long CountHandles();
    unsigned long long CountGdiObjects();
    unsigned long long CountUserObjects();
    unsigned long long PrivateBytes();

    HANDLE process_;
    DWORD id_;
    const char* handleSource_ = "";
    const char* gdiSource_ = "";
    const char* userSource_ = "";
    const char* memorySource_ = "";
};

// The processor time the process has used so far, user and kernel, in
// seconds. Under Wine, whose GetProcessTimes keeps answering another
// process's first figures, the run time of the threads of its Unix process.
double CpuSeconds(HANDLE process);

}  // namespace e2e
