#include "app/ticketsetcommands.h"

#include "fakedesktop.h"
#include "selectionhelpers.h"
#include "storage/ticketset.h"
#include "testfolder.h"
#include "writefailure.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace {

// The main window's side of a load: what it was asked to show.
struct RecordingView {
    std::vector<int> methodSelections;
    int cellRedraws = 0;
    int countRedraws = 0;
    int ticksAtFirstRedraw = -1;  // ticked count when the cells were first redrawn
    const AppState *state = nullptr;

    TicketSetView view()
    {
        return {[this](int index) { methodSelections.push_back(index); },
                [this] {
                    if (cellRedraws++ == 0)
                        ticksAtFirstRedraw = pcomptecoche(state->selection);
                },
                [this] { ++countRedraws; }};
    }
};

class TicketSetCommands : public testing::Test {
protected:
    TestFolder folder;
    FakeDesktop desktop;
    AppState state = frenchSession();
    RecordingView recorder;

    void SetUp() override { recorder.state = &state; }

    std::string path() const { return folder.file("jeu.mzl").string(); }

    void tick(const std::vector<int> &numbers)
    {
        for (int n : numbers)
            basculecoche(state.selection, n);
    }

    void save()
    {
        desktop.files.answers.push_back(path());
        EnregistrerBulletin1Click(state, desktop.platform);
    }

    void load()
    {
        desktop.files.answers.push_back(path());
        Chargerbulletin1Click(state, desktop.platform, recorder.view());
    }
};

}  // namespace

TEST_F(TicketSetCommands, SaveDialogAsksForAnMzlFile)
{
    EnregistrerBulletin1Click(state, desktop.platform);
    ASSERT_EQ(desktop.files.saved.size(), 1u);
    const FileDialogOptions &options = desktop.files.saved[0];
    EXPECT_EQ(options.title, "Indiquer le nom du fichier à enregistrer");
    EXPECT_EQ(options.filter, "Mirazol (*.mzl)|*.mzl");
    EXPECT_EQ(options.defaultExtension, "mzl");
    EXPECT_EQ(options.initialName, "");
    EXPECT_TRUE(options.hideReadOnly);
    EXPECT_TRUE(options.pathMustExist);
    EXPECT_FALSE(options.fileMustExist);
}

