#include "storage/parameterfile.h"
#include "storage/paramrecord.h"

#include "platform/fakes/fakeplatform.h"
#include "testfolder.h"
#include "writefailure.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace {

std::string bytesText(const std::array<std::uint8_t, paramRecordSize> &bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::span<const std::uint8_t, paramRecordSize> recordBytes(const std::string &text)
{
    return std::span<const std::uint8_t, paramRecordSize>(
        reinterpret_cast<const std::uint8_t *>(text.data()), paramRecordSize);
}

// Every field away from its default, negative values and reserved bytes included.
TParamRecord sampleRecord()
{
    TParamRecord r;
    r.reserved1 = 0x01020304;
    r.language = 2;
    r.offsetHorizontal = -12;
    r.offsetVertical = 7;
    r.displayLayout = 6;
    r.randomMax = 55;
    r.printBulletinIndex = -2;
    for (std::size_t i = 0; i < r.reserved2.size(); ++i)
        r.reserved2[i] = static_cast<std::uint8_t>(0xA0 + i);
    return r;
}

const std::string sampleBytes =
    std::string("\x04\x03\x02\x01"
                "\x02\x00\x00\x00"
                "\xF4\xFF\xFF\xFF"
                "\x07\x00\x00\x00"
                "\x06\x00\x00\x00"
                "\x37\x00\x00\x00"
                "\xFE\xFF"
                "\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\xAD",
                40);

const std::string defaultBytes = std::string("\x00\x00\x00\x00"
                                             "\x01\x00\x00\x00"
                                             "\x00\x00\x00\x00"
                                             "\x00\x00\x00\x00"
                                             "\x02\x00\x00\x00"
                                             "\x31\x00\x00\x00",
                                             24) +
                                 std::string(16, '\0');

TParamRecord defaults()
{
    TParamRecord r;
    r.language = 1;
    r.displayLayout = 2;
    r.randomMax = 49;
    return r;
}

}  // namespace

TEST(ParamRecord, EncodesEveryFieldLittleEndianAtItsOffset)
{
    EXPECT_EQ(bytesText(encodeParamRecord(sampleRecord())), sampleBytes);
}

TEST(ParamRecord, DecodesTheSameBytesBack)
{
    EXPECT_EQ(decodeParamRecord(recordBytes(sampleBytes)), sampleRecord());
}

TEST(ParamRecord, FileNameSitsInTheProgramFolder)
{
    EXPECT_EQ(parameterFilePath("/opt/mirazol/"), "/opt/mirazol/QUILVE.PAR");
}

TEST(ParameterFile, MissingFileGivesFalseAndTheDefaults)
{
    TestFolder folder;
    TParamRecord record;
    EXPECT_FALSE(pchargeparametres(record, folder.programFolder()));
    EXPECT_EQ(record, defaults());
    EXPECT_FALSE(std::filesystem::exists(folder.file("QUILVE.PAR")));
}

TEST(ParameterFile, FirstRunSavesTheDefaultRecord)
{
    TestFolder folder;
    TParamRecord record;
    pchargeparametres(record, folder.programFolder());
    EXPECT_TRUE(psauveparametres(record, folder.programFolder()));
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), defaultBytes);
}

TEST(ParameterFile, ReadsAWholeRecord)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), sampleBytes);
    TParamRecord record;
    EXPECT_TRUE(pchargeparametres(record, folder.programFolder()));
    EXPECT_EQ(record, sampleRecord());
}

TEST(ParameterFile, ShortFileIsDeletedAndTheDefaultsApplyToTheFieldsOnly)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), sampleBytes.substr(0, 39));
    TParamRecord record;
    record.reserved1 = 77;
    record.reserved2[13] = 5;
    record.randomMax = 40;
    EXPECT_TRUE(pchargeparametres(record, folder.programFolder()));
    EXPECT_FALSE(std::filesystem::exists(folder.file("QUILVE.PAR")));
    TParamRecord expected = defaults();
    expected.reserved1 = 77;
    expected.reserved2[13] = 5;
    EXPECT_EQ(record, expected);
}

TEST(ParameterFile, ShortFileIsWrittenAgainWithTheDefaults)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), std::string(39, '\x55'));
    TParamRecord record;
    pchargeparametres(record, folder.programFolder());
    psauveparametres(record, folder.programFolder());
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), defaultBytes);
}

