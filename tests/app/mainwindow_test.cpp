#include "mainwindowfixture.h"

#include "engine/gridtables.h"
#include "windows/labelcombobox.h"
#include "writefailure.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace {

const std::vector<int> elevenNumbers{3, 7, 12, 18, 22, 25, 31, 36, 40, 44, 49};

// A start without a parameter file or a language file shows the language chooser once.
const std::vector<std::string> firstStart{"TForm10"};

std::string le32(std::int32_t v)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return bytes;
}

std::string parameterFile(std::int32_t language, std::int32_t layout)
{
    return le32(0) + le32(language) + le32(0) + le32(0) + le32(layout) + le32(49) +
           std::string(16, '\0');
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheTitleAndCreatesTheWindowsInOrder)
{
    start();
    EXPECT_EQ(QApplication::applicationName(), "MIRAZOLSYSTEMES");
    EXPECT_EQ(form->windowTitle(), "MIRAZOLSYSTEMES");
    QStringList order;
    for (QObject *c : form->children()) {
        if (c->inherits("QDialog"))
            order << c->objectName();
    }
    EXPECT_EQ(order, (QStringList{"TForm2", "TForm5", "TForm8", "TForm7", "TForm9", "TForm10"}));
}

TEST_F(MainWindowTest, ClientAreaAndPlacementFollowTheFixedGeometry)
{
    start();
    EXPECT_EQ(form->centralWidget()->size(), QSize(641, 460));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(child<QTabWidget>("PageControl1")->geometry(), QRect(0, 89, 641, 352));
    EXPECT_EQ(child<QComboBox>("ComboBox1")->geometry(), QRect(275, 34, 366, 21));
    EXPECT_EQ(child<QPushButton>("bimpbull")->geometry(), QRect(447, 93, 182, 37));
    EXPECT_EQ(child<QWidget>("boutaide")->geometry(), QRect(599, 13, 38, 36));
    EXPECT_EQ(child<QComboBox>("c1")->geometry().topLeft(), QPoint(4, 13));
    EXPECT_EQ(child<QComboBox>("c7")->geometry().topLeft(), QPoint(55, 39));
    EXPECT_EQ(child<QComboBox>("c50")->geometry().topLeft(), QPoint(206, 234));
}

TEST_F(MainWindowTest, FirstActivationAppliesFrenchTextsAndFillsTheMethodList)
{
    start();
    EXPECT_EQ(child<QPushButton>("bvoirbulletin")->text(), "Voir les grilles");
    EXPECT_EQ(child<QPushButton>("bquitter")->text(), "Quitter");
    EXPECT_EQ(child<QPushButton>("bquitter")->toolTip(), "Quitter cet ecran");
    EXPECT_EQ(child<QTabWidget>("PageControl1")->tabText(0), "Systèmes precalculés internes");
    EXPECT_EQ(child<QTabWidget>("PageControl1")->tabText(1),
              "Systèmes précalculés dans fichier externe");
    EXPECT_EQ(child<QAction>("Chargerbulletin1")->text(), "Charger un jeu");
    EXPECT_EQ(child<QAction>("Imprimerlesbulletins1")->text(), "Imprimer les Tickets");
    auto *list = child<QComboBox>("ComboBox1");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->count(), static_cast<int>(state().methodList.size()));
    EXPECT_EQ(state().pnumeromethode(), state().methodList.front().method);
    EXPECT_TRUE(list->itemText(0).startsWith("  3 numéros si  3 parmi"));
}

TEST_F(MainWindowTest, EnglishParameterFileGivesEnglishTexts)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(2, 2));
    start();
    EXPECT_EQ(child<QPushButton>("bvoirbulletin")->text(), "View the boards");
    EXPECT_TRUE(child<QComboBox>("ComboBox1")->itemText(0).startsWith("  3 numbers if  3 in"));
}

class LanguageOutOfRange : public MainWindowTest,
                           public testing::WithParamInterface<std::int32_t> {};

