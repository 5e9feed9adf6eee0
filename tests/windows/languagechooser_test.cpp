#include "windows/languagechooser.h"

#include "fakedesktop.h"
#include "typing.h"
#include "windows/flags.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const std::vector<const char *> languageNames{"lfrancais", "langlais", "lportugais", "lespagnol",
                                              "litalien",  "lcroatie", "lallemand"};
const std::vector<const char *> flagNames{"ifrancais", "ianglais", "iportugais", "iespagnol",
                                          "iitalien",  "icroatie", "iallemand"};

class LanguageChooser : public testing::Test {
protected:
    FakeDialogRunner dialogs;
    AppState state = frenchSession();
    TForm10 dialog{state};

    template <typename W> W *child(const char *name)
    {
        W *w = dialog.findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Opens the window the way the main window does, runs `script` while it is shown.
    void open(const std::function<void()> &script = {})
    {
        dialogs.script = [&](QDialog &) {
            activateWindow(dialog);
            if (script)
                script();
        };
        dialogs.runModal(dialog);
    }

    void click(const char *name, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(child<QWidget>(name), button);
    }

    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    std::vector<std::string> checkedButtons()
    {
        std::vector<std::string> on;
        for (const char *name : languageNames) {
            if (child<QRadioButton>(name)->isChecked())
                on.emplace_back(name);
        }
        return on;
    }
};

}  // namespace

TEST_F(LanguageChooser, IsTitledInFrenchAndEnglish)
{
    EXPECT_EQ(dialog.objectName(), "TForm10");
    EXPECT_EQ(dialog.windowTitle(), "Langue - Language");
}

TEST_F(LanguageChooser, OkIsTheOnlyButtonAndTheDefaultOne)
{
    const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->objectName(), "bok");
    EXPECT_EQ(buttons.front()->text(), "OK");
    EXPECT_TRUE(buttons.front()->isDefault());
}

TEST_F(LanguageChooser, ButtonsShowEachLanguageInItsOwnName)
{
    std::vector<std::string> captions;
    for (const char *name : languageNames)
        captions.push_back(child<QRadioButton>(name)->text().toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"Français", "English", "Portugues", "Español",
                                                  "Italiano", "Hrvatski", "Deutsch"}));
}

TEST_F(LanguageChooser, EachFlagStandsBesideItsLanguage)
{
    for (std::size_t i = 0; i < flagNames.size(); ++i) {
        auto *flag = child<QLabel>(flagNames[i]);
        const QImage shown = flag->pixmap().toImage();
        EXPECT_EQ(shown, countryFlag(static_cast<int>(i) + 1, shown.size()).toImage())
            << flagNames[i];
        EXPECT_EQ(flag->parentWidget(), child<QRadioButton>(languageNames[i])->parentWidget());
        EXPECT_NEAR(flag->geometry().center().y(),
                    child<QRadioButton>(languageNames[i])->geometry().center().y(), 2)
            << flagNames[i];
    }
}

TEST_F(LanguageChooser, TipsAreInFrenchThenEnglish)
{
    EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText().toStdString(),
              "Si les croix à l'écran se placent à côté des cases, choisissez les petites polices "
              "dans les paramètres d'affichage de Windows.\n"
              "Le type de grille à l'écran se change dans Options/Parametres.\n"
              "\n"
              "If the crosses on the screen stand beside the boxes, choose the small fonts in the "
              "Windows display settings.\n"
              "The board style on screen is changed under Options/Parameters.");
}

TEST_F(LanguageChooser, TipsCannotBeEdited)
{
    const QString tips = child<QPlainTextEdit>("Memo1")->toPlainText();
    open([&] {
        click("Memo1");
        QTest::keyClicks(QApplication::focusWidget(), "abc");
        press(Qt::Key_Delete);
        EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText(), tips);
    });
}

