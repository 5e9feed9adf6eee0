#include "windows/externalfilepage.h"

#include "bulletins/bulletintypes.h"
#include "bulletins/listprint.h"
#include "compare/externalgrids.h"
#include "platform/platform.h"
#include "state/appstate.h"
#include "storage/numerictext.h"
#include "windows/gridpreviewmodel.h"
#include "windows/keyfilter.h"
#include "windows/labelcombobox.h"
#include "windows/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTableView>

#include <exception>
#include <vector>

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

GridPreviewModel *previewOf(QTableView *grid)
{
    return static_cast<GridPreviewModel *>(grid->model());
}

constexpr int previewColumnWidth = 40;
constexpr std::int32_t previewLines = 20;

}  // namespace

ExternalFilePage::ExternalFilePage(AppState &state, Platform &platform, QWidget *parent)
    : QWidget(parent), m_state(state), m_platform(platform)
{
    setObjectName("externalFilePage");
    // The page may be shown before the main window's first activation sets the wizard's page.
    if (m_state.filePage < 1 || m_state.filePage > 5)
        m_state.filePage = 1;
    m_Pagecontrolfic = named<QStackedWidget>(this, "Pagecontrolfic", {5, 5, 628, 270});
    buildFilePage(page(m_Pagecontrolfic, "TabSheet3"));
    m_GrilleNumero = buildPreviewPage(page(m_Pagecontrolfic, "TabSheet4"), "GrilleNumero",
                                      "labinfotab2", m_labinfotab2);
    buildReplacementPage(page(m_Pagecontrolfic, "TabSheet5"));
    QWidget *replaced = page(m_Pagecontrolfic, "TabSheet6");
    m_GrilleNumero2 =
        buildPreviewPage(replaced, "GrilleNumero2", "labinfogrille2", m_labinfogrille2);
    m_baffichetous = named<QPushButton>(replaced, "baffichetous", {490, 10, 128, 30});
    buildUsePage(page(m_Pagecontrolfic, "TabSheet7"));
    m_bprecedent = named<QPushButton>(this, "bprecedent", {5, 282, 140, 30});
    m_bsuivant = named<QPushButton>(this, "bsuivant", {493, 282, 140, 30});

    connect(m_bselfic, &QPushButton::clicked, this, &ExternalFilePage::bselficClick);
    connect(m_bsuivant, &QPushButton::clicked, this, &ExternalFilePage::bsuivantClick);
    connect(m_bprecedent, &QPushButton::clicked, this, &ExternalFilePage::bprecedentClick);
    connect(m_baffichetous, &QPushButton::clicked, this, &ExternalFilePage::baffichetousClick);
    connect(m_bexternecompare, &QPushButton::clicked, this,
            &ExternalFilePage::bexternecompareClick);
    connect(m_bimprimer, &QPushButton::clicked, this, &ExternalFilePage::bimprimerClick);
    connect(m_bapercu, &QPushButton::clicked, this, &ExternalFilePage::bapercuClick);
    connect(m_bimprimeliste, &QPushButton::clicked, this, &ExternalFilePage::bimprimelisteClick);
    connect(m_bexportliste, &QPushButton::clicked, this, &ExternalFilePage::bexportlisteClick);

    ppositionnetab();
    pgereboutonsuivantprec();
}

void ExternalFilePage::buildFilePage(QWidget *sheet)
{
    m_gfic = named<QGroupBox>(sheet, "gfic", {10, 10, 608, 70});
    m_labfic = named<QLabel>(m_gfic, "labfic", {10, 28, 450, 22});
    m_labfic->setAutoFillBackground(true);
    m_labfic->setBackgroundRole(QPalette::Base);
    m_labfic->setFrameShape(QFrame::StyledPanel);
    // A path is shown as it is, even one that looks like markup.
    m_labfic->setTextFormat(Qt::PlainText);
    m_bselfic = named<QPushButton>(m_gfic, "bselfic", {470, 25, 128, 28});
    m_Labseparateur = named<QLabel>(sheet, "Labseparateur", {10, 100, 200, 18});
    m_Combseparateur = named<QComboBox>(sheet, "Combseparateur", {220, 97, 60, 22});
    m_Combseparateur->addItems({" ", ",", ";"});
    m_labNblignesaute = named<QLabel>(sheet, "labNblignesaute", {10, 132, 200, 18});
    m_combligne = named<QComboBox>(sheet, "combligne", {220, 129, 60, 22});
    for (int n = 0; n <= 20; ++n)
        m_combligne->addItem(QString::number(n));
}

