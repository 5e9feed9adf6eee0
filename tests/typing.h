#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// Makes `window` the active window, so that the keys a test types reach its focused control.
inline void activateWindow(QWidget &window)
{
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A left click on `widget` as the player gives it; an editable drop-down box is clicked on its
// text, away from its arrow, so that it takes the focus without opening its list.
inline void clickInto(QWidget *widget)
{
    if (qobject_cast<QComboBox *>(widget))
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

// Clicks into `field` of `window`, selects its text, deletes it and types `text`, as the player
// does.
inline void retypeField(QWidget &window, QLineEdit *field, const char *text)
{
    activateWindow(window);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QTest::keyClicks(QApplication::focusWidget(), text);
}
