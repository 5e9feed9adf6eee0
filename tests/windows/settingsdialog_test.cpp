#include "windows/settingsdialog.h"

#include "fakedesktop.h"
#include "typing.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class SettingsDialog : public testing::Test {
protected:
    FakeDialogRunner dialogs;
    AppState state = frenchSession();
    TForm9 dialog{state};

    void SetUp() override
    {
        state.params.offsetHorizontal = -12;
        state.params.offsetVertical = 7;
        state.params.displayLayout = 3;
        state.params.randomMax = 40;
    }

    template <typename W> W *child(const char *name)
    {
        W *w = dialog.findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Opens the dialog the way the main window does, runs `script` while it is shown.
    void open(const std::function<void(QDialog &)> &script = {})
    {
        dialogs.script = script;
        dialogs.runModal(dialog);
    }

    void retype(const char *name, const char *text)
    {
        retypeField(dialog, child<QLineEdit>(name), text);
    }

    std::vector<QString> items()
    {
        auto *list = child<QComboBox>("cnbre");
        std::vector<QString> texts;
        texts.reserve(static_cast<std::size_t>(list->count()));
        for (int i = 0; i < list->count(); ++i)
            texts.push_back(list->itemText(i));
        return texts;
    }

    std::vector<QString> checked(const std::vector<const char *> &names)
    {
        std::vector<QString> on;
        for (const char *name : names) {
            if (child<QRadioButton>(name)->isChecked())
                on.push_back(name);
        }
        return on;
    }

    const std::vector<const char *> languages{"lfrancais", "langlais", "lportugais", "lespagnol",
                                              "litalien",  "lcroatie", "lallemand"};
    const std::vector<const char *> layouts{"anormal", "a7x7",  "a6x9",
                                            "a5x10",   "a7x72", "ageneral"};
};

}  // namespace

TEST_F(SettingsDialog, IsTheFixedSizeWindowOfTheSettings)
{
    EXPECT_EQ(dialog.objectName(), "TForm9");
    EXPECT_EQ(dialog.size(), QSize(455, 340));
    EXPECT_EQ(child<QLineEdit>("edech")->maxLength(), 5);
    EXPECT_EQ(child<QLineEdit>("edecv")->maxLength(), 5);
    EXPECT_FALSE(child<QComboBox>("cnbre")->isEditable());
    EXPECT_TRUE(child<QPushButton>("bok")->isDefault());
    EXPECT_EQ(child<QLabel>("Label4")->text(), "mm");
    EXPECT_EQ(child<QLabel>("Label3")->text(), "mm");
}

TEST_F(SettingsDialog, ActivationShowsTheRecord)
{
    open([this](QDialog &) {
        EXPECT_EQ(child<QLineEdit>("edech")->text(), "-12");
        EXPECT_EQ(child<QLineEdit>("edecv")->text(), "7");
        EXPECT_EQ(checked(languages), (std::vector<QString>{"lfrancais"}));
        EXPECT_EQ(checked(layouts), (std::vector<QString>{"a6x9"}));
        EXPECT_EQ(child<QComboBox>("cnbre")->currentText(), "40");
    });
}

TEST_F(SettingsDialog, HiddenGroupsStayHidden)
{
    open([this](QDialog &) {
        EXPECT_FALSE(child<QGroupBox>("glangue")->isVisible());
        EXPECT_FALSE(child<QGroupBox>("gtypaff")->isVisible());
        EXPECT_TRUE(child<QGroupBox>("GroupBox1")->isVisible());
        EXPECT_TRUE(child<QGroupBox>("gnbnbre")->isVisible());
    });
}

TEST_F(SettingsDialog, CaptionsComeFromTheCatalogueInFrench)
{
    open([this](QDialog &shown) {
        EXPECT_EQ(shown.windowTitle(), "Parametres");
        EXPECT_EQ(child<QLabel>("labtitre")->text(), "Parametres");
        EXPECT_EQ(child<QPushButton>("bok")->text(), "Retour");
        EXPECT_EQ(child<QGroupBox>("GroupBox1")->title(), "Impression");
        EXPECT_EQ(child<QGroupBox>("glangue")->title(), "Langue");
        EXPECT_EQ(child<QGroupBox>("gtypaff")->title(), "Type de grille à l'écran");
        EXPECT_EQ(child<QGroupBox>("gnbnbre")->title(), "Nombres maxi dans tirage aléatoire");
        EXPECT_EQ(child<QLabel>("ldec")->text(), "Décalage vertical");
        EXPECT_EQ(child<QLabel>("hdec")->text(), "Décalage horizontal");
        EXPECT_EQ(child<QRadioButton>("ageneral")->text(), "General");
        EXPECT_EQ(child<QRadioButton>("anormal")->text(), "Normal");
        EXPECT_EQ(child<QRadioButton>("lfrancais")->text(), "Français");
        EXPECT_EQ(child<QRadioButton>("lespagnol")->text(), "Español");
    });
}

TEST_F(SettingsDialog, CaptionsFollowTheLanguageAtEveryOpening)
{
    open();
    state.params.language = 2;
    open([this](QDialog &shown) {
        EXPECT_EQ(shown.windowTitle(), "Parameters");
        EXPECT_EQ(child<QPushButton>("bok")->text(), "Return");
        EXPECT_EQ(child<QLabel>("hdec")->text(), "Horizontal Adjustment");
    });
}

