#pragma once

#include "windows/formdialog.h"

#include "bulletins/bulletinprint.h"

#include <functional>
#include <optional>

class LabelComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct AppState;
struct Platform;

// The print dialog: prints the generated grids of the selected method onto bulletins of the
// chosen type, shows the same bulletins in a preview, and prints the calibration page of a type.
class TForm7 : public FormDialog {
    Q_OBJECT
public:
    // The dialog reads and changes `state` and prints through `platform`; both outlive it.
    TForm7(AppState &state, Platform &platform, QWidget *parent = nullptr);

    // Show handler: captions, the bulletin type list with the remembered item selected, and the
    // proposed grids per bulletin.
    void formshow();
    // Activation handler: captions, first grid "1" and last grid the method's grid count.
    void activate();
    // Proposes the chosen type's grids per bulletin in `texnbgrille`.
    void ComboBox1Change();
    // "Imprimer": checks the grid range and prints the grids onto bulletins, then closes; a
    // wrong range shows message 142 and keeps the dialog open.
    void boutlancerClick();
    // "Aperçu": the same checks, then a preview of the very pages that "Imprimer" prints, without
    // the next-bulletin prompts; the dialog stays open.
    void bapercuClick();
    // "Page de calibrage": prints the calibration page of the chosen type; the dialog stays open.
    void bcalibrageClick();
    // "Aperçu" beside it: previews the calibration page of the chosen type.
    void bapercucalibrageClick();
    // "Retour": remembers the chosen list item and closes.
    void boutannuleClick();
    // Key filter of the grid fields: only the digits reach `field` (Backspace included in the
    // refused keys); Tab, Enter and the other keys that type nothing still pass.
    static void testcar(QWidget *field);
    // Copies the dialog's texts in the current language.
    void pmetlibelles();

protected:
    void whenShown() override { formshow(); }
    void whenActivated() override { activate(); }

private:
    // Remembers the list item and reads the request; nullopt when no type is chosen or, after
    // message 142, when the grid range does not fit the method.
    std::optional<BulletinPrintRequest> checkedRequest();
    // The chosen bulletin type after remembering the list item; 0 when none.
    int chosenType();
    // The grids per bulletin typed by the player; 0 (the type's own) when it holds no number.
    int gridsPerBulletinOverride() const;
    // Prints `request` onto bulletins on `printer`.
    void printBulletins(Printer &printer, const BulletinPrintRequest &request);
    // Prints the calibration page of type t on `printer`.
    void printCalibration(Printer &printer, int t);

    AppState &m_state;
    Platform &m_platform;

    QLabel *labtitre;
    QLabel *Label3;
    LabelComboBox *ComboBox1;
    QGroupBox *GroupBox3;
    QLabel *Label1;
    QLineEdit *Gpremier;
    QLabel *Label2;
    QLineEdit *gdernier;
    QGroupBox *GroupBox2;
    QRadioButton *bimptsbull;
    QRadioButton *bimpunbull;
    QGroupBox *gparametre;
    QLabel *labnbgrilletick;
    QLineEdit *texnbgrille;
    QCheckBox *Labtopimpnugrille;
    QGroupBox *GroupBox1;
    QRadioButton *bbul1;
    QRadioButton *bbul2;
    QPushButton *bcalibrage;
    QPushButton *bapercucalibrage;
    QPushButton *bapercu;
    QPushButton *boutlancer;
    QPushButton *boutannule;
};
