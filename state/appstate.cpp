#include "state/appstate.h"

#include "i18n/messagecatalogue.h"

std::string AppState::message(int n) const
{
    return pgloretlibmessage(n, params.language, languageFile.messageTexts());
}

LabelWords AppState::labelWords() const
{
    return {message(64), message(65), message(66), message(67), message(68)};
}

int AppState::pnumeromethode() const
{
    if (methodListIndex < 0 || methodListIndex >= static_cast<int>(methodList.size()))
        return -1;
    return methodNumberFromItem(methodList[static_cast<std::size_t>(methodListIndex)].text);
}

const Tmethode *AppState::method(int m) const
{
    return m >= 1 && m <= methodCount ? &tabmethode[static_cast<std::size_t>(m)] : nullptr;
}

int AppState::selectedGridCount() const
{
    const Tmethode *row = method(pnumeromethode());
    return row ? row->nbgrilles : 0;
}

PrintContext AppState::printContext(Printer &printer, MessageBoxes &boxes) const
{
    return {printer, boxes, params, [this](int n) { return message(n); }};
}
