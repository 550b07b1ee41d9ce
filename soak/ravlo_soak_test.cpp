// ravlo's core over a day of 400 ms polls of the firmware's monitor
// structure, the CPU fan failing for two minutes in every hour: the tray
// animation and the status texts follow it every hour, and the heap is
// the same at the end of each hour as at the end of the first.
#include <gtest/gtest.h>

#include "ravlo/status_cells.h"
#include "ravlo/status_monitor.h"
#include "ravlo/tray_animation.h"
#include "simulated_day.h"

namespace ravlo {
namespace {

// The firmware table: the monitor structure at handle 1 watching all six
// items, its status byte settable; every other handle ends the table.
class MonitorFirmware final : public ioprobe::StructureSource {
public:
    bool GetStructure(std::uint32_t handle, ioprobe::Buffer& answer) override {
        answer.fill(0);
        if (handle == ioprobe::kFirstHandle) {
            answer[0] = 1;  // next: the monitor structure
            return true;
        }
        answer[0] = 0xFF;  // the last structure
        answer[1] = 0xFF;
        answer[4] = kMonitorStructureType;
        answer[8] = 0x3F;     // all six watched
        answer[10] = status;  // temperature bit clear: not too hot
        return true;
    }
    std::uint8_t status = 0x3E;
};

TEST(RavloSoakTest, ADayOfPollsWithAnHourlyFanFailureStaysBounded) {
    MonitorFirmware firmware;
    StatusMonitor monitor;
    monitor.Start(firmware);
    ASSERT_NE(monitor.MonitorHandle(), 0u);
    TrayAnimation tray;
    tray.Start(true);
    const LanguageTexts& texts = TextsFor(Language::English);
    long abnormalPolls = 0;
    std::vector<soak::LiveAllocations> hourly = soak::RunDay({400, [&](long second) {
        firmware.status = soak::InFault(second) ? 0x1E : 0x3E;  // the fan's bit says "in order"
        monitor.Poll(firmware);
        tray.Next(monitor.Normal(kTemperature));
        for (int row = 0; row < kRowCount; ++row) CellsOfRow(row, monitor, texts);
        if (!monitor.AllNormal()) ++abnormalPolls;
    }});

    EXPECT_EQ(abnormalPolls, 24L * 2 * 60 * 1000 / 400) << "the fan's failure in every hour, and only then";
    soak::ExpectSameEveryHour(hourly);
}

}  // namespace
}  // namespace ravlo