TEST_P(LanguageOutOfRange, StartsInFrenchWithWorkingMenus)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(GetParam(), 2));
    start();
    EXPECT_EQ(state().params.language, 1);
    EXPECT_EQ(child<QPushButton>("bvoirbulletin")->text(), "Voir les grilles");
    EXPECT_EQ(child<QMenu>("Fichier1")->title(), "Fichiers");
    EXPECT_EQ(child<QAction>("Chargerbulletin1")->text(), "Charger un jeu");
    EXPECT_FALSE(child<QComboBox>("ComboBox1")->itemText(0).isEmpty());
    form->close();
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")).substr(4, 4), le32(1));
}

INSTANTIATE_TEST_SUITE_P(Values, LanguageOutOfRange,
                         testing::Values(8, 9, -1, INT32_MIN, INT32_MAX));

TEST_F(MainWindowTest, FifoInPlaceOfTheParameterFileStartsWithDefaultsAndSaysSoAtExit)
{
    ASSERT_EQ(::mkfifo(folder.file("QUILVE.PAR").c_str(), 0600), 0);
    start();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(state().params.randomMax, 49);
    EXPECT_EQ(child<QPushButton>("bvoirbulletin")->text(), "Voir les grilles");
    form->close();
    EXPECT_EQ(boxes.beeps, 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Fichier non sauvegardé !!");
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("QUILVE.PAR")));
}

TEST_F(MainWindowTest, FirstStartShowsTheLanguageChooserOnceAndTheTextsFollowItsChoice)
{
    dialogs.script = [](QDialog &window) {
        if (window.objectName() != "TForm10")
            return;
        QTest::mouseClick(window.findChild<QRadioButton *>("langlais"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>("bok"), Qt::LeftButton);
    };
    start();
    EXPECT_EQ(dialogs.shown, firstStart);
    EXPECT_EQ(state().params.language, 2);
    EXPECT_EQ(child<QPushButton>("bquitter")->text(), "Quit");
    EXPECT_TRUE(child<QComboBox>("ComboBox1")->itemText(0).contains("numbers if"));
    form->close();
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")).substr(4, 4), le32(2));
}

TEST_F(MainWindowTest, LanguageChooserClosedWithoutAChoiceKeepsFrench)
{
    start();
    EXPECT_EQ(dialogs.shown, firstStart);
    EXPECT_EQ(child<QPushButton>("bquitter")->text(), "Quitter");
}

TEST_F(MainWindowTest, EveryActivationWithoutAParameterFileAsksForTheLanguageAgain)
{
    start();
    form->activate();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"TForm10", "TForm10"}));
}

TEST_F(MainWindowTest, StartWithAParameterFileShowsNoLanguageChooser)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(2, 2));
    start();
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MainWindowTest, LanguageFileGivesTheTextsAndNoChooserAtAFirstStart)
{
    std::string file = "Mirazol;Essai\nlangue;Texte\nversion;1\n";
    for (int line = 4; line <= 10; ++line)
        file += "en-tete;" + std::to_string(line) + "\n";
    for (int n = 1; n <= 162; ++n)
        file += std::to_string(n) + ";Texte " + std::to_string(n) + "\n";
    writeBytes(folder.file("mirazol.lg"), file);
    start();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(state().languageFile.Loaded);
    EXPECT_EQ(child<QPushButton>("bvoirbulletin")->text().toStdString(),
              state().languageFile.Texts[56]);
    EXPECT_FALSE(child<QPushButton>("bvoirbulletin")->text().isEmpty());
}

TEST_F(MainWindowTest, CroatianLanguageFileIsDecodedFromItsOwnCodePage)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(6, 2));
    std::string file;
    for (int line = 1; line <= 10; ++line)
        file += "zaglavlje;" + std::to_string(line) + "\n";
    for (int n = 1; n <= 21; ++n)
        file += std::to_string(n) + (n == 21 ? ";Ra\xe8un" : ";x") + "\n";
    writeBytes(folder.file("mirazol.lg"), file);
    start();
    EXPECT_EQ(child<QPushButton>("bquitter")->text(), QString::fromUtf8("Račun"));
}

