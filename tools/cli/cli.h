#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command of mirazol-cli; `args` excludes the program name. Results go to `out`;
// bad arguments write one line to `err`. Returns the exit status: 0 success, 1 when `verify`
// finds a method whose guarantee fails, 2 for bad arguments.
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);
