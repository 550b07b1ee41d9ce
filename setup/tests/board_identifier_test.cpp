#include "setup/board_identifier.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace setup {
namespace {

using ioprobe::Buffer;

// A driver answer for a System Information structure with an 8-byte
// formatted area followed by `strings` (already NUL-separated and closed).
Buffer SystemInformationAnswer(const std::string& strings, std::uint32_t next = 2) {
    Buffer answer{};
    for (int i = 0; i < 4; ++i) answer[i] = static_cast<std::uint8_t>(next >> (8 * i));
    const std::uint8_t formatted[8] = {1, 8, 1, 0, 1, 2, 3, 4};
    std::copy(std::begin(formatted), std::end(formatted), answer.begin() + 4);
    std::copy_n(strings.begin(), std::min(strings.size(), answer.size() - 12), answer.begin() + 12);
    return answer;
}

std::string Set(std::initializer_list<std::string> strings) {
    std::string set;
    for (const std::string& s : strings) set += s + '\0';
    return set + '\0';
}

struct IdentifierCase {
    const char* name;
    std::string strings;
    std::string identifier;
};

class IdentifierFromAnswerTest : public testing::TestWithParam<IdentifierCase> {};

TEST_P(IdentifierFromAnswerTest, TakesTheTextAfterTheFirstString) {
    EXPECT_EQ(IdentifierFromAnswer(SystemInformationAnswer(GetParam().strings)), GetParam().identifier);
}

const std::string k19(19, 'M');
const std::string k20(20, 'M');
const std::string k21(21, 'M');

INSTANTIATE_TEST_SUITE_P(
    Answers, IdentifierFromAnswerTest,
    testing::Values(
        IdentifierCase{"SecondString", Set({"Ostrel", "QR4W", "1.0"}), "QR4W"},
        IdentifierCase{"FirstStringOf19EndsAtOffset31", Set({k19, "QT7M"}), "QT7M"},
        // No NUL at offsets 12 to 31: the text starts at offset 33.
        IdentifierCase{"FirstStringOf20", Set({k20, "QT7M"}), "QT7M"},
        IdentifierCase{"FirstStringOf21", Set({k21, "QT7M"}), ""},
        IdentifierCase{"LongFirstStringTail", Set({k21 + "QR4W"}), "QR4W"},
        IdentifierCase{"EmptyStringSet", std::string(2, '\0'), ""},
        IdentifierCase{"OnlyOneString", Set({"Ostrel"}), ""},
        IdentifierCase{"CutAt127Characters", Set({"Ostrel", std::string(200, 'Q')}), std::string(127, 'Q')},
        IdentifierCase{"NoNulAnywhere", std::string(244, 'A'), std::string(127, 'A')}),
    [](const testing::TestParamInfo<IdentifierCase>& testCase) { return testCase.param.name; });

// Answers each handle from a map; a missing handle fails the request.
class FakeSource final : public ioprobe::StructureSource {
public:
    explicit FakeSource(std::map<std::uint32_t, Buffer> answers) : answers_(std::move(answers)) {}

    bool GetStructure(std::uint32_t handle, Buffer& answer) override {
        requests.push_back(handle);
        auto it = answers_.find(handle);
        if (it == answers_.end()) return false;
        answer = it->second;
        return true;
    }

    std::vector<std::uint32_t> requests;

private:
    std::map<std::uint32_t, Buffer> answers_;
};

Buffer Structure(std::uint8_t type, std::uint32_t next, const std::string& strings) {
    Buffer answer = SystemInformationAnswer(strings, next);
    answer[4] = type;
    return answer;
}

TEST(ReadBoardIdentifierTest, AsksForTheSystemInformationStructureAgain) {
    FakeSource source({{0, Structure(0, 1, Set({"Ostrel", "R1.05"}))},
                       {1, Structure(1, 2, Set({"Ostrel", "QR4WD"}))},
                       {2, Structure(127, ioprobe::kLastHandle, Set({}))}});
    EXPECT_EQ(ReadBoardIdentifier(source), "QR4WD");
    EXPECT_EQ(source.requests, (std::vector<std::uint32_t>{0, 1, 1}));
}

TEST(ReadBoardIdentifierTest, DriverThatFailsEverythingGivesTheEmptyIdentifier) {
    FakeSource source({});
    EXPECT_EQ(ReadBoardIdentifier(source), "");
    EXPECT_EQ(source.requests, (std::vector<std::uint32_t>{0, 0}));
}

// Without a System Information structure the walk fails on 0xFFFF and the
// identifier is read from the first structure, as the driver answers it.
TEST(ReadBoardIdentifierTest, NoSystemInformationReadsTheFirstStructure) {
    FakeSource source({{0, Structure(0, 1, Set({"Ostrel", "R1.05"}))},
                       {1, Structure(127, ioprobe::kLastHandle, Set({}))}});
    EXPECT_EQ(ReadBoardIdentifier(source), "R1.05");
    EXPECT_EQ(source.requests, (std::vector<std::uint32_t>{0, 1, ioprobe::kLastHandle, 0}));
}

TEST(ReadBoardIdentifierTest, NoSystemInformationAndAnsweredLastHandle) {
    FakeSource source({{0, Structure(0, 1, Set({"Ostrel", "R1.05"}))},
                       {1, Structure(127, ioprobe::kLastHandle, Set({}))},
                       {ioprobe::kLastHandle, Structure(127, ioprobe::kLastHandle, Set({}))}});
    EXPECT_EQ(ReadBoardIdentifier(source), "");
    EXPECT_EQ(source.requests, (std::vector<std::uint32_t>{0, 1, ioprobe::kLastHandle, ioprobe::kLastHandle}));
}

}  // namespace
}  // namespace setup
