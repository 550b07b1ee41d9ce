// The speakers the tone queue sounds on under Windows: the PC's timer and
// speaker ports where the system lets a program reach them (Windows 9x),
// otherwise a square wave of the tone's frequency on the wave output.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pelmox/shell/tone_queue.h"

namespace pelmox {

// True on the Windows 9x family, where a program may use the I/O ports.
bool DirectPortsAllowed();

// The x86 in and out instructions.
class CDirectPorts : public PortIo {
public:
    void Out(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t In(std::uint16_t port) override;
};

// A steady square wave through waveOut, looped by the device so that
// nothing waits: On returns as soon as the tone is handed over. Without a
// wave device the speaker stays silent.
class CWaveSpeaker : public Speaker {
public:
    CWaveSpeaker();
    ~CWaveSpeaker() override;
    CWaveSpeaker(const CWaveSpeaker&) = delete;
    CWaveSpeaker& operator=(const CWaveSpeaker&) = delete;

    void On(std::int32_t frequency) override;
    void Off() override;

private:
    HWAVEOUT device_ = nullptr;
    WAVEHDR header_{};
    bool playing_ = false;
    std::vector<BYTE> samples_;  // one second of the tone, looped
};

// The simulated board's speaker: every tone started and stopped, one line
// each with the tick count, appended to a file ("on 1000", "off").
class CTraceSpeaker : public Speaker {
public:
    explicit CTraceSpeaker(std::string path) : path_(std::move(path)) {}
    void On(std::int32_t frequency) override;
    void Off() override;

private:
    void Write(const std::string& line) const;
    std::string path_;
};

// The variable naming the simulated speaker's trace file.
constexpr char kSpeakerTraceVariable[] = "PELMOX_SPEAKER_TRACE";

// The simulated speaker when the variable names a trace file; else the
// PC speaker by its ports on Windows 9x, the wave speaker elsewhere.
std::unique_ptr<Speaker> MakeSystemSpeaker();

}  // namespace pelmox