TEST_F(SettingsDialog, ListHoldsTheSameTwentyOneItemsAtEveryOpening)
{
    std::vector<QString> expected;
    for (int n = 35; n <= 55; ++n)
        expected.push_back(QString::number(n));
    open();
    EXPECT_EQ(items(), expected);
    open();
    EXPECT_EQ(items(), expected);
}

TEST_F(SettingsDialog, RandomMaxOutsideTheListSelectsNothingAndOkKeepsIt)
{
    state.params.randomMax = 60;
    open([this](QDialog &) {
        EXPECT_EQ(child<QComboBox>("cnbre")->currentIndex(), -1);
        child<QPushButton>("bok")->click();
    });
    EXPECT_EQ(state.params.randomMax, 60);
}

TEST_F(SettingsDialog, UnknownLanguageChecksNothingAndOkStoresFrench)
{
    state.params.language = 9;
    open([this](QDialog &) {
        EXPECT_TRUE(checked(languages).empty());
        child<QPushButton>("bok")->click();
    });
    EXPECT_EQ(state.params.language, 1);
}

TEST_F(SettingsDialog, OkKeepsTheCheckedLanguage)
{
    state.params.language = 7;
    open([this](QDialog &) { child<QPushButton>("bok")->click(); });
    EXPECT_EQ(state.params.language, 7);
}

TEST_F(SettingsDialog, GeneralLayoutLeavesEveryLayoutButtonUnchecked)
{
    open();
    state.params.displayLayout = 6;
    open([this](QDialog &) { EXPECT_TRUE(checked(layouts).empty()); });
}

TEST_F(SettingsDialog, OkStoresTheOffsetsAndTheChosenMaximum)
{
    open([this](QDialog &) {
        retype("edech", "12-");
        retype("edecv", "-9999");
        child<QComboBox>("cnbre")->setCurrentIndex(20);
        child<QPushButton>("bok")->click();
    });
    EXPECT_EQ(state.params.offsetHorizontal, 12);
    EXPECT_EQ(state.params.offsetVertical, -9999);
    EXPECT_EQ(state.params.randomMax, 55);
    EXPECT_EQ(state.params.displayLayout, 3);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SettingsDialog, ClosingWithoutOkStoresNothing)
{
    const TParamRecord before = state.params;
    open([this](QDialog &shown) {
        child<QLineEdit>("edech")->setText("33");
        child<QComboBox>("cnbre")->setCurrentIndex(0);
        shown.close();
    });
    EXPECT_EQ(state.params, before);
}

TEST_F(SettingsDialog, OffsetFieldsTakeOnlySignsAndDigits)
{
    open([this](QDialog &) {
        QLineEdit *edech = child<QLineEdit>("edech");
        edech->clear();
        QTest::keyClicks(edech, "1a2 b-+x");
        EXPECT_EQ(edech->text(), "12-+");
    });
}

TEST_F(SettingsDialog, BackspaceIsDiscardedButDeleteRemoves)
{
    open([this](QDialog &) {
        QLineEdit *edecv = child<QLineEdit>("edecv");
        edecv->setText("345");
        edecv->setCursorPosition(3);
        QTest::keyClick(edecv, Qt::Key_Backspace);
        EXPECT_EQ(edecv->text(), "345");
        QTest::keyClick(edecv, Qt::Key_Home);
        QTest::keyClick(edecv, Qt::Key_Delete);
        EXPECT_EQ(edecv->text(), "45");
    });
}

TEST_F(SettingsDialog, StoredOffsetsAtTheirExtremesShowWholeAndSurviveOk)
{
    for (const std::int32_t value : {INT32_MIN, INT32_MAX, -12345, 123456}) {
        state.params.offsetHorizontal = value;
        state.params.offsetVertical = value;
        open([this, value](QDialog &) {
            EXPECT_EQ(child<QLineEdit>("edech")->text(), QString::number(value));
            EXPECT_EQ(child<QLineEdit>("edecv")->text(), QString::number(value));
            child<QPushButton>("bok")->click();
        });
        EXPECT_EQ(state.params.offsetHorizontal, value);
        EXPECT_EQ(state.params.offsetVertical, value);
    }
}

TEST_F(SettingsDialog, EditingALongOffsetStoresWhatWasTypedWithinFiveCharacters)
{
    state.params.offsetHorizontal = -12345;
    open([this](QDialog &) {
        QLineEdit *edech = child<QLineEdit>("edech");
        activateWindow(dialog);
        QTest::mouseClick(edech, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClicks(QApplication::focusWidget(), "-77");
        EXPECT_EQ(edech->text(), "-7345");
        child<QPushButton>("bok")->click();
    });
    EXPECT_EQ(state.params.offsetHorizontal, -7345);
}

TEST_F(SettingsDialog, OffsetFieldsHoldFiveCharacters)
{
    open([this](QDialog &) {
        QLineEdit *edech = child<QLineEdit>("edech");
        edech->clear();
        QTest::keyClicks(edech, "-123456");
        EXPECT_EQ(edech->text(), "-1234");
    });
}
