// The simulated chipset monitor driver as the program's own driver module
// sees it: the six requests on one handle, the values and limits they
// carry, the failures it reports, and the requests the driver logged.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "boardsim/control/chipset_client.h"
#include "e2e/support/prefix_layout.h"
#include "e2e/support/program.h"
#include "pelmox/core/chipset_driver.h"
#include "pelmox/core/driver_device_win32.h"

namespace e2e {
namespace {

namespace sim = boardsim::pelmox;
using pelmox::CChipsetDriver;
using pelmox::SensorValues;
using pelmox::WatchDogLimit;

// The driver's private control device; a log that cannot be read fails the test.
class BoardControl : public boardsim::ChipsetBoardClient {
public:
    sim::RequestLog Log() {
        std::optional<sim::RequestLog> log = ChipsetBoardClient::Log();
        EXPECT_TRUE(log) << "cannot read the request log";
        return log ? *log : sim::RequestLog{};
    }
};

class RecordingReporter final : public pelmox::DriverReporter {
public:
    void ShowMessage(const std::string& text, pelmox::MessageIcon icon) override {
        messages.push_back(text);
        icons.push_back(icon);
    }
    void PostQuit() override { ++quits; }

    std::vector<std::string> messages;
    std::vector<pelmox::MessageIcon> icons;
    int quits = 0;
};

// The driver's default limits, in the limit block's float order.
const float kDefaultLimits[sim::kLimitCount] = {3000.0f, 3000.0f, 70.0f, 80.0f, 11.4f, 12.6f,
                                                4.75f,   5.25f,   3.1f,  3.5f,  1.5f,  2.2f};

std::vector<float> LimitFloats(const WatchDogLimit& limits) {
    std::vector<float> floats(sim::kLimitCount);
    std::memcpy(floats.data(), reinterpret_cast<const char*>(&limits) + 4, sim::kLimitCount * 4);
    return floats;
}

std::vector<float> Floats(const float* values, std::size_t count) { return {values, values + count}; }

class ChipsetDriverTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(board_.IsOpen()) << "no control device; is the pelmox service started?";
        ASSERT_TRUE(board_.Reset());
        ASSERT_EQ(device_.OpenDriver(), 0u);
        ASSERT_TRUE(board_.ClearLog());
    }

    void TearDown() override {
        device_.Close();
        board_.Reset();
    }

    WatchDogLimit ReadLimits() {
        WatchDogLimit limits{};
        EXPECT_TRUE(driver_.ReadLimits(limits));
        return limits;
    }

    BoardControl board_;
    pelmox::Win32DriverDevice device_;
    RecordingReporter reporter_;
    CChipsetDriver driver_{&device_, reporter_};
};