TEST_F(MainWindowTest, FirstRunClosedNormallyWritesTheDefaultParameterFile)
{
    start();
    form->close();
    const std::string expected = le32(0) + le32(1) + le32(0) + le32(0) + le32(2) + le32(49) +
                                 std::string(2, '\0') + std::string(14, '\0');
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), expected);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, QuitMenuAndQuitButtonSaveTheSameFile)
{
    start();
    form->a6x9Click();
    form->mQuitter1Click();
    const std::string viaMenu = readBytes(folder.file("QUILVE.PAR"));
    std::filesystem::remove(folder.file("QUILVE.PAR"));
    form.reset();
    start();
    form->a6x9Click();
    QTest::mouseClick(child<QPushButton>("bquitter"), Qt::LeftButton);
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), viaMenu);
    EXPECT_EQ(viaMenu.substr(16, 4), le32(3));
}

TEST_F(MainWindowTest, FailedParameterWriteBeepsShowsTheFixedBoxAndKeepsTheOldFile)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(1, 3));
    start();
    form->a5x10Click();
    {
        const FileSizeLimit tooSmall(10);
        form->close();
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Fichier non sauvegardé !!");
    EXPECT_EQ(boxes.boxes[0].body, "Il y a eu un problème");
    EXPECT_EQ(boxes.boxes[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(boxes.beeps, 1);
    EXPECT_EQ(readBytes(folder.file("QUILVE.PAR")), parameterFile(1, 3));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(MainWindowTest, LayoutOutsideRangeStartsInSevenBySeven)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(1, 9));
    start();
    EXPECT_EQ(state().params.displayLayout, 2);
    EXPECT_TRUE(child<QRadioButton>("a7x7")->isChecked());
    QLabel *one = form->grid()->cell(1);
    EXPECT_EQ(one->geometry(), QRect(35, 25, 22, 22));
}

TEST_F(MainWindowTest, SwitchingLayoutsMovesAndResizesTheCells)
{
    start();
    form->a7x7Click();
    QLabel *one = form->grid()->cell(1);
    EXPECT_EQ(one->geometry(), QRect(35, 25, 22, 22));
    QTest::mouseClick(child<QRadioButton>("anormal"), Qt::LeftButton);
    EXPECT_EQ(state().params.displayLayout, 1);
    EXPECT_EQ(one->geometry(), QRect(23, 41, 14, 20));
    EXPECT_EQ(form->grid()->cell(10)->pos(), QPoint(43, 14));
}

TEST_F(MainWindowTest, GeneralLayoutHidesTheGridAndShowsTheCombos)
{
    start();
    tick({5, 17});
    form->ageneralClick();
    EXPECT_FALSE(child<QWidget>("pgrille")->isVisible());
    EXPECT_FALSE(child<QPushButton>("bvoirbulletin")->isVisible());
    EXPECT_TRUE(child<QWidget>("pgrille2")->isVisible());
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{5, 17}));
    EXPECT_EQ(comboText(1), "5");
    EXPECT_EQ(comboText(2), "17");
}

TEST_F(MainWindowTest, ClickingACellTwiceRestoresTheSelection)
{
    start();
    tick({8});
    QLabel *cell = form->grid()->cell(20);
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_EQ(child<QLabel>("nbcoch")->text(), "2");
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{8}));
    EXPECT_EQ(state().selection.tabnumsel[1], 8);
    EXPECT_EQ(state().selection.tabnumsel[2], 0);
    EXPECT_EQ(child<QLabel>("nbcoch")->text(), "1");
}

