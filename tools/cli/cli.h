#pragma once

#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"

#include <ostream>
#include <string>
#include <vector>

// Runs one command of mirazol-cli; `args` excludes the program name. Results go to `out`;
// bad arguments write one line to `err`, followed by the command's usage line for the grid-file
// and comparison commands. Returns the exit status: 0 success, 1 when `verify` finds a method
// whose guarantee fails or when a grid file cannot be read (the reader's message then goes to
// `err`), 2 for bad arguments.
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// One line of `verify`: "METHOD g/c/v/b ok", or "METHOD g/c/v/b FAIL k of M" when k of the M
// draws meet no grid in g positions.
std::string verifyLine(int method, const Tmethode &row, const GuaranteeResult &result);
