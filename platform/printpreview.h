#pragma once

#include "platform/printer.h"

#include <functional>
#include <string>

// An on-screen preview of a print job, drawn by the very routine that prints, so that the
// preview cannot differ from the paper.
class PrintPreview {
public:
    virtual ~PrintPreview() = default;
    // Shows a preview window titled `title` of the pages that `draw` prints on the printer it is
    // handed (the routine starts and ends the job itself); returns when the player closes it.
    virtual void show(const std::string &title, const std::function<void(Printer &)> &draw) = 0;
};
