// The main dialog's alarm boxes and unit buttons on the simulated chip.
#include "kalvor/dialog_controls.h"

#include <gtest/gtest.h>

#include "boardsim/smbus/chip_model.h"
#include "model_bus.h"
#include "monitor_core.h"

namespace kalvor {
namespace {

struct Dialog : testing::Test {
    Dialog() : bus(model), core(bus) { core.startup.RunStartupSequence(); }

    boardsim::ChipModel model;
    ModelBus bus;
    MonitorCore core;
};

TEST_F(Dialog, EachAlarmBoxSwitchesItsOwnMaskBit) {
    const struct {
        int controlId;
        int bit;
    } cases[] = {{1049, 4}, {1050, 1}, {1051, 2}, {1052, 0}, {1053, 3}, {1054, 5}, {1055, 6}};
    for (const auto& c : cases) {
        const AlarmBox* box = FindAlarmBox(c.controlId);
        ASSERT_NE(box, nullptr) << c.controlId;
        int before = core.chip.alarmMask;
        core.dialog.settings.*(box->setting) = 0;
        ApplyAlarmBox(*box, core.dialog.settings, core.chip);
        EXPECT_EQ(core.chip.alarmMask, before & ~(1 << c.bit)) << c.controlId;
        core.dialog.settings.*(box->setting) = 1;
        ApplyAlarmBox(*box, core.dialog.settings, core.chip);
        EXPECT_EQ(core.chip.alarmMask, before) << c.controlId;
    }
    EXPECT_EQ(FindAlarmBox(1048), nullptr) << "the group box is no alarm box";
    EXPECT_EQ(FindAlarmBox(1056), nullptr);
}

TEST_F(Dialog, TheUnitChangeReadsTemperaturesAndLimitsBackInTheNewUnit) {
    model.SetInputs(boardsim::ChipInputs{});  // 40 degrees Celsius
    core.dialog.settings.celsius = 0;
    core.dialog.settings.fahrenheit = 1;
    ApplyUnitChange(core.dialog, core.chip);
    EXPECT_NEAR(core.dialog.readings.temperature, 104, 1);
    EXPECT_NEAR(core.dialog.settings.tempOver, 140, 1) << "60 C, the default over-heat limit";
    EXPECT_NEAR(core.dialog.settings.tempHyst, 131, 1) << "55 C";
    EXPECT_EQ(core.dialog.limitTexts.tempOver, std::to_string(core.dialog.settings.tempOver));
    EXPECT_EQ(core.dialog.limitTexts.tempHyst, std::to_string(core.dialog.settings.tempHyst));

    core.dialog.settings.celsius = 1;
    core.dialog.settings.fahrenheit = 0;
    ApplyUnitChange(core.dialog, core.chip);
    EXPECT_NEAR(core.dialog.readings.temperature, 40, 1);
    EXPECT_NEAR(core.dialog.settings.tempOver, 60, 1) << "and back, at most a degree off";
    EXPECT_EQ(core.dialog.limitTexts.tempOver, std::to_string(core.dialog.settings.tempOver));
}

}  // namespace
}  // namespace kalvor
