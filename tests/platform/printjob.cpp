#include "printjob.h"

#include "platform/fakes/fakeplatform.h"

namespace {

constexpr int method = 30;
constexpr int gridCount = 30;

Selection nineNumbers()
{
    Selection s;
    for (int n = 1; n <= 9; ++n)
        basculecoche(s, n);
    pconstruitnumsel(s);
    return s;
}

std::string messageText(int n)
{
    return "message " + std::to_string(n);
}

}  // namespace

PrintJob::PrintJob(int dpi, int offset)
{
    expected.resolutionX = dpi;
    expected.resolutionY = dpi;
    expected.printableOffsetX = offset;
    expected.printableOffsetY = offset;
}

void PrintJob::printBulletins(Printer &printer, int type)
{
    const BulletinPrintRequest request{type, PrintMode::AllAtOnce, 1, 10, false};
    for (Printer *target : {&printer, static_cast<Printer *>(&expected)}) {
        PrintContext ctx{*target, boxes, params, messageText};
        Selection s = nineNumbers();
        pimprimebulletin(ctx, types, s, method, gridCount, request, 0);
    }
}

void PrintJob::printList(Printer &printer)
{
    FakeFileDialogs dialogs;
    PrintContext ctx{printer, boxes, params, messageText};
    Selection s = nineNumbers();
    pimprimelistebulletin(ctx, dialogs, s, method, gridCount, ListMode::Print);
}
