// kalvor's resources as the program file carries them: the main dialog's
// controls at their places in tab order, the small dialogs' captions and
// fonts, and the pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr char kProgram[] = "C:\\kalvor\\KALVOR.EXE";

struct Item {
    int id;  // -1: a picture without id
    int x, y, width, height;
    bool hidden;
};

// The main dialog's controls in template order, which is the tab order.
const Item kMainDialogItems[] = {
    {1080, 257, 129, 70, 13, false},
    {1, 257, 110, 70, 14, false},
    {1007, 257, 91, 70, 14, false},
    {1073, 257, 71, 70, 15, false},
    {1002, 257, 52, 70, 14, false},
    {1049, 235, 161, 68, 8, false},
    {1050, 235, 174, 69, 8, false},
    {1051, 235, 188, 69, 8, false},
    {1052, 235, 201, 69, 8, false},
    {1053, 235, 215, 69, 8, false},
    {1054, 235, 228, 77, 8, false},
    {1055, 235, 241, 86, 8, false},
    {1043, 77, 238, 35, 12, false},
    {1042, 77, 223, 35, 12, false},
    {1037, 74, 178, 27, 12, false},
    {1041, 117, 178, 27, 12, false},
    {1036, 74, 164, 27, 12, false},
    {1040, 117, 164, 27, 12, false},
    {1035, 74, 150, 27, 12, false},
    {1039, 117, 148, 27, 12, false},
    {1034, 74, 134, 27, 12, false},
    {1038, 117, 134, 27, 12, false},
    {1033, 110, 73, 38, 12, false},
    {1032, 110, 60, 38, 12, false},
    {1136, 68, 26, 93, 36, false},
    {1011, 257, 33, 70, 14, false},
    {1004, 7, 44, 214, 58, false},
    {1005, 7, 111, 214, 84, false},
    {1006, 7, 203, 214, 53, false},
    {1003, 7, 7, 59, 8, false},
    {1008, 13, 87, 63, 8, false},
    {1012, 13, 62, 94, 8, false},
    {1013, 13, 75, 93, 8, false},
    {1014, 71, 121, 41, 8, false},
    {1015, 13, 135, 46, 8, false},
    {1016, 13, 166, 46, 8, false},
    {1017, 13, 180, 49, 8, false},
    {1018, 156, 121, 53, 8, false},
    {1019, 116, 121, 38, 8, false},
    {1020, 13, 151, 45, 8, false},
    {1025, 13, 226, 45, 10, false},
    {1024, 7, 27, 54, 8, false},
    {1026, 77, 212, 38, 10, false},
    {1027, 13, 240, 45, 10, false},
    {1028, 139, 212, 55, 10, false},
    {1030, 72, 7, 105, 12, false},
    {1044, 111, 86, 37, 12, false},
    {1046, 166, 178, 30, 12, false},
    {1047, 145, 224, 34, 12, false},
    {1056, 145, 238, 34, 12, false},
    {1059, 234, 120, 93, 8, true},
    {1048, 229, 146, 98, 111, false},
    {1067, 111, 98, 37, 12, true},
    {1068, 13, 100, 94, 8, true},
    {1069, 166, 164, 30, 12, false},
    {1070, 166, 148, 30, 12, false},
    {1071, 166, 134, 30, 12, false},
    {1074, 159, 60, 49, 10, false},
    {1075, 159, 73, 53, 10, false},
    {-1, 218, 7, 109, 23, false},
    {-1, 61, 41, 16, 17, false},
    {-1, 59, 107, 16, 17, false},
    {-1, 57, 199, 14, 15, false},
    {1079, 221, 56, 30, 15, true},
};

// A dialog template as the resource compiler lays it out.
struct Template {
    DWORD style = 0;
    int width = 0, height = 0;
    std::string title;
    int pointSize = 0;
    std::string font;
    std::vector<Item> items;
};

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : at_(reinterpret_cast<const WORD*>(data)) {}

    Template Read() {
        Template t;
        t.style = Dword();
        Dword();  // extended style
        int count = *at_++;
        at_ += 2;  // x, y
        t.width = static_cast<short>(*at_++);
        t.height = static_cast<short>(*at_++);
        SkipNameOrOrdinal();  // menu
        SkipNameOrOrdinal();  // class
        t.title = String();
        if (t.style & DS_SETFONT) {
            t.pointSize = *at_++;
            t.font = String();
        }
        for (int i = 0; i < count; ++i) t.items.push_back(ReadItem());
        return t;
    }

