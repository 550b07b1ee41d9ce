#include "ioprobe_board.h"

#include <initializer_list>

namespace boardsim {
namespace {

class TableWriter {
public:
    // Starts a structure with its 4-byte header; the formatted area follows.
    void Begin(std::uint8_t type, std::uint8_t formattedLength) {
        start_ = bytes_.size();
        bytes_.push_back(type);
        bytes_.push_back(formattedLength);
        bytes_.push_back(static_cast<std::uint8_t>(handle_));
        bytes_.push_back(static_cast<std::uint8_t>(handle_ >> 8));
        ++handle_;
        strings_.clear();
    }

    void Byte(std::uint8_t value) { bytes_.push_back(value); }

    void Word(std::uint16_t value) {
        Byte(static_cast<std::uint8_t>(value));
        Byte(static_cast<std::uint8_t>(value >> 8));
    }

    // Adds the number of `text` in the string set (0 for an empty text).
    void String(const std::string& text) {
        if (text.empty()) {
            Byte(0);
            return;
        }
        strings_.push_back(text);
        Byte(static_cast<std::uint8_t>(strings_.size()));
    }

    // Closes the formatted area and writes the string set.
    void End() {
        bytes_[start_ + 1] = static_cast<std::uint8_t>(bytes_.size() - start_);
        for (const std::string& text : strings_) {
            bytes_.insert(bytes_.end(), text.begin(), text.end());
            bytes_.push_back(0);
        }
        if (strings_.empty()) bytes_.push_back(0);
        bytes_.push_back(0);
    }

    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::string> strings_;
    std::size_t start_ = 0;
    std::uint16_t handle_ = 0;
};

void WriteBiosInformation(TableWriter& table, const IoprobeBoard& board) {
    table.Begin(kBiosInformationType, 0x12);
    table.String(board.biosVendor);
    table.String(board.biosVersion);
    table.Word(0xE800);  // BIOS starting segment
    table.String(board.biosDate);
    table.Byte(0x07);    // ROM size: 512 KB
    for (int i = 0; i < 8; ++i) table.Byte(0);  // characteristics
    table.End();
}

// The SMBIOS 2.0 form with its 8-byte formatted area.
void WriteSystemInformation(TableWriter& table, const SystemInformation& info) {
    table.Begin(kSystemInformationType, 8);
    table.String(info.manufacturer);
    table.String(info.productName);
    table.String(info.version);
    table.String(info.serialNumber);
    table.End();
}

// Byte 4 the watched items, byte 6 the status, bytes 5 and 7 reserved.
void WriteVendorMonitor(TableWriter& table, const VendorMonitor& monitor) {
    table.Begin(kVendorMonitorType, 8);
    table.Byte(monitor.watchedItems);
    table.Byte(0);
    table.Byte(monitor.status);
    table.Byte(0);
    table.End();
}

bool HasNul(const std::string& text) { return text.find('\0') != std::string::npos; }

bool StringsAreValid(const IoprobeBoard& board) {
    for (const std::string* text : {&board.biosVendor, &board.biosVersion, &board.biosDate})
        if (HasNul(*text)) return false;
    if (const auto& info = board.systemInformation) {
        for (const std::string* text :
             {&info->manufacturer, &info->productName, &info->version, &info->serialNumber})
            if (HasNul(*text)) return false;
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> BuildStructureTable(const IoprobeBoard& board) {
    if (!StringsAreValid(board)) return {};
    TableWriter table;
    WriteBiosInformation(table, board);
    if (board.systemInformation) WriteSystemInformation(table, *board.systemInformation);
    if (board.vendorMonitor) WriteVendorMonitor(table, *board.vendorMonitor);
    table.Begin(kEndOfTableType, 4);
    table.End();
    std::vector<std::uint8_t> bytes = table.Take();
    if (bytes.size() > kMaxTableLength) return {};
    return bytes;
}

}  // namespace boardsim
