#include "boardsim/control/firmware_strings.h"

#include <gtest/gtest.h>

namespace boardsim {
namespace {

// Wraps structures in the header GetSystemFirmwareTable('RSMB') puts first.
std::vector<std::uint8_t> Raw(const std::vector<std::uint8_t>& table, std::uint32_t length) {
    std::vector<std::uint8_t> raw{0, 2, 8, 0};
    for (int i = 0; i < 4; ++i) raw.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    raw.insert(raw.end(), table.begin(), table.end());
    return raw;
}

std::vector<std::uint8_t> Raw(const std::vector<std::uint8_t>& table) {
    return Raw(table, static_cast<std::uint32_t>(table.size()));
}

TEST(SystemInformationFromRawTableTest, ReadsTheStringsByTheirNumbers) {
    // A modern System Information structure: 27-byte area, strings out of order.
    std::vector<std::uint8_t> table{0, 4, 0, 0, 'B', 0, 0};
    std::vector<std::uint8_t> info(27, 0);
    info[0] = 1;
    info[1] = 27;
    info[2] = 1;
    info[4] = 2;  // manufacturer: second string
    info[5] = 1;  // product: first string
    info[6] = 0;  // no version
    info[7] = 3;
    table.insert(table.end(), info.begin(), info.end());
    for (char c : std::string("Standard PC\0QEMU\0SN-9\0\0", 23)) table.push_back(static_cast<std::uint8_t>(c));

    auto result = SystemInformationFromRawTable(Raw(table).data(), Raw(table).size());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->productName, "Standard PC");
    EXPECT_EQ(result->manufacturer, "QEMU");
    EXPECT_EQ(result->version, "");
    EXPECT_EQ(result->serialNumber, "SN-9");
}

TEST(SystemInformationFromRawTableTest, ReadsOurOwnTables) {
    IoprobeBoard board;
    board.systemInformation = SystemInformation{"Ostrel", "QR4W", "", "SN1"};
    auto raw = Raw(BuildStructureTable(board));
    auto result = SystemInformationFromRawTable(raw.data(), raw.size());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->productName, "QR4W");
    EXPECT_EQ(result->serialNumber, "SN1");
}

TEST(SystemInformationFromRawTableTest, RejectsMissingAndMalformedData) {
    IoprobeBoard noInfo;
    noInfo.systemInformation.reset();
    auto table = BuildStructureTable(noInfo);
    EXPECT_FALSE(SystemInformationFromRawTable(Raw(table).data(), Raw(table).size()));
    EXPECT_FALSE(SystemInformationFromRawTable(nullptr, 0));

    IoprobeBoard board;
    auto good = BuildStructureTable(board);
    auto lying = Raw(good, static_cast<std::uint32_t>(good.size() + 1));
    EXPECT_FALSE(SystemInformationFromRawTable(lying.data(), lying.size())) << "length past the data";
    auto raw = Raw(good);
    EXPECT_FALSE(SystemInformationFromRawTable(raw.data(), 7));
}

}  // namespace
}  // namespace boardsim
