#include "windows/listwindow.h"

#include "bulletins/gridlines.h"
#include "state/appstate.h"
#include "windows/widgets.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

TForm5::TForm5(AppState &state, QWidget *parent)
    : FormDialog("TForm5", 509, 381, parent), m_state(state)
{
    labtitre = titleLabel(this, {8, 6, 493, 26});

    // A model behind a view: a full system's twelve thousand lines open at once.
    m_lines = new QStringListModel(this);
    listbull = new QListView(this);
    listbull->setObjectName("listbull");
    listbull->setGeometry(8, 38, 493, 264);
    listbull->setModel(m_lines);
    listbull->setUniformItemSizes(true);
    listbull->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont courier("Courier", 10);
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    listbull->setFont(courier);

    BitBtn6 = named<QPushButton>(this, "BitBtn6", QRect(8, 308, 190, 32));
    bapercu = named<QPushButton>(this, "bapercu", QRect(202, 308, 90, 32));
    BitBtn2 = named<QPushButton>(this, "BitBtn2", QRect(297, 308, 204, 32));
    bexport = named<QPushButton>(this, "bexport", QRect(8, 344, 380, 32));
    BitBtn1 = named<QPushButton>(this, "BitBtn1", QRect(393, 344, 108, 32));

    connect(BitBtn6, &QPushButton::clicked, this, &TForm5::imprimeliste);
    connect(bapercu, &QPushButton::clicked, this, &TForm5::bapercuClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm5::bimprimebulletins);
    connect(bexport, &QPushButton::clicked, this, &TForm5::bexportClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm5::BitBtn1Click);
}

void TForm5::whenShown()
{
    form5show();
}

void TForm5::whenActivated()
{
    FormActivate();
}

void TForm5::form5show()
{
    pmetlibelles();
    premplilistebulletin();
}

void TForm5::FormActivate()
{
    pmetlibelles();
}

void TForm5::premplilistebulletin()
{
    const std::vector<std::string> texts =
        listLines(m_state.selection, m_state.pnumeromethode(), m_state.selectedGridCount(),
                  m_state.message(146));
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string &text : texts)
        lines.append(QString::fromStdString(text));
    m_lines->setStringList(lines);
}

void TForm5::pmetlibelles()
{
    const auto text = [this](int n) { return QString::fromStdString(m_state.message(n)); };
    setWindowTitle(text(86));
    labtitre->setText(text(86));
    BitBtn6->setText(text(85));
    bapercu->setText(text(174));
    BitBtn2->setText(text(58));
    bexport->setText(text(61));
    BitBtn1->setText(text(126));
}

void TForm5::BitBtn1Click()
{
    close();
}

void TForm5::imprimeliste()
{
    emit printListRequested();
}

void TForm5::bapercuClick()
{
    emit previewListRequested();
}

void TForm5::bimprimebulletins()
{
    emit printBulletinsRequested();
}

void TForm5::bexportClick()
{
    emit exportRequested();
}
