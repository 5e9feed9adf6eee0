#include "app/mainwindow.h"
#include "app/startup.h"
#include "platform/qt/qtplatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

int main(int, char **argv)
{
    // The program reads no command line: Qt sees only the program name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QtPlatform services;
    const auto window = startProgram(services.platform(), prepertoireprogramme());
    window->show();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    return QApplication::exec();
}
