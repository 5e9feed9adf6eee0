#pragma once

#include "platform/platform.h"

#include <QPrinter>

#include <memory>

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

// The default printer through QPrinter in high resolution: device units are printer dots.
// Given a file name, the pages go to that PDF file instead.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(const std::string &pdfFile = {});
    // Prints on `target`, which the caller owns and keeps alive (a preview's page device).
    explicit QtPrinter(QPrinter &target);
    ~QtPrinter() override;
    bool beginDoc(const std::string &title) override;
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
    std::unique_ptr<QPrinter> m_owned;
    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
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

// The Qt implementations bundled for the program.
struct QtPlatform {
    QtMessageBoxes boxes;
    QtFileDialogs files;
    QtPrinter printer;
    QtShell shell;
    QtDialogRunner dialogs;
    QtPrintPreview preview;

    Platform platform() { return {boxes, files, printer, shell, dialogs, preview}; }
};