TEST_F(MainWindowTest, CombosShowTickedNumbersAscendingWhilePositionsKeepTickingOrder)
{
    start();
    tick({49, 3, 20});
    EXPECT_EQ(state().selection.tabnumsel[1], 49);
    EXPECT_EQ(state().selection.tabnumsel[2], 3);
    EXPECT_EQ(state().selection.tabnumsel[3], 20);
    EXPECT_EQ(comboText(1), "3");
    EXPECT_EQ(comboText(2), "20");
    EXPECT_EQ(comboText(3), "49");
    EXPECT_EQ(comboText(4), "0");
}

TEST_F(MainWindowTest, ClearingUnticksEverythingAndZeroesTheCombos)
{
    start();
    tick({1, 2, 3});
    QTest::mouseClick(child<QPushButton>("beffacer"), Qt::LeftButton);
    EXPECT_TRUE(tickedNumbers().empty());
    EXPECT_EQ(child<QLabel>("nbcoch")->text(), "0");
    EXPECT_EQ(comboText(1), "0");
}

TEST_F(MainWindowTest, CombosOfTheSelectedMethodAreVisible)
{
    start();
    form->ageneralClick();
    selectMethod(7);
    EXPECT_TRUE(child<QComboBox>("c7")->isVisible());
    EXPECT_FALSE(child<QComboBox>("c8")->isVisible());
    selectMethod(6);
    EXPECT_TRUE(child<QComboBox>("c22")->isVisible());
    EXPECT_FALSE(child<QComboBox>("c23")->isVisible());
}

TEST_F(MainWindowTest, HiddenCombosStillCountWhenLeavingAVisibleOne)
{
    start();
    selectMethod(6);
    for (int n = 1; n <= 22; ++n)
        form->casecoch(n);
    selectMethod(7);
    form->Pcochegrilletabcoche(child<QComboBox>("c1"));
    EXPECT_EQ(tickedNumbers().size(), 22u);
    form->bvoirbulletinClick();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(dialogs.shown, firstStart);
}

TEST_F(MainWindowTest, TypingSeventyFiveTicksItWithoutACell)
{
    start();
    form->ageneralClick();
    clickInto(combo(1));
    press(Qt::Key_A, Qt::ControlModifier);
    type("75");
    press(Qt::Key_Tab);
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{75}));
    EXPECT_EQ(child<QLabel>("nbcoch")->text(), "1");
    EXPECT_EQ(state().selection.tabnumsel[1], 75);
}

TEST_F(MainWindowTest, TypingInABoxAndClickingTheNextTicksTheNumber)
{
    start();
    form->ageneralClick();
    clickInto(combo(1));
    ASSERT_EQ(QApplication::focusWidget(), combo(1));
    press(Qt::Key_A, Qt::ControlModifier);
    type("12");
    clickInto(combo(2));
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{12}));
    EXPECT_EQ(child<QLabel>("nbcoch")->text(), "1");
    EXPECT_EQ(state().selection.tabnumsel[1], 12);
}

TEST_F(MainWindowTest, BoxesTakeOnlyDigitsAndBackspaceAndAtMostTwoCharacters)
{
    start();
    form->ageneralClick();
    clickInto(combo(2));
    press(Qt::Key_A, Qt::ControlModifier);
    type("7a-");
    EXPECT_EQ(comboText(2), "7");
    type("53");
    EXPECT_EQ(comboText(2), "75");
    press(Qt::Key_Backspace);
    EXPECT_EQ(comboText(2), "7");
}

TEST_F(MainWindowTest, TabLeavesTheBoxAndAppliesTheLeavingRule)
{
    start();
    form->ageneralClick();
    QTest::mouseClick(child<QPushButton>("bnaleat"), Qt::LeftButton);
    const int old = comboText(1).toInt();
    clickInto(combo(1));
    press(Qt::Key_A, Qt::ControlModifier);
    type("99");
    press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), combo(1));
    const std::vector<int> numbers = tickedNumbers();
    EXPECT_EQ(std::count(numbers.begin(), numbers.end(), 99), 1);
    EXPECT_EQ(std::count(numbers.begin(), numbers.end(), old), 0);
}

