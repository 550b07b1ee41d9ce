#include "pelmox/shell/speaker_win32.h"

#include <algorithm>

namespace pelmox {

namespace {

constexpr DWORD kSampleRate = 22050;
constexpr BYTE kSilence = 128;
constexpr BYTE kAmplitude = 48;

// The port speaker together with the ports it drives.
class CPortSpeakerOwner : public Speaker {
public:
    CPortSpeakerOwner() : speaker_(ports_) {}
    void On(std::int32_t frequency) override { speaker_.On(frequency); }
    void Off() override { speaker_.Off(); }

private:
    CDirectPorts ports_;
    PortSpeaker speaker_;
};

}  // namespace

bool DirectPortsAllowed() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

void CDirectPorts::Out(std::uint16_t port, std::uint8_t value) {
    __asm__ __volatile__("outb %0, %1" : : "a"(value), "Nd"(port));
}

std::uint8_t CDirectPorts::In(std::uint16_t port) {
    std::uint8_t value;
    __asm__ __volatile__("inb %1, %0" : "=a"(value) : "Nd"(port));
    return value;
}

CWaveSpeaker::CWaveSpeaker() : samples_(kSampleRate, kSilence) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kSampleRate;
    format.wBitsPerSample = 8;
    format.nBlockAlign = 1;
    format.nAvgBytesPerSec = kSampleRate;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR)
        device_ = nullptr;
}

CWaveSpeaker::~CWaveSpeaker() {
    if (device_ == nullptr) return;
    Off();
    waveOutClose(device_);
}

void CWaveSpeaker::On(std::int32_t frequency) {
    if (device_ == nullptr) return;
    Off();
    // One second holds a whole number of periods, so the loop joins
    // without a click. The same range as the timer's: 17 Hz up to what the
    // sample rate can carry.
    const std::uint32_t hz = static_cast<std::uint32_t>(
        std::clamp(frequency, kLowestToneHz, static_cast<std::int32_t>(kSampleRate / 2)));
    for (std::uint32_t i = 0; i < kSampleRate; ++i) {
        // High in the first half of each period.
        const bool high = (static_cast<std::uint64_t>(i) * hz * 2 / kSampleRate) % 2 == 0;
        samples_[i] = static_cast<BYTE>(high ? kSilence + kAmplitude : kSilence - kAmplitude);
    }
    header_ = WAVEHDR{};
    header_.lpData = reinterpret_cast<LPSTR>(samples_.data());
    header_.dwBufferLength = kSampleRate;
    header_.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
    header_.dwLoops = 0xFFFFFFFF;
    if (waveOutPrepareHeader(device_, &header_, sizeof(header_)) != MMSYSERR_NOERROR) return;
    if (waveOutWrite(device_, &header_, sizeof(header_)) != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(device_, &header_, sizeof(header_));
        return;
    }
    playing_ = true;
}

void CWaveSpeaker::Off() {
    // Called on every idle tick: nothing to do unless a tone was handed over.
    if (device_ == nullptr || !playing_) return;
    waveOutReset(device_);
    waveOutUnprepareHeader(device_, &header_, sizeof(header_));
    playing_ = false;
}

void CTraceSpeaker::On(std::int32_t frequency) { Write("on " + std::to_string(frequency)); }

void CTraceSpeaker::Off() { Write("off"); }

void CTraceSpeaker::Write(const std::string& line) const {
    HANDLE file = CreateFileA(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = std::to_string(GetTickCount()) + " " + line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::unique_ptr<Speaker> MakeSystemSpeaker() {
    char trace[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA(kSpeakerTraceVariable, trace, sizeof trace);
    if (length > 0 && length < sizeof trace) return std::make_unique<CTraceSpeaker>(trace);
    if (DirectPortsAllowed()) return std::make_unique<CPortSpeakerOwner>();
    return std::make_unique<CWaveSpeaker>();
}

}  // namespace pelmox
