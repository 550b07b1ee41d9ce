// The journal of started programs. The stand-ins of the simulated board and
// of the installation medium each add one line when they start, so that
// tests and the demo can see which command lines ran, where, and when.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boardsim {

constexpr char kJournalPath[] = "C:\\boardsim\\journal.txt";

struct JournalEntry {
    std::uint64_t tickMs = 0;    // system uptime when the program started
    std::string program;         // which stand-in wrote the line
    int showCommand = -1;        // as the starter asked for it; -1 when it did not
    std::string currentDirectory;
    std::string commandLine;
};

// One line: tick, program, show command, directory and command line,
// separated by tabs.
std::string FormatJournalLine(const JournalEntry& entry);
std::optional<JournalEntry> ParseJournalLine(std::string_view line);
std::vector<JournalEntry> ParseJournal(std::string_view text);

// Appends this process's line to the journal (Win32 only).
void RecordProgramStart(const char* program);

}  // namespace boardsim
