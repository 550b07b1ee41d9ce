#include "item_texts.h"

#include <cstdarg>
#include <cstdio>

#include "limit_checks.h"
#include "temperature_units.h"

namespace pelmox {
namespace {

// Number formats of the texts: one fixed format with one number, or with
// the blink marker and one number. Each call names its format literally so
// the compiler checks it.
#if defined(__GNUC__)
#define PELMOX_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define PELMOX_PRINTF_FORMAT(f, a)
#endif

std::string Format(const char* format, ...) PELMOX_PRINTF_FORMAT(1, 2);

std::string Format(const char* format, ...) {
    // Large enough for any single at "%.3f" with marker and unit.
    char buffer[128];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) return std::string();
    return std::string(buffer);
}

bool IsChipsetTemperature(const SensorItem& item) { return item.bit == ITEM_CHIPSET_TEMP; }

}  // namespace

void ToggleBlinkMarker(std::string& marker) { marker = marker.size() == 2 ? " " : "  "; }

std::string FormatValueText(const SensorItem& item, float value, ItemState state, const std::string& marker,
                            std::int32_t tempUnit) {
    const bool alarm = state == StateAlarm;
    const char* m = marker.c_str();
    switch (item.group) {
        case ItemGroup::Fan:
            return alarm ? Format("%s %.0f", m, static_cast<double>(value))
                         : Format("  %.0f", static_cast<double>(value));
        case ItemGroup::Temperature:
            if (tempUnit == TempFahrenheit) {
                const double f = CelsiusToFahrenheit(value);
                return alarm ? Format("%s %.1f", m, f) : Format("  %.1f", f);
            }
            if (IsChipsetTemperature(item)) {
                return alarm ? Format("%s %.2f", m, static_cast<double>(value))
                             : Format("  %.2f", static_cast<double>(value));
            }
            return alarm ? Format("%s %.1f", m, static_cast<double>(value))
                         : Format("  %.1f", static_cast<double>(value));
        case ItemGroup::Supply:
            return alarm ? Format("%s %.2f", m, static_cast<double>(value))
                         : Format("  %.2f", static_cast<double>(value));
    }
    return std::string();
}

void ValueTexts::Update(const SensorValues& values, const WatchDogLimit& limits, std::uint32_t enableItem,
                        std::int32_t tempUnit) {
    ToggleBlinkMarker(m_blinkMarker);
    for (std::size_t i = 0; i < kSensorItems.size(); ++i) {
        const SensorItem& item = kSensorItems[i];
        if ((enableItem & item.bit) == 0) {
            m_texts[i].clear();
            m_itemState[i] = StateHidden;
            continue;
        }
        m_itemState[i] = IsOutsideLimits(item, values, limits) ? StateAlarm : StateNormal;
        m_texts[i] = FormatValueText(item, values.*item.value, m_itemState[i], m_blinkMarker, tempUnit);
    }
}

LimitTexts FormatLimitTexts(const SensorItem& item, const WatchDogLimit& limits, std::int32_t tempUnit) {
    LimitTexts texts;
    switch (item.group) {
        case ItemGroup::Fan:
            texts.lower = Format("%.0f rpm", static_cast<double>(limits.*item.lower));
            break;
        case ItemGroup::Temperature: {
            const float upper = limits.*item.upper;
            if (tempUnit == TempFahrenheit) {
                texts.upper = Format("%.1f F", CelsiusToFahrenheit(upper));
            } else if (IsChipsetTemperature(item)) {
                texts.upper = Format("%.2f C", static_cast<double>(upper));
            } else {
                texts.upper = Format("%.1f C", static_cast<double>(upper));
            }
            break;
        }
        case ItemGroup::Supply:
            texts.lower = Format("%.3f V", static_cast<double>(limits.*item.lower));
            texts.upper = Format("%.3f V", static_cast<double>(limits.*item.upper));
            break;
    }
    return texts;
}

}  // namespace pelmox
