#include "windows/comparisonwindow.h"

#include "fakedesktop.h"
#include "gridwindowstate.h"
#include "testfolder.h"
#include "typing.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

template <typename T> T *child(QWidget &window, const QString &name)
{
    if (T *found = window.findChild<T *>(name))
        return found;
    throw std::runtime_error("no widget " + name.toStdString());
}

// The draw of the worked example: 3, 17, 20, 28, 33, 45 and the complementary number 12.
const std::array<const char *, 7> workedDraw{"3", "17", "20", "28", "33", "45", "12"};

// The numbers under which the worked example's first grid is the first grid of method 5.
const std::vector<int> methodFiveNumbers{3, 12, 17, 25, 33, 41, 42, 43, 44, 46};

const std::vector<const char *> counterNames{"lnb6", "lnb5c", "lnb5", "lnb4c",
                                             "lnb4", "lnb3c", "lnb3", "lnb2c"};

class ComparisonWindow : public testing::Test {
protected:
    void SetUp() override
    {
        // What the main window's activation leaves before the window opens.
        std::fill(state.rememberedDraw.begin() + 1, state.rememberedDraw.end(), 1);
    }

    // Opens the window as the main window does and runs `script` while it is shown.
    void open(const std::function<void()> &script = {})
    {
        desktop.dialogs.script = [&](QDialog &) {
            if (script)
                script();
        };
        desktop.dialogs.runModal(window);
    }

    void activate() { activateWindow(window); }

    QComboBox *box(int n) { return child<QComboBox>(window, QString("ComboBox%1").arg(n)); }

    // Clicks into box n and types `text` over its content, as the player does.
    void typeInto(int n, const char *text)
    {
        QComboBox *target = box(n);
        clickInto(target);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    // Types the seven numbers of a draw, then clicks the compare button.
    void compare(const std::array<const char *, 7> &draw)
    {
        activate();
        for (int n = 1; n <= 7; ++n)
            typeInto(n, draw[static_cast<std::size_t>(n - 1)]);
        click("button1");
    }

    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    }

    std::vector<QString> boxTexts()
    {
        std::vector<QString> texts;
        for (int n = 1; n <= 7; ++n)
            texts.push_back(box(n)->currentText());
        return texts;
    }

    QAbstractItemModel *lines() { return child<QListView>(window, "listresul")->model(); }

    std::vector<QString> lineTexts()
    {
        std::vector<QString> texts;
        for (int row = 0; row < lines()->rowCount(); ++row)
            texts.push_back(lines()->index(row, 0).data().toString());
        return texts;
    }

    // The counters' captions in rank order: 6, 5 + C, 5, 4 + C, 4, 3 + C, 3, 2 + C.
    std::vector<QString> counters()
    {
        std::vector<QString> texts;
        for (const char *name : counterNames)
            texts.push_back(child<QLabel>(window, name)->text());
        return texts;
    }

    // Sets the window to compare `file` with ";" between fields.
    void compareFile(const std::filesystem::path &file)
    {
        window.compareSource = 2;
        window.sourceFileName = file.string();
        window.sourceSeparator = ";";
    }

    // Writes a grid file of `count` lines of six numbers.
    std::filesystem::path bigFile(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text.append(std::to_string(1 + i % 40)).append(";7;13;22;35;48\n");
        const std::filesystem::path file = folder.file("big.txt");
        writeBytes(file, text);
        return file;
    }

    FakeDesktop desktop;
    TestFolder folder;
    AppState state = gridState(5, methodFiveNumbers);
    TForm8 window{state, desktop.boxes, nullptr};
};

const std::vector<QString> noCounts(8, QString());

// Lines of a file that takes several steps of the comparison to read.
constexpr int bigRun = 1000000;

}  // namespace

TEST_F(ComparisonWindow, IsTheFixedSizeWindowWithSevenTwoCharacterBoxesOfOneToSixty)
{
    EXPECT_EQ(window.objectName(), "TForm8");
    EXPECT_EQ(window.size(), QSize(598, 417));
    for (int n = 1; n <= 7; ++n) {
        QComboBox *entry = box(n);
        EXPECT_TRUE(entry->isEditable());
        EXPECT_EQ(entry->lineEdit()->maxLength(), 2);
        EXPECT_EQ(entry->maxVisibleItems(), 4);
        ASSERT_EQ(entry->count(), 60);
        EXPECT_EQ(entry->itemText(0), "1");
        EXPECT_EQ(entry->itemText(59), "60");
    }
}

