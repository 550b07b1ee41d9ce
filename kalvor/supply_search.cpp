// The successive-approximation search of CMonitorChip: each supply that the
// chip only compares is estimated by moving a comparator window through its
// limit registers and watching its status bit.
#include <cstdlib>
#include <ctime>

#include "chip_variant.h"
#include "monitor_chip.h"

namespace kalvor {
namespace {

constexpr float kConvergedWidth = 0.2f;
constexpr float kMarginPerRatio = 0.02f;
constexpr float kResetLow = 0.75f;
constexpr float kResetHigh = 1.25f;
constexpr float kVddNominal = 5.0f;
constexpr int kSeedSpread = 20;

// An estimate between 0.97 and 1.027 times the nominal value.
float SeededEstimate(float nominal) {
    int r = std::rand() % kSeedSpread;
    return static_cast<float>(nominal * (1 - r * (-0.05) * 0.06 - 0.03));
}

}  // namespace

// The three searched supplies in their order: VIN1, VIN2, VDD.
struct CMonitorChip::SearchChannel {
    SearchRecord& record;
    int statusBit;
    float ratio;  // 1 for VDD
    float nominal;
    VoltageChannel channel;
};

CMonitorChip::SearchChannel CMonitorChip::Channel(int index) {
    switch (index) {
    case 0: return {vin1Search, kVin1, v1Ratio, v1Value, VoltageChannel::Vin1};
    case 1: return {vin2Search, kVin2, v2Ratio, v2Value, VoltageChannel::Vin2};
    default: return {vddSearch, kVdd, 1.0f, kVddNominal, VoltageChannel::Vdd};
    }
}

void CMonitorChip::SeedSearch() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    vin1Search.windowLow = kResetLow * v1Value;
    vin1Search.windowHigh = kResetHigh * v1Value;
    vin2Search.windowLow = kResetLow * v2Value;
    vin2Search.windowHigh = kResetHigh * v2Value;
    vin1Search.estimate = SeededEstimate(v1Value);
    vddSearch.windowLow = kResetLow * kVddNominal;
    vddSearch.windowHigh = kResetHigh * kVddNominal;
    vin2Search.estimate = SeededEstimate(v2Value);
    vddSearch.estimate = SeededEstimate(kVddNominal);
}

void CMonitorChip::UpdateWindows() {
    std::uint8_t status = ReadStatus();
    for (int i = 0; i < 3; ++i) {
        SearchChannel c = Channel(i);
        SearchRecord& r = c.record;
        bool outside = status & (1 << c.statusBit);
        float width = (r.windowHigh - r.windowLow) / c.ratio;
        float mid = (r.windowHigh + r.windowLow) / 2;
        float margin = kMarginPerRatio * c.ratio;
        if (width > kConvergedWidth) {
            // The chip compared the supply with the upper half of the window.
            if (outside)
                r.windowHigh = mid + margin;
            else
                r.windowLow = mid - margin;
        } else if (outside) {
            // The supply has left a converged window: search again.
            r.windowLow = kResetLow * c.nominal;
            r.windowHigh = kResetHigh * c.nominal;
        } else {
            r.estimate = mid;
        }
    }
    if (ScalesOf(variant).maskDrivenByPolling) WriteByte(reg::kMask, 0);
    ClearStatus();
}

void CMonitorChip::WriteWindows() {
    if (ScalesOf(variant).maskDrivenByPolling) WriteByte(reg::kMask, 0);
    ClearStatus();
    for (int i = 0; i < 3; ++i) {
        SearchChannel c = Channel(i);
        const SearchRecord& r = c.record;
        float width = (r.windowHigh - r.windowLow) / c.ratio;
        float low = width > kConvergedWidth ? (r.windowHigh + r.windowLow) / 2 : r.windowLow;
        WriteVoltageLimit(c.channel, LimitSide::Low, low);
        WriteVoltageLimit(c.channel, LimitSide::High, r.windowHigh);
    }
}

}  // namespace kalvor