TEST_F(MainWindowTest, EmptiedBoxBecomesZeroWhenTheFocusLeaves)
{
    start();
    form->ageneralClick();
    tick({12, 30});
    clickInto(combo(1));
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Backspace);
    clickInto(combo(3));
    EXPECT_EQ(comboText(1), "0");
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{30}));
}

TEST_F(MainWindowTest, PickingANumberFromABoxListTicksIt)
{
    start();
    form->ageneralClick();
    QComboBox *box = combo(3);
    clickInto(box);
    press(Qt::Key_F4);
    QAbstractItemView *list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex item = list->model()->index(24, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(comboText(3), "25");
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{25}));
}

TEST_F(MainWindowTest, OnlyTheLeftButtonTicksACell)
{
    start();
    QLabel *cell = form->grid()->cell(9);
    QTest::mouseClick(cell, Qt::RightButton);
    QTest::mouseClick(cell, Qt::MiddleButton);
    EXPECT_TRUE(tickedNumbers().empty());
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{9}));
}

TEST_F(MainWindowTest, TheApplicationNameIsNotAppendedToOtherWindowTitles)
{
    start();
    // A display name set explicitly is what the desktop appends to every window title; left
    // unset, it follows the application's name.
    const QString name = QApplication::applicationName();
    EXPECT_EQ(name, "MIRAZOLSYSTEMES");
    QApplication::setApplicationName("other");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "other");
    QApplication::setApplicationName(name);
    EXPECT_EQ(form->windowTitle(), "MIRAZOLSYSTEMES");
}

TEST_F(MainWindowTest, MethodListKeepsTheNumbersButItsOpenListIsNoWiderThanTheLabels)
{
    start();
    auto *list = child<QComboBox>("ComboBox1");
    const QString item = list->itemText(0);
    const QString label = visibleLabel(item);
    EXPECT_EQ(item.toStdString(), state().methodList[0].text);
    EXPECT_TRUE(item.endsWith(" " + QString::number(state().methodList[0].method)));
    EXPECT_TRUE(item.startsWith(label));
    EXPECT_FALSE(label.endsWith(' '));
    EXPECT_FALSE(label.isEmpty());

    list->showPopup();
    const QWidget *popup = list->view()->window();
    int widest = list->width();
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(
            widest,
            list->view()->fontMetrics().horizontalAdvance(visibleLabel(list->itemText(i))) + 32);
    EXPECT_LE(popup->width(), widest);
    list->hidePopup();
}

TEST_F(MainWindowTest, MoreThanFiftyTickedShowsTheFiftySmallestInCombos)
{
    start();
    for (int n = 1; n <= 55; ++n)
        form->casecoch(n);
    EXPECT_EQ(comboText(50), "50");
}

TEST_F(MainWindowTest, WrongCountRefusesTheViewerWithMessage109AndCaption45)
{
    start();
    selectMethod(1);
    tick({3, 7, 12, 18, 22, 25, 31, 36, 40, 44});
    form->bvoirbulletinClick();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Numéros des grilles à imprimer incorrect");
    EXPECT_EQ(boxes.boxes[0].body, "Numéros selectionnés incorrects");
    EXPECT_EQ(boxes.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(dialogs.shown, firstStart);
    tick({49});
    form->bvoirbulletinClick();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"TForm10", "TForm2"}));
}

TEST_F(MainWindowTest, ListMenuUsesCaption46AndPrintCommandsCaption80)
{
    start();
    selectMethod(1);
    form->mVoirlalistedesbulletins1Click();
    form->bimpbullClick();
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].title, "Problème");
    EXPECT_EQ(boxes.boxes[1].title, "Problème !!");
}