TEST_F(ChipsetDriverTest, ValuesAreTheOnesSetThroughTheControlDevice) {
    struct Case {
        const char* name;
        sim::BoardValues values;
    };
    const Case cases[] = {
        {"healthy", {{4500.0f, 4000.0f, 40.0f, 45.0f, 12.1f, 5.02f, 3.32f, 2.0f}}},
        {"stopped second fan, no core reading", {{3100.0f, 0.0f, 52.5f, 81.0f, 11.2f, 4.7f, 3.6f, 0.0f}}},
        {"every value distinct", {{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(board_.SetValues(c.values));
        SensorValues read;
        std::memset(&read, 0xCC, sizeof read);
        ASSERT_TRUE(driver_.ReadValues(read));
        EXPECT_EQ(Floats(reinterpret_cast<const float*>(&read), 8), Floats(c.values.values, 8));
    }
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ChipsetDriverTest, TheBoardToolScriptsTheValues) {
    Program tool(std::string(kBoardDirectory) + "\\boardctl.exe chipset cpufan=0 v12=11.2", kBoardDirectory);
    auto code = tool.WaitForExit(10000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    SensorValues values{};
    ASSERT_TRUE(driver_.ReadValues(values));
    EXPECT_EQ(values.cpuFan, 0.0f) << "a stopped fan";
    EXPECT_FLOAT_EQ(values.supply12V, 11.2f);
    EXPECT_FLOAT_EQ(values.fan2, 4000.0f) << "the others healthy";

    Program fail(std::string(kBoardDirectory) + "\\boardctl.exe chipset-fail 4", kBoardDirectory);
    ASSERT_TRUE(fail.WaitForExit(10000));
    EXPECT_FALSE(driver_.ReadValues(values));
    EXPECT_EQ(reporter_.messages, (std::vector<std::string>{"VxD: Device does not support the requested API(read)"}));
    reporter_.messages.clear();
    reporter_.icons.clear();
    reporter_.quits = 0;
}

TEST_F(ChipsetDriverTest, ASetChangesOnlyTheItemsInItsMask) {
    ASSERT_EQ(LimitFloats(ReadLimits()), Floats(kDefaultLimits, sim::kLimitCount));

    // Every float differs from the defaults, but only the 5 V bit is set.
    WatchDogLimit set{};
    set.mask = pelmox::ITEM_5V;
    float* floats = &set.cpuFanLow;
    for (std::uint32_t i = 0; i < sim::kLimitCount; ++i) floats[i] = 100.0f + static_cast<float>(i);
    set.supply5VLow = 4.6f;
    set.supply5VHigh = 5.4f;
    ASSERT_TRUE(driver_.SetLimits(set));

    std::vector<float> expected = Floats(kDefaultLimits, sim::kLimitCount);
    expected[6] = 4.6f;
    expected[7] = 5.4f;
    EXPECT_EQ(LimitFloats(ReadLimits()), expected);

    // A fan (low limit only) and the CPU core (both) at once.
    set.mask = pelmox::ITEM_FAN2 | pelmox::ITEM_CPU_VOLTAGE;
    set.fan2Low = 2500.0f;
    set.cpuVoltageLow = 1.4f;
    set.cpuVoltageHigh = 2.3f;
    ASSERT_TRUE(driver_.SetLimits(set));
    expected[1] = 2500.0f;
    expected[10] = 1.4f;
    expected[11] = 2.3f;
    EXPECT_EQ(LimitFloats(ReadLimits()), expected);

    // The restore word ignores every float the block carries.
    set.mask = pelmox::LIMITS_RESTORE_DEFAULTS;
    ASSERT_TRUE(driver_.SetLimits(set));
    EXPECT_EQ(LimitFloats(ReadLimits()), Floats(kDefaultLimits, sim::kLimitCount));

    // A vendor file's word: its high bits (the restore bit among them) are
    // not the restore word; the item bits count.
    set.mask = 0xFFFFFF00u | pelmox::ITEM_CPU_FAN;
    set.cpuFanLow = 2500.0f;
    ASSERT_TRUE(driver_.SetLimits(set));
    expected = Floats(kDefaultLimits, sim::kLimitCount);
    expected[0] = 2500.0f;
    EXPECT_EQ(LimitFloats(ReadLimits()), expected);
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ChipsetDriverTest, AReadOfLimitsLeavesTheMaskWordAsTheCallerHadIt) {
    for (std::uint32_t word : {0u, 0x20u, 0x1000u, 0xA5A5C3C3u}) {
        SCOPED_TRACE(word);
        WatchDogLimit limits;
        std::memset(&limits, 0xEE, sizeof limits);
        limits.mask = word;
        ASSERT_TRUE(driver_.ReadLimits(limits));
        EXPECT_EQ(limits.mask, word);
        EXPECT_EQ(LimitFloats(limits), Floats(kDefaultLimits, sim::kLimitCount));
    }
}

TEST_F(ChipsetDriverTest, AFailingRequestIsReportedAndEndsTheProgram) {
    struct Case {
        pelmox::ControlCode code;
        const char* word;
    };
    const Case cases[] = {
        {pelmox::PELMOX_READ_VALUES, "read"}, {pelmox::PELMOX_SET_LIMITS, "set"},
        {pelmox::PELMOX_READ_LIMITS, "read"}, {pelmox::PELMOX_WAKE_UP, "wake up"},
        {pelmox::PELMOX_SHUTDOWN, "shutdown"}, {pelmox::PELMOX_NOTIFY, "notify"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        RecordingReporter reporter;
        CChipsetDriver driver(&device_, reporter);
        ASSERT_TRUE(board_.SetFailingCode(c.code));
        SensorValues values{};
        WatchDogLimit limits{};
        bool ok[] = {driver.ReadValues(values), driver.SetLimits(limits), driver.ReadLimits(limits),
                     driver.WakeUp(pelmox::kAllItems), driver.Shutdown(pelmox::kAllItems),
                     driver.RegisterNotify(0x10024)};
        for (std::uint32_t code = 4; code <= 9; ++code)
            EXPECT_EQ(ok[code - 4], code != c.code) << "request " << code;
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0], std::string("VxD: Device does not support the requested API(") + c.word + ")");
        EXPECT_EQ(reporter.icons[0], pelmox::MessageIcon::Stop);
        EXPECT_EQ(reporter.quits, 1);
    }
}

TEST_F(ChipsetDriverTest, TheLogShowsTheRequestsInOrderAndTheirEffects) {
    SensorValues values{};
    WatchDogLimit limits{};
    limits.mask = pelmox::ITEM_5V;
    limits.supply5VLow = 4.5f;
    limits.supply5VHigh = 5.5f;
    ASSERT_TRUE(driver_.RegisterNotify(0x0001002A));
    ASSERT_TRUE(driver_.WakeUp(pelmox::kAllButCpuVoltage));
    ASSERT_TRUE(driver_.ReadValues(values));
    ASSERT_TRUE(driver_.SetLimits(limits));
    limits.mask = 0x77;
    ASSERT_TRUE(driver_.ReadLimits(limits));
    ASSERT_TRUE(driver_.Shutdown(pelmox::ITEM_FAN2 | pelmox::ITEM_CPU_TEMP));

    sim::RequestLog log = board_.Log();
    EXPECT_EQ(log.openHandles, 1u);
    ASSERT_EQ(log.total, 6u);
    const std::uint32_t expected[][2] = {{9, 0x0001002A}, {7, 0x7F}, {4, 0}, {5, 0x20}, {6, 0x77}, {8, 0x0A}};
    for (std::uint32_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log.requests[i].code, expected[i][0]);
        EXPECT_EQ(log.requests[i].word, expected[i][1]);
        EXPECT_EQ(log.requests[i].failed, 0u);
    }
    EXPECT_EQ(log.armedItems, pelmox::kAllButCpuVoltage & ~(pelmox::ITEM_FAN2 | pelmox::ITEM_CPU_TEMP));
    EXPECT_EQ(log.notifyWindow, 0x0001002Au);
    EXPECT_EQ(log.notifyMessage, pelmox::WM_DRIVERNOTIFY);

    device_.Close();
    EXPECT_EQ(board_.Log().openHandles, 0u);
}

// Each request's buffer one byte short of its block is refused, and the
// limits stay as they were.
TEST_F(ChipsetDriverTest, ShortBuffersAreRefused) {
    struct Case {
        pelmox::ControlCode code;
        std::uint32_t inSize;
        std::uint32_t outSize;
    };
    const Case cases[] = {
        {pelmox::PELMOX_READ_VALUES, 0, sizeof(SensorValues) - 1},
        {pelmox::PELMOX_SET_LIMITS, sizeof(WatchDogLimit) - 1, 0},
        {pelmox::PELMOX_READ_LIMITS, 0, sizeof(WatchDogLimit) - 1},
        {pelmox::PELMOX_WAKE_UP, 3, 0},
        {pelmox::PELMOX_SHUTDOWN, 3, 0},
        {pelmox::PELMOX_NOTIFY, sizeof(pelmox::NotifyRequest) - 1, 0},
    };
    WatchDogLimit set{};
    set.mask = pelmox::kAllItems;
    unsigned char in[128];
    std::memcpy(in, &set, sizeof set);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        unsigned char out[128] = {};
        EXPECT_FALSE(device_.Control(c.code, c.inSize ? in : nullptr, c.inSize, c.outSize ? out : nullptr,
                                     c.outSize));
    }
    sim::RequestLog log = board_.Log();
    ASSERT_EQ(log.total, 6u);
    for (std::uint32_t i = 0; i < 6; ++i) EXPECT_EQ(log.requests[i].failed, 1u) << "request " << i + 4;
    EXPECT_EQ(log.armedItems, 0u);
    EXPECT_EQ(LimitFloats(ReadLimits()), Floats(kDefaultLimits, sim::kLimitCount));
}

}  // namespace
}  // namespace e2e
