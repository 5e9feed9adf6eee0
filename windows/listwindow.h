#pragma once

#include "windows/formdialog.h"

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
struct AppState;

// The list window: every grid of the selected method as one text line, rebuilt from the ticked
// numbers each time the window is shown, with the commands that print or export them.
class TForm5 : public FormDialog {
    Q_OBJECT
public:
    // Builds the window over the program's state, which must outlive it.
    TForm5(AppState &state, QWidget *parent);

    // Sets the captions, then fills the list.
    void form5show();
    // Sets the captions.
    void FormActivate();
    // One line per grid of the selected method ("Grille: 007 :-03-11-19-24-38-45"), expanding
    // each grid through the state so the viewer follows; empty when the method has no grids.
    void premplilistebulletin();
    // Fetches every caption in the current language.
    void pmetlibelles();
    // Closes the window.
    void BitBtn1Click();
    // Asks for the list to be printed.
    void imprimeliste();
    // Asks for a preview of the printed list.
    void bapercuClick();
    // Asks for the print dialog of the bulletins.
    void bimprimebulletins();
    // Asks for the list to be exported to a text file.
    void bexportClick();

signals:
    // The list's print button was pressed.
    void printListRequested();
    // The list's preview button was pressed.
    void previewListRequested();
    // The bulletin print button was pressed.
    void printBulletinsRequested();
    // The export button was pressed.
    void exportRequested();

protected:
    void whenShown() override;
    void whenActivated() override;

private:
    AppState &m_state;

    QLabel *labtitre = nullptr;
    QListView *listbull = nullptr;
    QStringListModel *m_lines = nullptr;
    QPushButton *BitBtn6 = nullptr;
    QPushButton *bapercu = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *bexport = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
