#pragma once

#include "bulletins/bulletinprint.h"
#include "bulletins/bulletintypes.h"
#include "bulletins/listprint.h"
#include "engine/selection.h"
#include "platform/fakes/fakeplatform.h"
#include "storage/paramrecord.h"

#include <functional>
#include <string>

// One print routine run twice over the same grids: on a printer under test, and on a recording
// printer of the same geometry that tells where every mark must land. Method 30 (30 grids over
// 9 positions) on the numbers 1..9.
struct PrintJob {
    FakeMessageBoxes boxes;
    TParamRecord params;
    BulletinTypeTable types{};
    RecordingPrinter expected;
    // Message n of the routines, which also title the print job: "message n".
    std::function<std::string(int)> message = [](int n) { return "message " + std::to_string(n); };

    // Grids 1..10 of the method on bulletins of type `type`, on `printer`, then on the recording
    // given the resolution and printable-area offset that `printer` had for its job.
    void printBulletins(Printer &printer, int type);
    // The list of every grid of the method, on `printer` only.
    void printList(Printer &printer);
};
