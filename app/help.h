#pragma once

#include "platform/shell.h"

#include <string>

// Path of the help file in the program folder (which ends with a separator).
std::string helpFilePath(const std::string &programFolder);

// Asks the shell to open the help file of the program folder; the outcome is not examined.
void popenaide(Shell &shell, const std::string &programFolder);
