#include "windows/comparisonwindow.h"

#include "platform/messageboxes.h"
#include "state/appstate.h"
#include "storage/numerictext.h"
#include "windows/comparisonlistmodel.h"
#include "windows/keyfilter.h"
#include "windows/widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <chrono>

namespace {

// How long a file comparison runs between two passes of the event loop: often enough for the
// list to grow smoothly and the buttons to answer, rarely enough to cost little.
constexpr std::chrono::milliseconds comparisonStep{20};

constexpr int boxLeft = 34;
constexpr int boxTop = 72;
constexpr int boxPitch = 30;

// Where each rank's group box and counter sit in the counter frame, in the order of allRanks:
// the top row reads "4 +Comp", "5", "5 +Comp", "6", the bottom row "2 +Comp", "3", "3 +Comp", "4".
struct RankPlace {
    const char *box;
    const char *counter;
    int row;
    int column;
};

constexpr std::array<RankPlace, rankCount> rankPlaces{{
    {"GroupBox5", "lnb6", 0, 3},
    {"GroupBox4", "lnb5c", 0, 2},
    {"GroupBox3", "lnb5", 0, 1},
    {"GroupBox2", "lnb4c", 0, 0},
    {"GroupBox6", "lnb4", 1, 3},
    {"GroupBox7", "lnb3c", 1, 2},
    {"GroupBox8", "lnb3", 1, 1},
    {"GroupBox9", "lnb2c", 1, 0},
}};

// Red text on a yellow ground, for the panel heading and the counters.
void paintRedOnYellow(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void paintText(QLabel *label, Qt::GlobalColor color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

}  // namespace

TForm8::TForm8(AppState &state, MessageBoxes &boxes, QWidget *parent)
    : FormDialog("TForm8", 598, 417, parent), m_state(state), m_boxes(boxes)
{
    labtitre = named<QLabel>(this, "labtitre", QRect(8, 6, 582, 30));
    QFont titleFont("Times New Roman", 16);
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setBold(true);
    labtitre->setFont(titleFont);
    labtitre->setAlignment(Qt::AlignCenter);

    buildDrawPanel();

    // A model behind a view, with one height for every line: a file of a million grids lists
    // as fast as a short one.
    m_lines = new ComparisonListModel(m_list, this);
    listresul = named<QListView>(this, "listresul", QRect(136, 42, 454, 222));
    listresul->setModel(m_lines);
    listresul->setUniformItemSizes(true);
    listresul->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont courier("Courier", 10);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    listresul->setFont(courier);

    buildCounters();

    button1 = named<QPushButton>(this, "button1", QRect(136, 378, 240, 32));
    BitBtn1 = named<QPushButton>(this, "BitBtn1", QRect(482, 378, 108, 32));
    connect(button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
}

TForm8::~TForm8() = default;

void TForm8::buildDrawPanel()
{
    lbullgagnant = named<QLabel>(this, "lbullgagnant", QRect(8, 42, 120, 22));
    QFont headingFont = lbullgagnant->font();
    headingFont.setBold(true);
    lbullgagnant->setFont(headingFont);
    lbullgagnant->setAlignment(Qt::AlignCenter);
    paintRedOnYellow(lbullgagnant);

    QStringList numbers;
    for (int n = 1; n <= 60; ++n)
        numbers << QString::number(n);
    for (int i = 0; i < 7; ++i) {
        const int top = boxTop + i * boxPitch;
        const bool complementary = i == 6;
        auto *label =
            named<QLabel>(this, qPrintable(QString("Label%1").arg(i + 2)), QRect(14, top, 16, 22));
        label->setText(complementary ? "C" : QString::number(i + 1));
        QFont labelFont = label->font();
        labelFont.setBold(true);
        label->setFont(labelFont);
        paintText(label, complementary ? Qt::cyan : Qt::darkGreen);

        auto *box = named<QComboBox>(this, qPrintable(QString("ComboBox%1").arg(i + 1)),
                                     QRect(boxLeft, top, 64, 22));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(numbers);
        box->lineEdit()->setMaxLength(2);
        box->setMaxVisibleItems(4);
        Controlenumerique(box);
        m_drawBoxes[static_cast<std::size_t>(i)] = box;
    }
}

void TForm8::buildCounters()
{
    gtitre = named<QGroupBox>(this, "gtitre", QRect(136, 268, 454, 104));
    QFont counterFont = font();
    counterFont.setBold(true);
    for (std::size_t r = 0; r < rankCount; ++r) {
        const RankPlace &place = rankPlaces[r];
        auto *box = named<QGroupBox>(gtitre, place.box,
                                     QRect(8 + place.column * 110, 16 + place.row * 43, 106, 40));
        auto *counter = named<QLabel>(box, place.counter, QRect(6, 16, 94, 18));
        counter->setFont(counterFont);
        counter->setAlignment(Qt::AlignCenter);
        paintRedOnYellow(counter);
        m_rankBoxes[r] = box;
        m_counters[r] = counter;
    }
}

void TForm8::whenShown()
{
    initform();
}

void TForm8::whenActivated()
{
    FormActivate();
}

void TForm8::initform()
{
    plibellecomparaison();
    for (QComboBox *box : m_drawBoxes)
        box->setCurrentIndex(0);
    for (QLabel *counter : m_counters)
        counter->clear();
    m_list.restart(Draw{}, {});
    m_lines->reload();
}

void TForm8::FormActivate()
{
    prestauretirage();
    plibellecomparaison();
}

void TForm8::plibellecomparaison()
{
    const auto text = [this](int n) { return QString::fromStdString(m_state.message(n)); };
    setWindowTitle(text(139));
    labtitre->setText(text(139));
    gtitre->setTitle(text(136));
    BitBtn1->setText(text(126));
    lbullgagnant->setText(text(137));
    button1->setText(text(138));
    const auto message = [this](int n) { return m_state.message(n); };
    for (std::size_t r = 0; r < rankCount; ++r)
        m_rankBoxes[r]->setTitle(QString::fromStdString(rankCaption(allRanks[r], message)));
}

void TForm8::Controlenumerique(QComboBox *box)
{
    makeNumberBox(box, [this](QComboBox *left) { Controlesaisie(left); });
}

void TForm8::Controlesaisie(QComboBox *box)
{
    const auto value = pestnumerique(box->currentText().toStdString());
    if (!value)
        box->setEditText("0");
    else if (*value > 99)
        box->setEditText("99");
}

void TForm8::pmemorisetirage()
{
    for (std::size_t i = 0; i < m_drawBoxes.size(); ++i)
        m_state.rememberedDraw[i + 1] = m_drawBoxes[i]->findText(m_drawBoxes[i]->currentText()) + 1;
}

void TForm8::prestauretirage()
{
    for (std::size_t i = 0; i < m_drawBoxes.size(); ++i) {
        const std::int32_t position = m_state.rememberedDraw[i + 1];
        if (position > 0 && position <= m_drawBoxes[i]->count())
            m_drawBoxes[i]->setCurrentIndex(position - 1);
    }
}

Draw TForm8::typedDraw() const
{
    std::array<std::string, 7> texts;
    for (std::size_t i = 0; i < m_drawBoxes.size(); ++i)
        texts[i] = m_drawBoxes[i]->currentText().toStdString();
    return drawFromTexts(texts);
}

void TForm8::Button1Click()
{
    // The button is disabled during a file comparison; this also covers a call from code.
    if (m_run)
        return;
    if (hasDuplicateNumber(typedDraw())) {
        m_boxes.show(m_state.message(80), m_state.message(109), BoxButtons::Ok,
                     BoxIcon::Exclamation);
        return;
    }
    pmemorisetirage();
    if (compareSource == 2)
        pcomparefichier(sourceFileName, sourceSeparator, sourceSkipLines, sourceReplacement);
    else
        pcomparegrilles();
}

void TForm8::BitBtn1Click()
{
    close();
}

void TForm8::reject()
{
    if (m_run) {
        m_run->stop();
        m_closeAfterRun = true;
        return;
    }
    FormDialog::reject();
}

void TForm8::pcomparegrilles()
{
    ::pcomparegrilles(m_state.selection, m_state.pnumeromethode(), m_state.selectedGridCount(),
                      typedDraw(), m_state.message(144), m_list);
    m_lines->reload();
    showCounters();
}

void TForm8::pcomparefichier(const std::string &fileName, const std::string &separator,
                             std::int32_t skipLines, const ReplacementMap &replacement)
{
    m_run =
        std::make_unique<FileComparison>(GridFileSource{fileName, separator, skipLines},
                                         replacement, typedDraw(), m_state.message(144), m_list);
    m_lines->reload();
    button1->setEnabled(false);
    std::size_t told = 0;
    for (;;) {
        const bool running = m_run->compareFor(comparisonStep);
        m_lines->showAddedLines();
        if (m_list.size() != told) {
            told = m_list.size();
            emit ordinalsCompared(static_cast<qsizetype>(told));
        }
        if (!running)
            break;
        QCoreApplication::processEvents();
    }
    const bool failed = m_run->state() == RunState::Failed;
    m_run.reset();
    button1->setEnabled(true);
    if (failed)
        m_boxes.show(std::string(comparisonFailureTitle), std::string(comparisonFailureText),
                     BoxButtons::Ok, BoxIcon::None);
    else
        showCounters();
    if (m_closeAfterRun) {
        m_closeAfterRun = false;
        FormDialog::reject();
    }
}

void TForm8::showCounters()
{
    const RankCounters &counts = m_list.counters();
    for (std::size_t r = 0; r < rankCount; ++r)
        m_counters[r]->setText(QString::number(counts.count(allRanks[r])));
}
