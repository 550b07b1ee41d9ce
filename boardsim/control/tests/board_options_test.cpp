#include "boardsim/control/board_options.h"

#include <gtest/gtest.h>

namespace boardsim {
namespace {

TEST(ApplyBoardOptionsTest, DescribesTheBoard) {
    IoprobeBoard board;
    std::string error;
    ASSERT_TRUE(ApplyBoardOptions({"--product", "QT7M", "--manufacturer", "Ostrel Mainboard Ltd",
                                   "--vendor", "0x3F,62", "--fault", "cycle"},
                                  board, error))
        << error;
    ASSERT_TRUE(board.systemInformation);
    EXPECT_EQ(board.systemInformation->productName, "QT7M");
    EXPECT_EQ(board.systemInformation->manufacturer, "Ostrel Mainboard Ltd");
    ASSERT_TRUE(board.vendorMonitor);
    EXPECT_EQ(board.vendorMonitor->watchedItems, 0x3F);
    EXPECT_EQ(board.vendorMonitor->status, 62);
    EXPECT_EQ(board.fault, Fault::Cycle);
}

TEST(ApplyBoardOptionsTest, LeavesStructuresOutAndAppliesLeftToRight) {
    IoprobeBoard board;
    board.vendorMonitor = VendorMonitor{};
    std::string error;
    ASSERT_TRUE(ApplyBoardOptions({"--no-system-information", "--no-vendor"}, board, error));
    EXPECT_FALSE(board.systemInformation);
    EXPECT_FALSE(board.vendorMonitor);

    ASSERT_TRUE(ApplyBoardOptions({"--no-system-information", "--product", "QR39"}, board, error));
    ASSERT_TRUE(board.systemInformation);
    EXPECT_EQ(board.systemInformation->productName, "QR39");
    EXPECT_EQ(board.systemInformation->manufacturer, "Ostrel") << "a new structure starts from defaults";
}

TEST(ApplyBoardOptionsTest, RejectsBadOptions) {
    for (const std::vector<std::string>& options :
         std::vector<std::vector<std::string>>{{"--product"},
                                               {"--vendor", "0x3F"},
                                               {"--vendor", "256,0"},
                                               {"--vendor", "1,x"},
                                               {"--vendor", ",1"},
                                               {"--fault", "sometimes"},
                                               {"--colour", "red"}}) {
        IoprobeBoard board;
        std::string error;
        EXPECT_FALSE(ApplyBoardOptions(options, board, error)) << options[0];
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace boardsim
