#include "ravlo/status_cells.h"

#include <gtest/gtest.h>

#include <string>

#include "ravlo/resource_ids.h"

namespace ravlo {
namespace {

// A table of two structures: the BIOS at 0, the monitor structure at 1.
class MonitorTable final : public ioprobe::StructureSource {
public:
    MonitorTable(std::uint8_t watched, std::uint8_t status) : watched_(watched), status_(status) {}

    bool GetStructure(std::uint32_t handle, ioprobe::Buffer& answer) override {
        answer.fill(0);
        if (handle == 0) {
            answer[0] = 1;  // next handle
            return true;
        }
        answer[4] = kMonitorStructureType;
        answer[8] = watched_;
        answer[10] = status_;
        return true;
    }

private:
    std::uint8_t watched_;
    std::uint8_t status_;
};

StatusMonitor MonitorWith(std::uint8_t watched, std::uint8_t status) {
    MonitorTable table(watched, status);
    StatusMonitor monitor;
    monitor.Start(table);
    monitor.Poll(table);
    return monitor;
}

struct CellCase {
    Language language;
    std::uint8_t watched;
    std::uint8_t status;
    int row;
    std::string statusText;
    bool red;
};

class CellsOfRowTest : public testing::TestWithParam<CellCase> {};

TEST_P(CellsOfRowTest, ChoosesTheStatusText) {
    const CellCase& c = GetParam();
    RowCells cells = CellsOfRow(c.row, MonitorWith(c.watched, c.status), TextsFor(c.language));
    EXPECT_EQ(cells.status, c.statusText);
    EXPECT_EQ(cells.drawRed, c.red);
}

const std::string kAbnormalJapanese = "\x95s\x90\xB3\x8F\xED";

INSTANTIATE_TEST_SUITE_P(
    Cells, CellsOfRowTest,
    testing::Values(CellCase{Language::English, 0x3F, 0x3E, 0, "Normal", false},
                    CellCase{Language::English, 0x3F, 0x3F, 0, "Abnormal", true},
                    CellCase{Language::English, 0x3F, 0x3C, 1, "Abnormal", true},
                    CellCase{Language::English, 0x01, 0x00, 1, "N/A", false},
                    CellCase{Language::English, 0x00, 0x3F, 0, "N/A", false},
                    CellCase{Language::Japanese, 0x3F, 0x1E, 5, kAbnormalJapanese, true},
                    CellCase{Language::Japanese, 0x3F, 0x3E, 5, "\x90\xB3\x8F\xED", false},
                    CellCase{Language::Japanese, 0x1F, 0x1E, 5, "N/A", false}));

TEST(CellsOfRowTest, RowsUseTheirThreeControlsAndTexts) {
    StatusMonitor monitor = MonitorWith(0x3F, 0x3E);
    const LanguageTexts& english = TextsFor(Language::English);
    for (int row = 0; row < kRowCount; ++row) {
        RowCells cells = CellsOfRow(row, monitor, english);
        EXPECT_EQ(cells.nameControl, IDC_FIRST_ROW_NAME + 3 * row);
        EXPECT_EQ(cells.statusControl, 1001 + 3 * row);
        EXPECT_EQ(cells.warningControl, 1002 + 3 * row);
    }
    EXPECT_STREQ(CellsOfRow(2, monitor, english).name, "3.3V");
    EXPECT_STREQ(CellsOfRow(2, monitor, english).warning, "Out of  3.07V- 3.53V");
    EXPECT_STREQ(CellsOfRow(5, monitor, english).name, "Fan");
}

TEST(LanguageTest, JapaneseIsThePrimaryLanguage0x11) {
    EXPECT_EQ(LanguageFromLangId(0x0411), Language::Japanese);
    EXPECT_EQ(LanguageFromLangId(0x0011), Language::Japanese);
    EXPECT_EQ(LanguageFromLangId(0x0409), Language::English);
    EXPECT_EQ(LanguageFromLangId(0x0412), Language::English);  // Korean
    EXPECT_EQ(LanguageFromLangId(0x0811), Language::Japanese);  // any sublanguage
}

TEST(LanguageTest, JapaneseTextsAreTheCodePage932Bytes) {
    const LanguageTexts& japanese = TextsFor(Language::Japanese);
    std::string title = japanese.statusTitle;
    EXPECT_EQ(title.size(), 19u);
    EXPECT_EQ(title.back(), ' ') << "the title ends in one blank";
    EXPECT_EQ(std::string(japanese.warnings[0]).substr(6, 4), "\x82T\x82T") << "full-width 55";
    EXPECT_NE(std::string(japanese.warnings[5]).find('\xA4'), std::string::npos) << "half-width comma";
    EXPECT_EQ(japanese.redTextLeft, 3);
    EXPECT_EQ(TextsFor(Language::English).redTextLeft, 5);
    EXPECT_STREQ(japanese.menuName, "JPN_TRAY_MENU");
    EXPECT_STREQ(TextsFor(Language::English).dialogName, "IDD_DIALOG_USA");
}

}  // namespace
}  // namespace ravlo
