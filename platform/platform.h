#pragma once

#include "platform/dialogrunner.h"
#include "platform/filedialogs.h"
#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "platform/printpreview.h"
#include "platform/shell.h"

// The desktop services the windows use, handed to each window by the main window.
// The objects are owned by whoever builds the program (main, or a test).
struct Platform {
    MessageBoxes &boxes;
    FileDialogs &files;
    Printer &printer;
    Shell &shell;
    DialogRunner &dialogs;
    PrintPreview &preview;
};
