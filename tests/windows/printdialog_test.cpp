#include "windows/printdialog.h"

#include "fakedesktop.h"
#include "gridwindowstate.h"
#include "typing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;
using Operation = std::tuple<Op, int, int, int, int, int, int, bool, std::string>;

constexpr int france = 23;  // "FRANCE LOTO 10 GRILLES", 10 grids per bulletin

// Every operation a printer recorded, comparable as a whole.
std::vector<Operation> operations(const RecordingPrinter &printer)
{
    std::vector<Operation> all;
    for (const RecordingPrinter::Record &r : printer.records)
        all.emplace_back(r.op, r.page, r.x, r.y, r.x2, r.y2, r.value, r.bold, r.text);
    return all;
}

// Texts written at the device corner, page by page.
std::vector<std::pair<int, std::string>> corner(const RecordingPrinter &printer)
{
    std::vector<std::pair<int, std::string>> found;
    for (const RecordingPrinter::Record &r : printer.of(Op::Text)) {
        if (r.x == 0 && r.y == 0)
            found.emplace_back(r.page, r.text);
    }
    return found;
}

class PrintDialog : public testing::Test {
protected:
    FakeDesktop desktop;
    // Method 30: 30 grids over the 9 ticked numbers.
    AppState state = gridState(30, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    TForm7 dialog{state, desktop.platform};

    void SetUp() override
    {
        ASSERT_GE(state.methodListIndex, 0);
        pinittypebulletin(state.bulletinTypes);
        for (RecordingPrinter *printer : {&desktop.printer, &desktop.preview.printer}) {
            printer->printableOffsetX = 100;
            printer->printableOffsetY = 100;
        }
    }

    template <typename W> W *child(const char *name)
    {
        W *w = dialog.findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Opens the dialog as the main window does and runs `script` while it is shown.
    void open(const std::function<void()> &script = {})
    {
        desktop.dialogs.script = [&script](QDialog &) {
            if (script)
                script();
        };
        desktop.dialogs.runModal(dialog);
    }

    void retype(const char *name, const char *text)
    {
        retypeField(dialog, child<QLineEdit>(name), text);
    }

    void click(const char *name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }

    // Picks bulletin type t in the list, as the player does from the open list.
    void chooseType(int t)
    {
        auto *list = child<QComboBox>("ComboBox1");
        const QString item =
            QString::fromStdString(state.bulletinTypes[static_cast<std::size_t>(t)].name +
                                   std::string(200, ' ') + std::to_string(t));
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << t;
        list->setCurrentIndex(index);
    }

    // Type t, grids first..last, then `button`.
    void printRange(int t, const char *first, const char *last, const char *button = "boutlancer")
    {
        chooseType(t);
        retype("Gpremier", first);
        retype("gdernier", last);
        click(button);
    }

    std::string field(const char *name) { return child<QLineEdit>(name)->text().toStdString(); }
};

struct CaptionCase {
    const char *name;
    const char *property;
    const char *french;
};

class PrintDialogCaption : public PrintDialog, public testing::WithParamInterface<CaptionCase> {};

struct PerBulletinCase {
    const char *name;
    int type;
    const char *proposed;
};

class PrintDialogProposal : public PrintDialog,
                            public testing::WithParamInterface<PerBulletinCase> {};

struct RangeCase {
    const char *name;
    const char *first;
    const char *last;
};

class PrintDialogRange : public PrintDialog, public testing::WithParamInterface<RangeCase> {};

template <class Case> std::string rowName(const testing::TestParamInfo<Case> &row)
{
    return row.param.name;
}

}  // namespace

TEST_F(PrintDialog, IsTheFixedSizeWindowWithItsFieldLimits)
{
    EXPECT_EQ(dialog.objectName(), "TForm7");
    EXPECT_EQ(dialog.size(), QSize(477, 335));
    EXPECT_EQ(child<QLineEdit>("Gpremier")->maxLength(), 5);
    EXPECT_EQ(child<QLineEdit>("gdernier")->maxLength(), 5);
    EXPECT_EQ(child<QLineEdit>("texnbgrille")->maxLength(), 2);
    EXPECT_EQ(child<QComboBox>("ComboBox1")->maxVisibleItems(), 15);
    EXPECT_TRUE(child<QRadioButton>("bimptsbull")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("bimpunbull")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Labtopimpnugrille")->isChecked());
}

TEST_F(PrintDialog, UnusedBulletinGroupStaysHidden)
{
    open([this] {
        EXPECT_FALSE(child<QGroupBox>("GroupBox1")->isVisible());
        EXPECT_TRUE(child<QGroupBox>("gparametre")->isVisible());
    });
    EXPECT_EQ(child<QRadioButton>("bbul1")->text(), "Bulletin à 1 grille");
    EXPECT_EQ(child<QRadioButton>("bbul2")->text(), "Bulletin à 6 grilles");
}

TEST_P(PrintDialogCaption, ComesFromTheCatalogueInFrench)
{
    const CaptionCase &c = GetParam();
    open([this, &c] {
        QWidget *shown = dialog.objectName() == c.name ? &dialog : child<QWidget>(c.name);
        EXPECT_EQ(shown->property(c.property).toString(), QString::fromUtf8(c.french));
    });
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PrintDialogCaption,
    testing::Values(
        CaptionCase{"TForm7", "windowTitle", "Imprimer les Tickets"},
        CaptionCase{"labtitre", "text", "Imprimer les Tickets"},
        CaptionCase{"Label3", "text", "Type de tickets"},
        CaptionCase{"GroupBox3", "title", "Grilles à imprimer"},
        CaptionCase{"Label1", "text", "Première"}, CaptionCase{"Label2", "text", "Dernière"},
        CaptionCase{"Gpremier", "toolTip", "Entrez le numéro de la 1ère grille à imprimer"},
        CaptionCase{"gdernier", "toolTip", "Entrez le numéro de la dernière grille à imprimer"},
        CaptionCase{"GroupBox2", "title", "Type d' impression"},
        CaptionCase{"bimptsbull", "text", "Imprimer tous les tickets à la fois"},
        CaptionCase{"bimpunbull", "text", "Imprimer un ticket à la fois"},
        CaptionCase{"gparametre", "title", ""},
        CaptionCase{"labnbgrilletick", "text", "Nombre de grilles par ticket"},
        CaptionCase{"Labtopimpnugrille", "text", "Imprimer le numero de grille"},
        CaptionCase{"boutlancer", "text", "Imprimer"}, CaptionCase{"boutannule", "text", "Retour"},
        CaptionCase{"bapercu", "text", "Aperçu"},
        CaptionCase{"bcalibrage", "text", "Page de calibrage"},
        CaptionCase{"bapercucalibrage", "text", "Aperçu"}),
    rowName<CaptionCase>);

TEST_F(PrintDialog, TheTwoPreviewButtonsSayWhichPagesTheyShow)
{
    open([this] {
        EXPECT_EQ(child<QPushButton>("bapercu")->toolTip(), "Imprimer les Tickets");
        EXPECT_EQ(child<QPushButton>("bapercucalibrage")->toolTip(), "Page de calibrage");
    });
}

TEST_F(PrintDialog, CaptionsFollowTheLanguageAtEveryOpening)
{
    open();
    state.params.language = 2;
    open([this] {
        EXPECT_EQ(dialog.windowTitle(), "Print the tickets");
        EXPECT_EQ(child<QPushButton>("boutlancer")->text(), "Print");
        EXPECT_EQ(child<QPushButton>("bapercu")->text(), "Preview");
        EXPECT_EQ(child<QPushButton>("bcalibrage")->text(), "Calibration page");
    });
}

TEST_F(PrintDialog, ListOffersTheTypesWithTheRememberedItemSelected)
{
    state.params.printBulletinIndex = 5;
    open([this] {
        auto *list = child<QComboBox>("ComboBox1");
        EXPECT_EQ(list->count(), 27);
        EXPECT_EQ(list->currentIndex(), 5);
    });
}

TEST_F(PrintDialog, RememberedItemOutsideTheListSelectsTheFirst)
{
    for (const std::int16_t remembered : {27, -1}) {
        state.params.printBulletinIndex = remembered;
        open([this] {
            EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), 0);
            EXPECT_EQ(field("texnbgrille"), "14");  // "BELGIQUE LOTTO 6/42"
        });
    }
}

