#include "platform/messageboxes.h"

void showFailure(MessageBoxes &boxes, std::string_view procedure)
{
    boxes.show("Erreur dans " + std::string(procedure), "Erreur", BoxButtons::Ok, BoxIcon::None);
}
