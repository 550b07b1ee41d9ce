// Starting the programs under test and making sure none outlives its test.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

namespace e2e {

class Program {
public:
    // Starts `commandLine` with `directory` as its current directory. The
    // program runs in this process's system language.
    Program(const std::string& commandLine, const std::string& directory);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return process_ != nullptr; }
    bool Running() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    HANDLE Process() const { return process_; }
    DWORD Id() const { return id_; }
    // The exit code once the program has ended within `timeoutMs`.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Ends every process whose executable has one of these file names
// (compared without case).
void EndProgramsNamed(std::initializer_list<const char*> names);

// True while a process with this executable file name runs.
bool IsRunning(const char* name);

}  // namespace e2e
