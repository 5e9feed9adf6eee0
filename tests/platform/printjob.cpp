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

}  // namespace

void PrintJob::printBulletins(Printer &printer, int type)
{
    const BulletinPrintRequest request{type, PrintMode::AllAtOnce, 1, 10, false};
    const auto print = [&](Printer &target) {
        PrintContext ctx{target, boxes, params, message};
        Selection s = nineNumbers();
        pimprimebulletin(ctx, types, s, method, gridCount, request, 0);
    };
    print(printer);
    expected.resolutionX = printer.dpiX();
    expected.resolutionY = printer.dpiY();
    expected.printableOffsetX = printer.offsetX();
    expected.printableOffsetY = printer.offsetY();
    print(expected);
}

void PrintJob::printList(Printer &printer)
{
    FakeFileDialogs dialogs;
    PrintContext ctx{printer, boxes, params, message};
    Selection s = nineNumbers();
    pimprimelistebulletin(ctx, dialogs, s, method, gridCount, ListMode::Print);
}
