#include "ioprobe/structure_walk.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace ioprobe {
namespace {

// A driver that answers from a map of handle -> (type, next handle) and
// remembers every handle it was asked for.
class FakeSource final : public StructureSource {
public:
    struct Structure {
        std::uint8_t type;
        std::uint32_t next;
    };

    explicit FakeSource(std::map<std::uint32_t, Structure> table) : table_(std::move(table)) {}

    bool GetStructure(std::uint32_t handle, Buffer& answer) override {
        requests.push_back(handle);
        auto it = table_.find(handle);
        if (it == table_.end()) return false;
        answer.fill(0);
        for (int i = 0; i < 4; ++i) answer[i] = static_cast<std::uint8_t>(it->second.next >> (8 * i));
        answer[kTypeOffset] = it->second.type;
        answer[6] = static_cast<std::uint8_t>(handle);  // the structure's own handle
        return true;
    }

    std::vector<std::uint32_t> requests;

private:
    std::map<std::uint32_t, Structure> table_;
};

// BIOS, System Information, vendor monitor, end of table.
const std::map<std::uint32_t, FakeSource::Structure> kBoard{
    {0, {0, 1}}, {1, {1, 2}}, {2, {0x80, 3}}, {3, {127, kLastHandle}}};

struct WalkCase {
    const char* name;
    std::map<std::uint32_t, FakeSource::Structure> table;
    std::uint8_t type;
    std::uint32_t result;
    std::vector<std::uint32_t> requests;
};

class WalkTest : public testing::TestWithParam<WalkCase> {};

TEST_P(WalkTest, EndsWithTheSpecifiedHandleAfterTheSpecifiedRequests) {
    const WalkCase& c = GetParam();
    FakeSource source(c.table);
    Buffer answer{};
    EXPECT_EQ(WalkForType(source, c.type, answer), c.result);
    EXPECT_EQ(source.requests, c.requests);
}

auto WithLast(std::map<std::uint32_t, FakeSource::Structure> table, std::uint8_t lastType) {
    table[kLastHandle] = {lastType, kLastHandle};
    return table;
}

INSTANTIATE_TEST_SUITE_P(
    Walks, WalkTest,
    testing::Values(
        WalkCase{"SystemInformation", kBoard, 1, 1, {0, 1}},
        WalkCase{"VendorMonitor", kBoard, 0x80, 2, {0, 1, 2}},
        WalkCase{"FirstStructureIsHandleZero", kBoard, 0, 0, {0}},
        WalkCase{"MissingTypeLastRequestFails", kBoard, 0x81, 0, {0, 1, 2, 3, kLastHandle}},
        WalkCase{"MissingTypeLastRequestAnswered", WithLast(kBoard, 0x55), 0x81, kLastHandle,
                 {0, 1, 2, 3, kLastHandle}},
        // The end test looks at the handle asked for, not at what came back.
        WalkCase{"LastAnswerOfWantedType", WithLast(kBoard, 0x81), 0x81, kLastHandle,
                 {0, 1, 2, 3, kLastHandle}},
        WalkCase{"FirstRequestFails", {}, 1, 0, {0}},
        WalkCase{"RequestFailsPartWay", {{0, {0, 1}}, {1, {7, 9}}}, 0x80, 0, {0, 1, 9}},
        WalkCase{"CycleEndsAtTheFirstRepeatedHandle", {{0, {0, 1}}, {1, {7, 2}}, {2, {7, 1}}}, 0x80, 0,
                 {0, 1, 2}},
        WalkCase{"NextHandleZeroIsACycle", {{0, {0, 1}}, {1, {7, 0}}}, 1, 0, {0, 1}}),
    [](const testing::TestParamInfo<WalkCase>& testCase) { return testCase.param.name; });

TEST(WalkTest, LeavesTheFoundAnswerInTheBuffer) {
    FakeSource source(kBoard);
    Buffer answer{};
    ASSERT_EQ(WalkForType(source, 0x80, answer), 2u);
    EXPECT_EQ(answer[kTypeOffset], 0x80);
    EXPECT_EQ(answer[6], 2);
    EXPECT_EQ(ReadUint32(answer, kNextHandleOffset), 3u);
}

// A driver that never answers the last handle: every answer points to a
// handle not asked for before.
class EndlessSource final : public StructureSource {
public:
    explicit EndlessSource(std::uint32_t step) : step_(step) {}

    bool GetStructure(std::uint32_t handle, Buffer& answer) override {
        ++requests;
        answer.fill(0);
        std::uint32_t next = handle + step_;
        if (next == kLastHandle) next += step_;
        for (int i = 0; i < 4; ++i) answer[i] = static_cast<std::uint8_t>(next >> (8 * i));
        answer[kTypeOffset] = 0x81;
        return true;
    }

    int requests = 0;

private:
    std::uint32_t step_;
};

TEST(WalkTest, EndlessChainsEndAtTheRequestLimit) {
    for (std::uint32_t step : {1u, 0x10001u}) {  // 16-bit handles, and handles past 0xFFFF
        EndlessSource source(step);
        Buffer answer{};
        EXPECT_EQ(WalkForType(source, 1, answer), 0u) << "step " << step;
        EXPECT_EQ(source.requests, kMaxWalkRequests) << "step " << step;
    }
}

TEST(ReadUint32Test, IsLittleEndian) {
    Buffer buffer{};
    buffer[0] = 0x78;
    buffer[1] = 0x56;
    buffer[2] = 0x34;
    buffer[3] = 0x12;
    EXPECT_EQ(ReadUint32(buffer, 0), 0x12345678u);
}

}  // namespace
}  // namespace ioprobe
