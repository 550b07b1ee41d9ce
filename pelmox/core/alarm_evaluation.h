// When the user is warned and with which words: a fault check at the
// first evaluation and a limit check every tenth one, each finding played
// as a sound and shown in the warning dialog, one after another.
#pragma once

#include <cstdint>
#include <string>

#include "chipset_driver.h"

namespace pelmox {

constexpr char kWarningSound[] = "warn.wav";

// What the evaluation needs of the view and its windows.
class AlarmHost {
public:
    // The alarm boxes checked on screen, as item bits.
    virtual std::uint32_t AlarmChecks() = 0;
    // Starts the sound file playing without waiting; false when it cannot.
    virtual bool PlaySoundFile(const char* name) = 0;
    // Appends one tone to the speaker's queue.
    virtual void EnqueueTone(int hertz, int milliseconds) = 0;
    // The warning dialog, modal; returns when the user has closed it.
    virtual void ShowWarning(const std::string& text, int kind) = 0;

protected:
    ~AlarmHost() = default;
};

struct AlarmInputs {
    const WatchDogLimit& limits;
    std::uint32_t enableItem;
    std::int32_t soundEnable;
};

class CAlarmEvaluator {
public:
    CAlarmEvaluator(CChipsetDriver& driver, AlarmHost& host) : driver_(driver), host_(host) {}

    // One evaluation (every 15th view tick).
    void EvaluateAlarms(const AlarmInputs& inputs);

    void PlayAlarmSound(std::int32_t soundEnable);
    void QueueSiren();

    bool WarningUp() const { return warningUp_; }

private:
    void CheckFaults(const AlarmInputs& inputs);
    void CheckLimits(const AlarmInputs& inputs);
    void Report(const std::string& text, int kind, std::int32_t soundEnable);

    CChipsetDriver& driver_;
    AlarmHost& host_;
    bool firstRun_ = true;
    int periodicCounter_ = 7;
    bool warningUp_ = false;  // m_warningUp
};

}  // namespace pelmox
