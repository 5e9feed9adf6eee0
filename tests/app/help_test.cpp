#include "app/help.h"

#include "platform/fakes/fakeplatform.h"

#include <gtest/gtest.h>

TEST(Help, OpensTheHelpFileOfTheProgramFolder)
{
    FakeShell shell;
    popenaide(shell, "/opt/mirazol/");
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"/opt/mirazol/mirazol.chm"}));
}
