#include "platform/dialogstart.h"

#include <gtest/gtest.h>

namespace {

struct StartCase {
    const char *name;
    const char *initialName;
    const char *lastPath;
    const char *folder;
    const char *fileName;
};

class DialogStartTest : public testing::TestWithParam<StartCase> {};

TEST_P(DialogStartTest, OpensWhereThePlayerLastWasUnlessANameIsGiven)
{
    const StartCase &c = GetParam();
    FileDialogOptions options;
    options.initialName = c.initialName;
    const DialogStart start = dialogStart(options, c.lastPath);
    EXPECT_EQ(start.folder, c.folder);
    EXPECT_EQ(start.fileName, c.fileName);
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogStartTest,
                         testing::Values(StartCase{"FirstUse", "", "", "", ""},
                                         StartCase{"LastFolderAndName", "", "/home/p/jeux/loto.mzl",
                                                   "/home/p/jeux", "loto.mzl"},
                                         StartCase{"PatternKeepsTheFolderOnly", "*.mzl",
                                                   "/home/p/jeux/loto.mzl", "/home/p/jeux", ""},
                                         StartCase{"PatternOnFirstUse", "*.mzl", "", "", ""},
                                         StartCase{"GivenNameWins", "mirazol.txt",
                                                   "/home/p/jeux/loto.mzl", "", "mirazol.txt"}),
                         [](const testing::TestParamInfo<StartCase> &info) {
                             return info.param.name;
                         });

}  // namespace
