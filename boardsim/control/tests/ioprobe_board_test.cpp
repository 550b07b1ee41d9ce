#include "boardsim/control/ioprobe_board.h"

#include <gtest/gtest.h>

#include "boardsim/ioprobe/structure_table.h"

namespace boardsim {
namespace {

std::vector<StructureSpan> Spans(const std::vector<std::uint8_t>& table) {
    StructureCursor cursor(table.data(), static_cast<std::uint32_t>(table.size()));
    std::vector<StructureSpan> spans;
    StructureSpan span;
    while (cursor.Next(span)) spans.push_back(span);
    return spans;
}

std::string Bytes(const std::vector<std::uint8_t>& table, const StructureSpan& span) {
    return std::string(table.begin() + span.offset, table.begin() + span.offset + span.size);
}

TEST(BuildStructureTableTest, SystemInformationHasAnEightByteAreaAndItsStrings) {
    IoprobeBoard board;
    board.systemInformation = SystemInformation{"Ostrel", "QR4W", "1.0", "SN1"};
    auto table = BuildStructureTable(board);
    auto spans = Spans(table);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].type, 0);
    EXPECT_EQ(spans[2].type, 127);
    EXPECT_EQ(table.size(), spans[2].offset + spans[2].size) << "the end structure closes the table";
    using namespace std::string_literals;
    EXPECT_EQ(Bytes(table, spans[1]), "\x01\x08\x01\x00\x01\x02\x03\x04Ostrel\0QR4W\0" "1.0\0SN1\0\0"s);
}

TEST(BuildStructureTableTest, EmptyStringsAreLeftOutOfTheSet) {
    IoprobeBoard board;
    board.systemInformation = SystemInformation{"Ostrel", "", "", ""};
    auto table = BuildStructureTable(board);
    using namespace std::string_literals;
    EXPECT_EQ(Bytes(table, Spans(table)[1]), "\x01\x08\x01\x00\x01\x00\x00\x00Ostrel\0\0"s);

    board.systemInformation = SystemInformation{"", "", "", ""};
    table = BuildStructureTable(board);
    EXPECT_EQ(Bytes(table, Spans(table)[1]), "\x01\x08\x01\x00\x00\x00\x00\x00\0\0"s);
}

TEST(BuildStructureTableTest, VendorMonitorCarriesItsTwoBytes) {
    IoprobeBoard board;
    board.systemInformation.reset();
    board.vendorMonitor = VendorMonitor{0x21, 0x1E};
    auto table = BuildStructureTable(board);
    auto spans = Spans(table);
    ASSERT_EQ(spans.size(), 3u);
    using namespace std::string_literals;
    EXPECT_EQ(Bytes(table, spans[1]), "\x80\x08\x01\x00\x21\x00\x1E\x00\0\0"s);
}

TEST(BuildStructureTableTest, BoardsThatCannotBeLaidOutGiveNoTable) {
    IoprobeBoard withNul;
    withNul.systemInformation->productName = std::string("QR\0W", 4);
    EXPECT_TRUE(BuildStructureTable(withNul).empty());

    IoprobeBoard tooLarge;
    tooLarge.systemInformation->manufacturer = std::string(kMaxTableLength, 'M');
    EXPECT_TRUE(BuildStructureTable(tooLarge).empty());
}

}  // namespace
}  // namespace boardsim