TEST_F(MainWindowTest, OpeningWindowsKeepsNumbersAndMethod)
{
    start();
    selectMethod(1);
    tick({49, 44, 40, 36, 31, 25, 22, 18, 12, 7, 3});
    form->bvoirbulletinClick();
    form->bimplistbullClick();
    form->Paramtres1Click();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"TForm10", "TForm2", "TForm5", "TForm9"}));
    EXPECT_EQ(tickedNumbers(), elevenNumbers);
    EXPECT_EQ(state().pnumeromethode(), 1);
    EXPECT_EQ(state().selection.tabnumsel[1], 3);
}

TEST_F(MainWindowTest, ListWindowButtonsPrintPreviewExportAndOpenThePrintDialog)
{
    start();
    selectMethod(1);
    tick(elevenNumbers);
    const std::string exported = folder.file("grilles.txt").string();
    files.answers.push_back(exported);
    dialogs.script = [](QDialog &window) {
        if (window.objectName() != "TForm5")
            return;
        for (const char *button : {"BitBtn6", "bapercu", "bexport", "BitBtn2"})
            QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
    };
    QTest::mouseClick(child<QPushButton>("bimplistbull"), Qt::LeftButton);

    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"TForm10", "TForm5", "TForm7"}));
    const auto titles = printer.of(RecordingPrinter::Op::Text);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles[0].text, "LISTE DES BULLETINS");
    EXPECT_EQ(preview.titles, std::vector<std::string>{"Imprimer la liste"});
    ASSERT_EQ(preview.printer.records.size(), printer.records.size());
    for (std::size_t i = 0; i < printer.records.size(); ++i) {
        EXPECT_EQ(preview.printer.records[i].op, printer.records[i].op) << i;
        EXPECT_EQ(preview.printer.records[i].x, printer.records[i].x) << i;
        EXPECT_EQ(preview.printer.records[i].y, printer.records[i].y) << i;
        EXPECT_EQ(preview.printer.records[i].text, printer.records[i].text) << i;
    }
    const std::string bytes = readBytes(exported);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 11);
    EXPECT_EQ(bytes.substr(0, bytes.find('\r')), " 7, 12, 18, 25, 31, 40");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, PrintButtonOpensThePrintDialogOnlyWithTheRightCount)
{
    start();
    selectMethod(1);
    tick({3, 7, 12});
    QTest::mouseClick(child<QPushButton>("bimpbull"), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown, firstStart);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].title, "Problème !!");
    tick({18, 22, 25, 31, 36, 40, 44, 49});
    QTest::mouseClick(child<QPushButton>("bimpbull"), Qt::LeftButton);
    form->Imprimerlesbulletins1Click();
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"TForm10", "TForm7", "TForm7"}));
}

TEST_F(MainWindowTest, CompareMenuComparesTheSourceTheWindowWasLastOpenedFor)
{
    start();
    selectMethod(1);
    tick(elevenNumbers);
    writeBytes(folder.file("grilles.txt"), "3;7;12;18;22;25\n");
    std::vector<int> lines;
    dialogs.script = [&lines](QDialog &window) {
        if (window.objectName() != "TForm8")
            return;
        activateWindow(window);
        const char *draw[] = {"3", "17", "20", "28", "33", "45", "12"};
        for (int box = 1; box <= 7; ++box) {
            auto *combo = window.findChild<QComboBox *>(QString("ComboBox%1").arg(box));
            clickInto(combo);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), draw[box - 1]);
        }
        QTest::mouseClick(window.findChild<QPushButton *>("button1"), Qt::LeftButton);
        lines.push_back(window.findChild<QListView *>("listresul")->model()->rowCount());
    };
    QTest::mouseClick(child<QPushButton>("bcomparer"), Qt::LeftButton);
    form->bexternecompareClick({folder.file("grilles.txt").string(), ";", 0},
                               identityReplacement());
    form->mCompareraveclesrsultats1Click();
    QTest::mouseClick(child<QPushButton>("bcomparer"), Qt::LeftButton);
    EXPECT_EQ(lines, (std::vector<int>{11, 1, 1, 11}));
}

