// boardctl: controls the simulated board from the command line.
//
//   boardctl ioprobe [board options]   serve a new firmware table at once
//   boardctl ioprobe-firmware [opts]   the same, System Information taken
//                                      from this machine's own firmware
//   boardctl ioprobe-log               print the requests the driver answered
//   boardctl ioprobe-clear-log         empty that log
//   boardctl chipset [NAME=VALUE...]   the chipset monitor's eight values:
//                                      healthy, but for those named
//                                      (cpufan fan2 chiptemp cputemp v12 v5
//                                      vio vcore; 0 is "no reading")
//   boardctl chipset-fail CODE         request CODE (4..9) fails; 0: none
//   boardctl chipset-reset             healthy values, default limits
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board_client.h"
#include "chipset_client.h"
#include "board_options.h"

namespace {

int Usage() {
    std::fputs(
        "usage: boardctl ioprobe [options] | ioprobe-firmware [options] | ioprobe-log | ioprobe-clear-log\n"
        "options: --product TEXT --manufacturer TEXT --version TEXT --serial TEXT\n"
        "         --no-system-information --vendor WATCHED,STATUS --no-vendor\n"
        "         --fault none|fail|cycle|endless|answer-last\n"
        "       boardctl chipset [cpufan|fan2|chiptemp|cputemp|v12|v5|vio|vcore=VALUE...]\n"
        "       boardctl chipset-fail CODE | chipset-reset\n",
        stderr);
    return 2;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "boardctl: %s\n", message.c_str());
    return 1;
}

int ServeBoard(boardsim::IoprobeBoardClient& client, boardsim::IoprobeBoard board,
               const std::vector<std::string>& options) {
    std::string error;
    if (!boardsim::ApplyBoardOptions(options, board, error)) return Fail(error);
    if (!client.SetBoard(board)) return Fail("the driver refused the table");
    if (board.systemInformation)
        std::printf("board product name: \"%s\"\n", board.systemInformation->productName.c_str());
    return 0;
}

int ServeMachineBoard(boardsim::IoprobeBoardClient& client, const std::vector<std::string>& options) {
    auto info = boardsim::ReadMachineSystemInformation();
    if (!info) return Fail("this machine reports no System Information structure");
    if (info->productName.empty()) std::puts("this machine's firmware reports no product name");
    boardsim::IoprobeBoard board;
    board.systemInformation = *info;
    return ServeBoard(client, board, options);
}

int PrintRequestLog(boardsim::IoprobeBoardClient& client) {
    auto log = client.ReadRequestLog();
    if (!log) return Fail("cannot read the request log");
    std::printf("open handles %u requests %u failed %u\n", log->openHandles, log->total, log->failed);
    std::uint32_t shown = log->total < boardsim::kRequestLogEntries ? log->total : boardsim::kRequestLogEntries;
    for (std::uint32_t i = 0; i < shown; ++i) std::printf("0x%04X\n", log->handles[i]);
    return 0;
}

constexpr const char* kChipsetValueNames[8] = {"cpufan", "fan2", "chiptemp", "cputemp",
                                               "v12",    "v5",   "vio",      "vcore"};

// NAME=VALUE assignments over the healthy values; false for any other word.
bool ChipsetValues(const std::vector<std::string>& options, boardsim::pelmox::BoardValues& values) {
    values = boardsim::kHealthyChipsetValues;
    for (const std::string& option : options) {
        std::size_t equals = option.find('=');
        if (equals == std::string::npos) return false;
        std::string name = option.substr(0, equals);
        char* end = nullptr;
        float value = std::strtof(option.c_str() + equals + 1, &end);
        if (*end != '\0' || end == option.c_str() + equals + 1) return false;
        bool known = false;
        for (int i = 0; i < 8; ++i) {
            if (name != kChipsetValueNames[i]) continue;
            values.values[i] = value;
            known = true;
        }
        if (!known) return false;
    }
    return true;
}

int ChipsetCommand(const std::string& command, const std::vector<std::string>& options) {
    boardsim::ChipsetBoardClient chipset;
    if (!chipset.IsOpen()) return Fail("the simulated chipset driver is not running");
    if (command == "chipset-reset" && options.empty()) return chipset.Reset() ? 0 : Fail("reset refused");
    if (command == "chipset-fail" && options.size() == 1)
        return chipset.SetFailingCode(static_cast<std::uint32_t>(std::atoi(options[0].c_str()))) ? 0
                                                                                                  : Fail("refused");
    boardsim::pelmox::BoardValues values{};
    if (command != "chipset" || !ChipsetValues(options, values)) return Usage();
    return chipset.SetValues(values) ? 0 : Fail("the driver refused the values");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string command = argv[1];
    std::vector<std::string> options(argv + 2, argv + argc);
    if (command.rfind("chipset", 0) == 0) return ChipsetCommand(command, options);

    boardsim::IoprobeBoardClient client;
    if (!client.IsOpen()) return Fail("the simulated firmware driver is not running");

    if (command == "ioprobe") return ServeBoard(client, boardsim::IoprobeBoard{}, options);
    if (command == "ioprobe-firmware") return ServeMachineBoard(client, options);
    if (command == "ioprobe-log" && options.empty()) return PrintRequestLog(client);
    if (command == "ioprobe-clear-log" && options.empty())
        return client.ClearRequestLog() ? 0 : Fail("cannot clear the request log");
    return Usage();
}
