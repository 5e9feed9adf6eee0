#pragma once

#include <QPixmap>
#include <QSize>

// The flag of the country of language 1..7 (France, United Kingdom, Portugal, Spain, Italy,
// Croatia, Germany), drawn to fill `size`; a null pixmap for another language or an empty size.
QPixmap countryFlag(int language, QSize size);
