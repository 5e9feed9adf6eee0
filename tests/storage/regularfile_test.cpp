#include "storage/regularfile.h"

#include "testfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

TEST(RegularFile, OpensARegularFile)
{
    TestFolder folder;
    writeBytes(folder.file("a.txt"), "abc");
    const int fd = openRegularFile(folder.file("a.txt").string());
    ASSERT_GE(fd, 0);
    ::close(fd);
}

TEST(RegularFile, RefusesEverythingElseWithoutWaiting)
{
    TestFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.file("folder"));
    for (const std::string &path :
         {folder.file("fifo").string(), folder.file("folder").string(), std::string("/dev/null"),
          folder.file("missing").string(), std::string("a\0b", 3)})
        EXPECT_EQ(openRegularFile(path), -1) << path;
}

TEST(RegularFile, ReadsUpToTheSizeAskedAndSaysHowMuchItGot)
{
    TestFolder folder;
    writeBytes(folder.file("a.bin"), "0123456789");
    std::array<std::uint8_t, 4> head{};
    EXPECT_EQ(readRegularFile(folder.file("a.bin").string(), head), 4u);
    EXPECT_EQ(head, (std::array<std::uint8_t, 4>{'0', '1', '2', '3'}));
    std::array<std::uint8_t, 40> all{};
    EXPECT_EQ(readRegularFile(folder.file("a.bin").string(), all), 10u);
}

TEST(RegularFile, ReadingAFifoGivesNothing)
{
    TestFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    std::array<std::uint8_t, 4> bytes{};
    EXPECT_FALSE(readRegularFile(folder.file("fifo").string(), bytes).has_value());
}
