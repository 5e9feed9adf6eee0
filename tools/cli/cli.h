#pragma once

#include "engine/guaranteechecker.h"
#include "engine/methodcatalogue.h"
#include "platform/printer.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Makes the printer that writes the PDF file it is given; the CLI's caller supplies it, since
// the CLI itself links no toolkit.
using PdfPrinterFactory = std::function<std::unique_ptr<Printer>(const std::string &file)>;

// Runs one command of mirazol-cli; `args` excludes the program name. Results go to `out`;
// bad arguments write one line to `err`, followed by the command's usage line for the grid-file
// and comparison commands. Returns the exit status: 0 success, 1 when `verify` finds a method
// whose guarantee fails or when a grid file cannot be read (the reader's message then goes to
// `err`), 2 for bad arguments. The print commands fail with status 1 when the print routine
// reports a failure. `pdfPrinters` serves `--pdf`; without it `--pdf` is a bad argument.
int runCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
           const PdfPrinterFactory &pdfPrinters = {});

// One line of `verify`: "METHOD g/c/v/b ok", or "METHOD g/c/v/b FAIL k of M" when k of the M
// draws meet no grid in g positions.
std::string verifyLine(int method, const Tmethode &row, const GuaranteeResult &result);
