#pragma once

#include "windows/formdialog.h"

#include <array>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct AppState;

// The settings dialog: printer offsets and the highest number of the random selection, read
// from the parameter record when the dialog appears and stored back only by its OK button.
class TForm9 : public FormDialog {
    Q_OBJECT
public:
    // The dialog works on `state.params` for as long as it lives.
    TForm9(AppState &state, QWidget *parent = nullptr);

    // Show handler: applies the captions.
    void onhsow();
    // Activation handler: fills the fields, radio buttons and list from the record.
    void FormActivate();
    // OK button: stores offsets, language and random maximum into the record and closes.
    void bokClick();
    // Key filter of the offset fields: true when `event` may reach the field ('+', '-', digits,
    // Delete and keys that type nothing or move between controls).
    static bool testcar2(const QKeyEvent &event);
    // Copies the dialog's texts in the current language.
    void plibelleparametres();
    // Fills `cnbre` with "35".."55" and selects `randomMax`, or nothing when outside that range.
    void premplitnbre();

protected:
    void whenShown() override { onhsow(); }
    void whenActivated() override { FormActivate(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppState &m_state;

    QLabel *labtitre;
    QGroupBox *GroupBox1;
    QLabel *hdec;
    QLineEdit *edech;
    QLabel *Label4;
    QLabel *ldec;
    QLineEdit *edecv;
    QLabel *Label3;
    QGroupBox *gnbnbre;
    QComboBox *cnbre;
    QGroupBox *glangue;
    std::array<QRadioButton *, 7> m_languages{};  // language codes 1..7 in order
    QGroupBox *gtypaff;
    std::array<QRadioButton *, 6> m_layouts{};  // display layout codes 1..6 in order
    QRadioButton *anormal;
    QRadioButton *ageneral;
    QPushButton *bok;
};
