#include "platform/qt/qtplatform.h"

#include "platform/dialogstart.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextLayout>
#include <QUrl>

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// "Name (*.a)|*.a|Other (*.b)|*.b" becomes Qt's "Name (*.a);;Other (*.b)".
QString qtFilter(const std::string &filter)
{
    const QStringList parts = qs(filter).split('|');
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) {
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        names << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    return names.join(";;");
}

void prepare(QFileDialog &dialog, const FileDialogOptions &options, const std::string &lastPath)
{
    dialog.setWindowTitle(qs(options.title));
    dialog.setNameFilter(qtFilter(options.filter));
    dialog.setDefaultSuffix(qs(options.defaultExtension));
    const DialogStart start = dialogStart(options, lastPath);
    if (!start.folder.empty())
        dialog.setDirectory(qs(start.folder));
    if (!start.fileName.empty())
        dialog.selectFile(qs(start.fileName));
    dialog.setOption(QFileDialog::ReadOnly, false);
}

// Remembers a confirmed path as the dialog's last one.
std::optional<std::string> remembered(std::optional<std::string> chosen, std::string &last)
{
    if (chosen)
        last = *chosen;
    return chosen;
}

std::optional<std::string> runFileDialog(QFileDialog &dialog, const FileDialogOptions &options)
{
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QFileInfo chosen(dialog.selectedFiles().constFirst());
        if (options.pathMustExist && !chosen.dir().exists())
            continue;
        if (options.fileMustExist && !chosen.exists())
            continue;
        return chosen.filePath().toStdString();
    }
}

// The printable area in device units, measured from the paper's corner: the paper less the
// printer's minimum margins.
QRect printableAreaOf(const QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF margins = layout.minimumMargins();
    const int dpi = printer.resolution();
    return layout.fullRectPixels(dpi).adjusted(
        qRound(margins.left() * dpi), qRound(margins.top() * dpi), -qRound(margins.right() * dpi),
        -qRound(margins.bottom() * dpi));
}

constexpr int pdfDialogTitleMessage = 176;
constexpr int pdfResolution = 600;

// A printer that writes the PDF file `file`: A4 at 600 dpi, the whole sheet printable.
std::unique_ptr<QPrinter> pdfPrinter(const std::string &file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(qs(file));
    printer->setResolution(pdfResolution);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    printer->setFullPage(true);
    return printer;
}

// "mirazol-YYYYMMDD-HHMMSS.pdf" in the user's documents folder, for a job started at `now`.
std::string proposedPdfName(const QDateTime &now)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(now.toString("'mirazol-'yyyyMMdd-HHmmss'.pdf'")).toStdString();
}

// The system's default printer; when none is set as default, the first one there is; null
// when the system has no printer at all.
QPrinterInfo systemPrinter()
{
    const QPrinterInfo preferred = QPrinterInfo::defaultPrinter();
    if (!preferred.isNull())
        return preferred;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(names.constFirst());
}

}  // namespace

BoxAnswer QtMessageBoxes::show(const std::string &title, const std::string &body,
                               BoxButtons buttons, BoxIcon icon)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(qs(title));
    box.setText(qs(body));
    switch (icon) {
    case BoxIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case BoxIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case BoxIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case BoxButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case BoxButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case BoxButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    default:
        return buttons == BoxButtons::OkCancel ? BoxAnswer::Cancel : BoxAnswer::Ok;
    }
}

void QtMessageBoxes::beep()
{
    QApplication::beep();
}

std::optional<std::string> QtFileDialogs::openFile(const FileDialogOptions &options)
{
    QFileDialog dialog(QApplication::activeWindow());
    prepare(dialog, options, m_lastOpened);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return remembered(runFileDialog(dialog, options), m_lastOpened);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogOptions &options)
{
    QFileDialog dialog(QApplication::activeWindow());
    prepare(dialog, options, m_lastSaved);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    return remembered(runFileDialog(dialog, options), m_lastSaved);
}

