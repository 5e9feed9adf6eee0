#pragma once

#include "platform/dialogrunner.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

// Test double of the modal loop: shows the dialog, lets the test act on it while it is open,
// then closes it, without ever entering an event loop of its own.
class FakeDialogRunner : public DialogRunner {
public:
    // Called while the dialog is shown; it may click, type or accept.
    std::function<void(QDialog &)> script;
    // objectName of every dialog run, in order.
    std::vector<std::string> shown;

    void runModal(QDialog &dialog) override
    {
        shown.push_back(dialog.objectName().toStdString());
        dialog.show();
        if (script)
            script(dialog);
        if (dialog.isVisible())
            dialog.reject();
    }
};
