#pragma once

#include "platform/fakes/fakedialogrunner.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/platform.h"
#include "state/appstate.h"

// The recording platform doubles bundled the way the main window hands them to its commands.
struct FakeDesktop {
    FakeMessageBoxes boxes;
    FakeFileDialogs files;
    RecordingPrinter printer;
    FakeShell shell;
    FakeDialogRunner dialogs;
    RecordingPreview preview;
    Platform platform{boxes, files, printer, shell, dialogs, preview};
};

// Run-time state of a French session with the method list filled and its first item selected.
inline AppState frenchSession()
{
    AppState state;
    state.params.language = 1;
    state.tabmethode = catalogueRows();
    state.methodList = methodListItems(state.tabmethode, state.labelWords());
    state.methodListIndex = 0;
    return state;
}
