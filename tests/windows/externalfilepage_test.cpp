#include "fakedesktop.h"
#include "testfolder.h"
#include "typing.h"
#include "windows/externalfilepage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;

constexpr int france = 23;  // 10 grids per bulletin, "X" marks

// `count` lines "k 2 3 4 5 6": line k holds its own number first.
std::string numberedLines(int count)
{
    std::string lines;
    for (int k = 1; k <= count; ++k)
        lines += std::to_string(k) + " 2 3 4 5 6\r\n";
    return lines;
}

// What a printer was asked to do, in a form that compares whole.
auto operations(const RecordingPrinter &printer)
{
    std::vector<std::tuple<Op, int, int, int, int, int, int, bool, std::string>> ops;
    for (const RecordingPrinter::Record &r : printer.records)
        ops.emplace_back(r.op, r.page, r.x, r.y, r.x2, r.y2, r.value, r.bold, r.text);
    return ops;
}

class ExternalFilePageTest : public testing::Test {
protected:
    ExternalFilePageTest()
    {
        state.params.language = 1;
        pinittypebulletin(state.bulletinTypes);
        page.applyTexts([this](int n) { return state.message(n); });
        page.premplicombotypebulletin();
        page.resize(640, 320);
        page.show();
        activateWindow(page);
    }

    template <typename T> T *child(const char *name)
    {
        if (T *found = page.findChild<T *>(name))
            return found;
        throw std::runtime_error(std::string("no widget ") + name);
    }
    void click(const char *name)
    {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    // Replaces the text of an edit field the way a player does: click, select all, type.
    void typeInto(const char *name, const QString &text)
    {
        QTest::mouseClick(child<QLineEdit>(name), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    void choose(const char *combo, const QString &item)
    {
        auto *box = child<QComboBox>(combo);
        box->setCurrentIndex(box->findText(item));
    }
    std::string chooseFile(const std::string &bytes, const std::string &name = "grids.txt")
    {
        const std::string path = folder.file(name).string();
        writeBytes(path, bytes);
        desktop.files.answers.push_back(path);
        click("bselfic");
        return path;
    }
    void nextTimes(int count)
    {
        for (int i = 0; i < count; ++i)
            click("bsuivant");
    }
    void chooseBulletinType(int t)
    {
        auto *box = child<QComboBox>("combTypebull");
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i).endsWith(QString::number(t).rightJustified(3)))
                box->setCurrentIndex(i);
        }
    }
    int rows(const char *grid) { return child<QTableView>(grid)->model()->rowCount(); }
    QString cell(const char *grid, int row, int column)
    {
        const QAbstractItemModel *model = child<QTableView>(grid)->model();
        return model->index(row, column).data().toString();
    }
    int shownPage() { return child<QStackedWidget>("Pagecontrolfic")->currentIndex() + 1; }

    TestFolder folder;
    FakeDesktop desktop;
    AppState state;
    ExternalFilePage page{state, desktop.platform, nullptr};
};

}  // namespace

