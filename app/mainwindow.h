#pragma once

#include "bulletins/listprint.h"
#include "platform/platform.h"
#include "state/appstate.h"
#include "windows/numbergridpanel.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class ExternalFilePage;
class TDegradeClass;
class TForm2;
class TForm5;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

// The main window: number selection, method choice and every command of the program.
// It owns the run-time state and the secondary windows for the whole run.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Platform platform, std::string programFolder, QWidget *parent = nullptr);
    ~TForm1() override;

    AppState &state() { return m_state; }

    // Activation sequence; the first call also runs the first-activation steps.
    void activate();

    // Number grid.
    void casecoch(int n);
    void anormalClick();
    void a7x7Click();
    void a6x9Click();
    void a5x10Click();
    void a7x72Click();
    void ageneralClick();
    void pappliqueaffichage();
    void beffacerClick();
    void pdecochetout();
    void paffichecoches();
    void paffichenbcoch();

    // Method list and position combos.
    void premplimethodes();
    void ComboBox1Change();
    void paffichenumerosmethode();
    void pvidecombonumero(QGroupBox *group);
    void pmetnumerocombo(QGroupBox *group, int position, int number);
    void premplicombonumeroavecnumerocoche(QGroupBox *group);
    void premplitabcocheavecnumerocombo(QGroupBox *group);
    void pDesactivecombo(QGroupBox *group, int count);
    void Pcochegrilletabcoche(QComboBox *combo);

    // Commands.
    void aleaclick();
    bool pcontrolecoche(int captionMessage);
    void bvoirbulletinClick();
    void mVoirlesbulletins1Click();
    void bimplistbullClick();
    void mVoirlalistedesbulletins1Click();
    void bimpbullClick();
    void Imprimerlesbulletins1Click();
    void bcomparerClick();
    void mCompareraveclesrsultats1Click();
    // The wizard's comparison: the comparison window on the external file.
    void bexternecompareClick(const GridFileSource &source, const ReplacementMap &map);
    void bquitterClick();
    void mQuitter1Click();
    void Chargerbulletin1Click();
    void EnregistrerBulletin1Click();
    void Paramtres1Click();
    void boutaideClick();
    void Aideenligne1Click();

    // The list of the generated grids printed or exported (list window's buttons).
    void pimprimelistebulletin(ListMode mode);
    // The printed list of the generated grids shown in a preview window.
    void previewListe();

    // Texts of the main window in the current language.
    void pglometlibelles();

    // Writes the parameter record; on failure a beep and the fixed failure box.
    void psauveparametres();

    NumberGridPanel *grid() const { return m_pgrille; }
    QGroupBox *gnumeros() const { return m_gnumeros; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildNumberGrid(QWidget *page);
    void buildPositionCombos(QWidget *page);
    void buildLayoutButtons(QWidget *page);
    void createWindows();
    // Steps of the first activation only: wizard page, bulletin types, language file.
    void firstActivation();
    void setLayout(int layout);
    void checkLayoutButton();
    void showCell(int number, bool ticked);
    void openViewer(int captionMessage);
    void openList(int captionMessage);
    // Lists the generated grids on `printer` (print) or into a file (export).
    void listGrids(Printer &printer, ListMode mode);
    // Runs a routine that shows the failure box under its own name when it throws.
    template <typename F> void guarded(const char *name, F &&routine);

    AppState m_state;
    Platform m_platform;
    CellPictures m_pictures;
    bool m_firstActivation = true;

    TDegradeClass *m_degrade = nullptr;
    QLabel *m_Image3 = nullptr;
    QToolButton *m_boutaide = nullptr;
    QTabWidget *m_PageControl1 = nullptr;
    QWidget *m_tabp1 = nullptr;
    QWidget *m_tabp2 = nullptr;
    ExternalFilePage *m_externalPage = nullptr;
    NumberGridPanel *m_pgrille = nullptr;
    QWidget *m_pgrille2 = nullptr;
    QGroupBox *m_gnumeros = nullptr;
    QLabel *m_ltitrechoix = nullptr;
    QComboBox *m_ComboBox1 = nullptr;
    QPushButton *m_bvoirbulletin = nullptr;
    QPushButton *m_bimplistbull = nullptr;
    QPushButton *m_bimpbull = nullptr;
    QPushButton *m_bcomparer = nullptr;
    QPushButton *m_beffacer = nullptr;
    QPushButton *m_bnaleat = nullptr;
    QGroupBox *m_groupcaseCoche = nullptr;
    QLabel *m_nbcoch = nullptr;
    QPushButton *m_bquitter = nullptr;
    QGroupBox *m_gtypaff = nullptr;
    std::array<QRadioButton *, 7> m_layoutButtons{};  // index = layout 1..6
    QLabel *m_labmessage = nullptr;
    QWidget *m_Panel1 = nullptr;
    QLabel *m_Label2 = nullptr;

    QMenu *m_Fichier1 = nullptr;
    QMenu *m_Utilisation1 = nullptr;
    QMenu *m_Options1 = nullptr;
    QMenu *m_Aide1 = nullptr;
    QAction *m_Chargerbulletin1 = nullptr;
    QAction *m_EnregistrerBulletin1 = nullptr;
    QAction *m_mQuitter1 = nullptr;
    QAction *m_mVoirlesbulletins1 = nullptr;
    QAction *m_mVoirlalistedesbulletins1 = nullptr;
    QAction *m_mCompareraveclesrsultats1 = nullptr;
    QAction *m_Imprimerlesbulletins1 = nullptr;
    QAction *m_Paramtres1 = nullptr;
    QAction *m_Aideenligne1 = nullptr;

    TForm2 *m_form2 = nullptr;
    TForm5 *m_form5 = nullptr;
    TForm8 *m_form8 = nullptr;
    TForm7 *m_form7 = nullptr;
    TForm9 *m_form9 = nullptr;
    TForm10 *m_form10 = nullptr;
};