TEST(ParameterFile, LanguageZeroReadsAsFrench)
{
    TestFolder folder;
    std::string bytes = sampleBytes;
    bytes[4] = '\0';
    writeBytes(folder.file("QUILVE.PAR"), bytes);
    TParamRecord record;
    pchargeparametres(record, folder.programFolder());
    TParamRecord expected = sampleRecord();
    expected.language = 1;
    EXPECT_EQ(record, expected);
}

TEST(ParameterFile, LanguageOutsideTheSevenReadsAsFrench)
{
    for (const std::int32_t language : {8, 9, -1, INT32_MIN, INT32_MAX}) {
        TestFolder folder;
        TParamRecord record;
        record.language = language;
        writeBytes(folder.file("QUILVE.PAR"), bytesText(encodeParamRecord(record)));
        TParamRecord read;
        EXPECT_TRUE(pchargeparametres(read, folder.programFolder()));
        EXPECT_EQ(read.language, 1) << language;
    }
}

TEST(ParameterFile, LanguagesOneToSevenAreKept)
{
    for (std::int32_t language = 1; language <= 7; ++language) {
        TestFolder folder;
        TParamRecord record;
        record.language = language;
        writeBytes(folder.file("QUILVE.PAR"), bytesText(encodeParamRecord(record)));
        TParamRecord read;
        pchargeparametres(read, folder.programFolder());
        EXPECT_EQ(read.language, language);
    }
}

TEST(ParameterFile, FifoInItsPlaceGivesTheDefaultsWithoutWaitingAndStays)
{
    TestFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("QUILVE.PAR").c_str(), 0600), 0);
    TParamRecord record;
    record.randomMax = 12;
    EXPECT_TRUE(pchargeparametres(record, folder.programFolder()));
    EXPECT_EQ(record.randomMax, 49);
    EXPECT_EQ(record.language, 1);
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("QUILVE.PAR")));
    EXPECT_FALSE(psauveparametres(record, folder.programFolder()));
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("QUILVE.PAR")));
}

TEST(ParameterFile, ReservedBytesSurviveALoadAndSave)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), sampleBytes);
    TParamRecord record;
    pchargeparametres(record, folder.programFolder());
    std::filesystem::remove(folder.file("QUILVE.PAR"));
    EXPECT_TRUE(psauveparametres(record, folder.programFolder()));
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), sampleBytes);
}

TEST(ParameterFile, BytesAfterTheRecordAreIgnoredAndKept)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), sampleBytes + "tail");
    TParamRecord record;
    EXPECT_TRUE(pchargeparametres(record, folder.programFolder()));
    EXPECT_EQ(record, sampleRecord());
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), sampleBytes + "tail");
}

TEST(ParameterFile, SavingReplacesALongerFileByExactlyOneRecord)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), sampleBytes + "tail");
    EXPECT_TRUE(psauveparametres(defaults(), folder.programFolder()));
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), defaultBytes);
}

TEST(ParameterFile, FailedSaveKeepsThePreviousFile)
{
    TestFolder folder;
    writeBytes(folder.file("QUILVE.PAR"), sampleBytes);
    FileWriteResult result;
    {
        FileSizeLimit limit(10);
        result = psauveparametres(defaults(), folder.programFolder());
    }
    EXPECT_EQ(result.error, FileWriteError::Write);
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), sampleBytes);
}

TEST(ParameterFile, ProgramFolderThatIsAFileFailsToSave)
{
    TestFolder folder;
    writeBytes(folder.file("program"), "x");
    const FileWriteResult result =
        psauveparametres(defaults(), folder.file("program").string() + "/");
    EXPECT_EQ(result.error, FileWriteError::CreateTemporary);
    EXPECT_FALSE(result.message.empty());
}

TEST(ParameterFile, SaveFailureBoxIsTheFixedOneAfterABeep)
{
    FakeMessageBoxes boxes;
    showParameterSaveFailure(boxes);
    EXPECT_EQ(boxes.beeps, 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Fichier non sauvegardé !!");
    EXPECT_EQ(boxes.boxes[0].body, "Il y a eu un problème");
    EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
}