QtPrinter::QtPrinter(FileDialogs &files, Shell &shell, std::function<std::string(int)> message)
    : m_fallback(PdfFallback{files, shell, std::move(message)}),
      m_owned(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_printer(m_owned.get())
{
    m_printer->setFullPage(true);
}

QtPrinter::QtPrinter(const std::string &pdfFile)
    : m_owned(pdfPrinter(pdfFile)), m_printer(m_owned.get())
{
}

QtPrinter::QtPrinter(QPrinter &target) : m_printer(&target)
{
}

QtPrinter::~QtPrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

std::unique_ptr<QPrinter> QtPrinter::systemJobPrinter()
{
    const QPrinterInfo chosen = systemPrinter();
    if (!chosen.isNull()) {
        auto printer = std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
        printer->setFullPage(true);
        return printer;
    }
    const std::optional<std::string> file =
        m_fallback->files.saveFile({.title = m_fallback->message(pdfDialogTitleMessage),
                                    .filter = "PDF (*.pdf)|*.pdf",
                                    .initialName = proposedPdfName(QDateTime::currentDateTime()),
                                    .defaultExtension = "pdf",
                                    .hideReadOnly = true,
                                    .pathMustExist = true});
    if (!file) {
        m_cancelled = true;
        return nullptr;
    }
    m_pdfToShow = *file;
    return pdfPrinter(*file);
}

bool QtPrinter::beginDoc(const std::string &title)
{
    m_pdfToShow.clear();
    m_cancelled = false;
    if (m_fallback) {
        std::unique_ptr<QPrinter> job = systemJobPrinter();
        if (!job)
            return false;
        m_owned = std::move(job);
        m_printer = m_owned.get();
    }
    m_printer->setDocName(qs(title));
    m_painter = std::make_unique<QPainter>();
    if (m_painter->begin(m_printer)) {
        m_jobArea = printableAreaOf(*m_printer);
        m_glyphs.clear();
        return true;
    }
    m_painter.reset();
    m_pdfToShow.clear();
    return false;
}

void QtPrinter::endDoc()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_jobArea.reset();
    if (m_fallback && !m_pdfToShow.empty())
        m_fallback->shell.openDocument(m_pdfToShow);
    m_pdfToShow.clear();
}

void QtPrinter::newPage()
{
    m_printer->newPage();
}

void QtPrinter::setFont(const std::string &family, int pointSize, bool bold)
{
    if (!m_painter)
        return;
    QFont font(qs(family), pointSize);
    font.setBold(bold);
    m_painter->setFont(font);
    m_glyphs.clear();
}

// Texts repeat a great deal (numbers 1..49 on every line of a list): each is laid out once per
// font, which spares the shaping that would otherwise cost most of a long job's time.
const QList<QGlyphRun> &QtPrinter::glyphRuns(const std::string &text)
{
    const auto found = m_glyphs.find(text);
    if (found != m_glyphs.end())
        return found->second;
    QTextLayout layout(qs(text), m_painter->font(), m_printer);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return m_glyphs.emplace(text, layout.glyphRuns()).first->second;
}

QRect QtPrinter::area() const
{
    return m_jobArea ? *m_jobArea : printableAreaOf(*m_printer);
}

// With full-page printing the painter's origin is the paper's corner; device coordinates of
// the interface are measured from the printable area, as the printer driver gives them.
void QtPrinter::textOut(int x, int y, const std::string &text)
{
    if (!m_painter)
        return;
    const QPoint corner = area().topLeft() + QPoint(x, y);
    for (const QGlyphRun &run : glyphRuns(text))
        m_painter->drawGlyphRun(corner, run);
}

int QtPrinter::textWidth(const std::string &text)
{
    const QFont font = m_painter ? m_painter->font() : QFont();
    return QFontMetrics(font, m_printer).horizontalAdvance(qs(text));
}

int QtPrinter::textHeight(const std::string &)
{
    const QFont font = m_painter ? m_painter->font() : QFont();
    return QFontMetrics(font, m_printer).height();
}

void QtPrinter::setPenWidth(int width)
{
    if (!m_painter)
        return;
    QPen pen = m_painter->pen();
    pen.setWidth(width);
    m_painter->setPen(pen);
}

void QtPrinter::moveTo(int x, int y)
{
    m_penX = x;
    m_penY = y;
}

void QtPrinter::lineTo(int x, int y)
{
    if (m_painter) {
        const QPoint corner = area().topLeft();
        m_painter->drawLine(QPoint(m_penX, m_penY) + corner, QPoint(x, y) + corner);
    }
    moveTo(x, y);
}

int QtPrinter::pageWidth()
{
    return area().width();
}

int QtPrinter::pageHeight()
{
    return area().height();
}

int QtPrinter::dpiX()
{
    return m_printer->logicalDpiX();
}

int QtPrinter::dpiY()
{
    return m_printer->logicalDpiY();
}

int QtPrinter::offsetX()
{
    return area().left();
}

int QtPrinter::offsetY()
{
    return area().top();
}

void QtPrintPreview::show(const std::string &title, const std::function<void(Printer &)> &draw)
{
    QPrinter device(QPrinter::HighResolution);
    device.setFullPage(true);
    QPrintPreviewDialog dialog(&device, QApplication::activeWindow());
    dialog.setWindowTitle(qs(title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter *pages) {
                         QtPrinter printer(*pages);
                         draw(printer);
                     });
    dialog.exec();
}

void QtShell::openDocument(const std::string &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(qs(path)));
}

void QtDialogRunner::runModal(QDialog &dialog)
{
    dialog.exec();
}
