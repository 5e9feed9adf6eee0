#include "clirun.h"

#include <sstream>

CliRun run(const std::vector<std::string> &args, const PdfPrinterFactory &pdfPrinters)
{
    std::ostringstream out;
    std::ostringstream err;
    CliRun result;
    result.status = runCli(args, out, err, pdfPrinters);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}