QTableView *ExternalFilePage::buildPreviewPage(QWidget *sheet, const char *gridName,
                                               const char *noteName, QLabel *&note)
{
    auto *grid = named<QTableView>(sheet, gridName, {10, 10, 470, 220});
    grid->setModel(new GridPreviewModel(grid));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    // Fixed row heights keep a view of a million rows from measuring each one.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pvidegrille(grid);
    note = named<QLabel>(sheet, noteName, {10, 236, 470, 30});
    note->setWordWrap(true);
    return grid;
}

void ExternalFilePage::buildReplacementPage(QWidget *sheet)
{
    m_labnumerorep = named<QLabel>(sheet, "labnumerorep", {10, 6, 400, 18});
    m_groupnumero = named<QGroupBox>(sheet, "groupnumero", {10, 26, 608, 240});
    for (int n = 1; n <= 50; ++n) {
        const int left = 8 + 60 * ((n - 1) % 10);
        const int top = 16 + 44 * ((n - 1) / 10);
        auto *label = new QLabel(QString::number(n), m_groupnumero);
        label->setGeometry(left, top, 50, 16);
        label->setAlignment(Qt::AlignCenter);
        auto *box = new QLineEdit(QString::number(n), m_groupnumero);
        box->setObjectName(QString("ComboBox%1").arg(44 + n));
        box->setProperty("Tag", n);
        box->setGeometry(left, top + 16, 50, 22);
    }
}

void ExternalFilePage::buildUsePage(QWidget *sheet)
{
    m_gimprimebulletin = named<QGroupBox>(sheet, "gimprimebulletin", {5, 2, 320, 264});
    m_labtypebulletin = named<QLabel>(m_gimprimebulletin, "labtypebulletin", {10, 22, 300, 16});
    m_combTypebull = named<LabelComboBox>(m_gimprimebulletin, "combTypebull", {10, 40, 300, 22});
    m_combTypebull->setMaxVisibleItems(15);
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
        filterKeys(edit, KeyRule::Digits);
    }
    m_Gpremier->setText("1");
    m_gdernier->setText("99999");
    m_Labtopimpnugrille =
        named<QCheckBox>(m_gimprimebulletin, "Labtopimpnugrille", {10, 196, 300, 20});
    m_bimprimer = named<QPushButton>(m_gimprimebulletin, "bimprimer", {10, 224, 196, 32});
    m_bapercu = named<QPushButton>(m_gimprimebulletin, "bapercu", {212, 224, 98, 32});

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
    m_bapercu->setText(m(174));
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

void ExternalFilePage::premplicombotypebulletin()
{
    m_combTypebull->clear();
    for (const std::string &item :
         pgloremplicombotypebulletin(m_state.bulletinTypes, m_platform.boxes))
        m_combTypebull->addItem(QString::fromStdString(item));
    m_combTypebull->setCurrentIndex(-1);
}

void ExternalFilePage::bselficClick()
{
    FileDialogOptions options;
    options.title = m_state.message(152);
    options.filter = m_state.message(153) + " (*.txt;*.csv)|*.txt;*.csv";
    options.hideReadOnly = true;
    options.pathMustExist = true;
    options.fileMustExist = true;
    if (const auto path = m_platform.files.openFile(options))
        m_labfic->setText(QString::fromStdString(*path));
}

void ExternalFilePage::bsuivantClick()
{
    if (m_state.filePage == 1 && m_labfic->text().isEmpty()) {
        m_platform.boxes.show(m_state.message(143), m_state.message(154), BoxButtons::Ok,
                              BoxIcon::Exclamation);
    } else if (m_state.filePage < 5) {
        if (m_state.filePage == 1) {
            pchargegrille(m_GrilleNumero, previewLines, m_state.replacementMap, false);
        } else if (m_state.filePage == 3) {
            pconstruitremplacement();
            pchargegrille(m_GrilleNumero2, previewLines, m_state.replacementMap, true);
        }
        ++m_state.filePage;
        ppositionnetab();
    }
    pgereboutonsuivantprec();
}

void ExternalFilePage::bprecedentClick()
{
    if (m_state.filePage < 2)
        return;
    --m_state.filePage;
    ppositionnetab();
    pgereboutonsuivantprec();
}

void ExternalFilePage::ppositionnetab()
{
    if (m_state.filePage >= 1 && m_state.filePage <= m_Pagecontrolfic->count())
        m_Pagecontrolfic->setCurrentIndex(m_state.filePage - 1);
}

