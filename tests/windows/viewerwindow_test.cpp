#include "gridwindowstate.h"
#include "windows/listwindow.h"
#include "windows/viewerwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

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

class ViewerWindow : public testing::Test {
protected:
    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(viewer, button), Qt::LeftButton);
    }
    QString text(const char *label) { return child<QLabel>(viewer, label)->text(); }
    NumberGridPanel *grid() { return child<NumberGridPanel>(viewer, "pgrille"); }

    // Numbers whose viewer cell shows the tick; every other cell must show the empty picture.
    std::vector<int> tickedCells()
    {
        std::vector<int> ticked;
        for (int n = 1; n <= 49; ++n) {
            const qint64 key = grid()->cell(n)->pixmap().cacheKey();
            if (key == pictures.imagecochee.cacheKey())
                ticked.push_back(n);
            else if (key != pictures.imagevide.cacheKey())
                ADD_FAILURE() << "cell " << n << " shows neither cell picture";
        }
        return ticked;
    }

    AppState state = gridState(1, elevenNumbers);
    CellPictures pictures = makeCellPictures();
    TForm2 viewer{state, pictures, nullptr};
};

}  // namespace

TEST_F(ViewerWindow, OpensOnGridOneOfTheSelectedMethod)
{
    viewer.show();
    EXPECT_EQ(tickedCells(), (std::vector<int>{7, 12, 18, 25, 31, 40}));
    EXPECT_EQ(text("lnubul"), "1");
    EXPECT_EQ(text("Lnumax"), "11");
    EXPECT_EQ(state.selection.grillecourante, 1);
}

TEST_F(ViewerWindow, ShowsTheMethodLabelWithoutItsNumber)
{
    viewer.show();
    EXPECT_EQ(text("ltitmet"), "  3 numéros si  3 parmi 11 en    11 grilles");
}

TEST_F(ViewerWindow, NextShowsTheFollowingGrid)
{
    viewer.show();
    click("bsuivant");
    EXPECT_EQ(text("lnubul"), "2");
    EXPECT_EQ(tickedCells(), (std::vector<int>{12, 18, 22, 31, 36, 44}));
}

TEST_F(ViewerWindow, NextStopsAtTheLastGrid)
{
    viewer.show();
    for (int c = 0; c < 12; ++c)
        click("bsuivant");
    EXPECT_EQ(text("lnubul"), "11");
    EXPECT_EQ(state.selection.grillecourante, 11);
    EXPECT_EQ(tickedCells(), (std::vector<int>{3, 7, 12, 22, 25, 36}));
}

TEST_F(ViewerWindow, PreviousAtGridOneDoesNothing)
{
    viewer.show();
    click("bprecedent");
    EXPECT_EQ(text("lnubul"), "1");
    EXPECT_EQ(state.selection.grillecourante, 1);
    EXPECT_EQ(tickedCells(), (std::vector<int>{7, 12, 18, 25, 31, 40}));
}

TEST_F(ViewerWindow, PreviousStepsBack)
{
    viewer.show();
    click("bsuivant");
    click("bsuivant");
    click("bprecedent");
    EXPECT_EQ(text("lnubul"), "2");
    EXPECT_EQ(tickedCells(), (std::vector<int>{12, 18, 22, 31, 36, 44}));
}

TEST_F(ViewerWindow, MethodOfOneGridCannotBeStepped)
{
    state.tabmethode[5].nbgrilles = 1;
    selectMethod(state, 5);
    tickOnly(state, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20});
    viewer.show();
    click("bsuivant");
    click("bprecedent");
    EXPECT_EQ(text("lnubul"), "1");
    EXPECT_EQ(text("Lnumax"), "1");
    EXPECT_EQ(tickedCells(), (std::vector<int>{2, 4, 6, 8, 10, 12}));
}

TEST_F(ViewerWindow, ReopeningStartsAtGridOne)
{
    viewer.show();
    click("bsuivant");
    click("bsuivant");
    viewer.close();
    viewer.show();
    EXPECT_EQ(text("lnubul"), "1");
    EXPECT_EQ(tickedCells(), (std::vector<int>{7, 12, 18, 25, 31, 40}));
}

