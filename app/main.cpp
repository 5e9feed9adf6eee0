#include "app/mainwindow.h"
#include "app/startup.h"
#include "platform/qt/fontsubstitutions.h"
#include "platform/qt/qtplatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

int main(int, char **argv)
{
    // The program reads no command line: Qt sees only the program name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    installFontSubstitutions();
    QtPlatform services;
    const auto window = startProgram(services.platform(), prepertoireprogramme());
    // The printer's own dialog (a PDF file when there is no printer) speaks the current language.
    services.messages = [&state = window->state()](int n) { return state.message(n); };
    window->show();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    return QApplication::exec();
}
