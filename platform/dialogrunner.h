#pragma once

class QDialog;

// Runs a window of the program as a modal dialog of the main window.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows the dialog and returns when it has closed.
    virtual void runModal(QDialog &dialog) = 0;
};