TEST_F(ViewerWindow, ReopeningFollowsTheNumbersChangedMeanwhile)
{
    viewer.show();
    viewer.close();
    tickOnly(state, {1, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49});
    viewer.show();
    EXPECT_EQ(tickedCells(), (std::vector<int>{7, 12, 18, 25, 31, 40}));
    click("bsuivant");
    click("bsuivant");
    click("bsuivant");
    EXPECT_EQ(tickedCells(), (std::vector<int>{1, 22, 25, 31, 40, 44}));
}

TEST_F(ViewerWindow, InvalidMethodLeavesTheViewerAsItWas)
{
    viewer.show();
    click("bsuivant");
    click("bsuivant");
    viewer.close();
    state.methodListIndex = -1;
    viewer.show();
    EXPECT_EQ(text("lnubul"), "3");
    EXPECT_EQ(text("Lnumax"), "11");
    EXPECT_EQ(text("ltitmet"), "  3 numéros si  3 parmi 11 en    11 grilles");
    EXPECT_EQ(tickedCells(), (std::vector<int>{18, 22, 25, 36, 40, 49}));
}

TEST_F(ViewerWindow, NumberAboveFortyNineHasNoCell)
{
    tickOnly(state, {3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 50});
    viewer.show();
    click("bsuivant");
    click("bsuivant");
    EXPECT_EQ(state.selection.tabgrille[50], 1);
    EXPECT_EQ(tickedCells(), (std::vector<int>{18, 22, 25, 36, 40}));
}

TEST_F(ViewerWindow, FillingTheListLeavesTheHiddenViewerAlone)
{
    viewer.show();
    viewer.close();
    TForm5 list(state, nullptr);
    list.show();
    EXPECT_EQ(tickedCells(), (std::vector<int>{7, 12, 18, 25, 31, 40}));
    viewer.show();
    EXPECT_EQ(tickedCells(), (std::vector<int>{7, 12, 18, 25, 31, 40}));
}

TEST_F(ViewerWindow, CaptionsFollowTheLanguage)
{
    state.params.language = 2;
    viewer.show();
    EXPECT_EQ(viewer.windowTitle(), "Boards to play");
    EXPECT_EQ(text("labtitre"), "Boards to play");
    EXPECT_EQ(text("ltitre"), "Board");
    EXPECT_EQ(child<QGroupBox>(viewer, "gmethode")->title(), "Selected wheel");
    EXPECT_EQ(child<QPushButton>(viewer, "bprecedent")->toolTip(), "View the previous board");
    EXPECT_EQ(child<QPushButton>(viewer, "bsuivant")->toolTip(), "View the next board");
    EXPECT_EQ(child<QPushButton>(viewer, "bRetour")->text(), "Return");
}

TEST_F(ViewerWindow, KeepsTheCellPlacesTheMainWindowGaveInTheSevenBySevenLayout)
{
    // What the main window does with the viewer's grid in the "7x7 (1)" layout.
    viewer.panel()->applyLayout(2, true);
    state.params.displayLayout = 2;
    viewer.show();
    EXPECT_EQ(grid()->cell(1)->geometry(), QRect(35, 25, 22, 22));
    EXPECT_EQ(grid()->cell(49)->geometry(), QRect(215, 205, 22, 22));
}

TEST_F(ViewerWindow, PlacesItsOwnCellsInTheNormalLayout)
{
    viewer.panel()->applyLayout(2, true);
    state.params.displayLayout = 1;
    viewer.show();
    EXPECT_EQ(grid()->cell(1)->geometry(), QRect(23, 41, 14, 20));
    EXPECT_EQ(grid()->cell(10)->geometry(), QRect(43, 14, 14, 20));
}

TEST_F(ViewerWindow, ReturnClosesTheWindow)
{
    viewer.show();
    click("bRetour");
    EXPECT_FALSE(viewer.isVisible());
}
