#include "platform/qt/fontsubstitutions.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions()
{
    QFont::insertSubstitutions("Fixedsys", {"DejaVu Sans Mono", "Liberation Mono"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
}