TEST_F(ComparisonWindow, ResultListIsFixedPitchWithUniformLines)
{
    auto *list = child<QListView>(window, "listresul");
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_TRUE(list->uniformItemSizes());
}

TEST_F(ComparisonWindow, BoxLabelsAreOneToSixAndC)
{
    std::vector<QString> texts;
    for (int n = 2; n <= 8; ++n)
        texts.push_back(child<QLabel>(window, QString("Label%1").arg(n))->text());
    EXPECT_EQ(texts, (std::vector<QString>{"1", "2", "3", "4", "5", "6", "C"}));
}

TEST_F(ComparisonWindow, CountersSitInTwoRowsOfFourInTheirRankBoxes)
{
    const std::vector<std::vector<const char *>> rows{
        {"GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5"},
        {"GroupBox9", "GroupBox8", "GroupBox7", "GroupBox6"}};
    const std::vector<std::vector<const char *>> counterRows{{"lnb4c", "lnb5", "lnb5c", "lnb6"},
                                                             {"lnb2c", "lnb3", "lnb3c", "lnb4"}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto *group = child<QGroupBox>(window, rows[r][c]);
            EXPECT_EQ(group->parentWidget(), child<QGroupBox>(window, "gtitre"));
            EXPECT_EQ(child<QLabel>(window, counterRows[r][c])->parentWidget(), group);
            EXPECT_EQ(group->y(), child<QGroupBox>(window, rows[r][0])->y());
            if (c > 0) {
                EXPECT_GT(group->x(), child<QGroupBox>(window, rows[r][c - 1])->x());
            }
        }
        EXPECT_GT(child<QGroupBox>(window, rows[1][0])->y(),
                  child<QGroupBox>(window, rows[0][0])->y());
    }
}

TEST_F(ComparisonWindow, CaptionsComeFromTheCatalogueInFrench)
{
    open([this] {
        EXPECT_EQ(window.windowTitle(), "Analyser Résultats");
        EXPECT_EQ(child<QLabel>(window, "labtitre")->text(), "Analyser Résultats");
        EXPECT_EQ(child<QGroupBox>(window, "gtitre")->title(), "Nombre de bons résultats");
        EXPECT_EQ(child<QPushButton>(window, "BitBtn1")->text(), "Retour");
        EXPECT_EQ(child<QLabel>(window, "lbullgagnant")->text(), "BULLETIN GAGNANT");
        EXPECT_EQ(child<QPushButton>(window, "button1")->text(), "Afficher résultats");
        std::vector<QString> ranks;
        for (int n = 2; n <= 9; ++n)
            ranks.push_back(child<QGroupBox>(window, QString("GroupBox%1").arg(n))->title());
        EXPECT_EQ(ranks, (std::vector<QString>{"4 +Comp", "5 numéros", "5 +Comp", "6 numéros",
                                               "4 numéros", "3 +Comp", "3 numéros", "2 +Comp"}));
    });
}

TEST_F(ComparisonWindow, CaptionsFollowTheLanguageAtEveryOpening)
{
    open();
    state.params.language = 2;
    open([this] { EXPECT_EQ(child<QPushButton>(window, "BitBtn1")->text(), "Return"); });
}

TEST_F(ComparisonWindow, FirstOpeningShowsOneInEveryBoxAndBlankCounters)
{
    state.rememberedDraw.fill(0);
    open([this] {
        EXPECT_EQ(boxTexts(), std::vector<QString>(7, "1"));
        EXPECT_EQ(counters(), noCounts);
        EXPECT_EQ(lines()->rowCount(), 0);
    });
}

