#include "gridwindowstate.h"
#include "selectionhelpers.h"
#include "windows/listwindow.h"

#include <QAbstractItemModel>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

template <typename T> T *child(QWidget &window, const char *name)
{
    if (T *found = window.findChild<T *>(name))
        return found;
    throw std::runtime_error(std::string("no widget ") + name);
}

class ListWindow : public testing::Test {
protected:
    QAbstractItemModel *model() { return child<QListView>(list, "listbull")->model(); }
    int lineCount() { return model()->rowCount(); }
    // Line `index`, 1-based as the grids.
    QString line(int index) { return model()->index(index - 1, 0).data().toString(); }

    AppState state = gridState(1, elevenNumbers);
    TForm5 list{state, nullptr};
};

std::vector<int> numbersUpTo(int last)
{
    std::vector<int> numbers(static_cast<std::size_t>(last));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

}  // namespace

TEST_F(ListWindow, ListsEveryGridOfTheMethod)
{
    list.show();
    ASSERT_EQ(lineCount(), 11);
    EXPECT_EQ(line(1), "Grille: 001 :-07-12-18-25-31-40");
    EXPECT_EQ(line(11), "Grille: 011 :-03-07-12-22-25-36");
}

TEST_F(ListWindow, LabelWordFollowsTheLanguage)
{
    state.params.language = 2;
    list.show();
    ASSERT_EQ(lineCount(), 11);
    EXPECT_EQ(line(11), "Board: 011 :-03-07-12-22-25-36");
}

TEST_F(ListWindow, IsRebuiltOnEveryShow)
{
    list.show();
    list.close();
    tickOnly(state, {3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 48});
    list.show();
    ASSERT_EQ(lineCount(), 11);
    EXPECT_EQ(line(3), "Grille: 003 :-18-22-25-36-40-48");
}

TEST_F(ListWindow, MethodOfThreeGridsGivesThreeLines)
{
    selectMethod(state, 5);
    tickOnly(state, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20});
    list.show();
    ASSERT_EQ(lineCount(), 3);
    EXPECT_EQ(line(3), "Grille: 003 :-02-04-06-14-16-18");
}

TEST_F(ListWindow, NumbersAboveFortyNineAreListed)
{
    tickOnly(state, {3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 50});
    list.show();
    ASSERT_EQ(lineCount(), 11);
    EXPECT_EQ(line(3), "Grille: 003 :-18-22-25-36-40-50");
}

TEST_F(ListWindow, FullSystemListsEverySixNumberCombination)
{
    selectMethod(state, 105);
    tickOnly(state, numbersUpTo(17));
    list.show();
    ASSERT_EQ(lineCount(), 12376);
    EXPECT_EQ(line(1), "Grille: 001 :-01-02-03-04-05-06");
    EXPECT_TRUE(line(99).startsWith("Grille: 099 :-"));
    EXPECT_TRUE(line(100).startsWith("Grille: 100 :-"));
    EXPECT_EQ(line(12376), "Grille: 12376 :-12-13-14-15-16-17");
}

TEST_F(ListWindow, NoSelectedMethodEmptiesTheList)
{
    list.show();
    list.close();
    state.methodListIndex = -1;
    list.show();
    EXPECT_EQ(lineCount(), 0);
}

TEST_F(ListWindow, LeavesTheIterationStateOnTheLastGrid)
{
    list.show();
    EXPECT_EQ(state.selection.methodecourante, 1);
    EXPECT_EQ(state.selection.nbgrillescourant, 11);
    EXPECT_EQ(state.selection.grillecourante, 1);
    EXPECT_EQ(gridNumbers(state.selection), (std::vector<int>{3, 7, 12, 22, 25, 36}));
}

TEST_F(ListWindow, CaptionsFollowTheLanguage)
{
    list.show();
    EXPECT_EQ(list.windowTitle(), "Liste des grilles à jouer");
    EXPECT_EQ(child<QLabel>(list, "labtitre")->text(), "Liste des grilles à jouer");
    EXPECT_EQ(child<QPushButton>(list, "BitBtn6")->text(), "Imprimer la liste");
    EXPECT_EQ(child<QPushButton>(list, "BitBtn2")->text(), "Imprimer les tickets");
    EXPECT_EQ(child<QPushButton>(list, "bexport")->text(),
              "Export des combinaisons à jouer dans un fichier texte");
    EXPECT_EQ(child<QPushButton>(list, "BitBtn1")->text(), "Retour");
}

TEST_F(ListWindow, LinesAreShownInAFixedPitchFont)
{
    list.show();
    EXPECT_TRUE(QFontInfo(child<QListView>(list, "listbull")->font()).fixedPitch());
}

TEST_F(ListWindow, ReturnClosesTheWindow)
{
    list.show();
    QTest::mouseClick(child<QPushButton>(list, "BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(list.isVisible());
}

struct CommandButton {
    const char *button;
    void (TForm5::*signal)();
};

class ListWindowCommand : public ListWindow, public testing::WithParamInterface<CommandButton> {};

TEST_P(ListWindowCommand, ButtonAsksForItsCommand)
{
    list.show();
    QSignalSpy asked(&list, GetParam().signal);
    QTest::mouseClick(child<QPushButton>(list, GetParam().button), Qt::LeftButton);
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(list.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ListWindowCommand,
                         testing::Values(CommandButton{"BitBtn6", &TForm5::printListRequested},
                                         CommandButton{"BitBtn2", &TForm5::printBulletinsRequested},
                                         CommandButton{"bexport", &TForm5::exportRequested}),
                         [](const testing::TestParamInfo<CommandButton> &info) {
                             return std::string(info.param.button);
                         });
