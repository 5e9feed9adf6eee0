#pragma once

#include "platform/platform.h"

#include <memory>
#include <string>

class TForm1;

// Starts the program: sets the application title and creates the main window, which creates
// the other windows in order. The caller shows the window and runs the event loop.
std::unique_ptr<TForm1> startProgram(Platform platform, const std::string &programFolder);

// Folder of the running executable, ending with a separator.
std::string prepertoireprogramme();
