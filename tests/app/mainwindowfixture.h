#pragma once

#include "app/mainwindow.h"
#include "app/startup.h"
#include "platform/fakes/fakedialogrunner.h"
#include "platform/fakes/fakeplatform.h"
#include "selectionhelpers.h"
#include "testfolder.h"
#include "typing.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A main window over recording doubles and its own program folder.
class MainWindowTest : public ::testing::Test {
protected:
    TestFolder folder;
    FakeMessageBoxes boxes;
    FakeFileDialogs files;
    RecordingPrinter printer;
    FakeShell shell;
    FakeDialogRunner dialogs;
    RecordingPreview preview;
    std::unique_ptr<TForm1> form;

    void start()
    {
        form =
            startProgram({boxes, files, printer, shell, dialogs, preview}, folder.programFolder());
        form->show();
        activateWindow(*form);
    }

    AppState &state() { return form->state(); }

    template <typename T> T *child(const char *name)
    {
        T *found = form->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Selects a method in the method list as the player does.
    void selectMethod(int method)
    {
        auto *list = child<QComboBox>("ComboBox1");
        for (std::size_t i = 0; i < state().methodList.size(); ++i) {
            if (state().methodList[i].method == method) {
                list->setCurrentIndex(static_cast<int>(i));
                form->ComboBox1Change();
                return;
            }
        }
        FAIL() << "method " << method << " not offered";
    }

    void tick(const std::vector<int> &numbers)
    {
        for (int n : numbers)
            form->casecoch(n);
    }

    std::vector<int> tickedNumbers() { return ::tickedNumbers(state().selection); }

    // The player's keys, into whatever really has the focus (clicks: clickInto).
    void type(const char *text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QComboBox *combo(int position)
    {
        return child<QComboBox>(qPrintable(QString("c%1").arg(position)));
    }

    QString comboText(int position)
    {
        return child<QComboBox>(qPrintable(QString("c%1").arg(position)))->currentText();
    }
};
