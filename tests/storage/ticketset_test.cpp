#include "storage/ticketset.h"

#include "engine/selection.h"
#include "selectionhelpers.h"
#include "testfolder.h"
#include "writefailure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string bytesText(const std::array<std::uint8_t, ticketSetRecordSize> &bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::string le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// Header, method position and the given leading slots; the other slots 0.
std::string fileBytes(std::int32_t methodIndex, const std::vector<std::int32_t> &slots)
{
    std::string bytes = "\x03GRI" + le32(static_cast<std::uint32_t>(methodIndex));
    for (std::int32_t n : slots)
        bytes += le32(static_cast<std::uint32_t>(n));
    bytes.resize(ticketSetRecordSize, '\0');
    return bytes;
}

TTicketSetRecord record(std::int32_t methodIndex, const std::vector<std::int32_t> &slots)
{
    TTicketSetRecord r;
    r.methodIndex = methodIndex;
    for (std::size_t i = 0; i < slots.size(); ++i)
        r.numbers[i] = slots[i];
    return r;
}

}  // namespace

TEST(TicketSetRecord, EncodesHeaderMethodAndSlots)
{
    EXPECT_EQ(bytesText(encodeTicketSet(record(2, {7, 3, 12}))), fileBytes(2, {7, 3, 12}));
    EXPECT_EQ(bytesText(encodeTicketSet(record(2, {7, 3, 12}))).substr(0, 16),
              std::string("\x03GRI\x02\x00\x00\x00\x07\x00\x00\x00\x03\x00\x00\x00", 16));
}

TEST(TicketSetRecord, NoMethodIsStoredAsMinusOne)
{
    EXPECT_EQ(bytesText(encodeTicketSet(record(-1, {}))).substr(4, 4), "\xFF\xFF\xFF\xFF");
}

TEST(TicketSetRecord, LastSlotSitsAtTheEnd)
{
    TTicketSetRecord r = record(0, {});
    r.numbers[49] = 0x01020304;
    EXPECT_EQ(bytesText(encodeTicketSet(r)).substr(204), "\x04\x03\x02\x01");
}

TEST(TicketSetRecord, DecodesTheSameBytesBack)
{
    const std::string bytes = fileBytes(5, {49, -1, 0x10007});
    const auto decoded = decodeTicketSet(std::span<const std::uint8_t, ticketSetRecordSize>(
        reinterpret_cast<const std::uint8_t *>(bytes.data()), ticketSetRecordSize));
    EXPECT_EQ(decoded, record(5, {49, -1, 0x10007}));
}

TEST(TicketSetFile, SavedFileLoadsBackUnchanged)
{
    TestFolder folder;
    const TTicketSetRecord saved = record(3, {44, 1, 99, 17});
    ASSERT_TRUE(saveTicketSet(folder.file("set.mzl"), saved));
    EXPECT_EQ(readBytes(folder.file("set.mzl")), fileBytes(3, {44, 1, 99, 17}));
    const TicketSetLoad loaded = loadTicketSet(folder.file("set.mzl"));
    EXPECT_EQ(loaded.status, TicketSetStatus::Ok);
    EXPECT_EQ(loaded.record, saved);
}

TEST(TicketSetFile, FailedSaveKeepsTheOldFile)
{
    TestFolder folder;
    writeBytes(folder.file("set.mzl"), fileBytes(1, {5, 6}));
    FileWriteResult result;
    {
        FileSizeLimit limit(100);
        result = saveTicketSet(folder.file("set.mzl"), record(2, {9}));
    }
    EXPECT_EQ(result.error, FileWriteError::Write);
    EXPECT_EQ(readBytes(folder.file("set.mzl")), fileBytes(1, {5, 6}));
}

struct LoadCase {
    const char *name;
    std::string bytes;  // no file at all when empty
    TicketSetStatus status;
};

class TicketSetLoading : public testing::TestWithParam<LoadCase> {};

TEST_P(TicketSetLoading, ReportsTheFileState)
{
    TestFolder folder;
    if (!GetParam().bytes.empty())
        writeBytes(folder.file("set.mzl"), GetParam().bytes);
    EXPECT_EQ(loadTicketSet(folder.file("set.mzl")).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TicketSetLoading,
    testing::Values(LoadCase{"Missing", "", TicketSetStatus::Missing},
                    LoadCase{"OneByteShort", fileBytes(0, {1}).substr(0, 207),
                             TicketSetStatus::Unreadable},
                    LoadCase{"WrongLengthByte", "\x04" + fileBytes(0, {1}).substr(1),
                             TicketSetStatus::WrongHeader},
                    LoadCase{"WrongLetter", "\x03GRA" + fileBytes(0, {1}).substr(4),
                             TicketSetStatus::WrongHeader},
                    LoadCase{"ZerosAfterHeader", fileBytes(0, {}), TicketSetStatus::Ok}),
    [](const testing::TestParamInfo<LoadCase> &info) { return info.param.name; });

TEST(TicketSetFile, DirectoryAtThePathIsUnreadable)
{
    TestFolder folder;
    std::filesystem::create_directory(folder.file("set.mzl"));
    EXPECT_EQ(loadTicketSet(folder.file("set.mzl")).status, TicketSetStatus::Unreadable);
}

TEST(TicketSetFile, TrailingBytesAreIgnored)
{
    TestFolder folder;
    writeBytes(folder.file("set.mzl"), fileBytes(4, {8, 9}) + "more");
    EXPECT_EQ(loadTicketSet(folder.file("set.mzl")).record, record(4, {8, 9}));
}

TEST(TicketSetSelection, RecordTakesSlotsOneToFiftyOnly)
{
    Selection s;
    for (int n = 60; n >= 1; --n)
        basculecoche(s, n);
    const TTicketSetRecord r = ticketSetFromSelection(s, 6);
    EXPECT_EQ(r.methodIndex, 6);
    EXPECT_EQ(r.numbers[0], 60);
    EXPECT_EQ(r.numbers[49], 11);
}

TEST(TicketSetSelection, ApplyingKeepsTheSlotOrderAndTicksTheNumbers)
{
    Selection s;
    applyTicketSetNumbers(record(0, {7, 3, 12}), s);
    EXPECT_EQ(std::vector<int>(s.tabnumsel.begin() + 1, s.tabnumsel.begin() + 5),
              (std::vector<int>{7, 3, 12, 0}));
    EXPECT_EQ(tickedNumbers(s), (std::vector<int>{3, 7, 12}));
}

TEST(TicketSetSelection, ApplyingReplacesTheWholeFormerSelection)
{
    Selection s;
    for (int n = 1; n <= 60; ++n)
        basculecoche(s, n);
    applyTicketSetNumbers(record(0, {20}), s);
    EXPECT_EQ(tickedNumbers(s), (std::vector<int>{20}));
    EXPECT_EQ(s.tabnumsel[2], 0);
    EXPECT_EQ(s.tabnumsel[55], 0);
}

TEST(TicketSetSelection, SlotsKeepTheLowSixteenBitsWithTheirSign)
{
    Selection s;
    applyTicketSetNumbers(record(0, {0x10007, 0xFFFF, 100, 0x2FFFE, 99}), s);
    EXPECT_EQ(std::vector<int>(s.tabnumsel.begin() + 1, s.tabnumsel.begin() + 6),
              (std::vector<int>{7, -1, 100, -2, 99}));
    EXPECT_EQ(tickedNumbers(s), (std::vector<int>{7, 99}));
}
