#include "app/startup.h"

#include "app/mainwindow.h"

#include <QApplication>
#include <QDir>

std::unique_ptr<TForm1> startProgram(Platform platform, const std::string &programFolder)
{
    QApplication::setApplicationName("MIRAZOLSYSTEMES");
    return std::make_unique<TForm1>(platform, programFolder);
}

std::string prepertoireprogramme()
{
    return QDir::toNativeSeparators(QApplication::applicationDirPath() + QDir::separator())
        .toStdString();
}
