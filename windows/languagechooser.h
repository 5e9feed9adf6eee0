#pragma once

#include "windows/formdialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct AppState;

// The language chooser of a first start: the seven languages, each with its country's flag.
// Clicking a language's button or flag stores that language in the parameter record at once;
// OK closes the window. It has no cancel and shows no catalogue texts.
class TForm10 : public FormDialog {
    Q_OBJECT
public:
    // The window writes `state.params.language` for as long as it lives.
    TForm10(AppState &state, QWidget *parent = nullptr);

    // Show handler: centres the window on its screen and checks the current language's button,
    // French when the current language is outside 1..7.
    void FormShow();
    // Radio button handlers: each stores its language (1 French .. 7 German) when its button is
    // checked after the click.
    void lfrancaisClick();
    void cochanglais();
    void lportugaisClick();
    void lespagnolClick();
    void litalienClick();
    void lcroatieClick();
    void lallemandClick();
    // OK button: stores the language of the checked button and closes the window.
    void bokClick();

protected:
    void whenShown() override { FormShow(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Stores `language` when its button is the checked one.
    void chooseLanguage(int language);
    // The checked button's language, 1 when none is checked.
    int checkedLanguage() const;

    AppState &m_state;

    QGroupBox *glangue;
    std::array<QRadioButton *, 7> m_languages{};  // language codes 1..7 in order
    std::array<QLabel *, 7> m_flags{};            // the flag beside each button
    QPlainTextEdit *Memo1;
    QPushButton *bok;
};
