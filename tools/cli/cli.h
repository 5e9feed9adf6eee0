#pragma once

#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"

#include <ostream>
#include <string>
#include <vector>

// Runs one command of mirazol-cli; `args` excludes the program name. Results go to `out`;
// bad arguments write one line to `err`. Returns the exit status: 0 success, 1 when `verify`
// finds a method whose guarantee fails, 2 for bad arguments.
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// One line of `verify`: "METHOD g/c/v/b ok", or "METHOD g/c/v/b FAIL k of M" when k of the M
// draws meet no grid in g positions.
std::string verifyLine(int method, const Tmethode &row, const GuaranteeResult &result);
