// The main dialog's fields that the core reads and writes: every setting,
// the limit texts it shows, and the readings of the last update.
#pragma once

#include <string>

#include "setting_values.h"

namespace kalvor {

struct LimitTexts {
    std::string tempOver, tempHyst, fan1Limit, fan2Limit;
    std::string v1HiLimit, v1LoLimit, v2HiLimit, v2LoLimit, v3HiLimit, v3LoLimit, vddHiLimit, vddLoLimit;
};

struct Readings {
    int temperature = 0;
    int temperature2 = 0;  // shown in a hidden field
    std::string vcoreText, v33Text, v12Text, v5Text, fan1Text, fan2Text;
    int lastFan1Rpm = 0;  // 0 until first read
    int lastFan2Rpm = 0;
};

struct KalvorDialogData {
    SettingValues settings;
    LimitTexts limitTexts;
    Readings readings;
};

}  // namespace kalvor
