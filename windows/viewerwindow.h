#pragma once

#include "windows/formdialog.h"
#include "windows/numbergridpanel.h"

class QGroupBox;
class QLabel;
class QPushButton;
struct AppState;

// The viewer: one grid of the selected method at a time, shown as ticked cells over the picture
// of the number grid, with the method's label, a counter and buttons to step through the grids.
// Reads and writes the grid iteration state of `state`; the cell pictures belong to the main
// window and must outlive the viewer. It repaints its cells from `tabgrille` when it shows a grid.
class TForm2 : public FormDialog {
    Q_OBJECT
public:
    TForm2(AppState &state, const CellPictures &pictures, QWidget *parent);

    // The viewer's number grid, which the main window lays out with its own.
    NumberGridPanel *panel() const { return pgrille; }

    // Applies the layout, sets the captions and opens on grid 1 of the selected method; an
    // invalid method leaves the window showing what it showed before.
    void FormShow();
    // Sets the captions.
    void FormActivate();
    // Next grid; nothing at the last one.
    void bsuivantClick();
    // Previous grid; nothing at grid 1.
    void bprecedentClick();
    // Closes the window.
    void bretourClick();
    // Writes the current grid number and the grid count into the counter.
    void paffichecompteur();
    // Gives each cell 1..49 the tick picture when its number is in `tabgrille`, else the empty one.
    void prafraichitcases();
    // Fetches every caption and hint in the current language.
    void pmetlibelles();

protected:
    void whenShown() override;
    void whenActivated() override;

private:
    // Expands grid i of the current method and shows it.
    void showGrid(int i);

    AppState &m_state;

    QLabel *labtitre = nullptr;
    QGroupBox *gmethode = nullptr;
    QLabel *ltitmet = nullptr;
    QWidget *Panel1 = nullptr;
    QLabel *ltitre = nullptr;
    QLabel *lnubul = nullptr;
    QLabel *Lnumax = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QPushButton *bprecedent = nullptr;
    QPushButton *bsuivant = nullptr;
    QPushButton *bRetour = nullptr;
    NumberGridPanel *pgrille = nullptr;
};
