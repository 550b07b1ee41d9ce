#include "ravlo/status_monitor.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace ravlo {
namespace {

// BIOS at 0, the monitor structure at 1, end of table at 2; the watched
// byte and status byte can change between polls, and requests can fail.
class FakeBoard final : public ioprobe::StructureSource {
public:
    bool GetStructure(std::uint32_t handle, ioprobe::Buffer& answer) override {
        ++requests;
        if (failing) return false;
        answer.fill(0);
        std::uint32_t next = handle + 1;
        std::uint8_t type = 0;
        if (handle == 1 && hasMonitor) type = kMonitorStructureType;
        if (handle == 2) {
            type = 127;
            next = ioprobe::kLastHandle;
        }
        if (handle == ioprobe::kLastHandle) {
            if (!answersLast) return false;
            type = 127;
        } else if (handle > 2) {
            return false;
        }
        for (int i = 0; i < 4; ++i) answer[i] = static_cast<std::uint8_t>(next >> (8 * i));
        answer[4] = type;
        answer[8] = watched;
        answer[10] = status;
        return true;
    }

    std::uint8_t watched = 0x3F;
    std::uint8_t status = 0x3E;
    bool hasMonitor = true;
    bool answersLast = false;
    bool failing = false;
    int requests = 0;
};

std::array<bool, kRowCount> NormalFlags(const StatusMonitor& monitor) {
    std::array<bool, kRowCount> flags{};
    for (int i = 0; i < kRowCount; ++i) flags[i] = monitor.Normal(i);
    return flags;
}

struct PollCase {
    const char* name;
    std::uint8_t watched;
    std::uint8_t status;
    std::array<bool, kRowCount> normal;
    bool allNormal;
};

class PollTest : public testing::TestWithParam<PollCase> {};

TEST_P(PollTest, TurnsTheStatusByteIntoConditions) {
    FakeBoard board;
    board.watched = GetParam().watched;
    board.status = GetParam().status;
    StatusMonitor monitor;
    monitor.Start(board);
    EXPECT_EQ(monitor.MonitorHandle(), 1u);
    monitor.Poll(board);
    EXPECT_EQ(NormalFlags(monitor), GetParam().normal);
    EXPECT_EQ(monitor.AllNormal(), GetParam().allNormal);
}

constexpr std::array<bool, kRowCount> kAll{true, true, true, true, true, true};

INSTANTIATE_TEST_SUITE_P(
    Boards, PollTest,
    testing::Values(PollCase{"AllInOrder", 0x3F, 0x3E, kAll, true},
                    PollCase{"TemperatureTooHigh", 0x3F, 0x3F, {false, true, true, true, true, true}, false},
                    PollCase{"FanStopped", 0x3F, 0x1E, {true, true, true, true, true, false}, false},
                    PollCase{"SupplyBitsCleared", 0x3F, 0x00, {true, false, false, false, false, false}, false},
                    PollCase{"TemperatureOnlyWatched", 0x01, 0x00, kAll, true},
                    PollCase{"TemperatureOnlyWatchedAndHot", 0x01, 0x3F, {false, true, true, true, true, true}, false},
                    PollCase{"HighBitsIgnored", 0xC0, 0xFF, kAll, true},
                    PollCase{"StatusHighBitsIgnored", 0x3F, 0xFE, kAll, true}),
    [](const testing::TestParamInfo<PollCase>& testCase) { return testCase.param.name; });

TEST(StatusMonitorTest, WatchedItemsComeFromTheStructureFound) {
    FakeBoard board;
    board.watched = 0x21;  // temperature and fan
    StatusMonitor monitor;
    monitor.Start(board);
    for (int item = 0; item < kRowCount; ++item) EXPECT_EQ(monitor.Watched(item), item == 0 || item == 5) << item;
}

TEST(StatusMonitorTest, BeforeTheFirstPollNothingIsNormal) {
    FakeBoard board;
    StatusMonitor monitor;
    monitor.Start(board);
    EXPECT_FALSE(monitor.AllNormal());
    EXPECT_FALSE(monitor.Normal(kTemperature));
}

TEST(StatusMonitorTest, FailedPollsKeepTheLastConditions) {
    FakeBoard board;
    board.status = 0x1E;  // fan stopped
    StatusMonitor monitor;
    monitor.Start(board);
    monitor.Poll(board);
    board.failing = true;
    board.status = 0x3E;
    monitor.Poll(board);
    EXPECT_FALSE(monitor.Normal(kFan));
    EXPECT_FALSE(monitor.AllNormal());

    board.failing = false;
    monitor.Poll(board);
    EXPECT_TRUE(monitor.AllNormal()) << "one good poll is enough to recover";
}

TEST(StatusMonitorTest, DriverMissingLeavesEverythingFalseForTheWholeRun) {
    FakeBoard board;
    board.failing = true;
    StatusMonitor monitor;
    monitor.Start(board);
    EXPECT_EQ(monitor.MonitorHandle(), 0u);
    for (int i = 0; i < 3; ++i) monitor.Poll(board);
    EXPECT_EQ(NormalFlags(monitor), (std::array<bool, kRowCount>{}));
    EXPECT_FALSE(monitor.AllNormal());
}

TEST(StatusMonitorTest, NoMonitorStructureAndFailedLastRequestWatchesNothing) {
    FakeBoard board;
    board.hasMonitor = false;
    board.status = 0x00;
    StatusMonitor monitor;
    monitor.Start(board);
    EXPECT_EQ(monitor.MonitorHandle(), 0u);
    // Polls ask for handle 0, which answers; with nothing watched all is normal.
    monitor.Poll(board);
    EXPECT_TRUE(monitor.AllNormal());
}

TEST(StatusMonitorTest, NoMonitorStructureAndAnsweredLastRequestUsesThatAnswer) {
    FakeBoard board;
    board.hasMonitor = false;
    board.answersLast = true;
    board.watched = 0x02;
    StatusMonitor monitor;
    monitor.Start(board);
    EXPECT_EQ(monitor.MonitorHandle(), ioprobe::kLastHandle);
    EXPECT_TRUE(monitor.Watched(kSupply12V));
    EXPECT_FALSE(monitor.Watched(kTemperature));
}

TEST(StatusMonitorTest, EachPollIsOneRequest) {
    FakeBoard board;
    StatusMonitor monitor;
    monitor.Start(board);
    int before = board.requests;
    monitor.Poll(board);
    EXPECT_EQ(board.requests, before + 1);
}

}  // namespace
}  // namespace ravlo
