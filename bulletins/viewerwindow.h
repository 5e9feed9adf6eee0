#pragma once

#include "app/numbergrid.h"
#include "support/formdialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
struct AppState;

// The viewer: one grid of the selected method at a time, shown as ticked cells over the picture
// of the number grid, with the method's label, a counter and buttons to step through the grids.
// Reads and writes the grid iteration state of `state`; the cell pictures and the main window's
// panels belong to the main window and must outlive the viewer.
class TForm2 : public FormDialog {
    Q_OBJECT
public:
    // Builds the window and makes every grid expansion of `state` repaint its cells.
    TForm2(AppState &state, const CellPictures &pictures, const GridPanels &mainPanels,
           QWidget *parent);
    // Detaches the repaint hook from `state`.
    ~TForm2() override;

    // The viewer's grid panel and background, for the layout routine.
    GridPanels panels() const;

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
    AppState &m_state;
    const CellPictures &m_pictures;
    GridPanels m_mainPanels;

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
    QWidget *pgrille = nullptr;
    QLabel *Image1 = nullptr;
};
