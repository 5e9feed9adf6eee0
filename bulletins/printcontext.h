#pragma once

#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "storage/paramrecord.h"

#include <functional>
#include <string>
#include <string_view>

// What the bulletin and list routines print and report with. The caller owns every object and
// keeps it alive for the call.
struct PrintContext {
    Printer &printer;                         // the default printer, one job per run
    MessageBoxes &boxes;                      // failure boxes and the next-bulletin prompt
    const TParamRecord &params;               // printer shifts in millimetres
    std::function<std::string(int)> message;  // message n in the current language
};

// Starts the print job of `procedure` titled `title`. When no job starts, shows the procedure's
// failure box, unless the player cancelled, and returns false.
bool beginPrintJob(PrintContext &ctx, const std::string &title, std::string_view procedure);
