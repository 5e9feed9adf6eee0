#pragma once

#include "platform/platform.h"

#include <QGlyphRun>
#include <QList>
#include <QPrinter>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

class QPainter;

class QtMessageBoxes : public MessageBoxes {
public:
    BoxAnswer show(const std::string &title, const std::string &body, BoxButtons buttons,
                   BoxIcon icon) override;
    void beep() override;
};

// The main window's open dialog and save dialog. Each keeps, for the run, the folder and file
// name that the player last confirmed in it, as one long-lived dialog would.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> openFile(const FileDialogOptions &options) override;
    std::optional<std::string> saveFile(const FileDialogOptions &options) override;

private:
    std::string m_lastOpened;
    std::string m_lastSaved;
};

// The printer through QPrinter at its own resolution: device units are printer dots, measured
// from the printable area's corner.
class QtPrinter : public Printer {
public:
    // Prints on the system's default printer, looked up anew at each job. With no printer at
    // all, the job goes to a PDF file chosen in a save dialog of `files` titled with message 176
    // of `message`, and `shell` opens that file when the job ends. The caller keeps `files` and
    // `shell` alive.
    QtPrinter(FileDialogs &files, Shell &shell, std::function<std::string(int)> message);
    // Prints straight into the PDF file `pdfFile`: A4 at 600 dpi, the whole sheet printable.
    explicit QtPrinter(const std::string &pdfFile);
    // Prints on `target`, which the caller owns and keeps alive (a preview's page device).
    explicit QtPrinter(QPrinter &target);
    ~QtPrinter() override;
    // Starts a job; false when no printer could be opened or the PDF save dialog was cancelled.
    bool beginDoc(const std::string &title) override;
    bool cancelledByUser() const override { return m_cancelled; }
    void endDoc() override;
    void newPage() override;
    void setFont(const std::string &family, int pointSize, bool bold) override;
    void textOut(int x, int y, const std::string &text) override;
    int textWidth(const std::string &text) override;
    int textHeight(const std::string &text) override;
    void setPenWidth(int width) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    int pageWidth() override;
    int pageHeight() override;
    int dpiX() override;
    int dpiY() override;
    int offsetX() override;
    int offsetY() override;

private:
    // What the system printer needs to fall back on a PDF file.
    struct PdfFallback {
        FileDialogs &files;
        Shell &shell;
        std::function<std::string(int)> message;
    };

    // The printer of the next job: the default one, or a PDF file the user chooses; null when
    // the user cancels the choice.
    std::unique_ptr<QPrinter> systemJobPrinter();
    // The printable area in device units from the paper's corner: fixed for a job, so read
    // once when it starts.
    QRect area() const;
    // The laid-out glyphs of a text in the current font, its top-left corner at the origin.
    const QList<QGlyphRun> &glyphRuns(const std::string &text);

    std::optional<PdfFallback> m_fallback;
    std::unique_ptr<QPrinter> m_owned;
    QPrinter *m_printer = nullptr;
    std::unique_ptr<QPainter> m_painter;
    std::string m_pdfToShow;
    bool m_cancelled = false;
    std::optional<QRect> m_jobArea;
    std::unordered_map<std::string, QList<QGlyphRun>> m_glyphs;  // of the current font
    int m_penX = 0;
    int m_penY = 0;
};

// QPrintPreviewDialog over a full-page, high-resolution printer.
class QtPrintPreview : public PrintPreview {
public:
    void show(const std::string &title, const std::function<void(Printer &)> &draw) override;
};

class QtShell : public Shell {
public:
    void openDocument(const std::string &path) override;
};

class QtDialogRunner : public DialogRunner {
public:
    void runModal(QDialog &dialog) override;
};

// The Qt implementations bundled for the program. The printer titles its PDF save dialog with
// `messages`, which the program sets once its messages are known.
struct QtPlatform {
    QtMessageBoxes boxes;
    QtFileDialogs files;
    QtShell shell;
    QtDialogRunner dialogs;
    QtPrintPreview preview;
    std::function<std::string(int)> messages;
    QtPrinter printer{files, shell,
                      [this](int n) { return messages ? messages(n) : std::string(); }};

    Platform platform() { return {boxes, files, printer, shell, dialogs, preview}; }
};
