#include "app/help.h"

std::string helpFilePath(const std::string &programFolder)
{
    return programFolder + "mirazol.chm";
}

void popenaide(Shell &shell, const std::string &programFolder)
{
    shell.openDocument(helpFilePath(programFolder));
}
