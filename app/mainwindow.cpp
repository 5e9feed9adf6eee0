#include "app/mainwindow.h"

#include "app/help.h"
#include "app/ticketsetcommands.h"
#include "bulletins/listprint.h"
#include "engine/randomselection.h"
#include "i18n/messagecatalogue.h"
#include "storage/numerictext.h"
#include "storage/parameterfile.h"
#include "windows/comparisonwindow.h"
#include "windows/degradeclass.h"
#include "windows/externalfilepage.h"
#include "windows/keyfilter.h"
#include "windows/labelcombobox.h"
#include "windows/languagechooser.h"
#include "windows/listwindow.h"
#include "windows/printdialog.h"
#include "windows/settingsdialog.h"
#include "windows/viewerwindow.h"
#include "windows/widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int comboCount = 50;
constexpr std::array<int, 5> comboLefts{4, 55, 105, 156, 206};
constexpr std::array<int, 10> comboTops{13, 39, 64, 89, 114, 138, 162, 186, 210, 234};

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QPixmap banner()
{
    QPixmap picture(639, 50);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans", 20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(picture.rect(), Qt::AlignCenter, "MIRAZOL SYSTEMES");
    return picture;
}

}  // namespace

TForm1::TForm1(Platform platform, std::string programFolder, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_pictures(makeCellPictures())
{
    m_state.programFolder = std::move(programFolder);
    setObjectName("TForm1");
    setWindowTitle("MIRAZOLSYSTEMES");
    // Fixed single border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildWindow();
    buildMenus();
    m_pgrille->background()->setPixmap(gridBackground(static_cast<int>(DisplayLayout::Normal)));
    pvidecombonumero(m_gnumeros);
    createWindows();
}

TForm1::~TForm1() = default;

template <typename F> void TForm1::guarded(const char *name, F &&routine)
{
    try {
        routine();
    } catch (const std::exception &) {
        showFailure(m_platform.boxes, name);
    }
}

void TForm1::buildWindow()
{
    auto *client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(641, 460);
    setCentralWidget(client);
    QFont windowFont("MS Sans Serif", 8);
    windowFont.setBold(true);
    setFont(windowFont);

    m_degrade = new TDegradeClass(client);
    m_degrade->setObjectName("DegradeClass1");
    m_degrade->SetStartColor(windowGradientStart);
    m_degrade->SetEndColor(windowGradientEnd);

    m_Image3 = new QLabel(client);
    m_Image3->setObjectName("Image3");
    m_Image3->setGeometry(2, 5, 639, 50);
    m_Image3->setPixmap(banner());

    m_boutaide = new QToolButton(client);
    m_boutaide->setObjectName("boutaide");
    m_boutaide->setGeometry(599, 13, 38, 36);
    m_boutaide->setText("?");
    m_boutaide->setAutoRaise(true);
    connect(m_boutaide, &QToolButton::clicked, this, &TForm1::boutaideClick);

    m_PageControl1 = new QTabWidget(client);
    m_PageControl1->setObjectName("PageControl1");
    m_PageControl1->setGeometry(0, 89, 641, 352);
    m_tabp1 = new QWidget;
    m_tabp1->setObjectName("tabp1");
    m_tabp2 = new QWidget;
    m_tabp2->setObjectName("tabp2");
    m_PageControl1->addTab(m_tabp1, QString());
    m_PageControl1->addTab(m_tabp2, QString());
    m_externalPage = new ExternalFilePage(m_state, m_platform, m_tabp2);

    m_Panel1 = new QWidget(client);
    m_Panel1->setObjectName("Panel1");
    m_Panel1->setGeometry(0, 441, 638, 18);
    m_Label2 = new QLabel("MIRAZOLSYSTEMES", m_Panel1);
    m_Label2->setObjectName("Label2");
    m_Label2->setGeometry(4, 0, 630, 18);

    buildNumberGrid(m_tabp1);
    buildPositionCombos(m_tabp1);

    m_ltitrechoix = new QLabel(m_tabp1);
    m_ltitrechoix->setObjectName("ltitrechoix");
    m_ltitrechoix->setGeometry(266, 12, 191, 13);
    m_ComboBox1 = new LabelComboBox(m_tabp1);
    m_ComboBox1->setObjectName("ComboBox1");
    m_ComboBox1->setGeometry(275, 34, 366, 21);
    connect(m_ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_state.methodListIndex = index; });
    connect(m_ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);

    m_bvoirbulletin = named<QPushButton>(m_tabp1, "bvoirbulletin", {266, 56, 363, 36});
    m_bimplistbull = named<QPushButton>(m_tabp1, "bimplistbull", {266, 94, 182, 36});
    m_bimpbull = named<QPushButton>(m_tabp1, "bimpbull", {447, 93, 182, 37});
    m_bcomparer = named<QPushButton>(m_tabp1, "bcomparer", {266, 131, 363, 36});
    m_beffacer = named<QPushButton>(m_tabp1, "beffacer", {266, 168, 363, 36});
    m_bnaleat = named<QPushButton>(m_tabp1, "bnaleat", {266, 206, 363, 38});
    m_bquitter = named<QPushButton>(m_tabp1, "bquitter", {483, 249, 148, 69});
    connect(m_bvoirbulletin, &QPushButton::clicked, this, &TForm1::bvoirbulletinClick);
    connect(m_bimplistbull, &QPushButton::clicked, this, &TForm1::bimplistbullClick);
    connect(m_bimpbull, &QPushButton::clicked, this, &TForm1::bimpbullClick);
    connect(m_bcomparer, &QPushButton::clicked, this, &TForm1::bcomparerClick);
    connect(m_beffacer, &QPushButton::clicked, this, &TForm1::beffacerClick);
    connect(m_bnaleat, &QPushButton::clicked, this, &TForm1::aleaclick);
    connect(m_bquitter, &QPushButton::clicked, this, &TForm1::bquitterClick);

    m_groupcaseCoche = new QGroupBox(m_tabp1);
    m_groupcaseCoche->setObjectName("groupcaseCoche");
    m_groupcaseCoche->setGeometry(273, 246, 178, 43);
    m_nbcoch = new QLabel("0", m_groupcaseCoche);
    m_nbcoch->setObjectName("nbcoch");
    m_nbcoch->setGeometry(8, 16, 160, 22);
    QFont countFont = m_nbcoch->font();
    countFont.setPixelSize(16);
    countFont.setBold(true);
    m_nbcoch->setFont(countFont);
    m_nbcoch->setStyleSheet("color: navy");

    buildLayoutButtons(m_tabp1);

    m_labmessage = new QLabel(m_tabp1);
    m_labmessage->setObjectName("labmessage");
    m_labmessage->setGeometry(390, 292, 245, 32);
    m_labmessage->setWordWrap(true);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::buildMenus()
{
    auto action = [this](QMenu *menu, const char *name, void (TForm1::*handler)()) {
        QAction *a = menu->addAction(QString());
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto menu = [this](const char *name) {
        QMenu *m = menuBar()->addMenu(QString());
        m->setObjectName(name);
        return m;
    };
    m_Fichier1 = menu("Fichier1");
    m_Chargerbulletin1 = action(m_Fichier1, "Chargerbulletin1", &TForm1::Chargerbulletin1Click);
    m_EnregistrerBulletin1 =
        action(m_Fichier1, "EnregistrerBulletin1", &TForm1::EnregistrerBulletin1Click);
    m_mQuitter1 = action(m_Fichier1, "mQuitter1", &TForm1::mQuitter1Click);
    m_Utilisation1 = menu("Utilisation1");
    m_mVoirlesbulletins1 =
        action(m_Utilisation1, "mVoirlesbulletins1", &TForm1::mVoirlesbulletins1Click);
    m_mVoirlalistedesbulletins1 = action(m_Utilisation1, "mVoirlalistedesbulletins1",
                                         &TForm1::mVoirlalistedesbulletins1Click);
    m_mCompareraveclesrsultats1 = action(m_Utilisation1, "mCompareraveclesrsultats1",
                                         &TForm1::mCompareraveclesrsultats1Click);
    m_Imprimerlesbulletins1 =
        action(m_Utilisation1, "Imprimerlesbulletins1", &TForm1::Imprimerlesbulletins1Click);
    m_Options1 = menu("Options1");
    m_Paramtres1 = action(m_Options1, "Paramtres1", &TForm1::Paramtres1Click);
    m_Aide1 = menu("Aide1");
    m_Aideenligne1 = action(m_Aide1, "Aideenligne1", &TForm1::Aideenligne1Click);
}

void TForm1::buildNumberGrid(QWidget *page)
{
    m_pgrille = new NumberGridPanel(
        m_pictures, 60, [](int n) { return QString("case%1").arg(n); }, page);
    m_pgrille->setObjectName("pgrille");
    m_pgrille->setGeometry(6, 9, 255, 281);
    connect(m_pgrille, &NumberGridPanel::cellClicked, this, &TForm1::casecoch);
}

void TForm1::buildPositionCombos(QWidget *page)
{
    m_pgrille2 = new QWidget(page);
    m_pgrille2->setObjectName("pgrille2");
    m_pgrille2->setGeometry(-5, 5, 267, 282);
    m_pgrille2->hide();
    m_gnumeros = new QGroupBox(m_pgrille2);
    m_gnumeros->setObjectName("gnumeros");
    m_gnumeros->setGeometry(0, 0, 267, 282);
    QStringList numbers;
    for (int n = 1; n <= 49; ++n)
        numbers << QString::number(n);
    for (int p = 1; p <= comboCount; ++p) {
        auto *combo = new QComboBox(m_gnumeros);
        combo->setObjectName(QString("c%1").arg(p));
        combo->setProperty("Tag", p);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(numbers);
        combo->lineEdit()->setMaxLength(2);
        combo->setGeometry(comboLefts[static_cast<std::size_t>((p - 1) % 5)],
                           comboTops[static_cast<std::size_t>((p - 1) / 5)], 47, 21);
        makeNumberBox(combo, [this](QComboBox *box) { Pcochegrilletabcoche(box); });
    }
}

void TForm1::buildLayoutButtons(QWidget *page)
{
    m_gtypaff = new QGroupBox(page);
    m_gtypaff->setObjectName("gtypaff");
    m_gtypaff->setGeometry(0, 290, 385, 35);
    struct LayoutButton {
        int layout;
        const char *name;
        const char *caption;
        void (TForm1::*handler)();
        int left;
        int width;
    };
    // Left to right as the window shows them.
    const LayoutButton buttons[] = {
        {1, "anormal", "Normal", &TForm1::anormalClick, 4, 70},
        {2, "a7x7", "7x7 (1)", &TForm1::a7x7Click, 74, 66},
        {5, "a7x72", "7x7(2)", &TForm1::a7x72Click, 140, 62},
        {3, "a6x9", "6x9", &TForm1::a6x9Click, 202, 48},
        {4, "a5x10", "5x10", &TForm1::a5x10Click, 250, 54},
        {6, "ageneral", "General", &TForm1::ageneralClick, 304, 78},
    };
    for (const LayoutButton &b : buttons) {
        auto *radio = new QRadioButton(b.caption, m_gtypaff);
        radio->setObjectName(b.name);
        radio->setGeometry(b.left, 14, b.width, 18);
        m_layoutButtons[static_cast<std::size_t>(b.layout)] = radio;
        const auto handler = b.handler;
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    }
}

void TForm1::createWindows()
{
    m_form2 = new TForm2(m_state, m_pictures, this);
    m_form5 = new TForm5(m_state, this);
    connect(m_form5, &TForm5::printListRequested, this,
            [this] { pimprimelistebulletin(ListMode::Print); });
    connect(m_form5, &TForm5::exportRequested, this,
            [this] { pimprimelistebulletin(ListMode::Export); });
    connect(m_form5, &TForm5::previewListRequested, this, &TForm1::previewListe);
    // The list window opens the print dialog without the count check: it only opens once the
    // check has passed.
    connect(m_form5, &TForm5::printBulletinsRequested, this,
            [this] { m_platform.dialogs.runModal(*m_form7); });
    m_form8 = new TForm8(m_state, m_platform.boxes, this);
    connect(m_externalPage, &ExternalFilePage::compareRequested, this,
            &TForm1::bexternecompareClick);
    connect(m_form8, &TForm8::ordinalsCompared, m_externalPage, &ExternalFilePage::showOrdinals);
    m_form7 = new TForm7(m_state, m_platform, this);
    m_form9 = new TForm9(m_state, this);
    m_form10 = new TForm10(m_state, this);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivation)
        activate();
}

void TForm1::activate()
{
    if (m_firstActivation)
        firstActivation();
    for (std::size_t i = 1; i <= 7; ++i)
        m_state.rememberedDraw[i] = 1;
    m_state.parameterFileFound = pchargeparametres(m_state.params, m_state.programFolder);
    // The language file is read before the parameters; a file that is not UTF-8 is decoded by
    // the language's code page, which is Croatian's own only once the parameters are known.
    if (m_firstActivation && m_state.languageFile.Loaded &&
        m_state.params.language == static_cast<int>(Language::Croatian))
        m_state.languageFile.Load(m_state.params.language);
    premplimethodes();
    pdecochetout();
    pglometlibelles();
    if (!m_state.parameterFileFound) {
        // A first start: the player chooses the language, unless a language file gives the texts.
        if (!m_state.languageFile.Loaded)
            m_platform.dialogs.runModal(*m_form10);
        pglometlibelles();
        premplimethodes();
    }
    m_firstActivation = false;
    if (m_state.params.displayLayout < 1 || m_state.params.displayLayout > 6)
        m_state.params.displayLayout = 2;
    checkLayoutButton();
    paffichenumerosmethode();
}

void TForm1::firstActivation()
{
    // Nothing here may stop the start: a bulletin table or language file that fails leaves the
    // program with what was set up, and the built-in texts.
    try {
        m_state.filePage = 1;
        pinittypebulletin(m_state.bulletinTypes);
        m_externalPage->premplicombotypebulletin();
        m_state.languageFile.FileName = m_state.programFolder + std::string(languageFileName);
        m_state.languageFile.Load(m_state.params.language);
    } catch (const std::exception &) {
    }
}

void TForm1::checkLayoutButton()
{
    QRadioButton *radio = m_layoutButtons[static_cast<std::size_t>(m_state.params.displayLayout)];
    if (!radio->isChecked())
        radio->setChecked(true);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    psauveparametres();
    QMainWindow::closeEvent(event);
}

void TForm1::psauveparametres()
{
    if (!::psauveparametres(m_state.params, m_state.programFolder))
        showParameterSaveFailure(m_platform.boxes);
}

void TForm1::casecoch(int n)
{
    if (n < 1 || n > 99)
        return;
    showCell(n, basculecoche(m_state.selection, n));
    paffichenbcoch();
    premplicombonumeroavecnumerocoche(m_gnumeros);
}

void TForm1::showCell(int number, bool ticked)
{
    m_pgrille->showCell(number, ticked);
}

void TForm1::setLayout(int layout)
{
    m_state.params.displayLayout = layout;
    pappliqueaffichage();
}

void TForm1::anormalClick()
{
    setLayout(1);
}
void TForm1::a7x7Click()
{
    setLayout(2);
}
void TForm1::a6x9Click()
{
    setLayout(3);
}
void TForm1::a5x10Click()
{
    setLayout(4);
}
void TForm1::a7x72Click()
{
    setLayout(5);
}
void TForm1::ageneralClick()
{
    setLayout(6);
}

void TForm1::pappliqueaffichage()
{
    const int layout = m_state.params.displayLayout;
    const bool general = layout == static_cast<int>(DisplayLayout::General);
    m_pgrille2->setVisible(general);
    m_pgrille->setVisible(!general);
    m_bvoirbulletin->setVisible(!general);
    // Both grids take the layout's cell size. The main grid is placed in layouts 1..5; the
    // viewer's in 2..5, since in the Normal layout it places its own cells when it shows.
    m_pgrille->applyLayout(layout, true);
    m_form2->panel()->applyLayout(layout, layout != static_cast<int>(DisplayLayout::Normal));
}

void TForm1::beffacerClick()
{
    pdecochetout();
    pvidecombonumero(m_gnumeros);
    paffichenbcoch();
}

void TForm1::pdecochetout()
{
    ::pdecochetout(m_state.selection);
    for (int n = 1; n <= 60; ++n)
        showCell(n, false);
}

void TForm1::paffichecoches()
{
    for (int n = 1; n <= 49; ++n)
        showCell(n, m_state.selection.tabcoche[static_cast<std::size_t>(n)] == 1);
}

void TForm1::paffichenbcoch()
{
    m_nbcoch->setText(QString::number(pcomptecoche(m_state.selection)));
}

void TForm1::premplimethodes()
{
    m_state.tabmethode = catalogueRows();
    m_state.methodList = methodListItems(m_state.tabmethode, m_state.labelWords());
    m_ComboBox1->clear();
    for (const MethodListItem &item : m_state.methodList)
        m_ComboBox1->addItem(qs(item.text));
    m_ComboBox1->setCurrentIndex(m_state.methodList.empty() ? -1 : 0);
    m_state.methodListIndex = m_ComboBox1->currentIndex();
}

void TForm1::ComboBox1Change()
{
    paffichenumerosmethode();
}

void TForm1::paffichenumerosmethode()
{
    const Tmethode *row = m_state.method(m_state.pnumeromethode());
    pDesactivecombo(m_gnumeros, row ? row->nbnumeros : 0);
}

void TForm1::pvidecombonumero(QGroupBox *group)
{
    guarded("pvidecombonumero", [group] {
        for (QComboBox *combo : group->findChildren<QComboBox *>()) {
            if (combo->property("Tag").toInt() > 0)
                combo->setEditText("0");
        }
    });
}

void TForm1::pmetnumerocombo(QGroupBox *group, int position, int number)
{
    guarded("pmetnumerocombo", [group, position, number] {
        for (QComboBox *combo : group->findChildren<QComboBox *>()) {
            if (combo->property("Tag").toInt() == position)
                combo->setEditText(QString::number(number));
        }
    });
}

void TForm1::premplicombonumeroavecnumerocoche(QGroupBox *group)
{
    guarded("premplicombonumeroavecnumerocoche", [this, group] {
        pvidecombonumero(group);
        int position = 1;
        for (int n = 1; n <= 99; ++n) {
            if (m_state.selection.tabcoche[static_cast<std::size_t>(n)] == 1)
                pmetnumerocombo(group, position++, n);
        }
    });
}

void TForm1::premplitabcocheavecnumerocombo(QGroupBox *group)
{
    guarded("premplitabcocheavecnumerocombo", [this, group] {
        pdecochetout();
        for (QComboBox *combo : group->findChildren<QComboBox *>()) {
            if (combo->property("Tag").toInt() <= 0)
                continue;
            const auto value = pestnumerique(combo->currentText().toStdString());
            if (value && *value > 0 && *value < 100) {
                m_state.selection.tabcoche[static_cast<std::size_t>(*value)] = 1;
                if (*value < 50)
                    showCell(*value, true);
            }
        }
        // The position list follows the combos too, so a selection typed only here is saved.
        pconstruitnumsel(m_state.selection);
        paffichenbcoch();
    });
}

void TForm1::pDesactivecombo(QGroupBox *group, int count)
{
    guarded("pDesactivecombo", [group, count] {
        for (QComboBox *combo : group->findChildren<QComboBox *>()) {
            const int tag = combo->property("Tag").toInt();
            if (tag >= 0)
                combo->setVisible(tag <= count);
        }
    });
}

void TForm1::Pcochegrilletabcoche(QComboBox *combo)
{
    const auto value = pestnumerique(combo->currentText().toStdString());
    if (!value)
        combo->setEditText("0");
    else if (*value >= 100)
        combo->setEditText("99");
    premplitabcocheavecnumerocombo(m_gnumeros);
}

void TForm1::aleaclick()
{
    const Tmethode *row = m_state.method(m_state.pnumeromethode());
    const int count = row ? row->nbnumeros : 0;
    if (count < 1)
        return;
    pdecochetout();
    std::mt19937 generator = freshGenerator();
    for (const int n : paleatoire(m_state.selection, count, m_state.params.randomMax,
                                  m_state.params.displayLayout, generator))
        showCell(n, true);
    paffichenbcoch();
    premplicombonumeroavecnumerocoche(m_gnumeros);
}

bool TForm1::pcontrolecoche(int captionMessage)
{
    const int m = m_state.pnumeromethode();
    const Tmethode *row = m_state.method(m);
    if (row && pcomptecoche(m_state.selection) == row->nbnumeros) {
        pconstruitnumsel(m_state.selection);
        paffichenbcoch();
        return true;
    }
    m_platform.boxes.show(m_state.message(captionMessage), m_state.message(109), BoxButtons::Ok,
                          BoxIcon::Exclamation);
    return false;
}

void TForm1::openViewer(int captionMessage)
{
    if (pcontrolecoche(captionMessage))
        m_platform.dialogs.runModal(*m_form2);
}

void TForm1::openList(int captionMessage)
{
    if (pcontrolecoche(captionMessage))
        m_platform.dialogs.runModal(*m_form5);
}

void TForm1::bvoirbulletinClick()
{
    openViewer(45);
}
void TForm1::mVoirlesbulletins1Click()
{
    openViewer(45);
}
void TForm1::bimplistbullClick()
{
    openList(45);
}
void TForm1::mVoirlalistedesbulletins1Click()
{
    openList(46);
}

void TForm1::bimpbullClick()
{
    if (pcontrolecoche(80))
        m_platform.dialogs.runModal(*m_form7);
}
void TForm1::Imprimerlesbulletins1Click()
{
    if (pcontrolecoche(80))
        m_platform.dialogs.runModal(*m_form7);
}

void TForm1::bcomparerClick()
{
    if (!pcontrolecoche(45))
        return;
    m_form8->compareSource = 1;
    m_platform.dialogs.runModal(*m_form8);
}
// Compares the source the window was last opened for: the generated grids until the external
// file has been compared, that file from then on.
void TForm1::mCompareraveclesrsultats1Click()
{
    if (pcontrolecoche(45))
        m_platform.dialogs.runModal(*m_form8);
}

void TForm1::bexternecompareClick(const GridFileSource &source, const ReplacementMap &map)
{
    m_form8->compareSource = 2;
    m_form8->sourceFileName = source.fileName;
    m_form8->sourceSeparator = source.separator;
    m_form8->sourceSkipLines = source.skipLines;
    m_form8->sourceReplacement = map;
    m_platform.dialogs.runModal(*m_form8);
}

void TForm1::pimprimelistebulletin(ListMode mode)
{
    listGrids(m_platform.printer, mode);
}

void TForm1::previewListe()
{
    m_platform.preview.show(m_state.message(85),
                            [this](Printer &printer) { listGrids(printer, ListMode::Print); });
}

void TForm1::listGrids(Printer &printer, ListMode mode)
{
    PrintContext context = m_state.printContext(printer, m_platform.boxes);
    ::pimprimelistebulletin(context, m_platform.files, m_state.selection, m_state.pnumeromethode(),
                            m_state.selectedGridCount(), mode);
}

void TForm1::bquitterClick()
{
    close();
}

void TForm1::mQuitter1Click()
{
    psauveparametres();
    close();
}

void TForm1::Chargerbulletin1Click()
{
    const TicketSetView view{
        .selectMethodItem =
            [this](int index) {
                const QSignalBlocker blocker(m_ComboBox1);
                m_ComboBox1->setCurrentIndex(index);
            },
        // The position combos mirror the ticked numbers, so they follow the loaded selection.
        .paffichecoches =
            [this] {
                paffichecoches();
                premplicombonumeroavecnumerocoche(m_gnumeros);
            },
        .paffichenbcoch = [this] { paffichenbcoch(); },
    };
    ::Chargerbulletin1Click(m_state, m_platform, view);
}

void TForm1::EnregistrerBulletin1Click()
{
    ::EnregistrerBulletin1Click(m_state, m_platform);
}

void TForm1::Paramtres1Click()
{
    const int language = m_state.params.language;
    m_platform.dialogs.runModal(*m_form9);
    if (m_state.params.language != language) {
        pglometlibelles();
        premplimethodes();
    }
    paffichenumerosmethode();
}

void TForm1::boutaideClick()
{
    popenaide(m_platform.shell, m_state.programFolder);
}

void TForm1::Aideenligne1Click()
{
    popenaide(m_platform.shell, m_state.programFolder);
}

void TForm1::pglometlibelles()
{
    auto m = [this](int n) { return qs(m_state.message(n)); };
    m_boutaide->setToolTip(m(54));
    m_PageControl1->setTabText(0, m(155));
    m_PageControl1->setTabText(1, m(156));
    m_ltitrechoix->setText(m(103));
    m_bvoirbulletin->setText(m(56));
    m_bimplistbull->setText(m(57));
    m_bimpbull->setText(m(58));
    m_bcomparer->setText(m(62));
    m_beffacer->setText(m(118));
    m_bnaleat->setText(m(116));
    m_bquitter->setText(m(21));
    m_bquitter->setToolTip(m(22));
    m_groupcaseCoche->setTitle(m(123));
    m_gtypaff->setTitle(m(132));
    m_labmessage->setText(m(117));
    for (QPushButton *b : {m_bvoirbulletin, m_bimplistbull, m_bimpbull, m_bcomparer, m_beffacer})
        b->setToolTip(QString());

    m_Fichier1->setTitle(m(119));
    m_Chargerbulletin1->setText(m(72));
    m_EnregistrerBulletin1->setText(m(71));
    m_mQuitter1->setText(m(21));
    m_mQuitter1->setToolTip(m(22));
    m_Utilisation1->setTitle(m(121));
    m_mVoirlesbulletins1->setText(m(56));
    m_mVoirlalistedesbulletins1->setText(m(57));
    m_mCompareraveclesrsultats1->setText(m(62));
    m_Imprimerlesbulletins1->setText(m(35));
    m_Options1->setTitle(m(122));
    m_Paramtres1->setText(m(49));
    m_Paramtres1->setToolTip(m(50));
    m_Aide1->setTitle(m(32));
    m_Aideenligne1->setText(m(124));
    m_externalPage->applyTexts([this](int n) { return m_state.message(n); });
}
