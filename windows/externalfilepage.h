#pragma once

#include "bulletins/bulletinprint.h"
#include "storage/gridfile.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class GridPreviewModel;
class LabelComboBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;
struct AppState;
struct Platform;

// The external-file wizard on the main window's second page: choice of the file, raw preview,
// replacement boxes, preview after replacement, and the page that prints, exports and compares
// the file's grids. The wizard's page is `state.filePage`; the replacement map it builds is
// `state.replacementMap`.
class ExternalFilePage : public QWidget {
    Q_OBJECT
public:
    // Builds the page over the program's state and desktop services, which must outlive it.
    ExternalFilePage(AppState &state, Platform &platform, QWidget *parent = nullptr);

    // Copies the catalogue texts into the page and selects the blank separator and "0" lines
    // to skip again.
    void applyTexts(const std::function<std::string(int)> &message);

    // Fills the bulletin type list of the print group from `state.bulletinTypes`; no type is
    // selected afterwards.
    void premplicombotypebulletin();

    // Asks for the grid file through the open dialog and shows its path; cancelling keeps the
    // path shown.
    void bselficClick();
    // Next page; from page 1 it needs a file and loads the raw preview, from page 3 it builds
    // the replacement map and loads the replaced preview.
    void bsuivantClick();
    // Previous page; previews are not reloaded.
    void bprecedentClick();
    // Shows the page `state.filePage`; a page outside 1..5 is ignored.
    void ppositionnetab();
    // Enables Previous and Next, except Previous on page 1 and Next on page 5.
    void pgereboutonsuivantprec();
    // Loads every line of the file into the replaced preview, with the map as last built.
    void baffichetousClick();
    // Builds the source and the replacement map and asks for them to be compared with a draw.
    void bexternecompareClick();
    // Prints the file's grids onto bulletins with the print group's choices; failures of the
    // choices themselves are silent, those of the print run show their box.
    void bimprimerClick();
    // Shows on screen the bulletins that bimprimerClick would print.
    void bapercuClick();
    // Prints the file's grids as a list.
    void bimprimelisteClick();
    // Exports the file's grids to a text file chosen by the player.
    void bexportlisteClick();

public slots:
    // Makes the raw preview count rows 1..count, each with its ordinal in column 0 (the grids
    // printed or compared so far); its other cells keep their text. Below 1 nothing changes.
    void showOrdinals(qsizetype count);

signals:
    // The player asked for the grids of `source`, renumbered through `map`, to be compared.
    void compareRequested(const GridFileSource &source, const ReplacementMap &map);

private:
    void buildFilePage(QWidget *sheet);
    QTableView *buildPreviewPage(QWidget *sheet, const char *gridName, const char *noteName,
                                 QLabel *&note);
    void buildReplacementPage(QWidget *sheet);
    void buildUsePage(QWidget *sheet);

    // Empties a preview grid back to its header row and one empty row, 11 columns of 40 pixels.
    void pvidegrille(QTableView *grid);
    // Fills a preview grid from the chosen file; a failure shows the "Erreur dans pchargegrille"
    // box and keeps the rows read so far.
    void pchargegrille(QTableView *grid, std::int32_t maxLines, const ReplacementMap &map,
                       bool replace);
    // Builds `state.replacementMap` from the 50 replacement boxes.
    void pconstruitremplacement();

    GridFileSource chosenSource() const;
    ExternalGridFile chosenFile();
    std::optional<BulletinPrintRequest> bulletinRequest();

    AppState &m_state;
    Platform &m_platform;

    QStackedWidget *m_Pagecontrolfic = nullptr;
    QPushButton *m_bprecedent = nullptr;
    QPushButton *m_bsuivant = nullptr;
    QGroupBox *m_gfic = nullptr;
    QLabel *m_labfic = nullptr;
    QPushButton *m_bselfic = nullptr;
    QLabel *m_Labseparateur = nullptr;
    QComboBox *m_Combseparateur = nullptr;
    QLabel *m_labNblignesaute = nullptr;
    QComboBox *m_combligne = nullptr;
    QTableView *m_GrilleNumero = nullptr;
    QLabel *m_labinfotab2 = nullptr;
    QGroupBox *m_groupnumero = nullptr;
    QLabel *m_labnumerorep = nullptr;
    QTableView *m_GrilleNumero2 = nullptr;
    QLabel *m_labinfogrille2 = nullptr;
    QPushButton *m_baffichetous = nullptr;
    QGroupBox *m_gimprimebulletin = nullptr;
    QLabel *m_labtypebulletin = nullptr;
    LabelComboBox *m_combTypebull = nullptr;
    QGroupBox *m_GroupBox2 = nullptr;
    QRadioButton *m_bimptsbull = nullptr;
    QRadioButton *m_bimpunbull = nullptr;
    QGroupBox *m_ggrilleimp = nullptr;
    QLabel *m_labgprem = nullptr;
    QLineEdit *m_Gpremier = nullptr;
    QLabel *m_labgderni = nullptr;
    QLineEdit *m_gdernier = nullptr;
    QCheckBox *m_Labtopimpnugrille = nullptr;
    QPushButton *m_bimprimer = nullptr;
    QPushButton *m_bapercu = nullptr;
    QGroupBox *m_gimprimeliste = nullptr;
    QPushButton *m_bimprimeliste = nullptr;
    QGroupBox *m_gexporteliste = nullptr;
    QPushButton *m_bexportliste = nullptr;
    QGroupBox *m_gsysexternecompare = nullptr;
    QPushButton *m_bexternecompare = nullptr;
};
