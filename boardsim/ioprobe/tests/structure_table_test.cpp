#include "boardsim/ioprobe/structure_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "boardsim/control/ioprobe_board.h"

namespace boardsim {
namespace {

struct Answer {
    bool ok = false;
    std::uint32_t written = 0;
    std::vector<std::uint8_t> bytes;

    std::uint32_t Next() const { return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24; }
    std::uint8_t Type() const { return bytes[4]; }
};

Answer Ask(const std::vector<std::uint8_t>& table, std::uint32_t handle, Fault fault = Fault::None,
           std::uint32_t outSize = kStructureBufferSize) {
    Answer answer;
    answer.bytes.assign(outSize, 0xCC);
    answer.ok = AnswerStructureRequest(table.data(), static_cast<std::uint32_t>(table.size()), fault,
                                       handle, answer.bytes.data(), outSize, answer.written);
    return answer;
}

IoprobeBoard MonitoredBoard() {
    IoprobeBoard board;
    board.systemInformation->productName = "QR4W";
    board.vendorMonitor = VendorMonitor{0x3F, 0x3E};
    return board;
}

TEST(StructureTableTest, AnswersEachStructureWithTheHandleThatFollows) {
    auto table = BuildStructureTable(MonitoredBoard());
    struct Expected {
        std::uint32_t handle;
        std::uint8_t type;
        std::uint32_t next;
    };
    for (Expected e : {Expected{0, 0, 1}, {1, 1, 2}, {2, 0x80, 3}, {3, 127, kLastHandle}}) {
        Answer answer = Ask(table, e.handle);
        ASSERT_TRUE(answer.ok) << e.handle;
        EXPECT_EQ(answer.Type(), e.type) << e.handle;
        EXPECT_EQ(answer.Next(), e.next) << e.handle;
    }
}

TEST(StructureTableTest, AnswerIsTheStructureAsStoredThenZeros) {
    auto table = BuildStructureTable(MonitoredBoard());
    StructureCursor cursor(table.data(), static_cast<std::uint32_t>(table.size()));
    StructureSpan bios, info;
    ASSERT_TRUE(cursor.Next(bios));
    ASSERT_TRUE(cursor.Next(info));

    Answer answer = Ask(table, 1);
    ASSERT_TRUE(answer.ok);
    EXPECT_EQ(answer.written, 4 + info.size);
    std::vector<std::uint8_t> stored(table.begin() + info.offset, table.begin() + info.offset + info.size);
    EXPECT_EQ(std::vector<std::uint8_t>(answer.bytes.begin() + 4, answer.bytes.begin() + 4 + info.size), stored);
    for (std::size_t i = 4 + info.size; i < answer.bytes.size(); ++i) ASSERT_EQ(answer.bytes[i], 0) << i;
}

TEST(StructureTableTest, UnknownHandlesAndTheLastHandleFail) {
    auto table = BuildStructureTable(MonitoredBoard());
    for (std::uint32_t handle : {kLastHandle, 4u, 0x1000u, 0x10000u, 0xFFFFFFFFu}) {
        Answer answer = Ask(table, handle);
        EXPECT_FALSE(answer.ok) << handle;
        EXPECT_EQ(answer.written, 0u);
        EXPECT_EQ(answer.bytes[0], 0) << "a failed answer is cleared";
    }
}

TEST(StructureTableTest, Faults) {
    auto table = BuildStructureTable(MonitoredBoard());

    EXPECT_FALSE(Ask(table, 0, Fault::FailAll).ok);
    EXPECT_EQ(Ask(table, 3, Fault::Cycle).Next(), 0u);

    EXPECT_EQ(Ask(table, 3, Fault::Endless).Next(), 0x1000u);
    Answer filler = Ask(table, 0x1000, Fault::Endless);
    ASSERT_TRUE(filler.ok);
    EXPECT_EQ(filler.Type(), 0x81);
    EXPECT_EQ(filler.Next(), 0x1001u);
    EXPECT_EQ(Ask(table, 0xFFFE, Fault::Endless).Next(), 0x10000u) << "0xFFFF is never answered";

    Answer last = Ask(table, kLastHandle, Fault::AnswerLast);
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(last.Type(), 127);
    EXPECT_EQ(last.Next(), kLastHandle);
}

TEST(StructureTableTest, SmallOutputBuffersAreFilledNoFurther) {
    auto table = BuildStructureTable(MonitoredBoard());
    EXPECT_FALSE(Ask(table, 0, Fault::None, 3).ok);
    Answer cut = Ask(table, 1, Fault::None, 6);
    ASSERT_TRUE(cut.ok);
    EXPECT_EQ(cut.written, 6u);
    EXPECT_EQ(cut.Type(), 1);
    std::uint32_t written = 0;
    EXPECT_FALSE(AnswerStructureRequest(table.data(), 0, Fault::None, 0, nullptr, 256, written));
}

TEST(StructureTableTest, LongStructuresAreCutToTheAnswer) {
    IoprobeBoard board;
    board.systemInformation->manufacturer = std::string(250, 'M');
    board.systemInformation->productName = "QR4W";
    auto table = BuildStructureTable(board);
    Answer answer = Ask(table, 1);
    ASSERT_TRUE(answer.ok);
    EXPECT_EQ(answer.written, kStructureBufferSize);
    EXPECT_EQ(answer.bytes.back(), 'M');
}

struct MalformedCase {
    const char* name;
    std::vector<std::uint8_t> table;
    int structures;
};

class MalformedTableTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTableTest, CursorStopsAtTheFirstBadStructure) {
    const auto& table = GetParam().table;
    StructureCursor cursor(table.data(), static_cast<std::uint32_t>(table.size()));
    StructureSpan span;
    int count = 0;
    while (cursor.Next(span)) {
        ASSERT_LE(span.offset + span.size, table.size());
        ++count;
    }
    EXPECT_EQ(count, GetParam().structures);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, MalformedTableTest,
    testing::Values(MalformedCase{"Empty", {}, 0},
                    MalformedCase{"ShortHeader", {0, 4, 0}, 0},
                    MalformedCase{"LengthBelowFour", {0, 3, 0, 0, 0, 0}, 0},
                    MalformedCase{"LengthPastTheEnd", {0, 40, 0, 0, 0, 0}, 0},
                    MalformedCase{"StringsNeverClosed", {0, 4, 0, 0, 'A', 0, 'B'}, 0},
                    MalformedCase{"GoodThenTruncated", {0, 4, 0, 0, 0, 0, 1, 8, 1, 0}, 1},
                    MalformedCase{"EndOfTableStopsTheWalk", {127, 4, 0, 0, 0, 0, 1, 4, 1, 0, 0, 0}, 1}),
    [](const testing::TestParamInfo<MalformedCase>& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace boardsim