TEST_F(ExternalFilePageTest, NextWithoutAFileWarnsAndStaysOnTheFirstPage)
{
    click("bsuivant");
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].title, "Problème !!");
    EXPECT_EQ(desktop.boxes.boxes[0].body, "Le fichier n a pas été selectionné");
    EXPECT_EQ(desktop.boxes.boxes[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(desktop.boxes.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(state.filePage, 1);
    EXPECT_EQ(shownPage(), 1);
}

TEST_F(ExternalFilePageTest, FileChoiceAsksForAnExistingTextFileAndShowsItsPath)
{
    const std::string path = chooseFile("1 2 3\r\n");
    ASSERT_EQ(desktop.files.opened.size(), 1u);
    const FileDialogOptions &options = desktop.files.opened[0];
    EXPECT_EQ(options.title, "Selectionnez le fichier");
    EXPECT_EQ(options.filter, "Fichiers textes  (*.txt;*.csv)|*.txt;*.csv");
    EXPECT_EQ(options.initialName, "");
    EXPECT_EQ(options.defaultExtension, "");
    EXPECT_TRUE(options.hideReadOnly);
    EXPECT_TRUE(options.pathMustExist);
    EXPECT_TRUE(options.fileMustExist);
    EXPECT_EQ(child<QLabel>("labfic")->text().toStdString(), path);
}

struct PreviewRows {
    const char *name;
    int nextClicks;
    bool showAll;
    const char *grid;
    int lines;
};

class PreviewOfThirtyLines : public ExternalFilePageTest,
                             public testing::WithParamInterface<PreviewRows> {};

TEST_P(PreviewOfThirtyLines, ShowsItsLinesAfterTheHeaderRow)
{
    chooseFile(numberedLines(30));
    nextTimes(GetParam().nextClicks);
    if (GetParam().showAll)
        click("baffichetous");
    EXPECT_EQ(rows(GetParam().grid), GetParam().lines + 1);
    EXPECT_EQ(cell(GetParam().grid, GetParam().lines, 0), QString::number(GetParam().lines));
    EXPECT_EQ(cell(GetParam().grid, GetParam().lines, 1), QString::number(GetParam().lines));
    EXPECT_EQ(cell(GetParam().grid, 0, 0), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, PreviewOfThirtyLines,
                         testing::Values(PreviewRows{"RawPage", 1, false, "GrilleNumero", 20},
                                         PreviewRows{"ReplacedPage", 3, false, "GrilleNumero2", 20},
                                         PreviewRows{"AllLines", 3, true, "GrilleNumero2", 30}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(ExternalFilePageTest, SkippedLinesLeaveOutBlankLines)
{
    chooseFile("first 1\r\n\r\n   \r\nsecond 2\r\nthird 3\r\nfourth 4\r\n");
    choose("combligne", "2");
    click("bsuivant");
    EXPECT_EQ(rows("GrilleNumero"), 3);
    EXPECT_EQ(cell("GrilleNumero", 1, 1), "third");
    EXPECT_EQ(cell("GrilleNumero", 2, 1), "fourth");
}

TEST_F(ExternalFilePageTest, LineOfTwelveFieldsShowsTheFirstTen)
{
    chooseFile("1 2 3 4 5 6 7 8 9 10 11 12\r\n");
    click("bsuivant");
    for (int column = 1; column <= 10; ++column)
        EXPECT_EQ(cell("GrilleNumero", 1, column), QString::number(column));
    EXPECT_EQ(child<QTableView>("GrilleNumero")->model()->columnCount(), 11);
}

TEST_F(ExternalFilePageTest, LineOfFourFieldsLeavesTheLastSixCellsEmpty)
{
    chooseFile("1 2 3 4\r\n");
    click("bsuivant");
    EXPECT_EQ(cell("GrilleNumero", 1, 4), "4");
    for (int column = 5; column <= 10; ++column)
        EXPECT_EQ(cell("GrilleNumero", 1, column), "");
}

TEST_F(ExternalFilePageTest, PreviewColumnsAreFortyPixelsWide)
{
    chooseFile("1 2 3\r\n");
    click("bsuivant");
    for (const char *grid : {"GrilleNumero", "GrilleNumero2"}) {
        for (int column = 0; column <= 10; ++column)
            EXPECT_EQ(child<QTableView>(grid)->columnWidth(column), 40) << grid << column;
    }
}

class ReplacementBoxSeven : public ExternalFilePageTest {
protected:
    void SetUp() override
    {
        chooseFile("7;07; 7 ;8\r\n");
        choose("Combseparateur", ";");
        nextTimes(2);
        typeInto("ComboBox51", "33");
        click("bsuivant");
    }
};

TEST_F(ReplacementBoxSeven, ReplacesSevenInEveryFormOnTheReplacedPreview)
{
    EXPECT_EQ(cell("GrilleNumero2", 1, 1), "33");
    EXPECT_EQ(cell("GrilleNumero2", 1, 2), "33");
    EXPECT_EQ(cell("GrilleNumero2", 1, 3), "33");
    EXPECT_EQ(cell("GrilleNumero2", 1, 4), "8");
}

TEST_F(ReplacementBoxSeven, LeavesTheRawPreviewAsRead)
{
    EXPECT_EQ(cell("GrilleNumero", 1, 1), "7");
    EXPECT_EQ(cell("GrilleNumero", 1, 2), "07");
    EXPECT_EQ(cell("GrilleNumero", 1, 3), " 7 ");
}

TEST_F(ReplacementBoxSeven, BuildsTheReplacementMap)
{
    EXPECT_EQ(state.replacementMap[7], 33);
    EXPECT_EQ(state.replacementMap[8], 8);
    EXPECT_EQ(state.replacementMap[100], 100);
}

TEST_F(ExternalFilePageTest, ShowAllUsesTheMapAsLastBuilt)
{
    chooseFile("7 9\r\n");
    nextTimes(2);
    typeInto("ComboBox51", "33");
    click("bsuivant");
    click("bprecedent");
    typeInto("ComboBox51", "44");
    click("bsuivant");
    EXPECT_EQ(cell("GrilleNumero2", 1, 1), "44");
    click("bprecedent");
    typeInto("ComboBox51", "55");
    click("bsuivant");
    click("baffichetous");
    EXPECT_EQ(cell("GrilleNumero2", 1, 1), "55");
}

TEST_F(ExternalFilePageTest, PreviousOnTheFirstPageChangesNothing)
{
    EXPECT_FALSE(child<QAbstractButton>("bprecedent")->isEnabled());
    click("bprecedent");
    page.bprecedentClick();
    EXPECT_EQ(state.filePage, 1);
    EXPECT_EQ(shownPage(), 1);
}

TEST_F(ExternalFilePageTest, NextOnTheLastPageChangesNothing)
{
    chooseFile(numberedLines(3));
    nextTimes(4);
    ASSERT_EQ(shownPage(), 5);
    EXPECT_FALSE(child<QAbstractButton>("bsuivant")->isEnabled());
    click("bsuivant");
    page.bsuivantClick();
    EXPECT_EQ(state.filePage, 5);
    EXPECT_EQ(shownPage(), 5);
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(ExternalFilePageTest, PreviousGoesBackWithoutReloading)
{
    const std::string path = chooseFile(numberedLines(3));
    click("bsuivant");
    writeBytes(path, numberedLines(5));
    click("bsuivant");
    click("bprecedent");
    EXPECT_EQ(shownPage(), 2);
    EXPECT_TRUE(child<QAbstractButton>("bprecedent")->isEnabled());
    EXPECT_TRUE(child<QAbstractButton>("bsuivant")->isEnabled());
    EXPECT_EQ(rows("GrilleNumero"), 4);
}

TEST_F(ExternalFilePageTest, UnreadableFileReportsAndStillMovesOn)
{
    const std::string path = chooseFile(numberedLines(3));
    std::filesystem::remove(path);
    click("bsuivant");
    ASSERT_EQ(desktop.boxes.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes.boxes[0].title, "Erreur dans pchargegrille");
    EXPECT_EQ(desktop.boxes.boxes[0].body, "Erreur");
    EXPECT_EQ(shownPage(), 2);
    EXPECT_EQ(rows("GrilleNumero"), 2);
}

TEST_F(ExternalFilePageTest, CompareSendsTheSourceAndTheMap)
{
    const std::string path = chooseFile("x;y;7\r\n");
    choose("Combseparateur", ";");
    choose("combligne", "2");
    nextTimes(2);
    typeInto("ComboBox51", "33");
    nextTimes(2);
    std::vector<std::pair<GridFileSource, ReplacementMap>> sent;
    QObject::connect(&page, &ExternalFilePage::compareRequested,
                     [&sent](const GridFileSource &source, const ReplacementMap &map) {
                         sent.emplace_back(source, map);
                     });
    click("bexternecompare");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].first.fileName, path);
    EXPECT_EQ(sent[0].first.separator, ";");
    EXPECT_EQ(sent[0].first.skipLines, 2);
    EXPECT_EQ(sent[0].second[7], 33);
    EXPECT_EQ(sent[0].second[8], 8);
    EXPECT_EQ(sent[0].second, state.replacementMap);
}

TEST_F(ExternalFilePageTest, BulletinTypeListOffersTheVisibleTypesWithNoneChosen)
{
    auto *box = child<QComboBox>("combTypebull");
    EXPECT_EQ(box->count(), 27);
    EXPECT_EQ(box->currentIndex(), -1);
}

class PrintedFile : public ExternalFilePageTest {
protected:
    void SetUp() override
    {
        chooseFile(numberedLines(25));
        nextTimes(4);
        chooseBulletinType(france);
    }
};

TEST_F(PrintedFile, MarksSixNumbersOfEveryLineOnThreeBulletins)
{
    click("bimprimer");
    EXPECT_EQ(desktop.printer.of(Op::Text).size(), 150u);
    EXPECT_EQ(desktop.printer.of(Op::NewPage).size(), 2u);
    EXPECT_EQ(desktop.printer.of(Op::EndDoc).size(), 1u);
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(PrintedFile, RawPreviewCountsThePrintedLines)
{
    click("bimprimer");
    EXPECT_EQ(rows("GrilleNumero"), 26);
    EXPECT_EQ(cell("GrilleNumero", 25, 0), "25");
    EXPECT_EQ(cell("GrilleNumero", 25, 1), "");
    EXPECT_EQ(cell("GrilleNumero", 20, 1), "20");
}

TEST_F(PrintedFile, RangeAndNumberingComeFromThePrintGroup)
{
    typeInto("gdernier", "12");
    QTest::mouseClick(child<QAbstractButton>("Labtopimpnugrille"), Qt::LeftButton);
    click("bimprimer");
    const auto texts = desktop.printer.of(Op::Text);
    ASSERT_EQ(texts.size(), 74u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_EQ(rows("GrilleNumero"), 13);
}

TEST_F(PrintedFile, EmptiedFirstGridPrintsNothingAndSaysNothing)
{
    typeInto("Gpremier", "");
    click("bimprimer");
    EXPECT_TRUE(desktop.printer.records.empty());
    EXPECT_TRUE(desktop.boxes.boxes.empty());
}

TEST_F(PrintedFile, PreviewDrawsWhatThePrintPrints)
{
    click("bapercu");
    click("bimprimer");
    ASSERT_EQ(desktop.preview.titles, std::vector<std::string>{"Aperçu"});
    EXPECT_FALSE(desktop.printer.records.empty());
    EXPECT_EQ(operations(desktop.preview.printer), operations(desktop.printer));
}

TEST_F(ExternalFilePageTest, PrintWithoutATypeReportsBothFailures)
{
    chooseFile(numberedLines(2));
    nextTimes(4);
    click("bimprimer");
    ASSERT_EQ(desktop.boxes.boxes.size(), 2u);
    EXPECT_EQ(desktop.boxes.boxes[0].title, "erreur dans pretournenutypeticketimpression");
    EXPECT_EQ(desktop.boxes.boxes[1].title, "Erreur dans Pimprimebulletinfichier");
    EXPECT_TRUE(desktop.printer.records.empty());
}

TEST_F(ExternalFilePageTest, ExportWritesTheReplacedNumbersOfEveryLine)
{
    chooseFile("A;3;7;12;25;33\r\n1;2;3;4;5;101\r\n");
    choose("Combseparateur", ";");
    nextTimes(2);
    typeInto("ComboBox51", "44");
    nextTimes(2);
    const std::string out = folder.file("export.txt").string();
    desktop.files.answers.push_back(out);
    click("bexportliste");
    EXPECT_EQ(readBytes(out), " 3, 44, 12, 25, 33\r\n 1, 2, 3, 4, 5, 101\r\n");
    ASSERT_EQ(desktop.files.saved.size(), 1u);
    EXPECT_EQ(desktop.files.saved[0].defaultExtension, "txt");
}

TEST_F(ExternalFilePageTest, ListPrintNumbersTheKeptLines)
{
    chooseFile("skipped 1\r\n3 7 12\r\n4 8 13\r\n");
    choose("combligne", "1");
    nextTimes(4);
    click("bimprimeliste");
    std::vector<std::string> lines;
    for (const RecordingPrinter::Record &text : desktop.printer.of(Op::Text))
        lines.push_back(text.text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "1 : 3 7 12");
    EXPECT_EQ(lines[2], "2 : 4 8 13");
}

class Ordinals : public ExternalFilePageTest {
protected:
    void SetUp() override
    {
        chooseFile(numberedLines(30));
        click("bsuivant");
    }
};

TEST_F(Ordinals, MoreRowsThanLinesShowOnlyTheirOrdinal)
{
    page.showOrdinals(25);
    EXPECT_EQ(rows("GrilleNumero"), 26);
    EXPECT_EQ(cell("GrilleNumero", 22, 0), "22");
    EXPECT_EQ(cell("GrilleNumero", 22, 1), "");
    EXPECT_EQ(cell("GrilleNumero", 5, 1), "5");
}

TEST_F(Ordinals, FewerRowsHideTheLinesBeyond)
{
    page.showOrdinals(3);
    EXPECT_EQ(rows("GrilleNumero"), 4);
    EXPECT_EQ(cell("GrilleNumero", 3, 1), "3");
}

TEST_F(ExternalFilePageTest, OrdinalOnAnEmptyPreviewFillsItsFirstRow)
{
    EXPECT_EQ(cell("GrilleNumero", 1, 0), "");
    page.showOrdinals(1);
    EXPECT_EQ(rows("GrilleNumero"), 2);
    EXPECT_EQ(cell("GrilleNumero", 1, 0), "1");
}

TEST_F(ExternalFilePageTest, HundredThousandLinesAreAllShown)
{
    chooseFile(numberedLines(100000));
    nextTimes(3);
    click("baffichetous");
    EXPECT_EQ(rows("GrilleNumero2"), 100001);
    EXPECT_EQ(cell("GrilleNumero2", 100000, 1), "100000");
}

TEST_F(ExternalFilePageTest, CaptionsResetTheListChoices)
{
    choose("Combseparateur", ";");
    choose("combligne", "4");
    page.applyTexts([this](int n) { return state.message(n); });
    EXPECT_EQ(child<QComboBox>("Combseparateur")->currentText(), " ");
    EXPECT_EQ(child<QComboBox>("combligne")->currentText(), "0");
}

struct Caption {
    const char *component;
    const char *text;
};

class FrenchCaption : public ExternalFilePageTest, public testing::WithParamInterface<Caption> {
protected:
    QString caption(const char *name)
    {
        QWidget *widget = child<QWidget>(name);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        return child<QGroupBox>(name)->title();
    }
};

TEST_P(FrenchCaption, IsTheCatalogueText)
{
    EXPECT_EQ(caption(GetParam().component).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Components, FrenchCaption,
    testing::Values(
        Caption{"gfic", "Fichiers textes "}, Caption{"bselfic", "Selectionnez le fichier"},
        Caption{"Labseparateur", "Separateur"},
        Caption{"labNblignesaute", "Nombre de lignes à sauter"},
        Caption{"labinfotab2", "Seules les 20 premieres lignes sont affichées dans la grille"},
        Caption{"labinfogrille2", "Seules les 20 premieres lignes sont affichées dans la grille"},
        Caption{"labnumerorep", "Remplacer les numeros"}, Caption{"baffichetous", "Tout afficher"},
        Caption{"bprecedent", "Précédent"}, Caption{"bsuivant", "Suivant"},
        Caption{"gimprimebulletin", "Imprimer les Tickets"},
        Caption{"labtypebulletin", "Type de tickets"}, Caption{"GroupBox2", "Type d' impression"},
        Caption{"bimptsbull", "Imprimer tous les tickets à la fois"},
        Caption{"bimpunbull", "Imprimer un ticket à la fois"},
        Caption{"ggrilleimp", "Grilles à imprimer"},
        Caption{"Labtopimpnugrille", "Imprimer le numero de grille"},
        Caption{"bimprimer", "Imprimer les tickets"}, Caption{"bapercu", "Aperçu"},
        Caption{"gimprimeliste", "Imprimer la liste"},
        Caption{"bimprimeliste", "Imprimer la liste"},
        Caption{"gexporteliste", "Export des combinaisons à jouer dans un fichier texte"},
        Caption{"gsysexternecompare", "Comparer avec le tirage"},
        Caption{"bexternecompare", "Comparer avec le tirage"}),
    [](const auto &row) { return std::string(row.param.component); });
