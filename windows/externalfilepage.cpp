#include "windows/externalfilepage.h"

#include "windows/keyfilter.h"
#include "windows/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTableWidget>

namespace {

QWidget *page(QStackedWidget *pages, const char *name)
{
    auto *sheet = new QWidget;
    sheet->setObjectName(name);
    pages->addWidget(sheet);
    return sheet;
}

// A push button whose caption wraps onto several lines, for the long export caption.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        painter.drawText(rect().adjusted(6, 2, -6, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

}  // namespace

ExternalFilePage::ExternalFilePage(QWidget *parent) : QWidget(parent)
{
    setObjectName("externalFilePage");
    m_Pagecontrolfic = named<QStackedWidget>(this, "Pagecontrolfic", {5, 5, 628, 270});
    buildFilePage(page(m_Pagecontrolfic, "TabSheet3"));
    buildPreviewPage(page(m_Pagecontrolfic, "TabSheet4"), "GrilleNumero", "labinfotab2");
    buildReplacementPage(page(m_Pagecontrolfic, "TabSheet5"));
    buildPreviewPage(page(m_Pagecontrolfic, "TabSheet6"), "GrilleNumero2", "labinfogrille2");
    buildUsePage(page(m_Pagecontrolfic, "TabSheet7"));
    m_bprecedent = named<QPushButton>(this, "bprecedent", {5, 282, 140, 30});
    m_bsuivant = named<QPushButton>(this, "bsuivant", {493, 282, 140, 30});
    m_bprecedent->setEnabled(false);
}

void ExternalFilePage::buildFilePage(QWidget *sheet)
{
    m_gfic = named<QGroupBox>(sheet, "gfic", {10, 10, 608, 70});
    m_labfic = named<QLabel>(m_gfic, "labfic", {10, 28, 450, 22});
    m_labfic->setAutoFillBackground(true);
    m_labfic->setBackgroundRole(QPalette::Base);
    m_labfic->setFrameShape(QFrame::StyledPanel);
    m_bselfic = named<QPushButton>(m_gfic, "bselfic", {470, 25, 128, 28});
    m_Labseparateur = named<QLabel>(sheet, "Labseparateur", {10, 100, 200, 18});
    m_Combseparateur = named<QComboBox>(sheet, "Combseparateur", {220, 97, 60, 22});
    m_Combseparateur->addItems({" ", ",", ";"});
    m_labNblignesaute = named<QLabel>(sheet, "labNblignesaute", {10, 132, 200, 18});
    m_combligne = named<QComboBox>(sheet, "combligne", {220, 129, 60, 22});
    for (int n = 0; n <= 20; ++n)
        m_combligne->addItem(QString::number(n));
}

void ExternalFilePage::buildPreviewPage(QWidget *sheet, const char *gridName, const char *noteName)
{
    auto *grid = named<QTableWidget>(sheet, gridName, {10, 10, 470, 220});
    grid->setColumnCount(11);
    grid->setRowCount(2);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    for (int c = 0; c < 11; ++c)
        grid->setColumnWidth(c, 40);
    auto *note = named<QLabel>(sheet, noteName, {10, 236, 470, 30});
    note->setWordWrap(true);
    if (QString(noteName) == "labinfotab2") {
        m_labinfotab2 = note;
    } else {
        m_labinfogrille2 = note;
        m_baffichetous = named<QPushButton>(sheet, "baffichetous", {490, 10, 128, 30});
    }
}

void ExternalFilePage::buildReplacementPage(QWidget *sheet)
{
    m_labnumerorep = named<QLabel>(sheet, "labnumerorep", {10, 6, 400, 18});
    auto *group = named<QGroupBox>(sheet, "groupnumero", {10, 26, 608, 240});
    for (int n = 1; n <= 50; ++n) {
        const int left = 8 + 60 * ((n - 1) % 10);
        const int top = 16 + 44 * ((n - 1) / 10);
        auto *label = new QLabel(QString::number(n), group);
        label->setGeometry(left, top, 50, 16);
        label->setAlignment(Qt::AlignCenter);
        auto *box = new QLineEdit(QString::number(n), group);
        box->setObjectName(QString("ComboBox%1").arg(44 + n));
        box->setProperty("Tag", n);
        box->setGeometry(left, top + 16, 50, 22);
    }
}

