#pragma once

#include "bulletins/bulletinprint.h"
#include "bulletins/bulletintypes.h"
#include "bulletins/listprint.h"
#include "engine/selection.h"
#include "platform/fakes/fakeplatform.h"
#include "storage/paramrecord.h"

#include <string>

// One print routine run twice over the same grids: on a printer under test, and on a recording
// printer of a given geometry that tells where every mark must land. Method 30 (30 grids over
// 9 positions) on the numbers 1..9.
struct PrintJob {
    FakeMessageBoxes boxes;
    TParamRecord params;
    BulletinTypeTable types{};
    RecordingPrinter expected;

    // `dpi` and `offset` are the geometry the printer under test has.
    PrintJob(int dpi, int offset);

    // Grids 1..10 of the method on bulletins of type `type`, on `printer` and on the recording.
    void printBulletins(Printer &printer, int type);
    // The list of every grid of the method, on `printer` only.
    void printList(Printer &printer);
};
