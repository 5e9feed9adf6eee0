#include "windows/keyfilter.h"
#include "windows/labelcombobox.h"

#include "typing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct KeyCase {
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
    bool digits;
    bool digitsAndBackspace;
    bool signedDigits;
};

class KeyPassesTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyPassesTest, EachRuleLetsThroughWhatItAccepts)
{
    const KeyCase &c = GetParam();
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
    EXPECT_EQ(keyPasses(event, KeyRule::Digits), c.digits);
    EXPECT_EQ(keyPasses(event, KeyRule::DigitsAndBackspace), c.digitsAndBackspace);
    EXPECT_EQ(keyPasses(event, KeyRule::SignedDigits), c.signedDigits);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPassesTest,
    testing::Values(KeyCase{"Digit", Qt::Key_7, {}, "7", true, true, true},
                    KeyCase{"Letter", Qt::Key_A, {}, "a", false, false, false},
                    KeyCase{"Minus", Qt::Key_Minus, {}, "-", false, false, true},
                    KeyCase{"Plus", Qt::Key_Plus, {}, "+", false, false, true},
                    KeyCase{"Blank", Qt::Key_Space, {}, " ", false, false, false},
                    KeyCase{"Backspace", Qt::Key_Backspace, {}, "\b", false, true, false},
                    KeyCase{"Delete", Qt::Key_Delete, {}, "\x7f", true, true, true},
                    KeyCase{"Tab", Qt::Key_Tab, {}, "\t", true, true, true},
                    KeyCase{"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier, "", true, true, true},
                    KeyCase{"Enter", Qt::Key_Return, {}, "\r", true, true, true},
                    KeyCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier, "\r", true, true,
                            true},
                    KeyCase{"Escape", Qt::Key_Escape, {}, "\x1b", true, true, true},
                    KeyCase{"Arrow", Qt::Key_Left, {}, "", true, true, true},
                    KeyCase{"SelectAll", Qt::Key_A, Qt::ControlModifier, "\x01", true, true, true}),
    [](const testing::TestParamInfo<KeyCase> &info) { return info.param.name; });

// Two number boxes in a window, with a record of every box left.
struct TwoBoxes {
    TwoBoxes()
    {
        window.resize(200, 80);
        first->setObjectName("first");
        second->setObjectName("second");
        for (QComboBox *box : {first, second}) {
            box->setEditable(true);
            box->addItems({"1", "2", "3"});
            box->setEditText("0");
            makeNumberBox(box, [this](QComboBox *left) { leaves.push_back(left); });
        }
        first->setGeometry(10, 10, 60, 24);
        second->setGeometry(100, 10, 60, 24);
        window.show();
        activateWindow(window);
    }
    void clickOn(QComboBox *box) { clickInto(box); }

    QWidget window;
    QComboBox *first = new QComboBox(&window);
    QComboBox *second = new QComboBox(&window);
    std::vector<QComboBox *> leaves;
};

TEST(NumberBox, TypedKeysArriveAtTheBoxAndOnlyDigitsAndBackspaceReachItsText)
{
    TwoBoxes boxes;
    boxes.clickOn(boxes.first);
    ASSERT_EQ(QApplication::focusWidget(), boxes.first);
    QTest::keyClicks(QApplication::focusWidget(), "x4a-");
    EXPECT_EQ(boxes.first->currentText(), "04");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(boxes.first->currentText(), "0");
}

TEST(NumberBox, LeavingByClickOrTabRunsTheLeavingHandlerOnce)
{
    TwoBoxes boxes;
    boxes.clickOn(boxes.first);
    boxes.clickOn(boxes.second);
    EXPECT_EQ(boxes.leaves, (std::vector<QComboBox *>{boxes.first}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(boxes.leaves, (std::vector<QComboBox *>{boxes.first, boxes.second}));
}

TEST(NumberBox, PickingFromTheListRunsTheLeavingHandler)
{
    TwoBoxes boxes;
    boxes.clickOn(boxes.second);
    boxes.leaves.clear();
    boxes.second->showPopup();
    EXPECT_TRUE(boxes.leaves.empty());
    QAbstractItemView *list = boxes.second->view();
    const QModelIndex item = list->model()->index(2, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.second->currentText(), "3");
    EXPECT_EQ(boxes.leaves, (std::vector<QComboBox *>{boxes.second}));
}

TEST(FilterKeys, DigitFieldDiscardsCharactersButLetsTabMoveOn)
{
    QWidget window;
    auto *field = new QLineEdit(&window);
    auto *next = new QLineEdit(&window);
    next->move(0, 40);
    filterKeys(field, KeyRule::Digits);
    window.show();
    activateWindow(window);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "1a 2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
}

struct LabelCase {
    const char *name;
    const char *item;
    const char *label;
};

class VisibleLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(VisibleLabelTest, DropsTheBlanksAndTheNumberBehindThem)
{
    EXPECT_EQ(visibleLabel(QString::fromUtf8(GetParam().item)),
              QString::fromUtf8(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(
    Items, VisibleLabelTest,
    testing::Values(LabelCase{"Method", "3 numéros si 3 parmi 11, en 11 grilles    1",
                              "3 numéros si 3 parmi 11, en 11 grilles"},
                    LabelCase{"ThreeDigits", "Label          157", "Label"},
                    LabelCase{"NameWithTrailingBlanks", "FRANCE LOTO        23", "FRANCE LOTO"},
                    LabelCase{"NoNumber", "Label", "Label"}, LabelCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<LabelCase> &info) { return info.param.name; });

TEST(LabelComboBox, OpenListIsNoWiderThanTheBoxWhenTheLabelsAreShort)
{
    LabelComboBox box;
    box.resize(200, 24);
    box.addItem(QString("Short") + QString(200, ' ') + "1");
    box.addItem(QString("Other") + QString(200, ' ') + "2");
    box.show();
    box.showPopup();
    EXPECT_LE(box.view()->window()->width(), 200);
    box.hidePopup();
}

}  // namespace
