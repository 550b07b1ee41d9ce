#include "setup/directory_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace setup {
namespace {

// Behaves like GetWindowsDirectoryA for a directory named `name`: fills
// the room and returns the length when it fits, else the size it needs.
DirectoryCall SystemCall(std::string name, std::vector<std::size_t>* sizes = nullptr) {
    return [name, sizes](char* room, std::size_t size) -> std::size_t {
        if (sizes) sizes->push_back(size);
        if (name.size() + 1 > size) return name.size() + 1;
        std::memcpy(room, name.c_str(), name.size() + 1);
        return name.size();
    };
}

TEST(ReadDirectoryTest, ShortNamesNeedOneCallIntoTheRoom) {
    std::vector<std::size_t> sizes;
    EXPECT_EQ(ReadDirectory(SystemCall("C:\\WINDOWS", &sizes), 29), "C:\\WINDOWS");
    EXPECT_EQ(sizes, (std::vector<std::size_t>{29}));
}

TEST(ReadDirectoryTest, NamesAtAndPastTheRoomAreTakenWhole) {
    for (std::size_t length : {28u, 29u, 30u, 200u, 4000u}) {
        std::string name = "C:\\" + std::string(length - 3, 'd');
        EXPECT_EQ(ReadDirectory(SystemCall(name), 29), name) << length;
    }
}

TEST(ReadDirectoryTest, FailedCallGivesAnEmptyName) {
    EXPECT_EQ(ReadDirectory([](char*, std::size_t) -> std::size_t { return 0; }, 29), "");
}

TEST(ReadDirectoryTest, NameThatKeepsGrowingGivesUp) {
    std::size_t calls = 0;
    auto growing = [&calls](char*, std::size_t size) -> std::size_t {
        ++calls;
        return size + 10;
    };
    EXPECT_EQ(ReadDirectory(growing, 29), "");
    EXPECT_LE(calls, 4u);
}

}  // namespace
}  // namespace setup
