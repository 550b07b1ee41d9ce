#include "chipset_driver.h"

#include <cstdio>

namespace pelmox {
namespace {

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kNotSupported = 50;

const char* RequestWord(ControlCode code) {
    switch (code) {
    case PELMOX_READ_VALUES:
    case PELMOX_READ_LIMITS: return "read";
    case PELMOX_SET_LIMITS: return "set";
    case PELMOX_WAKE_UP: return "wake up";
    case PELMOX_SHUTDOWN: return "shutdown";
    case PELMOX_NOTIFY: return "notify";
    }
    return "read";
}

}  // namespace

OpenFailure OpenFailureMessage(std::uint32_t errorCode) {
    if (errorCode == kFileNotFound) return {"Error: Can't load PelMox driver ", MessageIcon::Stop};
    if (errorCode == kNotSupported)
        return {"Can't find Tavro Data Acquisition Module On This Machine", MessageIcon::Exclamation};
    char text[64];
    std::snprintf(text, sizeof text, "Driver Unknown Error ( Code: %lx )", static_cast<unsigned long>(errorCode));
    return {text, MessageIcon::Stop};
}

std::string RequestFailureMessage(ControlCode code) {
    return std::string("VxD: Device does not support the requested API(") + RequestWord(code) + ")";
}

bool CChipsetDriver::Request(ControlCode code, const void* input, std::uint32_t inputSize, void* output,
                             std::uint32_t outputSize) {
    if (device_ == nullptr) return false;
    if (device_->Control(code, input, inputSize, output, outputSize)) return true;
    reporter_.ShowMessage(RequestFailureMessage(code), MessageIcon::Stop);
    reporter_.PostQuit();
    return false;
}

bool CChipsetDriver::ReadValues(SensorValues& values) {
    return Request(PELMOX_READ_VALUES, nullptr, 0, &values, sizeof values);
}

bool CChipsetDriver::SetLimits(const WatchDogLimit& limits) {
    return Request(PELMOX_SET_LIMITS, &limits, sizeof limits, nullptr, 0);
}

bool CChipsetDriver::ReadLimits(WatchDogLimit& limits) {
    return Request(PELMOX_READ_LIMITS, nullptr, 0, &limits, sizeof limits);
}

bool CChipsetDriver::WakeUp(std::uint32_t items) { return Request(PELMOX_WAKE_UP, &items, sizeof items, nullptr, 0); }

bool CChipsetDriver::Shutdown(std::uint32_t items) {
    return Request(PELMOX_SHUTDOWN, &items, sizeof items, nullptr, 0);
}

bool CChipsetDriver::RegisterNotify(std::uint32_t window) {
    NotifyRequest request{};
    request.window = window;
    request.message = WM_DRIVERNOTIFY;
    return Request(PELMOX_NOTIFY, &request, sizeof request, nullptr, 0);
}

}  // namespace pelmox