TEST_F(LanguageChooser, OpensCentredOnTheScreen)
{
    open([&] {
        EXPECT_EQ(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
    });
}

struct ShownLanguage {
    const char *name;
    int language;
    const char *checked;
};

class LanguageChooserShow : public LanguageChooser,
                            public testing::WithParamInterface<ShownLanguage> {};

TEST_P(LanguageChooserShow, ChecksTheCurrentLanguageOnly)
{
    state.params.language = GetParam().language;
    open([&] { EXPECT_EQ(checkedButtons(), std::vector<std::string>{GetParam().checked}); });
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageChooserShow,
                         testing::Values(ShownLanguage{"French", 1, "lfrancais"},
                                         ShownLanguage{"English", 2, "langlais"},
                                         ShownLanguage{"Portuguese", 3, "lportugais"},
                                         ShownLanguage{"Spanish", 4, "lespagnol"},
                                         ShownLanguage{"Italian", 5, "litalien"},
                                         ShownLanguage{"Croatian", 6, "lcroatie"},
                                         ShownLanguage{"German", 7, "lallemand"},
                                         ShownLanguage{"UnsetIsFrench", 0, "lfrancais"},
                                         ShownLanguage{"BeyondGermanIsFrench", 8, "lfrancais"}),
                         [](const testing::TestParamInfo<ShownLanguage> &info) {
                             return info.param.name;
                         });

struct LanguageClick {
    const char *name;
    const char *widget;
    int language;
};

class LanguageChooserClick : public LanguageChooser,
                             public testing::WithParamInterface<LanguageClick> {
protected:
    void SetUp() override { state.params.language = GetParam().language == 1 ? 7 : 1; }
};

TEST_P(LanguageChooserClick, ThenOkStoresTheLanguageAndCloses)
{
    open([&] {
        click(GetParam().widget);
        click("bok");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.params.language, GetParam().language);
}

TEST_P(LanguageChooserClick, StoresTheLanguageAtOnce)
{
    open([&] {
        click(GetParam().widget);
        EXPECT_EQ(state.params.language, GetParam().language);
    });
}

INSTANTIATE_TEST_SUITE_P(ButtonsAndFlags, LanguageChooserClick,
                         testing::Values(LanguageClick{"FrenchButton", "lfrancais", 1},
                                         LanguageClick{"EnglishButton", "langlais", 2},
                                         LanguageClick{"PortugueseButton", "lportugais", 3},
                                         LanguageClick{"SpanishButton", "lespagnol", 4},
                                         LanguageClick{"ItalianButton", "litalien", 5},
                                         LanguageClick{"CroatianButton", "lcroatie", 6},
                                         LanguageClick{"GermanButton", "lallemand", 7},
                                         LanguageClick{"FrenchFlag", "ifrancais", 1},
                                         LanguageClick{"EnglishFlag", "ianglais", 2},
                                         LanguageClick{"PortugueseFlag", "iportugais", 3},
                                         LanguageClick{"SpanishFlag", "iespagnol", 4},
                                         LanguageClick{"ItalianFlag", "iitalien", 5},
                                         LanguageClick{"CroatianFlag", "icroatie", 6},
                                         LanguageClick{"GermanFlag", "iallemand", 7}),
                         [](const testing::TestParamInfo<LanguageClick> &info) {
                             return info.param.name;
                         });

TEST_F(LanguageChooser, RightClickOnAFlagChoosesNothing)
{
    state.params.language = 1;
    open([&] {
        click("iitalien", Qt::RightButton);
        EXPECT_EQ(checkedButtons(), std::vector<std::string>{"lfrancais"});
        click("bok");
    });
    EXPECT_EQ(state.params.language, 1);
}

struct ClosingKey {
    const char *name;
    Qt::Key key;
    QDialog::DialogCode result;
};

class LanguageChooserKey : public LanguageChooser,
                           public testing::WithParamInterface<ClosingKey> {};

// Enter presses the default button OK; Escape closes the window, and since the chooser has no
// cancel, the language clicked stays chosen either way.
TEST_P(LanguageChooserKey, ClosesKeepingTheLanguageClicked)
{
    open([&] {
        click("lespagnol");
        press(GetParam().key);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(dialog.result(), GetParam().result);
    EXPECT_EQ(state.params.language, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LanguageChooserKey,
    testing::Values(ClosingKey{"EnterPressesOk", Qt::Key_Return, QDialog::Accepted},
                    ClosingKey{"Escape", Qt::Key_Escape, QDialog::Rejected}),
    [](const testing::TestParamInfo<ClosingKey> &info) { return info.param.name; });

struct UnclickedOk {
    const char *name;
    int before;
    int after;
};

class LanguageChooserOk : public LanguageChooser,
                          public testing::WithParamInterface<UnclickedOk> {};

TEST_P(LanguageChooserOk, WithoutAClickStoresTheCheckedLanguage)
{
    state.params.language = GetParam().before;
    open([&] { click("bok"); });
    EXPECT_EQ(state.params.language, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageChooserOk,
                         testing::Values(UnclickedOk{"FirstStartKeepsFrench", 1, 1},
                                         UnclickedOk{"GermanStays", 7, 7},
                                         UnclickedOk{"UnsetBecomesFrench", 0, 1},
                                         UnclickedOk{"BeyondGermanBecomesFrench", 9, 1}),
                         [](const testing::TestParamInfo<UnclickedOk> &info) {
                             return info.param.name;
                         });
