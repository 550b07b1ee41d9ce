// SMBUS.dll: the SMBus access library of the simulated board. The chip
// behind it is one ChipModel shared by every process on the machine, its
// inputs following a scenario; the bus is claimed through a named mutex, so
// a holder that ends without releasing it leaves it abandoned, and the next
// process may claim it.
//
// The scenario is the file named by SMBUS_SCENARIO, else "SMBUS.SCN" beside
// the library; without one the board is a healthy variant-0 board. Setting
// SMBUS_TRACE to a file name appends a line per call to that file.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <new>
#include <sstream>
#include <string>

#include "chip_model.h"
#include "scenario.h"

namespace {

constexpr char kChipMemoryName[] = "Local\\OstrelSmbusChip";
constexpr char kChipLockName[] = "Local\\OstrelSmbusChipLock";
constexpr char kBusMutexName[] = "Local\\OstrelSmbusBus";
constexpr char kScenarioFile[] = "SMBUS.SCN";

struct SharedChip {
    ULONGLONG startTick;
    int stopsApplied;
    boardsim::ChipModel model;
};

HMODULE g_module;
HANDLE g_chipMemory;
HANDLE g_chipLock;
SharedChip* g_chip;
HANDLE g_bus;
bool g_holdsBus;
boardsim::Scenario g_scenario;

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

std::string ScenarioPath() {
    std::string path = Environment("SMBUS_SCENARIO");
    if (!path.empty()) return path;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(g_module, module, sizeof module);
    path = module;
    return path.substr(0, path.find_last_of("\\/") + 1) + kScenarioFile;
}

void LoadScenario() {
    std::ifstream file(ScenarioPath(), std::ios::binary);
    if (!file) return;
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (auto scenario = boardsim::ParseScenario(text.str(), error)) g_scenario = *scenario;
}

void Trace(const std::string& line) {
    static const std::string path = Environment("SMBUS_TRACE");
    if (path.empty()) return;
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fprintf(file, "%lu %s\r\n", GetCurrentProcessId(), line.c_str());
        std::fclose(file);
    }
}

// Maps the machine-wide chip, creating it with the scenario's board when
// this is the first process to use it.
bool OpenChip() {
    if (g_chip) return true;
    g_chipLock = CreateMutexA(nullptr, FALSE, kChipLockName);
    g_chipMemory = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedChip),
                                      kChipMemoryName);
    if (!g_chipLock || !g_chipMemory) return false;
    bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    void* view = MapViewOfFile(g_chipMemory, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedChip));
    if (!view) return false;
    WaitForSingleObject(g_chipLock, INFINITE);
    if (created) {
        auto* chip = new (view) SharedChip{GetTickCount64(), 0, boardsim::ChipModel(g_scenario.board)};
        (void)chip;
    }
    ReleaseMutex(g_chipLock);
    g_chip = static_cast<SharedChip*>(view);
    return true;
}

// Runs `access` on the chip with its inputs as the scenario has them now.
template <typename Access>
auto WithChip(Access access) -> decltype(access(g_chip->model)) {
    if (!OpenChip()) return decltype(access(g_chip->model))();
    WaitForSingleObject(g_chipLock, INFINITE);
    double seconds = static_cast<double>(GetTickCount64() - g_chip->startTick) / 1000.0;
    boardsim::ChipInputs inputs = g_scenario.InputsAt(seconds);
    int stops = g_scenario.StopsBy(seconds);
    inputs.stopped = stops > g_chip->stopsApplied;
    g_chip->stopsApplied = stops;
    g_chip->model.SetInputs(inputs);
    auto result = access(g_chip->model);
    ReleaseMutex(g_chipLock);
    return result;
}

double SecondsSinceChipStart() {
    if (!OpenChip()) return 0;
    return static_cast<double>(GetTickCount64() - g_chip->startTick) / 1000.0;
}

bool OtherProcessHoldsBus() {
    if (g_scenario.BusyBy(SecondsSinceChipStart())) return true;
    if (g_holdsBus) return false;
    DWORD wait = WaitForSingleObject(g_bus, 0);
    if (wait == WAIT_TIMEOUT) return true;
    ReleaseMutex(g_bus);  // free (or left abandoned): nobody uses it
    return false;
}

}  // namespace

extern "C" {

int WINAPI CheckDriver() {
    int present = g_scenario.driverMissing ? 0 : 1;
    Trace("CheckDriver() = " + std::to_string(present));
    return present;
}

int WINAPI RegUsing(int client) {
    if (!g_holdsBus) {
        DWORD wait = WaitForSingleObject(g_bus, 0);
        g_holdsBus = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    Trace("RegUsing(" + std::to_string(client) + ") = " + std::to_string(g_holdsBus ? 1 : 0));
    return g_holdsBus ? 1 : 0;
}

int WINAPI ChkUsing(int client) {
    int used = OtherProcessHoldsBus() ? 1 : 0;
    Trace("ChkUsing(" + std::to_string(client) + ") = " + std::to_string(used));
    return used;
}

int WINAPI DeRegUsing(int client) {
    if (g_holdsBus) ReleaseMutex(g_bus);
    g_holdsBus = false;
    Trace("DeRegUsing(" + std::to_string(client) + ")");
    return 1;
}

int WINAPI ReadSM(int reg, int size) {
    int value = WithChip([&](boardsim::ChipModel& chip) { return static_cast<int>(chip.Read(reg, size)); });
    Trace("ReadSM(" + std::to_string(reg) + "," + std::to_string(size) + ") = " + std::to_string(value));
    return value;
}

int WINAPI WriteSM(int reg, int value, int size) {
    WithChip([&](boardsim::ChipModel& chip) {
        chip.Write(reg, static_cast<std::uint16_t>(value), size);
        return 0;
    });
    Trace("WriteSM(" + std::to_string(reg) + "," + std::to_string(value) + "," + std::to_string(size) + ")");
    return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        g_bus = CreateMutexA(nullptr, FALSE, kBusMutexName);
        LoadScenario();
    }
    return TRUE;
}

}  // extern "C"
