#include "windows/settingsdialog.h"

#include "windows/keyfilter.h"
#include "windows/languagebuttons.h"
#include "windows/widgets.h"

#include "state/appstate.h"
#include "storage/offsettext.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace {

constexpr int randomMaxLowest = 35;
constexpr int randomMaxHighest = 55;

constexpr int offsetTypingLimit = 5;

QLineEdit *offsetField(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *e = named<QLineEdit>(parent, name, geometry);
    e->setMaxLength(offsetTypingLimit);
    // A stored value longer than the typing limit is shown whole; once the player's edits bring
    // the text within the limit, the limit holds again.
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString &text) {
        if (text.size() > offsetTypingLimit || e->maxLength() == offsetTypingLimit)
            return;
        // Changing the limit puts the cursor at the end and clears the edited mark.
        const int cursor = e->cursorPosition();
        e->setMaxLength(offsetTypingLimit);
        e->setCursorPosition(cursor);
        e->setModified(true);
    });
    return e;
}

// Shows a stored offset whole, however long, and marks the field as not edited.
void showOffset(QLineEdit *field, std::int32_t value)
{
    const QString text = QString::number(value);
    field->setMaxLength(std::max<int>(offsetTypingLimit, static_cast<int>(text.size())));
    field->setText(text);
}

// The offset the field holds: the stored value while the player has not edited the field.
std::int32_t offsetOf(const QLineEdit *field, std::int32_t stored)
{
    return field->isModified() ? offsetFromText(field->text().toStdString()) : stored;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &text, int row)
{
    auto *r = new QRadioButton(text, parent);
    r->setObjectName(name);
    r->setGeometry(15, 25 + 26 * row, 200, 22);
    return r;
}

// Checks the button at `code` - 1, or clears the whole group when `code` is outside it.
template <std::size_t N> void checkOnly(const std::array<QRadioButton *, N> &buttons, int code)
{
    for (std::size_t i = 0; i < N; ++i) {
        // An exclusive group refuses to uncheck its last checked button.
        buttons[i]->setAutoExclusive(false);
        buttons[i]->setChecked(static_cast<int>(i) + 1 == code);
        buttons[i]->setAutoExclusive(true);
    }
}

QString text(const AppState &state, int n)
{
    return QString::fromStdString(state.message(n));
}

}  // namespace

TForm9::TForm9(AppState &state, QWidget *parent)
    : FormDialog("TForm9", 455, 340, parent), m_state(state)
{
    labtitre = titleLabel(this, {0, 12, 455, 30});

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(24, 56, 407, 112);
    hdec = named<QLabel>(GroupBox1, "hdec", {16, 32, 210, 22});
    edech = offsetField(GroupBox1, "edech", {236, 31, 70, 24});
    Label4 = named<QLabel>(GroupBox1, "Label4", {314, 32, 40, 22});
    Label4->setText("mm");
    ldec = named<QLabel>(GroupBox1, "ldec", {16, 72, 210, 22});
    edecv = offsetField(GroupBox1, "edecv", {236, 71, 70, 24});
    Label3 = named<QLabel>(GroupBox1, "Label3", {314, 72, 40, 22});
    Label3->setText("mm");
    edech->installEventFilter(this);
    edecv->installEventFilter(this);

    gnbnbre = new QGroupBox(this);
    gnbnbre->setObjectName("gnbnbre");
    gnbnbre->setGeometry(24, 184, 407, 72);
    cnbre = new QComboBox(gnbnbre);
    cnbre->setObjectName("cnbre");
    cnbre->setEditable(false);
    cnbre->setGeometry(236, 30, 70, 26);

    glangue = new QGroupBox(this);
    glangue->setObjectName("glangue");
    glangue->setGeometry(24, 56, 407, 210);
    for (std::size_t i = 0; i < languageButtons.size(); ++i)
        m_languages[i] = radio(glangue, languageButtons[i].name,
                               QString::fromUtf8(languageButtons[i].caption), static_cast<int>(i));
    glangue->hide();

    gtypaff = new QGroupBox(this);
    gtypaff->setObjectName("gtypaff");
    gtypaff->setGeometry(24, 56, 407, 190);
    const std::array<std::pair<const char *, const char *>, 6> layouts{{
        {"anormal", ""},
        {"a7x7", "7x7 (1)"},
        {"a6x9", "6x9"},
        {"a5x10", "5x10"},
        {"a7x72", "7x7(2)"},
        {"ageneral", ""},
    }};
    for (std::size_t i = 0; i < layouts.size(); ++i)
        m_layouts[i] = radio(gtypaff, layouts[i].first, layouts[i].second, static_cast<int>(i));
    anormal = m_layouts.front();
    ageneral = m_layouts.back();
    gtypaff->hide();

    bok = new QPushButton(this);
    bok->setObjectName("bok");
    bok->setDefault(true);
    bok->setGeometry(331, 292, 100, 30);
    connect(bok, &QPushButton::clicked, this, &TForm9::bokClick);
}

void TForm9::onhsow()
{
    plibelleparametres();
}

void TForm9::FormActivate()
{
    const TParamRecord &params = m_state.params;
    showOffset(edech, params.offsetHorizontal);
    showOffset(edecv, params.offsetVertical);
    checkOnly(m_languages, params.language);
    // The General layout is left unchecked here, as every code outside 1..5.
    checkOnly(m_layouts, params.displayLayout <= 5 ? params.displayLayout : 0);
    premplitnbre();
    plibelleparametres();
    glangue->hide();
}

void TForm9::bokClick()
{
    TParamRecord &params = m_state.params;
    params.offsetHorizontal = offsetOf(edech, params.offsetHorizontal);
    params.offsetVertical = offsetOf(edecv, params.offsetVertical);
    params.language = 1;
    for (std::size_t i = 0; i < m_languages.size(); ++i) {
        if (m_languages[i]->isChecked())
            params.language = static_cast<std::int32_t>(i) + 1;
    }
    if (cnbre->currentIndex() >= 0)
        params.randomMax = cnbre->currentText().toInt();
    accept();
}

bool TForm9::testcar2(const QKeyEvent &event)
{
    return keyPasses(event, KeyRule::SignedDigits);
}

void TForm9::plibelleparametres()
{
    setWindowTitle(text(m_state, 49));
    labtitre->setText(text(m_state, 49));
    bok->setText(text(m_state, 126));
    GroupBox1->setTitle(text(m_state, 130));
    glangue->setTitle(text(m_state, 131));
    gtypaff->setTitle(text(m_state, 132));
    gnbnbre->setTitle(text(m_state, 133));
    ldec->setText(text(m_state, 134));
    hdec->setText(text(m_state, 135));
    ageneral->setText(text(m_state, 140));
    anormal->setText(text(m_state, 141));
}

void TForm9::premplitnbre()
{
    cnbre->clear();
    for (int n = randomMaxLowest; n <= randomMaxHighest; ++n)
        cnbre->addItem(QString::number(n));
    const int randomMax = m_state.params.randomMax;
    const bool inList = randomMax >= randomMaxLowest && randomMax <= randomMaxHighest;
    cnbre->setCurrentIndex(inList ? randomMax - randomMaxLowest : -1);
}

bool TForm9::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == edech || watched == edecv) && event->type() == QEvent::KeyPress)
        return !testcar2(*static_cast<QKeyEvent *>(event));
    return FormDialog::eventFilter(watched, event);
}
