#pragma once

#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "storage/paramrecord.h"

#include <functional>
#include <string>

// What the bulletin and list routines print and report with. The caller owns every object and
// keeps it alive for the call.
struct PrintContext {
    Printer &printer;                         // the default printer, one job per run
    MessageBoxes &boxes;                      // failure boxes and the next-bulletin prompt
    const TParamRecord &params;               // printer shifts in millimetres
    std::function<std::string(int)> message;  // message n in the current language
};
