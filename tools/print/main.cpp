#include "cli.h"
#include "platform/qt/fontsubstitutions.h"
#include "platform/qt/qtplatform.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    // No window is ever shown: the fonts and the PDF writer need no display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    installFontSubstitutions();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runCli(args, std::cout, std::cerr,
                  [](const std::string &file) { return std::make_unique<QtPrinter>(file); });
}
