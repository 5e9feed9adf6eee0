#include "storage/safefile.h"

#include "testfolder.h"
#include "writefailure.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

std::span<const std::uint8_t> bytesOf(const std::string &text)
{
    return {reinterpret_cast<const std::uint8_t *>(text.data()), text.size()};
}

std::size_t entries(const std::filesystem::path &folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

}  // namespace

TEST(SafeFile, WritesExactlyTheBytesAndLeavesNoTemporaryFile)
{
    TestFolder folder;
    const std::string content("ab\0cd\r\n", 7);
    const FileWriteResult result = writeFileAtomically(folder.file("out.bin"), bytesOf(content));
    EXPECT_TRUE(result);
    EXPECT_EQ(readBytes(folder.file("out.bin")), content);
    EXPECT_EQ(entries(folder.path()), 1u);
}

TEST(SafeFile, ReplacesALongerFileWholly)
{
    TestFolder folder;
    writeBytes(folder.file("out.bin"), "a much longer previous content");
    EXPECT_TRUE(writeFileAtomically(folder.file("out.bin"), bytesOf("new")));
    EXPECT_EQ(readBytes(folder.file("out.bin")), "new");
}

TEST(SafeFile, FailedWriteKeepsThePreviousFileAndRemovesTheTemporary)
{
    TestFolder folder;
    writeBytes(folder.file("out.bin"), "previous");
    FileWriteResult result;
    {
        FileSizeLimit limit(16);
        result = writeFileAtomically(folder.file("out.bin"), bytesOf(std::string(40, 'x')));
    }
    EXPECT_EQ(result.error, FileWriteError::Write);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("File too large"), std::string::npos) << result.message;
    EXPECT_EQ(readBytes(folder.file("out.bin")), "previous");
    EXPECT_EQ(entries(folder.path()), 1u);
}

TEST(SafeFile, FolderThatIsAFileFailsWithoutCreatingAnything)
{
    TestFolder folder;
    writeBytes(folder.file("plain"), "not a folder");
    const FileWriteResult result =
        writeFileAtomically(folder.file("plain") / "out.bin", bytesOf("data"));
    EXPECT_EQ(result.error, FileWriteError::CreateTemporary);
    EXPECT_EQ(readBytes(folder.file("plain")), "not a folder");
    EXPECT_EQ(entries(folder.path()), 1u);
}

TEST(SafeFile, DirectoryStandingAtTheTargetIsKeptAndTheTemporaryRemoved)
{
    TestFolder folder;
    std::filesystem::create_directory(folder.file("out.bin"));
    writeBytes(folder.file("out.bin") / "inside", "kept");
    const FileWriteResult result = writeFileAtomically(folder.file("out.bin"), bytesOf("data"));
    EXPECT_EQ(result.error, FileWriteError::Replace);
    EXPECT_EQ(readBytes(folder.file("out.bin") / "inside"), "kept");
    EXPECT_EQ(entries(folder.path()), 1u);
}
