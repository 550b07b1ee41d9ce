// The driver requests: codes, block sizes, the notification block, the
// failure messages and the quit request, and no request without a handle.
#include "pelmox/core/chipset_driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace pelmox {
namespace {

struct Call {
    ControlCode code;
    std::uint32_t inputSize;
    std::uint32_t outputSize;
    std::vector<std::uint8_t> input;
};

class RecordingDevice final : public DriverDevice {
public:
    bool Control(ControlCode code, const void* input, std::uint32_t inputSize, void* output,
                 std::uint32_t outputSize) override {
        const auto* bytes = static_cast<const std::uint8_t*>(input);
        calls.push_back({code, inputSize, outputSize, std::vector<std::uint8_t>(bytes, bytes + inputSize)});
        if (code == failing) return false;
        if (output != nullptr && code == PELMOX_READ_VALUES) std::memset(output, 0x40, outputSize);
        return true;
    }

    std::vector<Call> calls;
    ControlCode failing = static_cast<ControlCode>(0);
};

class RecordingReporter final : public DriverReporter {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override { messages.push_back({text, icon}); }
    void PostQuit() override { ++quits; }

    std::vector<OpenFailure> messages;
    int quits = 0;
};

struct DriverTest : testing::Test {
    RecordingDevice device;
    RecordingReporter reporter;
    CChipsetDriver driver{&device, reporter};
};

TEST_F(DriverTest, EachRequestCarriesItsCodeAndBlocks) {
    SensorValues values{};
    WatchDogLimit limits{};
    EXPECT_TRUE(driver.ReadValues(values));
    EXPECT_TRUE(driver.SetLimits(limits));
    EXPECT_TRUE(driver.ReadLimits(limits));
    EXPECT_TRUE(driver.WakeUp(ITEM_5V));
    EXPECT_TRUE(driver.Shutdown(kAllItems));
    EXPECT_TRUE(driver.RegisterNotify(0x1234));
    const struct {
        ControlCode code;
        std::uint32_t in, out;
    } expected[] = {{PELMOX_READ_VALUES, 0, 32}, {PELMOX_SET_LIMITS, 52, 0}, {PELMOX_READ_LIMITS, 0, 52},
                    {PELMOX_WAKE_UP, 4, 0},      {PELMOX_SHUTDOWN, 4, 0},    {PELMOX_NOTIFY, 80, 0}};
    ASSERT_EQ(device.calls.size(), std::size(expected));
    for (std::size_t i = 0; i < device.calls.size(); ++i) {
        EXPECT_EQ(device.calls[i].code, expected[i].code) << i;
        EXPECT_EQ(device.calls[i].inputSize, expected[i].in) << i;
        EXPECT_EQ(device.calls[i].outputSize, expected[i].out) << i;
    }
    EXPECT_EQ(device.calls[3].input, (std::vector<std::uint8_t>{0x20, 0, 0, 0}));
    const std::vector<std::uint8_t>& notify = device.calls[5].input;
    EXPECT_EQ(std::vector<std::uint8_t>(notify.begin(), notify.begin() + 8),
              (std::vector<std::uint8_t>{0x34, 0x12, 0, 0, 0xC2, 0x22, 0, 0}))
        << "the window, then message 8898";
    for (std::size_t i = 8; i < notify.size(); ++i) EXPECT_EQ(notify[i], 0) << i;
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(DriverTest, AFailedRequestShowsItsMessageAndPostsTheQuitRequest) {
    const struct {
        ControlCode code;
        const char* text;
    } cases[] = {
        {PELMOX_READ_VALUES, "VxD: Device does not support the requested API(read)"},
        {PELMOX_SET_LIMITS, "VxD: Device does not support the requested API(set)"},
        {PELMOX_READ_LIMITS, "VxD: Device does not support the requested API(read)"},
        {PELMOX_WAKE_UP, "VxD: Device does not support the requested API(wake up)"},
        {PELMOX_SHUTDOWN, "VxD: Device does not support the requested API(shutdown)"},
        {PELMOX_NOTIFY, "VxD: Device does not support the requested API(notify)"},
    };
    for (const auto& c : cases) {
        RecordingReporter fresh;
        CChipsetDriver failing(&device, fresh);
        device.failing = c.code;
        SensorValues values{};
        WatchDogLimit limits{};
        bool ok = c.code == PELMOX_READ_VALUES ? failing.ReadValues(values)
                  : c.code == PELMOX_SET_LIMITS ? failing.SetLimits(limits)
                  : c.code == PELMOX_READ_LIMITS ? failing.ReadLimits(limits)
                  : c.code == PELMOX_WAKE_UP ? failing.WakeUp(1)
                  : c.code == PELMOX_SHUTDOWN ? failing.Shutdown(1)
                                              : failing.RegisterNotify(1);
        EXPECT_FALSE(ok) << c.text;
        ASSERT_EQ(fresh.messages.size(), 1u) << c.text;
        EXPECT_EQ(fresh.messages[0].text, c.text);
        EXPECT_EQ(fresh.messages[0].icon, MessageIcon::Stop);
        EXPECT_EQ(fresh.quits, 1) << c.text;
    }
}

TEST(ClosedDriverTest, MakesNoRequestAndSaysNothing) {
    RecordingReporter reporter;
    CChipsetDriver driver(nullptr, reporter);
    SensorValues values{};
    values.cpuFan = 1234;
    EXPECT_FALSE(driver.ReadValues(values));
    EXPECT_FALSE(driver.WakeUp(kAllItems));
    EXPECT_EQ(values.cpuFan, 1234) << "the block is left as it was";
    EXPECT_TRUE(reporter.messages.empty()) << "the open failure was the one message";
    EXPECT_EQ(reporter.quits, 0);
    EXPECT_FALSE(driver.IsOpen());
}

TEST(OpenFailureTest, TheMessageAndIconByErrorCode) {
    const struct {
        std::uint32_t error;
        const char* text;
        MessageIcon icon;
    } cases[] = {
        {2, "Error: Can't load PelMox driver ", MessageIcon::Stop},
        {50, "Can't find Tavro Data Acquisition Module On This Machine", MessageIcon::Exclamation},
        {5, "Driver Unknown Error ( Code: 5 )", MessageIcon::Stop},
        {0x1F, "Driver Unknown Error ( Code: 1f )", MessageIcon::Stop},
        {0xC0000022u, "Driver Unknown Error ( Code: c0000022 )", MessageIcon::Stop},
    };
    for (const auto& c : cases) {
        OpenFailure failure = OpenFailureMessage(c.error);
        EXPECT_EQ(failure.text, c.text);
        EXPECT_EQ(failure.icon, c.icon) << c.text;
    }
}

TEST(NoReadingTest, OnlyBothZerosMeanNoReading) {
    const struct {
        float value;
        bool none;
    } cases[] = {{0.0f, true}, {-0.0f, true}, {1e-45f, false}, {-1e-45f, false}, {4500.0f, false}, {-12.0f, false}};
    for (const auto& c : cases) EXPECT_EQ(IsNoReading(c.value), c.none) << c.value;
}

}  // namespace
}  // namespace pelmox
