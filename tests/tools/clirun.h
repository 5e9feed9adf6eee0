#pragma once

#include "cli.h"

#include <string>
#include <vector>

// What one run of the command-line companion gave.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs mirazol-cli's command `args`, with `pdfPrinters` serving --pdf when given.
CliRun run(const std::vector<std::string> &args, const PdfPrinterFactory &pdfPrinters = {});

// The lines of a text, without their line ends.
std::vector<std::string> lines(const std::string &text);
