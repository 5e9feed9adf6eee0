#include "windows/languagechooser.h"

#include "windows/flags.h"
#include "windows/languagebuttons.h"
#include "windows/widgets.h"

#include "state/appstate.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

constexpr QSize flagSize(36, 24);
constexpr int rowHeight = 34;

// The display tips, in French and then in English; this window shows no catalogue texts.
constexpr const char *displayTips =
    "Si les croix à l'écran se placent à côté des cases, choisissez les petites polices dans les "
    "paramètres d'affichage de Windows.\n"
    "Le type de grille à l'écran se change dans Options/Parametres.\n"
    "\n"
    "If the crosses on the screen stand beside the boxes, choose the small fonts in the Windows "
    "display settings.\n"
    "The board style on screen is changed under Options/Parameters.";

// Flag pictures by language code - 1, named as the window's images.
constexpr std::array<const char *, 7> flagNames{"ifrancais", "ianglais", "iportugais", "iespagnol",
                                                "iitalien",  "icroatie", "iallemand"};

}  // namespace

TForm10::TForm10(AppState &state, QWidget *parent)
    : FormDialog("TForm10", 430, 320, parent), m_state(state)
{
    setWindowTitle("Langue - Language");

    glangue = named<QGroupBox>(this, "glangue", {12, 10, 180, 256});
    const std::array<void (TForm10::*)(), 7> handlers{
        &TForm10::lfrancaisClick, &TForm10::cochanglais,   &TForm10::lportugaisClick,
        &TForm10::lespagnolClick, &TForm10::litalienClick, &TForm10::lcroatieClick,
        &TForm10::lallemandClick};
    for (std::size_t i = 0; i < languageButtons.size(); ++i) {
        const int top = 14 + rowHeight * static_cast<int>(i);
        QLabel *flag = named<QLabel>(glangue, flagNames[i],
                                     {14, top, flagSize.width() + 2, flagSize.height() + 2});
        flag->setFrameShape(QFrame::Box);
        flag->setPixmap(countryFlag(static_cast<int>(i) + 1, flagSize));
        flag->setCursor(Qt::PointingHandCursor);
        flag->installEventFilter(this);
        m_flags[i] = flag;

        QRadioButton *radio =
            named<QRadioButton>(glangue, languageButtons[i].name, {64, top + 2, 100, 22});
        radio->setText(QString::fromUtf8(languageButtons[i].caption));
        // As wide as its text, so that a click beside the text does not choose the language.
        radio->resize(radio->sizeHint().width(), radio->height());
        connect(radio, &QRadioButton::clicked, this, handlers[i]);
        m_languages[i] = radio;
    }

    Memo1 = named<QPlainTextEdit>(this, "Memo1", {204, 18, 214, 248});
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QString::fromUtf8(displayTips));

    bok = named<QPushButton>(this, "bok", {165, 278, 100, 30});
    bok->setText("OK");
    bok->setDefault(true);
    connect(bok, &QPushButton::clicked, this, &TForm10::bokClick);
}

void TForm10::FormShow()
{
    if (const QScreen *where = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
    const int language = m_state.params.language;
    const bool known = language >= 1 && language <= static_cast<int>(m_languages.size());
    m_languages[static_cast<std::size_t>(known ? language - 1 : 0)]->setChecked(true);
}

void TForm10::lfrancaisClick()
{
    chooseLanguage(1);
}

void TForm10::cochanglais()
{
    chooseLanguage(2);
}

void TForm10::lportugaisClick()
{
    chooseLanguage(3);
}

void TForm10::lespagnolClick()
{
    chooseLanguage(4);
}

void TForm10::litalienClick()
{
    chooseLanguage(5);
}

void TForm10::lcroatieClick()
{
    chooseLanguage(6);
}

void TForm10::lallemandClick()
{
    chooseLanguage(7);
}

void TForm10::bokClick()
{
    m_state.params.language = checkedLanguage();
    accept();
}

void TForm10::chooseLanguage(int language)
{
    if (m_languages[static_cast<std::size_t>(language - 1)]->isChecked())
        m_state.params.language = language;
}

int TForm10::checkedLanguage() const
{
    for (std::size_t i = 0; i < m_languages.size(); ++i) {
        if (m_languages[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 1;
}

bool TForm10::eventFilter(QObject *watched, QEvent *event)
{
    // A left click on a flag is a click on its language's button.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        for (std::size_t i = 0; i < m_flags.size(); ++i) {
            if (watched == m_flags[i] && mouse->button() == Qt::LeftButton &&
                m_flags[i]->rect().contains(mouse->position().toPoint())) {
                m_languages[i]->click();
                return true;
            }
        }
    }
    return FormDialog::eventFilter(watched, event);
}
