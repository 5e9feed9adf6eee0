#pragma once

// Maps the font names that the print routines ask for onto fonts a Linux desktop has: "Fixedsys"
// onto a monospace font (bold when asked bold), "Times New Roman" onto Liberation Serif. Call
// once at start-up, after the application object exists and before anything is printed.
void installFontSubstitutions();
