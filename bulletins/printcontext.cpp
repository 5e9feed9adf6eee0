#include "bulletins/printcontext.h"

bool beginPrintJob(PrintContext &ctx, const std::string &title, std::string_view procedure)
{
    if (ctx.printer.beginDoc(title))
        return true;
    if (!ctx.printer.cancelledByUser())
        showFailure(ctx.boxes, procedure);
    return false;
}