TEST_F(TicketSetCommands, CancelledSaveWritesNothing)
{
    tick({1, 2});
    EnregistrerBulletin1Click(state, desktop.platform);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(TicketSetCommands, SaveStoresMethodPositionAndNumbersInTickingOrder)
{
    state.methodListIndex = 2;
    tick({7, 3, 12});
    save();
    const TicketSetLoad saved = loadTicketSet(path());
    EXPECT_EQ(saved.record.methodIndex, 2);
    EXPECT_EQ(std::vector<int>(saved.record.numbers.begin(), saved.record.numbers.begin() + 4),
              (std::vector<int>{7, 3, 12, 0}));
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(TicketSetCommands, SavedSetLoadsBackAfterTheSelectionChanged)
{
    state.methodListIndex = 2;
    tick({7, 3, 12});
    save();
    state.methodListIndex = 5;
    pdecochetout(state.selection);
    tick({40, 41});

    load();
    EXPECT_EQ(state.methodListIndex, 2);
    EXPECT_EQ(recorder.methodSelections, (std::vector<int>{2}));
    EXPECT_EQ(positionSlots(state.selection, 4), (std::vector<int>{7, 3, 12, 0}));
    EXPECT_EQ(tickedNumbers(state.selection), (std::vector<int>{3, 7, 12}));
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(TicketSetCommands, LoadRedrawsTheClearedGridFirstThenTheLoadedOne)
{
    tick({40, 41});
    save();
    load();
    EXPECT_EQ(recorder.ticksAtFirstRedraw, 0);
    EXPECT_EQ(recorder.cellRedraws, 2);
    EXPECT_EQ(recorder.countRedraws, 2);
}

TEST_F(TicketSetCommands, ExistingFileAnsweredNoIsLeftAlone)
{
    writeBytes(path(), "old content");
    tick({1});
    desktop.boxes.answers.push_back(BoxAnswer::No);
    save();
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].title, "Fichier existant !!");
    EXPECT_EQ(desktop.boxes.boxes[0].body, "Continuer quand même ?");
    EXPECT_EQ(desktop.boxes.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(desktop.boxes.boxes[0].icon, BoxIcon::None);
    EXPECT_EQ(readBytes(path()), "old content");
}

TEST_F(TicketSetCommands, ExistingFileAnsweredYesIsReplaced)
{
    writeBytes(path(), "old content");
    tick({1});
    desktop.boxes.answers.push_back(BoxAnswer::Yes);
    save();
    EXPECT_EQ(readBytes(path()).size(), ticketSetRecordSize);
    EXPECT_EQ(loadTicketSet(path()).record.numbers[0], 1);
}

TEST_F(TicketSetCommands, NoMethodSelectedIsStoredAndLoadKeepsTheListSelection)
{
    state.methodListIndex = -1;
    tick({5, 6});
    save();
    EXPECT_EQ(loadTicketSet(path()).record.methodIndex, -1);

    state.methodListIndex = 4;
    load();
    EXPECT_EQ(state.methodListIndex, 4);
    EXPECT_TRUE(recorder.methodSelections.empty());
    EXPECT_EQ(tickedNumbers(state.selection), (std::vector<int>{5, 6}));
}

TEST_F(TicketSetCommands, MoreThanFiftyNumbersLoseSlotsFiftyOneAndAbove)
{
    for (int n = 1; n <= 60; ++n)
        tick({n});
    save();
    load();
    EXPECT_EQ(pcomptecoche(state.selection), 50);
    EXPECT_EQ(state.selection.tabnumsel[50], 50);
    EXPECT_EQ(state.selection.tabnumsel[51], 0);
    EXPECT_EQ(state.selection.tabcoche[51], 0);
}

TEST_F(TicketSetCommands, FailedSaveBeepsReportsAndKeepsTheOldFile)
{
    const std::string previous(ticketSetRecordSize, 'p');
    writeBytes(path(), previous);
    tick({8, 9});
    const Selection before = state.selection;
    {
        FileSizeLimit limit(64);
        save();
    }
    EXPECT_EQ(readBytes(path()), previous);
    EXPECT_EQ(desktop.boxes.beeps, 1);
    ASSERT_EQ(desktop.boxes.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes.boxes[1].title, "Opération abandonnée");
    EXPECT_EQ(desktop.boxes.boxes[1].body, "Problème !!");
    EXPECT_EQ(desktop.boxes.boxes[1].buttons, BoxButtons::Ok);
    EXPECT_EQ(state.selection.tabnumsel, before.tabnumsel);
    EXPECT_EQ(state.selection.tabcoche, before.tabcoche);
}

TEST_F(TicketSetCommands, SaveOntoADirectoryFailsAndLeavesItStanding)
{
    std::filesystem::create_directory(path());
    save();
    EXPECT_TRUE(std::filesystem::is_directory(path()));
    EXPECT_EQ(desktop.boxes.beeps, 1);
    ASSERT_EQ(desktop.boxes.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes.boxes[1].title, "Opération abandonnée");
}

TEST_F(TicketSetCommands, LoadDialogAsksForAnExistingMzlFile)
{
    Chargerbulletin1Click(state, desktop.platform, recorder.view());
    ASSERT_EQ(desktop.files.opened.size(), 1u);
    const FileDialogOptions &options = desktop.files.opened[0];
    EXPECT_EQ(options.title, "Sélectionnez le fichier à charger");
    EXPECT_EQ(options.filter, "Mirazol (*.mzl)|*.mzl");
    EXPECT_EQ(options.initialName, "*.mzl");
    EXPECT_EQ(options.defaultExtension, "mzl");
    EXPECT_TRUE(options.hideReadOnly);
    EXPECT_TRUE(options.pathMustExist);
    EXPECT_TRUE(options.fileMustExist);
}

TEST_F(TicketSetCommands, CancelledLoadKeepsTheSelection)
{
    tick({4});
    Chargerbulletin1Click(state, desktop.platform, recorder.view());
    EXPECT_EQ(tickedNumbers(state.selection), (std::vector<int>{4}));
    EXPECT_EQ(recorder.cellRedraws, 0);
}

TEST_F(TicketSetCommands, ZerosAfterTheHeaderSelectTheFirstMethodAndTickNothing)
{
    writeBytes(path(), std::string("\x03GRI") + std::string(204, '\0'));
    state.methodListIndex = 3;
    tick({4});
    load();
    EXPECT_EQ(state.methodListIndex, 0);
    EXPECT_EQ(recorder.methodSelections, (std::vector<int>{0}));
    EXPECT_EQ(pcomptecoche(state.selection), 0);
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(TicketSetCommands, MethodPositionBeyondTheListLeavesNoSelection)
{
    TTicketSetRecord r;
    r.methodIndex = static_cast<std::int32_t>(state.methodList.size());
    r.numbers[0] = 9;
    ASSERT_TRUE(saveTicketSet(path(), r));
    load();
    EXPECT_EQ(state.methodListIndex, -1);
    EXPECT_EQ(recorder.methodSelections, (std::vector<int>{-1}));
    EXPECT_EQ(tickedNumbers(state.selection), (std::vector<int>{9}));
}

struct LoadFailure {
    const char *name;
    std::string bytes;  // no file at all when empty
    const char *body;
};

class TicketSetLoadFailure : public TicketSetCommands,
                             public testing::WithParamInterface<LoadFailure> {};

TEST_P(TicketSetLoadFailure, ReportsAndLeavesTheSelectionEmpty)
{
    if (!GetParam().bytes.empty())
        writeBytes(path(), GetParam().bytes);
    state.methodListIndex = 3;
    tick({4, 5});
    load();
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].title, "Problème !!");
    EXPECT_EQ(desktop.boxes.boxes[0].body, GetParam().body);
    EXPECT_EQ(desktop.boxes.boxes[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(pcomptecoche(state.selection), 0);
    EXPECT_EQ(state.selection.tabnumsel[1], 0);
    EXPECT_EQ(recorder.ticksAtFirstRedraw, 0);
    EXPECT_EQ(state.methodListIndex, 3);
}

TEST_F(TicketSetCommands, FifoGivenAsTheFileIsReportedAsUnreadableWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0);
    tick({4, 5});
    load();
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].body, "Erreur à la lecture du fichier");
    EXPECT_EQ(pcomptecoche(state.selection), 0);
}

TEST_F(TicketSetCommands, SavingOverAFifoFailsAndLeavesItStanding)
{
    ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0);
    tick({4, 5});
    save();
    EXPECT_EQ(desktop.boxes.beeps, 1);
    ASSERT_EQ(desktop.boxes.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes.boxes[1].title, "Opération abandonnée");
    EXPECT_TRUE(std::filesystem::is_fifo(path()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TicketSetLoadFailure,
    testing::Values(LoadFailure{"Missing", "", "Fichier inexistant"},
                    LoadFailure{"Short", std::string("\x03GRI") + std::string(100, '\0'),
                                "Erreur à la lecture du fichier"},
                    LoadFailure{"WrongFirstByte", std::string("\x02GRI") + std::string(204, '\0'),
                                "Ce n'est pas un fichier de sauvegarde"}),
    [](const testing::TestParamInfo<LoadFailure> &info) { return info.param.name; });
