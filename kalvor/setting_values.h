// Every value the settings file holds, in the file's order. The main
// dialog keeps one set for the whole run; the chip and the schedule read it.
#pragma once

#include <string>

namespace kalvor {

struct SettingValues {
    std::string manufactor = "Ostrel Computer Inc.";
    float v1Value = 3.3f;
    float v2Value = 12.0f;
    float v1Ratio = 1.0f;
    float v2Ratio = 4.8f;  // a 12 V supply reaches the chip as 2.5 V
    float v3Ratio = 1.0f;
    int celsius = 1;
    int fahrenheit = 0;  // the unit in use
    int tempOver = 60;
    int tempHyst = 55;
    int fan1Limit = 3000;
    int fan2Limit = 3000;
    float v1LoLimit = 3.1f;
    float v1HiLimit = 3.5f;
    float v2LoLimit = 11.4f;
    float v2HiLimit = 12.6f;
    float vddLoLimit = 4.75f;
    float vddHiLimit = 5.25f;
    float v3LoLimit = 1.9f;
    float v3HiLimit = 2.2f;
    int alarmTemp = 1;
    int alarmFan1 = 1;
    int alarmFan2 = 1;
    int alarmVin1 = 1;
    int alarmVin2 = 1;
    int alarmVCore = 1;
    int alarmVdd = 1;
    int pollingInt = 0;
    int enableFan2 = 1;
    int fan1Auto = 0;
    int minimize = 0;
};

}  // namespace kalvor
