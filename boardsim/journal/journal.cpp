#include "journal.h"

#include <charconv>
#include <initializer_list>

namespace boardsim {
namespace {

constexpr char kFieldSeparator = '\t';

// Tabs and line ends inside a field would break the line apart.
std::string Flatten(std::string_view text) {
    std::string flat(text);
    for (char& c : flat)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return flat;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

std::string FormatJournalLine(const JournalEntry& entry) {
    std::string line = std::to_string(entry.tickMs);
    line += kFieldSeparator;
    line += Flatten(entry.program);
    line += kFieldSeparator;
    line += std::to_string(entry.showCommand);
    for (const std::string* field : {&entry.currentDirectory, &entry.commandLine}) {
        line += kFieldSeparator;
        line += Flatten(*field);
    }
    line += "\r\n";
    return line;
}

std::optional<JournalEntry> ParseJournalLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        std::size_t tab = line.find(kFieldSeparator, start);
        if (tab == std::string_view::npos) return std::nullopt;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));

    JournalEntry entry;
    if (!ParseNumber(fields[0], entry.tickMs) || !ParseNumber(fields[2], entry.showCommand)) return std::nullopt;
    entry.program = fields[1];
    entry.currentDirectory = fields[3];
    entry.commandLine = fields[4];
    return entry;
}

std::vector<JournalEntry> ParseJournal(std::string_view text) {
    std::vector<JournalEntry> entries;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (auto entry = ParseJournalLine(line)) entries.push_back(*entry);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return entries;
}

}  // namespace boardsim