void ExternalFilePage::buildUsePage(QWidget *sheet)
{
    m_gimprimebulletin = named<QGroupBox>(sheet, "gimprimebulletin", {5, 2, 320, 264});
    m_labtypebulletin = named<QLabel>(m_gimprimebulletin, "labtypebulletin", {10, 22, 300, 16});
    named<QComboBox>(m_gimprimebulletin, "combTypebull", {10, 40, 300, 22});
    m_GroupBox2 = named<QGroupBox>(m_gimprimebulletin, "GroupBox2", {10, 68, 300, 66});
    m_bimptsbull = named<QRadioButton>(m_GroupBox2, "bimptsbull", {10, 20, 285, 20});
    m_bimpunbull = named<QRadioButton>(m_GroupBox2, "bimpunbull", {10, 42, 285, 20});
    m_bimptsbull->setChecked(true);
    m_ggrilleimp = named<QGroupBox>(m_gimprimebulletin, "ggrilleimp", {10, 138, 300, 52});
    m_labgprem = named<QLabel>(m_ggrilleimp, "labgprem", {8, 22, 70, 18});
    m_Gpremier = named<QLineEdit>(m_ggrilleimp, "Gpremier", {78, 20, 60, 22});
    m_labgderni = named<QLabel>(m_ggrilleimp, "labgderni", {150, 22, 70, 18});
    m_gdernier = named<QLineEdit>(m_ggrilleimp, "gdernier", {222, 20, 60, 22});
    for (QLineEdit *edit : {m_Gpremier, m_gdernier}) {
        edit->setMaxLength(5);
        edit->installEventFilter(this);
    }
    m_Gpremier->setText("1");
    m_gdernier->setText("99999");
    m_Labtopimpnugrille =
        named<QCheckBox>(m_gimprimebulletin, "Labtopimpnugrille", {10, 196, 300, 20});
    m_bimprimer = named<QPushButton>(m_gimprimebulletin, "bimprimer", {10, 224, 300, 32});

    m_gimprimeliste = named<QGroupBox>(sheet, "gimprimeliste", {332, 2, 290, 70});
    m_bimprimeliste = named<QPushButton>(m_gimprimeliste, "bimprimeliste", {10, 28, 270, 32});
    m_gexporteliste = named<QGroupBox>(sheet, "gexporteliste", {332, 80, 290, 96});
    m_bexportliste = new WrappingButton(m_gexporteliste);
    m_bexportliste->setObjectName("bexportliste");
    m_bexportliste->setGeometry(10, 28, 270, 58);
    m_gsysexternecompare = named<QGroupBox>(sheet, "gsysexternecompare", {332, 184, 290, 82});
    m_bexternecompare =
        named<QPushButton>(m_gsysexternecompare, "bexternecompare", {10, 34, 270, 38});
    QFont lighter = m_gexporteliste->font();
    lighter.setBold(false);
    lighter.setPointSizeF(lighter.pointSizeF() - 0.5);
    m_gexporteliste->setFont(lighter);
}

void ExternalFilePage::applyTexts(const std::function<std::string(int)> &message)
{
    auto m = [&message](int n) { return QString::fromStdString(message(n)); };
    m_gfic->setTitle(m(153));
    m_bselfic->setText(m(152));
    m_Labseparateur->setText(m(160));
    m_labNblignesaute->setText(m(163));
    m_labinfotab2->setText(m(159));
    m_labinfogrille2->setText(m(159));
    m_labnumerorep->setText(m(157));
    m_baffichetous->setText(m(158));
    m_bprecedent->setText(m(161));
    m_bsuivant->setText(m(162));
    m_gimprimebulletin->setTitle(m(35));
    m_labtypebulletin->setText(m(36));
    m_GroupBox2->setTitle(m(40));
    m_bimptsbull->setText(m(41));
    m_bimpunbull->setText(m(42));
    m_ggrilleimp->setTitle(m(37));
    m_labgprem->setText(m(38));
    m_labgderni->setText(m(39));
    m_Gpremier->setToolTip(m(111));
    m_gdernier->setToolTip(m(112));
    m_Labtopimpnugrille->setText(m(145));
    m_bimprimer->setText(m(58));
    m_gimprimeliste->setTitle(m(85));
    m_bimprimeliste->setText(m(85));
    m_gexporteliste->setTitle(m(61));
    m_bexportliste->setText(m(61));
    m_gsysexternecompare->setTitle(m(62));
    m_bexternecompare->setText(m(62));
    m_bexternecompare->setToolTip(QString());
    m_Combseparateur->setCurrentIndex(0);
    m_combligne->setCurrentIndex(0);
}

void ExternalFilePage::GpremierKeyPress(QKeyEvent *event)
{
    event->setAccepted(keyPasses(*event, KeyRule::Digits));
}

void ExternalFilePage::gdernierKeyPress(QKeyEvent *event)
{
    event->setAccepted(keyPasses(*event, KeyRule::Digits));
}

bool ExternalFilePage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || (watched != m_Gpremier && watched != m_gdernier))
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_Gpremier)
        GpremierKeyPress(key);
    else
        gdernierKeyPress(key);
    // A key the filter refused never reaches the field.
    return !key->isAccepted();
}