private:
    Item ReadItem() {
        AlignToDword();
        DWORD style = Dword();
        Dword();  // extended style
        Item item{};
        item.x = static_cast<short>(*at_++);
        item.y = static_cast<short>(*at_++);
        item.width = static_cast<short>(*at_++);
        item.height = static_cast<short>(*at_++);
        item.id = static_cast<short>(*at_++);
        item.hidden = (style & WS_VISIBLE) == 0;
        SkipNameOrOrdinal();  // class
        SkipNameOrOrdinal();  // text
        WORD extra = *at_++;
        at_ = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at_) + extra);
        return item;
    }

    DWORD Dword() {
        DWORD value = at_[0] | (static_cast<DWORD>(at_[1]) << 16);
        at_ += 2;
        return value;
    }

    void SkipNameOrOrdinal() {
        if (*at_ == 0xFFFF) {
            at_ += 2;
            return;
        }
        String();
    }

    std::string String() {
        std::string text;
        while (*at_ != 0) text += static_cast<char>(*at_++);
        ++at_;
        return text;
    }

    void AlignToDword() {
        auto address = reinterpret_cast<UINT_PTR>(at_);
        at_ = reinterpret_cast<const WORD*>((address + 3) & ~static_cast<UINT_PTR>(3));
    }

    const WORD* at_;
};

class KalvorResourcesTest : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(kProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    Template Dialog(int id) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
        if (found == nullptr) return {};
        return TemplateReader(static_cast<const BYTE*>(LockResource(LoadResource(module_, found)))).Read();
    }

    HMODULE module_ = nullptr;
};

TEST_F(KalvorResourcesTest, TheMainDialogHasEveryControlInPlaceAndInTabOrder) {
    Template main = Dialog(132);
    EXPECT_EQ(main.title, "Ostrel System Health Monitor R2.20");
    EXPECT_EQ(main.width, 334);
    EXPECT_EQ(main.height, 263);
    EXPECT_EQ(main.pointSize, 8);
    EXPECT_EQ(main.font, "MS Sans Serif");
    for (DWORD style : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_VISIBLE})
        EXPECT_EQ(main.style & style, style) << std::hex << style;
    ASSERT_EQ(main.items.size(), std::size(kMainDialogItems));
    for (std::size_t i = 0; i < main.items.size(); ++i) {
        const Item& got = main.items[i];
        const Item& want = kMainDialogItems[i];
        EXPECT_EQ(got.id, want.id) << "item " << i;
        EXPECT_EQ(got.x, want.x) << want.id;
        EXPECT_EQ(got.y, want.y) << want.id;
        EXPECT_EQ(got.width, want.width) << want.id;
        EXPECT_EQ(got.height, want.height) << want.id;
        EXPECT_EQ(got.hidden, want.hidden) << want.id;
    }
}

TEST_F(KalvorResourcesTest, TheSmallDialogsHaveTheirCaptionsAndFonts) {
    struct Case {
        int id;
        const char* title;
        int pointSize;
        const char* font;
    };
    const Case cases[] = {
        {137, "Kalvor warning messages", 10, "Times New Roman"},
        {141, "Ostrel System Monitor", 10, "System"},
        {142, "Driver Error", 10, "System"},
        {145, "System Monitor in using", 10, "System"},
    };
    for (const Case& c : cases) {
        Template t = Dialog(c.id);
        EXPECT_EQ(t.title, c.title) << c.id;
        EXPECT_EQ(t.pointSize, c.pointSize) << c.id;
        EXPECT_EQ(t.font, c.font) << c.id;
        EXPECT_EQ(t.style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU)) << c.id;
    }
    std::vector<int> lines;
    for (const Item& item : Dialog(137).items)
        if (item.id >= 1060 && item.id <= 1066) lines.push_back(item.id);
    EXPECT_EQ(lines, (std::vector<int>{1060, 1061, 1062, 1063, 1064, 1066, 1065})) << "the lines from the top";
}

TEST_F(KalvorResourcesTest, CarriesItsIconsAndPictures) {
    for (int icon : {128, 158, 159})
        EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(icon), MAKEINTRESOURCEA(14)), nullptr) << icon;  // RT_GROUP_ICON
    for (int bitmap : {147, 149, 150, 151})
        EXPECT_NE(FindResourceA(module_, MAKEINTRESOURCEA(bitmap), MAKEINTRESOURCEA(2)), nullptr) << bitmap;  // RT_BITMAP
}

}  // namespace
}  // namespace e2e
