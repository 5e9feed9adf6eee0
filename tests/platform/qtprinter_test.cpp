#include "platform/qt/fontsubstitutions.h"
#include "platform/qt/qtplatform.h"

#include "pageink.h"
#include "platform/fakes/fakeplatform.h"
#include "printjob.h"
#include "testfolder.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int pdfDpi = 600;
constexpr int france = 23;  // 10 grids per bulletin, "X" marks
constexpr int israel = 4;   // horizontal strokes
constexpr int tolerance = 2;

// The tests never reach the machine's own printers: the print system is looked for where there
// is none, so the system has no printer at all.
const bool noPrintSystem = setenv("CUPS_SERVER", "/nonexistent/mirazol-cups.sock", 1) == 0;

std::string messageText(int n)
{
    return "message " + std::to_string(n);
}

class QtPrinterOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(noPrintSystem);
        installFontSubstitutions();
        if (!canRasterise())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the printed pages cannot "
                            "be looked at";
    }

    QImage page(int number)
    {
        const std::optional<QImage> image = rasterisePage(pdf(), number, folder.path());
        EXPECT_TRUE(image.has_value()) << "pdftoppm could not read " << pdf();
        return image.value_or(QImage());
    }

    std::filesystem::path pdf() const { return folder.file("out.pdf"); }

    TestFolder folder;
};

struct MarkCase {
    const char *name;
    int type;
    std::size_t marks;
};

class BulletinInk : public QtPrinterOutput, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(BulletinInk, LiesAtEveryMarkAndNowhereElse)
{
    const MarkCase &c = GetParam();
    QtPrinter printer(pdf().string());
    PrintJob job;
    job.printBulletins(printer, c.type);
    ASSERT_EQ(job.expected.resolutionX, pdfDpi);
    ASSERT_EQ(job.expected.printableOffsetX, 0);
    const std::vector<QRect> expected = expectedInk(job.expected, 1);
    ASSERT_EQ(expected.size(), c.marks);
    const std::vector<QRect> patches = inkPatches(page(1));
    EXPECT_EQ(patches.size(), expected.size()) << "ink: " << describe(patches);
    EXPECT_EQ(unmatched(patches, expected, tolerance), std::vector<QRect>())
        << "ink: " << describe(patches);
}

// Ten grids of six numbers on one bulletin.
INSTANTIATE_TEST_SUITE_P(QtPrinterOutput, BulletinInk,
                         ::testing::Values(MarkCase{"XMarksOfType23", france, 60},
                                           MarkCase{"StrokesOfType4", israel, 60}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(QtPrinterOutput, ListTitleIsCentredAtTheTop)
{
    QtPrinter printer(pdf().string());
    PrintJob job;
    job.printList(printer);
    const QString title = "message 148";
    const QFont font("Times New Roman", 24);
    QImage device(1, 1, QImage::Format_Grayscale8);
    device.setDotsPerMeterX(qRound(pdfDpi / 0.0254));
    device.setDotsPerMeterY(qRound(pdfDpi / 0.0254));
    const QFontMetricsF metrics(font, &device);
    // Centred by the width of the French title, whatever the language prints.
    const int x =
        (printer.pageWidth() - qRound(metrics.horizontalAdvance("LISTE DES BULLETINS"))) / 2;
    const QRect expected =
        metrics.tightBoundingRect(title).translated(x, 50 + metrics.ascent()).toAlignedRect();
    QRect titleInk;
    const int bodyTop = 50 + qRound(metrics.height());
    for (const QRect &patch : inkPatches(page(1))) {
        if (patch.top() < bodyTop)
            titleInk |= patch;
    }
    EXPECT_TRUE(near(titleInk, expected, tolerance))
        << "title ink " << describe({titleInk}) << " expected " << describe({expected});
}

TEST(QtPrinterPdf, IsA4At600DpiWithTheWholeSheetPrintable)
{
    TestFolder folder;
    QtPrinter printer(folder.file("out.pdf").string());
    ASSERT_TRUE(printer.beginDoc("MIRAZOLSYSTEMES"));
    EXPECT_EQ(printer.dpiX(), 600);
    EXPECT_EQ(printer.dpiY(), 600);
    EXPECT_EQ(printer.offsetX(), 0);
    EXPECT_EQ(printer.offsetY(), 0);
    // A4 in whole points, 595 x 842.
    EXPECT_EQ(printer.pageWidth(), 4958);
    EXPECT_EQ(printer.pageHeight(), 7017);
    printer.endDoc();
    EXPECT_EQ(readBytes(folder.file("out.pdf")).substr(0, 4), "%PDF");
}

struct FontCase {
    const char *name;
    const char *asked;
    bool bold;
    const char *family;
    bool fixedPitch;
};

class FontSubstitution : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontSubstitution, ResolvesToAnInstalledFont)
{
    const FontCase &c = GetParam();
    installFontSubstitutions();
    QFont font(c.asked, 10);
    font.setBold(c.bold);
    const QFontInfo info(font);
    EXPECT_EQ(info.family().toStdString(), c.family);
    EXPECT_EQ(info.fixedPitch(), c.fixedPitch);
    EXPECT_EQ(info.bold(), c.bold);
}

INSTANTIATE_TEST_SUITE_P(PrintFonts, FontSubstitution,
                         ::testing::Values(FontCase{"FixedsysBold", "Fixedsys", true,
                                                    "DejaVu Sans Mono", true},
                                           FontCase{"TimesNewRoman", "Times New Roman", false,
                                                    "Liberation Serif", false}),
                         [](const auto &row) { return std::string(row.param.name); });

// The system printer of a machine without any printer: the job goes to a PDF file.
class QtPrinterWithoutPrinters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(noPrintSystem); }

    FakeFileDialogs files;
    FakeShell shell;
    QtPrinter printer{files, shell, messageText};
    TestFolder folder;
};

