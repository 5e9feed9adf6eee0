#pragma once

#include <functional>

struct AppState;
struct Platform;

// What the ticket-set commands need from the main window's widgets.
struct TicketSetView {
    // Shows `index` (-1: none) as the method list's selection without running its change handler.
    std::function<void(int index)> selectMethodItem;
    // Redraws the number cells from `tabcoche`.
    std::function<void()> paffichecoches;
    // Shows the count of ticked numbers.
    std::function<void()> paffichenbcoch;
};

// Menu command "Enregistrer un jeu": asks for a file name, asks before replacing an existing
// file, and saves the selected method position and slots 1..50 of `tabnumsel`. A failed save
// beeps and says so; the file that stood there stays intact.
void EnregistrerBulletin1Click(AppState &state, Platform &platform);

// Menu command "Charger un jeu": asks for a file, clears the selection, then applies the file's
// method position and numbers; a missing, unreadable or foreign file is reported and leaves the
// selection empty.
void Chargerbulletin1Click(AppState &state, Platform &platform, const TicketSetView &view);