TEST_F(MainWindowTest, ViewerShowsTheFirstGridOfTheWorkedExample)
{
    start();
    selectMethod(1);
    tick(elevenNumbers);
    form->bvoirbulletinClick();
    EXPECT_EQ(gridNumbers(state().selection), (std::vector<int>{7, 12, 18, 25, 31, 40}));
}

TEST_F(MainWindowTest, BothHelpControlsOpenTheHelpFileOfTheProgramFolder)
{
    start();
    QTest::mouseClick(child<QWidget>("boutaide"), Qt::LeftButton);
    form->Aideenligne1Click();
    const std::string expected = folder.programFolder() + "mirazol.chm";
    EXPECT_EQ(shell.opened, (std::vector<std::string>{expected, expected}));
}

TEST_F(MainWindowTest, RandomSelectionTicksAsManyNumbersAsTheMethodNeeds)
{
    start();
    selectMethod(6);
    tick({1, 2, 3});
    QTest::mouseClick(child<QPushButton>("bnaleat"), Qt::LeftButton);
    const auto numbers = tickedNumbers();
    EXPECT_EQ(numbers.size(), 22u);
    EXPECT_LE(numbers.back(), 49);
    EXPECT_EQ(child<QLabel>("nbcoch")->text(), "22");
    EXPECT_EQ(comboText(1), QString::number(numbers.front()));
    form->bvoirbulletinClick();
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, RefillingTheListKeepsTheTickedNumbersAndSelectsTheFirstItem)
{
    start();
    selectMethod(1);
    tick({4, 5});
    form->premplimethodes();
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(tickedNumbers(), (std::vector<int>{4, 5}));
}

TEST_F(MainWindowTest, ApplyingTextsResetsTheSeparatorAndLinesToSkip)
{
    start();
    auto *separator = child<QComboBox>("Combseparateur");
    auto *skip = child<QComboBox>("combligne");
    EXPECT_EQ(separator->currentText(), " ");
    separator->setCurrentIndex(2);
    skip->setCurrentIndex(5);
    form->pglometlibelles();
    EXPECT_EQ(separator->currentIndex(), 0);
    EXPECT_EQ(skip->currentText(), "0");
    EXPECT_EQ(child<QPushButton>("bselfic")->text(), "Selectionnez le fichier");
    EXPECT_EQ(child<QPushButton>("bexternecompare")->text(), "Comparer avec le tirage");
}

TEST_F(MainWindowTest, SpanishLeavesTheFilePageButtonWithoutCaption)
{
    writeBytes(folder.file("QUILVE.PAR"), parameterFile(4, 2));
    start();
    EXPECT_EQ(child<QPushButton>("bselfic")->text(), "");
    EXPECT_EQ(form->findChild<QMenu *>("Aide1")->title(), "Ayuda");
}

TEST_F(MainWindowTest, GridRangeFieldsTakeOnlyDigitsUpToFiveCharacters)
{
    start();
    auto *first = child<QLineEdit>("Gpremier");
    auto *last = child<QLineEdit>("gdernier");
    EXPECT_EQ(first->text(), "1");
    EXPECT_EQ(last->text(), "99999");
    EXPECT_EQ(last->maxLength(), 5);
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    clickInto(first);
    press(Qt::Key_End);
    type("2a-3");
    EXPECT_EQ(first->text(), "123");
    press(Qt::Key_Backspace);
    EXPECT_EQ(first->text(), "123");
    clickInto(last);
    press(Qt::Key_A, Qt::ControlModifier);
    type("123766");
    EXPECT_EQ(last->text(), "12376");
}

TEST_F(MainWindowTest, TabAndShiftTabLeaveTheDigitOnlyFields)
{
    start();
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    auto *first = child<QLineEdit>("Gpremier");
    clickInto(first);
    ASSERT_EQ(QApplication::focusWidget(), first);
    press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), first);
    EXPECT_EQ(first->text(), "1");
    clickInto(first);
    press(Qt::Key_Backtab);
    EXPECT_NE(QApplication::focusWidget(), first);
}