TEST_P(PrintDialogProposal, ProposesTheGridsPerBulletinOfTheChosenType)
{
    open([this] {
        chooseType(GetParam().type);
        EXPECT_EQ(field("texnbgrille"), GetParam().proposed);
    });
}

INSTANTIATE_TEST_SUITE_P(Types, PrintDialogProposal,
                         testing::Values(PerBulletinCase{"FranceTenGrids", 23, "10"},
                                         PerBulletinCase{"RoumaniaThreeInAColumn", 26, "3"},
                                         PerBulletinCase{"QuebecSingleRowOfSix", 2, "6"},
                                         PerBulletinCase{"MocambiqueFourByTwo", 24, "8"}),
                         rowName<PerBulletinCase>);

TEST_F(PrintDialog, ShowProposesTheGridsPerBulletinOfTheRememberedItem)
{
    open([this] {
        chooseType(26);
        retype("texnbgrille", "7");
        click("boutannule");
    });
    open([this] { EXPECT_EQ(field("texnbgrille"), "3"); });
}

TEST_F(PrintDialog, ActivationProposesTheWholeMethod)
{
    open([this] {
        EXPECT_EQ(field("Gpremier"), "1");
        EXPECT_EQ(field("gdernier"), "30");
    });
}

TEST_F(PrintDialog, ReturnRemembersTheChosenItemAndPrintsNothing)
{
    open([this] {
        child<QComboBox>("ComboBox1")->setCurrentIndex(7);
        click("boutannule");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(state.params.printBulletinIndex, 7);
    EXPECT_TRUE(desktop.printer.records.empty());
}

TEST_F(PrintDialog, PrintRemembersTheChosenItem)
{
    open([this] {
        child<QComboBox>("ComboBox1")->setCurrentIndex(11);
        click("boutlancer");
    });
    EXPECT_EQ(state.params.printBulletinIndex, 11);
    EXPECT_EQ(desktop.printer.of(Op::BeginDoc).size(), 1u);
}

TEST_P(PrintDialogRange, WrongRangeIsRefusedAndNothingIsPrinted)
{
    open([this] {
        printRange(france, GetParam().first, GetParam().last);
        EXPECT_TRUE(dialog.isVisible());
    });
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    const FakeMessageBoxes::Box &box = desktop.boxes.boxes[0];
    EXPECT_EQ(box.title, "Problème !!");
    EXPECT_EQ(box.body, "Numéros des grilles à imprimer incorrect");
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_EQ(box.icon, BoxIcon::Exclamation);
    EXPECT_TRUE(desktop.printer.records.empty());
}

INSTANTIATE_TEST_SUITE_P(Ranges, PrintDialogRange,
                         testing::Values(RangeCase{"FirstZero", "0", "25"},
                                         RangeCase{"LastAboveTheGridCount", "1", "31"},
                                         RangeCase{"FirstAboveLast", "12", "11"},
                                         RangeCase{"FirstEmpty", "", "5"}),
                         rowName<RangeCase>);

TEST_F(PrintDialog, WithoutASelectedMethodEveryRangeIsRefused)
{
    state.methodListIndex = -1;
    open([this] {
        EXPECT_EQ(field("gdernier"), "0");
        printRange(france, "1", "1");
    });
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].body, "Numéros des grilles à imprimer incorrect");
    EXPECT_TRUE(desktop.printer.records.empty());
}