void ExternalFilePage::pgereboutonsuivantprec()
{
    m_bprecedent->setEnabled(m_state.filePage != 1);
    m_bsuivant->setEnabled(m_state.filePage != 5);
}

void ExternalFilePage::pvidegrille(QTableView *grid)
{
    previewOf(grid)->clear();
    grid->horizontalHeader()->setDefaultSectionSize(previewColumnWidth);
    for (int column = 0; column <= previewFieldCount; ++column)
        grid->setColumnWidth(column, previewColumnWidth);
}

void ExternalFilePage::pchargegrille(QTableView *grid, std::int32_t maxLines,
                                     const ReplacementMap &map, bool replace)
{
    pvidegrille(grid);
    if (!previewOf(grid)->load(chosenSource(), maxLines, map, replace).ok)
        showFailure(m_platform.boxes, "pchargegrille");
}

void ExternalFilePage::pconstruitremplacement()
{
    std::vector<ReplacementBox> boxes;
    for (const QLineEdit *box :
         m_groupnumero->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
        boxes.push_back({box->property("Tag").toInt(), box->text().toStdString()});
    m_state.replacementMap = ::pconstruitremplacement(boxes);
}

void ExternalFilePage::baffichetousClick()
{
    pchargegrille(m_GrilleNumero2, 0, m_state.replacementMap, true);
}

void ExternalFilePage::bexternecompareClick()
{
    const GridFileSource source = chosenSource();
    pconstruitremplacement();
    emit compareRequested(source, m_state.replacementMap);
}

void ExternalFilePage::bimprimerClick()
{
    try {
        const std::optional<BulletinPrintRequest> request = bulletinRequest();
        const ExternalGridFile file = chosenFile();
        if (!request)
            return;
        PrintContext ctx = m_state.printContext(m_platform.printer, m_platform.boxes);
        showOrdinals(Pimprimebulletinfichier(ctx, m_state.bulletinTypes, file, *request));
    } catch (const std::exception &) {
        // The print choices fail silently; the print run reports its own failures.
    }
}

void ExternalFilePage::bapercuClick()
{
    const std::optional<BulletinPrintRequest> request = bulletinRequest();
    const ExternalGridFile file = chosenFile();
    if (!request)
        return;
    m_platform.preview.show(m_state.message(174), [&](Printer &printer) {
        PrintContext ctx = m_state.printContext(printer, m_platform.boxes);
        Pimprimebulletinfichier(ctx, m_state.bulletinTypes, file, *request);
    });
}

void ExternalFilePage::bimprimelisteClick()
{
    PrintContext ctx = m_state.printContext(m_platform.printer, m_platform.boxes);
    Pimprimelistebulletinfichier(ctx, m_platform.files, chosenFile(), ListMode::Print);
}

void ExternalFilePage::bexportlisteClick()
{
    PrintContext ctx = m_state.printContext(m_platform.printer, m_platform.boxes);
    Pimprimelistebulletinfichier(ctx, m_platform.files, chosenFile(), ListMode::Export);
}

void ExternalFilePage::showOrdinals(qsizetype count)
{
    previewOf(m_GrilleNumero)->showOrdinals(count);
}

GridFileSource ExternalFilePage::chosenSource() const
{
    GridFileSource source;
    source.fileName = m_labfic->text().toStdString();
    source.separator = m_Combseparateur->currentText().toStdString();
    source.skipLines = skipLinesFromText(m_combligne->currentText().toStdString());
    return source;
}

ExternalGridFile ExternalFilePage::chosenFile()
{
    ExternalGridFile file;
    static_cast<GridFileSource &>(file) = chosenSource();
    pconstruitremplacement();
    file.replacement = m_state.replacementMap;
    return file;
}

std::optional<BulletinPrintRequest> ExternalFilePage::bulletinRequest()
{
    BulletinPrintRequest request;
    std::optional<std::string> item;
    if (m_combTypebull->currentIndex() >= 0)
        item = m_combTypebull->currentText().toStdString();
    request.bulletinType = pretournenutypeticketimpression(item, m_platform.boxes);
    request.mode = m_bimptsbull->isChecked() ? PrintMode::AllAtOnce : PrintMode::OneByOne;
    const auto first = pestnumerique(m_Gpremier->text().toStdString());
    const auto last = pestnumerique(m_gdernier->text().toStdString());
    if (!first || !last)
        return std::nullopt;
    request.first = *first;
    request.last = *last;
    request.numbered = m_Labtopimpnugrille->isChecked();
    return request;
}
