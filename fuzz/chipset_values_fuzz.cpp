// Arbitrary chipset values and limits (NaN, infinities, denormals,
// negative zero, huge values) through the item rules: the value and limit
// texts, the slider positions, the status pictures and the alarm
// evaluation. Every text stays within the 127 characters of its field's
// buffer; every slider position is a defined number (the slider clamps it).
#include <cstdlib>

#include "fuzz_input.h"
#include "pelmox/core/alarm_evaluation.h"
#include "pelmox/core/item_texts.h"
#include "pelmox/core/limit_sliders.h"
#include "pelmox/core/status_pictures.h"
#include "pelmox_parts.h"

namespace {

constexpr std::size_t kFieldRoom = 127;

class QuietHost final : public pelmox::AlarmHost {
public:
    explicit QuietHost(std::uint32_t checks) : checks_(checks) {}
    std::uint32_t AlarmChecks() override { return checks_; }
    bool PlaySoundFile(const char*) override { return false; }
    void EnqueueTone(int, int) override {}
    void ShowWarning(const std::string& text, int) override {
        if (text.empty() || text.size() > 1024) std::abort();
    }

private:
    std::uint32_t checks_;
};

class CountingDisplay final : public pelmox::PictureDisplay {
public:
    void ShowBitmap(int, int bitmap) override {
        if (bitmap <= 0) std::abort();
    }
};

void CheckText(const std::string& text) {
    if (text.size() > kFieldRoom) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    fuzz::PelmoxParts parts;
    parts.chipset.values = input.Value<pelmox::SensorValues>();
    pelmox::WatchDogLimit limits = input.Value<pelmox::WatchDogLimit>();
    std::uint32_t enableItem = input.Value<std::uint32_t>();
    std::int32_t tempUnit = input.Byte() & 1;
    std::uint32_t checks = input.Value<std::uint32_t>();

    pelmox::ValueTexts texts;
    for (int update = 0; update < 2; ++update) {
        texts.Update(parts.chipset.values, limits, enableItem, tempUnit);
        for (const std::string& text : texts.Texts()) CheckText(text);
    }
    for (const pelmox::SensorItem& item : pelmox::kSensorItems) {
        pelmox::LimitTexts limitTexts = pelmox::FormatLimitTexts(item, limits, tempUnit);
        CheckText(limitTexts.lower);
        CheckText(limitTexts.upper);
    }
    pelmox::SliderPositionsFromLimits(limits);

    CountingDisplay display;
    pelmox::CStatusPictures pictures(display);
    QuietHost host(checks);
    pelmox::CAlarmEvaluator evaluator(parts.driver, host);
    for (int tick = 0; tick < 30; ++tick) {
        pictures.UpdateStatusPictures(parts.driver, limits, enableItem, tempUnit);
        if (tick % 15 == 0) evaluator.EvaluateAlarms({limits, enableItem, 1});
    }
    return 0;
}
