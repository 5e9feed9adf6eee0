#include "app/ticketsetcommands.h"

#include "platform/platform.h"
#include "state/appstate.h"
#include "storage/ticketset.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char *ticketSetFilter = "Mirazol (*.mzl)|*.mzl";
constexpr const char *ticketSetExtension = "mzl";

void refresh(const TicketSetView &view)
{
    view.paffichecoches();
    view.paffichenbcoch();
}

}  // namespace

void EnregistrerBulletin1Click(AppState &state, Platform &platform)
{
    FileDialogOptions options;
    options.title = state.message(113);
    options.filter = ticketSetFilter;
    options.defaultExtension = ticketSetExtension;
    options.hideReadOnly = true;
    options.pathMustExist = true;
    const auto chosen = platform.files.saveFile(options);
    if (!chosen)
        return;

    const std::filesystem::path path(*chosen);
    std::error_code ignored;
    if (std::filesystem::exists(path, ignored) &&
        platform.boxes.show(state.message(77), state.message(76), BoxButtons::YesNo,
                            BoxIcon::None) != BoxAnswer::Yes)
        return;

    if (!saveTicketSet(path, ticketSetFromSelection(state.selection, state.methodListIndex))) {
        platform.boxes.beep();
        platform.boxes.show(state.message(114), state.message(80), BoxButtons::Ok, BoxIcon::None);
    }
}

void Chargerbulletin1Click(AppState &state, Platform &platform, const TicketSetView &view)
{
    FileDialogOptions options;
    options.title = state.message(78);
    options.filter = ticketSetFilter;
    options.initialName = "*.mzl";
    options.defaultExtension = ticketSetExtension;
    options.hideReadOnly = true;
    options.pathMustExist = true;
    options.fileMustExist = true;
    const auto chosen = platform.files.openFile(options);
    if (!chosen)
        return;

    // The old selection goes whatever the file holds.
    pdecochetout(state.selection);
    refresh(view);

    const TicketSetLoad loaded = loadTicketSet(*chosen);
    int problem = 0;
    switch (loaded.status) {
    case TicketSetStatus::Ok:
        break;
    case TicketSetStatus::Missing:
        problem = 83;
        break;
    case TicketSetStatus::Unreadable:
        problem = 82;
        break;
    case TicketSetStatus::WrongHeader:
        problem = 79;
        break;
    }
    if (problem != 0) {
        platform.boxes.show(state.message(80), state.message(problem), BoxButtons::Ok,
                            BoxIcon::None);
        return;
    }

    const int index = loaded.record.methodIndex;
    if (index != -1) {
        const bool inList = index >= 0 && index < static_cast<int>(state.methodList.size());
        state.methodListIndex = inList ? index : -1;
        view.selectMethodItem(state.methodListIndex);
    }
    applyTicketSetNumbers(loaded.record, state.selection);
    refresh(view);
}