TEST_F(ComparisonWindow, WorkedExampleListsEachGridOfTheMethodAndCountsItsRank)
{
    open([this] {
        compare(workedDraw);
        EXPECT_EQ(lineTexts(),
                  (std::vector<QString>{"B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire",
                                        "B.:002 :-33-41-42-43-44-46 ->1",
                                        "B.:003 :-03-12-17-42-43-44 ->2 + Complémentaire"}));
        EXPECT_EQ(counters(), (std::vector<QString>{"0", "0", "0", "0", "0", "1", "0", "1"}));
    });
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(ComparisonWindow, ComplementaryEqualToADrawnNumberIsRefusedAndNothingChanges)
{
    open([this] {
        compare(workedDraw);
        const std::vector<QString> before = lineTexts();
        compare({"3", "17", "20", "28", "33", "45", "33"});
        ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
        const FakeMessageBoxes::Box &shown = desktop.boxes.boxes[0];
        EXPECT_EQ(shown.title, "Problème !!");
        EXPECT_EQ(shown.body, "Numéros selectionnés incorrects");
        EXPECT_EQ(shown.buttons, BoxButtons::Ok);
        EXPECT_EQ(shown.icon, BoxIcon::Exclamation);
        EXPECT_EQ(lineTexts(), before);
        EXPECT_EQ(counters(), (std::vector<QString>{"0", "0", "0", "0", "0", "1", "0", "1"}));
    });
}

TEST_F(ComparisonWindow, RefusedDrawIsNotRemembered)
{
    open([this] { compare({"3", "17", "20", "28", "33", "45", "45"}); });
    open([this] { EXPECT_EQ(boxTexts(), std::vector<QString>(7, "1")); });
}

struct LeavingCase {
    const char *name;
    const char *typed;
    const char *kept;
};

class LeavingABox : public ComparisonWindow, public testing::WithParamInterface<LeavingCase> {};

TEST_P(LeavingABox, CorrectsTheTextAsItLeaves)
{
    open([this] {
        activate();
        typeInto(3, GetParam().typed);
        QTest::mouseClick(child<QListView>(window, "listresul")->viewport(), Qt::LeftButton);
        EXPECT_EQ(box(3)->currentText(), GetParam().kept);
    });
}

INSTANTIATE_TEST_SUITE_P(ComparisonWindow, LeavingABox,
                         testing::Values(LeavingCase{"AboveTheListIsKept", "75", "75"},
                                         LeavingCase{"NinetyNineIsKept", "99", "99"},
                                         LeavingCase{"EmptyBecomesZero", "", "0"},
                                         LeavingCase{"LettersAreNeverTyped", "a4", "4"}),
                         [](const testing::TestParamInfo<LeavingCase> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(ComparisonWindow, ReopeningShowsTheAcceptedDraw)
{
    open([this] { compare(workedDraw); });
    open([this] {
        EXPECT_EQ(boxTexts(), (std::vector<QString>{"3", "17", "20", "28", "33", "45", "12"}));
    });
}

TEST_F(ComparisonWindow, ReopeningShowsOneWhereTheTextWasNoListItem)
{
    open([this] { compare({"3", "17", "0", "28", "75", "45", "12"}); });
    EXPECT_EQ(state.rememberedDraw, (std::array<std::int32_t, 8>{0, 3, 17, 0, 28, 0, 45, 12}));
    open([this] {
        EXPECT_EQ(boxTexts(), (std::vector<QString>{"3", "17", "1", "28", "1", "45", "12"}));
    });
}

TEST_F(ComparisonWindow, ReopeningEmptiesTheListAndTheCounters)
{
    open([this] { compare(workedDraw); });
    open([this] {
        EXPECT_EQ(lines()->rowCount(), 0);
        EXPECT_EQ(counters(), noCounts);
    });
}

TEST_F(ComparisonWindow, ExternalFileIsComparedWithItsSettings)
{
    const std::filesystem::path file = folder.file("grids.txt");
    writeBytes(file, "header\n3;12;17;25;33;41\n1;2;3;4;5;6\n20;28;33;45;17;3;12\n");
    compareFile(file);
    window.sourceSkipLines = 1;
    window.sourceReplacement[1] = 45;
    QSignalSpy compared(&window, &TForm8::ordinalsCompared);
    open([this] {
        compare(workedDraw);
        EXPECT_EQ(lineTexts(),
                  (std::vector<QString>{"B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire",
                                        "B.:002 :-45-02-03-04-05-06 ->2",
                                        "B.:003 :-20-28-33-45-17-03-12 ->6 + Complémentaire"}));
        EXPECT_EQ(counters(), (std::vector<QString>{"1", "0", "0", "0", "0", "1", "0", "0"}));
    });
    EXPECT_TRUE(desktop.boxes.boxes.empty());
    ASSERT_FALSE(compared.isEmpty());
    EXPECT_EQ(compared.last().at(0).value<qsizetype>(), 3);
}

TEST_F(ComparisonWindow, MissingFileShowsTheFailureBoxAndTheCountersKeepTheirCaptions)
{
    open([this] {
        compare(workedDraw);
        compareFile(folder.file("missing.txt"));
        click("button1");
        ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
        const FakeMessageBoxes::Box &shown = desktop.boxes.boxes[0];
        EXPECT_EQ(shown.title, "Erreur dans pcomparefichier");
        EXPECT_EQ(shown.body, "Erreur/Error");
        EXPECT_EQ(shown.buttons, BoxButtons::Ok);
        EXPECT_EQ(lines()->rowCount(), 0);
        EXPECT_EQ(counters(), (std::vector<QString>{"0", "0", "0", "0", "0", "1", "0", "1"}));
        EXPECT_TRUE(child<QPushButton>(window, "button1")->isEnabled());
    });
}

TEST_F(ComparisonWindow, GeneratedComparisonAfterAFileReplacesTheLines)
{
    const std::filesystem::path file = folder.file("grids.txt");
    writeBytes(file, "1;2;4;5;6;7\n1;2;4;5;6;8\n1;2;4;5;6;9\n1;2;4;5;6;10\n");
    compareFile(file);
    open([this] {
        compare(workedDraw);
        window.compareSource = 1;
        click("button1");
        EXPECT_EQ(lineTexts(),
                  (std::vector<QString>{"B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire",
                                        "B.:002 :-33-41-42-43-44-46 ->1",
                                        "B.:003 :-03-12-17-42-43-44 ->2 + Complémentaire"}));
    });
}

TEST_F(ComparisonWindow, CompareButtonIsDisabledDuringARunAndASecondClickDoesNothing)
{
    compareFile(bigFile(bigRun));
    std::vector<bool> enabled;
    open([&] {
        activate();
        QTimer::singleShot(0, &window, [&] {
            enabled.push_back(child<QPushButton>(window, "button1")->isEnabled());
            click("button1");
        });
        compare(workedDraw);
        enabled.push_back(child<QPushButton>(window, "button1")->isEnabled());
        EXPECT_EQ(lines()->rowCount(), bigRun);
        EXPECT_EQ(lines()->index(bigRun - 1, 0).data().toString(),
                  "B.:1000000 :-40-07-13-22-35-48 ->0");
    });
    EXPECT_EQ(enabled, (std::vector<bool>{false, true}));
}

TEST_F(ComparisonWindow, ReturnDuringARunStopsItAndClosesTheWindow)
{
    compareFile(bigFile(bigRun));
    int linesWhenStopped = -1;
    open([&] {
        activate();
        QTimer::singleShot(0, &window, [&] {
            linesWhenStopped = lines()->rowCount();
            click("BitBtn1");
        });
        compare(workedDraw);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_GT(linesWhenStopped, 0);
    EXPECT_LT(lines()->rowCount(), bigRun);
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(ComparisonWindow, ClosingTheWindowDuringARunStopsIt)
{
    compareFile(bigFile(bigRun));
    open([&] {
        activate();
        QTimer::singleShot(0, &window, [&] { window.close(); });
        compare(workedDraw);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_LT(lines()->rowCount(), bigRun);
}

TEST_F(ComparisonWindow, LongRunReportsTheLinesComparedAfterEachStep)
{
    compareFile(bigFile(bigRun));
    QSignalSpy compared(&window, &TForm8::ordinalsCompared);
    open([this] { compare(workedDraw); });
    ASSERT_GT(compared.size(), 1);
    for (qsizetype i = 1; i < compared.size(); ++i)
        EXPECT_GT(compared[i].at(0).value<qsizetype>(), compared[i - 1].at(0).value<qsizetype>());
    EXPECT_EQ(compared.last().at(0).value<qsizetype>(), bigRun);
}