TEST_F(QtPrinterWithoutPrinters, ProposesADatedPdfInTheDocumentsFolder)
{
    printer.beginDoc("MIRAZOLSYSTEMES");
    ASSERT_EQ(files.saved.size(), 1u);
    const FileDialogOptions &options = files.saved[0];
    EXPECT_EQ(options.title, "message 176");
    EXPECT_EQ(options.defaultExtension, "pdf");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QRegularExpression name("^" + QRegularExpression::escape(documents) +
                                  "/mirazol-20\\d{6}-\\d{6}\\.pdf$");
    EXPECT_TRUE(name.match(QString::fromStdString(options.initialName)).hasMatch())
        << options.initialName;
}

TEST_F(QtPrinterWithoutPrinters, CancelledSaveDialogStartsNoJob)
{
    files.answers.push_back(std::nullopt);
    EXPECT_FALSE(printer.beginDoc("MIRAZOLSYSTEMES"));
    EXPECT_TRUE(printer.cancelledByUser());
    printer.endDoc();
    EXPECT_EQ(shell.opened, std::vector<std::string>());
}

TEST_F(QtPrinterWithoutPrinters, ChosenPdfIsWrittenAndShownWhenTheJobEnds)
{
    const std::string file = folder.file("chosen.pdf").string();
    files.answers.push_back(file);
    ASSERT_TRUE(printer.beginDoc("MIRAZOLSYSTEMES"));
    EXPECT_EQ(printer.dpiX(), 600);
    EXPECT_EQ(printer.offsetX(), 0);
    printer.textOut(110, 585, "X");
    EXPECT_EQ(shell.opened, std::vector<std::string>());
    printer.endDoc();
    EXPECT_EQ(shell.opened, std::vector<std::string>{file});
    EXPECT_EQ(readBytes(file).substr(0, 4), "%PDF");
}

TEST_F(QtPrinterWithoutPrinters, AsksAgainForEachJob)
{
    files.answers.push_back(folder.file("first.pdf").string());
    files.answers.push_back(std::nullopt);
    ASSERT_TRUE(printer.beginDoc("MIRAZOLSYSTEMES"));
    printer.endDoc();
    EXPECT_FALSE(printer.beginDoc("MIRAZOLSYSTEMES"));
    EXPECT_EQ(files.saved.size(), 2u);
    EXPECT_EQ(shell.opened, std::vector<std::string>{folder.file("first.pdf").string()});
}

}  // namespace
