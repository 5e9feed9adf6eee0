#include "windows/printdialog.h"

#include "windows/keyfilter.h"
#include "windows/labelcombobox.h"
#include "windows/widgets.h"

#include "bulletins/bulletintypes.h"
#include "bulletins/calibration.h"
#include "platform/platform.h"
#include "state/appstate.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr int titleMessage = 35;         // "Imprimer les Tickets"
constexpr int rangeMessage = 142;        // "Numéros des grilles à imprimer incorrect"
constexpr int rangeTitle = 143;          // "Problème !!"
constexpr int previewMessage = 174;      // "Aperçu"
constexpr int calibrationMessage = 175;  // "Page de calibrage"

// Room for the grid count of the largest method (12,376 grids).
constexpr int gridFieldLength = 5;
constexpr int perBulletinLength = 2;

// The integer a field holds; 0 when its text is not a number.
int numberIn(const QLineEdit *field)
{
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok ? value : 0;
}

QLineEdit *numberField(QWidget *parent, const char *name, QRect geometry, int length)
{
    auto *field = named<QLineEdit>(parent, name, geometry);
    field->setMaxLength(length);
    TForm7::testcar(field);
    return field;
}

}  // namespace

TForm7::TForm7(AppState &state, Platform &platform, QWidget *parent)
    : FormDialog("TForm7", 477, 335, parent), m_state(state), m_platform(platform)
{
    labtitre = titleLabel(this, {0, 8, 477, 30});

    Label3 = named<QLabel>(this, "Label3", {16, 44, 300, 20});
    ComboBox1 = named<LabelComboBox>(this, "ComboBox1", {16, 64, 445, 24});
    ComboBox1->setMaxVisibleItems(15);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm7::ComboBox1Change);

    GroupBox3 = named<QGroupBox>(this, "GroupBox3", {16, 100, 210, 90});
    Label1 = named<QLabel>(GroupBox3, "Label1", {10, 26, 100, 20});
    Gpremier = numberField(GroupBox3, "Gpremier", {120, 24, 70, 22}, gridFieldLength);
    Label2 = named<QLabel>(GroupBox3, "Label2", {10, 58, 100, 20});
    gdernier = numberField(GroupBox3, "gdernier", {120, 56, 70, 22}, gridFieldLength);

    GroupBox2 = named<QGroupBox>(this, "GroupBox2", {236, 100, 225, 90});
    bimptsbull = named<QRadioButton>(GroupBox2, "bimptsbull", {10, 26, 210, 22});
    bimptsbull->setChecked(true);
    bimpunbull = named<QRadioButton>(GroupBox2, "bimpunbull", {10, 56, 210, 22});

    gparametre = named<QGroupBox>(this, "gparametre", {16, 198, 445, 80});
    labnbgrilletick = named<QLabel>(gparametre, "labnbgrilletick", {10, 18, 260, 20});
    texnbgrille = numberField(gparametre, "texnbgrille", {280, 16, 40, 22}, perBulletinLength);
    Labtopimpnugrille = named<QCheckBox>(gparametre, "Labtopimpnugrille", {10, 48, 300, 22});

    // Kept for the layout's sake only: these buttons choose nothing.
    GroupBox1 = named<QGroupBox>(this, "GroupBox1", {16, 198, 445, 80});
    bbul1 = named<QRadioButton>(GroupBox1, "bbul1", {10, 20, 200, 22});
    bbul1->setText(QString::fromUtf8("Bulletin à 1 grille"));
    bbul2 = named<QRadioButton>(GroupBox1, "bbul2", {10, 48, 200, 22});
    bbul2->setText(QString::fromUtf8("Bulletin à 6 grilles"));
    GroupBox1->hide();

    bcalibrage = named<QPushButton>(this, "bcalibrage", {16, 292, 130, 30});
    bapercucalibrage = named<QPushButton>(this, "bapercucalibrage", {150, 292, 70, 30});
    bapercu = named<QPushButton>(this, "bapercu", {230, 292, 75, 30});
    boutlancer = named<QPushButton>(this, "boutlancer", {309, 292, 75, 30});
    boutlancer->setDefault(true);
    boutannule = named<QPushButton>(this, "boutannule", {388, 292, 75, 30});
    connect(bcalibrage, &QPushButton::clicked, this, &TForm7::bcalibrageClick);
    connect(bapercucalibrage, &QPushButton::clicked, this, &TForm7::bapercucalibrageClick);
    connect(bapercu, &QPushButton::clicked, this, &TForm7::bapercuClick);
    connect(boutlancer, &QPushButton::clicked, this, &TForm7::boutlancerClick);
    connect(boutannule, &QPushButton::clicked, this, &TForm7::boutannuleClick);
}

void TForm7::formshow()
{
    pmetlibelles();
    {
        // The proposal follows once the remembered item is selected.
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->clear();
        for (const std::string &item :
             pgloremplicombotypebulletin(m_state.bulletinTypes, m_platform.boxes))
            ComboBox1->addItem(QString::fromStdString(item));
        ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
        const int remembered = m_state.params.printBulletinIndex;
        if (remembered >= 0 && remembered < ComboBox1->count())
            ComboBox1->setCurrentIndex(remembered);
    }
    ComboBox1Change();
}

