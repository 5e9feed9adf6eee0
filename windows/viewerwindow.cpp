#include "windows/viewerwindow.h"

#include "state/appstate.h"
#include "windows/widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// Cells of the viewer: Image42 .. Image90 show the numbers 1..49.
constexpr int firstCellImage = 42;
constexpr int viewerCells = 49;

}  // namespace

TForm2::TForm2(AppState &state, const CellPictures &pictures, QWidget *parent)
    : FormDialog("TForm2", 599, 327, parent), m_state(state)
{
    pgrille = new NumberGridPanel(
        pictures, viewerCells,
        [](int n) { return QStringLiteral("Image%1").arg(firstCellImage + n - 1); }, this);
    pgrille->setObjectName("pgrille");
    pgrille->setGeometry(8, 8, 276, 311);
    pgrille->setFrameShape(QFrame::StyledPanel);
    // The window is designed in the Normal layout until the main window applies another one.
    pgrille->applyLayout(static_cast<int>(DisplayLayout::Normal), true);

    labtitre = titleLabel(this, QRect(296, 10, 295, 26));

    gmethode = new QGroupBox(this);
    gmethode->setObjectName("gmethode");
    gmethode->setGeometry(296, 44, 295, 70);
    ltitmet = named<QLabel>(gmethode, "ltitmet", QRect(8, 22, 279, 40));
    ltitmet->setFont(QFont("Times New Roman", 12));
    QPalette blue = ltitmet->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    ltitmet->setPalette(blue);
    ltitmet->setWordWrap(true);

    auto *counter = new QFrame(this);
    counter->setObjectName("Panel1");
    counter->setGeometry(296, 124, 295, 40);
    counter->setFrameShape(QFrame::Panel);
    counter->setFrameShadow(QFrame::Raised);
    Panel1 = counter;
    QFont counterFont = font();
    counterFont.setPointSize(12);
    counterFont.setBold(true);
    ltitre = named<QLabel>(Panel1, "ltitre", QRect(10, 8, 110, 24));
    lnubul = named<QLabel>(Panel1, "lnubul", QRect(124, 8, 60, 24));
    lnubul->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel *slash = named<QLabel>(Panel1, "Label1", QRect(190, 8, 12, 24));
    slash->setText("/");
    Lnumax = named<QLabel>(Panel1, "Lnumax", QRect(208, 8, 80, 24));
    for (QLabel *label : {ltitre, lnubul, slash, Lnumax})
        label->setFont(counterFont);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(296, 174, 295, 64);
    bprecedent = new QPushButton(GroupBox1);
    bprecedent->setObjectName("bprecedent");
    bprecedent->setGeometry(30, 18, 110, 36);
    bprecedent->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    bsuivant = new QPushButton(GroupBox1);
    bsuivant->setObjectName("bsuivant");
    bsuivant->setGeometry(155, 18, 110, 36);
    bsuivant->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));

    bRetour = new QPushButton(this);
    bRetour->setObjectName("bRetour");
    bRetour->setGeometry(441, 283, 150, 36);
    bRetour->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    connect(bsuivant, &QPushButton::clicked, this, &TForm2::bsuivantClick);
    connect(bprecedent, &QPushButton::clicked, this, &TForm2::bprecedentClick);
    connect(bRetour, &QPushButton::clicked, this, &TForm2::bretourClick);
}

void TForm2::whenShown()
{
    FormShow();
}

void TForm2::whenActivated()
{
    FormActivate();
}

void TForm2::FormShow()
{
    // The Normal layout places the viewer's cells itself; the others keep the places the main
    // window gave them.
    const int layout = m_state.params.displayLayout;
    pgrille->applyLayout(layout, layout == static_cast<int>(DisplayLayout::Normal));
    pmetlibelles();
    Selection &s = m_state.selection;
    s.grillecourante = 1;
    const int m = m_state.pnumeromethode();
    s.methodecourante = m;
    // No method selected, or a number outside the catalogue: keep what the window showed.
    const Tmethode *row = m_state.method(m);
    if (!row)
        return;
    s.nbgrillescourant = row->nbgrilles;
    ltitmet->setText(QString::fromStdString(plibellemethode(*row, m, false, m_state.labelWords())));
    paffichecompteur();
    showGrid(s.grillecourante);
}

void TForm2::FormActivate()
{
    pmetlibelles();
}

void TForm2::bsuivantClick()
{
    Selection &s = m_state.selection;
    if (s.grillecourante >= s.nbgrillescourant)
        return;
    ++s.grillecourante;
    paffichecompteur();
    showGrid(s.grillecourante);
}

void TForm2::bprecedentClick()
{
    Selection &s = m_state.selection;
    if (s.grillecourante < 2)
        return;
    --s.grillecourante;
    paffichecompteur();
    showGrid(s.grillecourante);
}

void TForm2::bretourClick()
{
    close();
}

void TForm2::paffichecompteur()
{
    lnubul->setText(QString::number(m_state.selection.grillecourante));
    Lnumax->setText(QString::number(m_state.selection.nbgrillescourant));
}

void TForm2::showGrid(int i)
{
    pdeveloppegrille(m_state.selection, i);
    prafraichitcases();
}

void TForm2::prafraichitcases()
{
    pgrille->showFlags(m_state.selection.tabgrille);
}

void TForm2::pmetlibelles()
{
    const auto text = [this](int n) { return QString::fromStdString(m_state.message(n)); };
    setWindowTitle(text(125));
    labtitre->setText(text(125));
    gmethode->setTitle(text(129));
    ltitre->setText(text(34));
    bprecedent->setToolTip(text(128));
    bsuivant->setToolTip(text(127));
    bRetour->setText(text(126));
}
