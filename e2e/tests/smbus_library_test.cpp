// SMBUS.dll of the simulated board: the six operations, one chip shared by
// every process, and the bus arbitration between processes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/support/prefix_layout.h"
#include "e2e/support/program.h"
#include "e2e/support/wait.h"

namespace e2e {
namespace {

const std::string kLibrary = std::string(kBoardDirectory) + "\\SMBUS.dll";
const std::string kProbe = std::string(kBoardDirectory) + "\\smbus_probe.exe";

using NoArgument = int(WINAPI*)();
using OneArgument = int(WINAPI*)(int);
using TwoArguments = int(WINAPI*)(int, int);
using ThreeArguments = int(WINAPI*)(int, int, int);

class SmbusLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        EndProgramsNamed({"smbus_probe.exe"});
        library_ = LoadLibraryA(kLibrary.c_str());
        ASSERT_NE(library_, nullptr);
        checkDriver = Get<NoArgument>("CheckDriver");
        regUsing = Get<OneArgument>("RegUsing");
        chkUsing = Get<OneArgument>("ChkUsing");
        deRegUsing = Get<OneArgument>("DeRegUsing");
        readSM = Get<TwoArguments>("ReadSM");
        writeSM = Get<ThreeArguments>("WriteSM");
    }

    void TearDown() override {
        if (deRegUsing) deRegUsing(1);
        EndProgramsNamed({"smbus_probe.exe"});
        if (library_) FreeLibrary(library_);
    }

    template <typename Function>
    Function Get(const char* name) {
        auto function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
        EXPECT_NE(function, nullptr) << name;
        return function;
    }

    HMODULE library_ = nullptr;
    NoArgument checkDriver = nullptr;
    OneArgument regUsing = nullptr, chkUsing = nullptr, deRegUsing = nullptr;
    TwoArguments readSM = nullptr;
    ThreeArguments writeSM = nullptr;
};

TEST_F(SmbusLibraryTest, AnswersAsTheMonitorChip) {
    EXPECT_NE(checkDriver(), 0);
    ASSERT_NE(regUsing(1), 0);
    EXPECT_EQ(chkUsing(1) & 0xFFFF, 0) << "this process holds the bus";
    EXPECT_EQ(readSM(0, 1) & 0xFFFF, 0x80);
    EXPECT_EQ(readSM(1, 1) & 0xFFFF, 0x00);
    writeSM(9, 0xB0C5, 2);
    EXPECT_EQ(readSM(9, 2) & 0xFFFF, 0xB0C5);
}

TEST_F(SmbusLibraryTest, ABusHeldByAnotherProcessIsRefused) {
    Program holder(kProbe + " hold", kBoardDirectory);
    ASSERT_TRUE(holder.Started());
    ASSERT_TRUE(WaitUntil([&] { return chkUsing(1) != 0; }, 5000)) << "the holder never claimed the bus";
    EXPECT_EQ(regUsing(1), 0);
}

TEST_F(SmbusLibraryTest, AHolderThatEndsWithoutReleasingDoesNotBlockTheBus) {
    {
        Program holder(kProbe + " hold", kBoardDirectory);
        ASSERT_TRUE(WaitUntil([&] { return chkUsing(1) != 0; }, 5000));
    }  // ended by force, DeRegUsing never called
    EXPECT_TRUE(WaitUntil([&] { return chkUsing(1) == 0; }, 5000));
    EXPECT_NE(regUsing(1), 0);
}

TEST_F(SmbusLibraryTest, EveryProcessSeesTheSameChip) {
    Program writer(kProbe + " write 5 123", kBoardDirectory);
    auto code = writer.WaitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0u);
    ASSERT_NE(regUsing(1), 0);
    EXPECT_EQ(readSM(5, 1) & 0xFF, 123);
}

}  // namespace
}  // namespace e2e