void TForm7::activate()
{
    pmetlibelles();
    Gpremier->setText("1");
    gdernier->setText(QString::number(m_state.selectedGridCount()));
}

void TForm7::ComboBox1Change()
{
    if (ComboBox1->currentIndex() < 0)
        return;
    const int t =
        pretournenutypeticketimpression(ComboBox1->currentText().toStdString(), m_platform.boxes);
    if (isBulletinType(t))
        texnbgrille->setText(
            QString::number(gridsPerBulletin(m_state.bulletinTypes[static_cast<std::size_t>(t)])));
}

void TForm7::boutlancerClick()
{
    const std::optional<BulletinPrintRequest> request = checkedRequest();
    if (!request)
        return;
    printBulletins(m_platform.printer, *request);
    accept();
}

void TForm7::bapercuClick()
{
    std::optional<BulletinPrintRequest> request = checkedRequest();
    if (!request)
        return;
    // No bulletin is fed into a preview: the pages follow each other without a prompt.
    request->mode = PrintMode::AllAtOnce;
    m_platform.preview.show(m_state.message(previewMessage), [this, &request](Printer &printer) {
        printBulletins(printer, *request);
    });
}

void TForm7::bcalibrageClick()
{
    const int t = chosenType();
    if (t < 1)
        return;
    printCalibration(m_platform.printer, t);
}

void TForm7::bapercucalibrageClick()
{
    const int t = chosenType();
    if (t < 1)
        return;
    m_platform.preview.show(m_state.message(calibrationMessage),
                            [this, t](Printer &printer) { printCalibration(printer, t); });
}

void TForm7::boutannuleClick()
{
    m_state.params.printBulletinIndex = static_cast<std::int16_t>(ComboBox1->currentIndex());
    reject();
}

void TForm7::testcar(QWidget *field)
{
    filterKeys(field, KeyRule::Digits);
}

void TForm7::pmetlibelles()
{
    const auto text = [this](int n) { return QString::fromStdString(m_state.message(n)); };
    setWindowTitle(text(titleMessage));
    labtitre->setText(text(titleMessage));
    Label3->setText(text(36));
    GroupBox3->setTitle(text(37));
    Label1->setText(text(38));
    Label2->setText(text(39));
    GroupBox2->setTitle(text(40));
    bimptsbull->setText(text(41));
    bimpunbull->setText(text(42));
    boutlancer->setText(text(44));
    labnbgrilletick->setText(text(110));
    Gpremier->setToolTip(text(111));
    gdernier->setToolTip(text(112));
    boutannule->setText(text(126));
    Labtopimpnugrille->setText(text(145));
    gparametre->setTitle(QString());
    bapercu->setText(text(previewMessage));
    bapercucalibrage->setText(text(previewMessage));
    // Two buttons read "Aperçu": their hints say which pages each shows.
    bapercucalibrage->setToolTip(text(calibrationMessage));
    bapercu->setToolTip(text(titleMessage));
    bcalibrage->setText(text(calibrationMessage));
}

std::optional<BulletinPrintRequest> TForm7::checkedRequest()
{
    const int t = chosenType();
    if (t < 1)
        return std::nullopt;
    BulletinPrintRequest request;
    request.bulletinType = t;
    request.mode = bimptsbull->isChecked() ? PrintMode::AllAtOnce : PrintMode::OneByOne;
    request.first = numberIn(Gpremier);
    request.last = numberIn(gdernier);
    request.numbered = Labtopimpnugrille->isChecked();
    if (request.first < 1 || request.last > m_state.selectedGridCount() ||
        request.first > request.last) {
        m_platform.boxes.show(m_state.message(rangeTitle), m_state.message(rangeMessage),
                              BoxButtons::Ok, BoxIcon::Exclamation);
        return std::nullopt;
    }
    return request;
}

int TForm7::chosenType()
{
    const int index = ComboBox1->currentIndex();
    m_state.params.printBulletinIndex = static_cast<std::int16_t>(index);
    std::optional<std::string> item;
    if (index >= 0)
        item = ComboBox1->currentText().toStdString();
    return pretournenutypeticketimpression(item, m_platform.boxes);
}

int TForm7::gridsPerBulletinOverride() const
{
    return numberIn(texnbgrille);
}

void TForm7::printBulletins(Printer &printer, const BulletinPrintRequest &request)
{
    PrintContext ctx = m_state.printContext(printer, m_platform.boxes);
    pimprimebulletin(ctx, m_state.bulletinTypes, m_state.selection, m_state.pnumeromethode(),
                     m_state.selectedGridCount(), request, gridsPerBulletinOverride());
}

void TForm7::printCalibration(Printer &printer, int t)
{
    PrintContext ctx = m_state.printContext(printer, m_platform.boxes);
    pimprimecalibrage(ctx, m_state.bulletinTypes, t);
}