TEST_F(PrintDialog, TwentyFiveGridsOnTenGridBulletinsFillThreePagesAndClose)
{
    open([this] {
        click("Labtopimpnugrille");
        printRange(france, "1", "25");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(desktop.printer.pages, 3);
    EXPECT_EQ(corner(desktop.printer),
              (std::vector<std::pair<int, std::string>>{{1, "1"}, {2, "11"}, {3, "21"}}));
    EXPECT_EQ(desktop.printer.of(Op::Text).size(), 3u + 25u * 6u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(PrintDialog, TypedGridsPerBulletinReplaceTheTypes)
{
    open([this] {
        chooseType(france);
        retype("texnbgrille", "3");
        printRange(france, "1", "25");
    });
    EXPECT_EQ(desktop.printer.pages, 9);
}

TEST_F(PrintDialog, OneByOneModeAsksForEveryBulletinAfterTheFirst)
{
    open([this] {
        click("bimpunbull");
        printRange(france, "1", "25");
    });
    ASSERT_EQ(desktop.boxes.boxes.size(), 2u);
    for (const FakeMessageBoxes::Box &box : desktop.boxes.boxes) {
        EXPECT_EQ(box.title, "Imprimer les tickets");
        EXPECT_EQ(box.body, "Insérez le prochain bulletin et appuyer sur OK");
        EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
        EXPECT_EQ(box.icon, BoxIcon::Question);
    }
    EXPECT_EQ(desktop.printer.pages, 3);
}

TEST_F(PrintDialog, PreviewDrawsTheVeryOperationsOfThePrintAndStaysOpen)
{
    open([this] {
        click("Labtopimpnugrille");
        printRange(france, "3", "27", "bapercu");
        EXPECT_TRUE(dialog.isVisible());
        click("boutlancer");
    });
    EXPECT_EQ(desktop.preview.titles, (std::vector<std::string>{"Aperçu"}));
    ASSERT_EQ(desktop.printer.pages, 3);
    EXPECT_EQ(operations(desktop.preview.printer), operations(desktop.printer));
}

TEST_F(PrintDialog, PreviewInOneByOneModeAsksForNoBulletin)
{
    open([this] {
        click("bimpunbull");
        printRange(france, "1", "25", "bapercu");
        EXPECT_TRUE(desktop.boxes.boxes.empty());
        click("boutlancer");
    });
    EXPECT_EQ(desktop.boxes.boxes.size(), 2u);
    EXPECT_EQ(desktop.preview.printer.pages, 3);
    EXPECT_EQ(operations(desktop.preview.printer), operations(desktop.printer));
}

TEST_F(PrintDialog, PreviewOfAWrongRangeShowsMessage142Only)
{
    open([this] { printRange(france, "0", "5", "bapercu"); });
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].body, "Numéros des grilles à imprimer incorrect");
    EXPECT_TRUE(desktop.preview.titles.empty());
}

TEST_F(PrintDialog, GridFieldsDiscardLettersAndTabLeavesThem)
{
    open([this] {
        retype("Gpremier", "1a2b");
        EXPECT_EQ(field("Gpremier"), "12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("gdernier"));
    });
}

TEST_F(PrintDialog, GridsPerBulletinFieldTakesTwoDigitsOnly)
{
    open([this] {
        retype("texnbgrille", "x1-23");
        EXPECT_EQ(field("texnbgrille"), "12");
    });
}

TEST_F(PrintDialog, CalibrationPrintsThePageOfTheChosenTypeAndStaysOpen)
{
    open([this] {
        chooseType(france);
        click("bcalibrage");
        EXPECT_TRUE(dialog.isVisible());
    });
    const std::vector<RecordingPrinter::Record> begun = desktop.printer.of(Op::BeginDoc);
    ASSERT_EQ(begun.size(), 1u);
    EXPECT_EQ(begun[0].text, "Page de calibrage");
    EXPECT_EQ(corner(desktop.printer),
              (std::vector<std::pair<int, std::string>>{{1, "FRANCE LOTO 10 GRILLES"}}));
    EXPECT_EQ(desktop.printer.of(Op::Line).size(), 10u * 49u * 2u);
}

TEST_F(PrintDialog, CalibrationPreviewDrawsThePrintedPage)
{
    open([this] {
        chooseType(26);
        click("bapercucalibrage");
        click("bcalibrage");
    });
    EXPECT_EQ(desktop.preview.titles, (std::vector<std::string>{"Page de calibrage"}));
    ASSERT_EQ(desktop.printer.of(Op::Line).size(), 3u * 49u * 2u);
    EXPECT_EQ(operations(desktop.preview.printer), operations(desktop.printer));
}
