#pragma once

#include "platform/filedialogs.h"
#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "platform/printpreview.h"
#include "platform/shell.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Test double of the message boxes: records every box and answers from a script.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Box {
        std::string title;
        std::string body;
        BoxButtons buttons;
        BoxIcon icon;
    };

    // Answers given in order; when none is queued, the box's first button answers.
    std::deque<BoxAnswer> answers;
    std::vector<Box> boxes;
    int beeps = 0;

    BoxAnswer show(const std::string &title, const std::string &body, BoxButtons buttons,
                   BoxIcon icon) override;
    void beep() override;
};

// Test double of the file dialogs: records the options of every dialog and answers from a
// script; with nothing queued the user cancels.
class FakeFileDialogs : public FileDialogs {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogOptions> opened;
    std::vector<FileDialogOptions> saved;

    std::optional<std::string> openFile(const FileDialogOptions &options) override;
    std::optional<std::string> saveFile(const FileDialogOptions &options) override;

private:
    std::optional<std::string> next();
};

// Test double of the printer: keeps every operation in device units, with the page it is on.
class RecordingPrinter : public Printer {
public:
    enum class Op { BeginDoc, EndDoc, NewPage, Font, Text, PenWidth, Line };
    struct Record {
        Op op;
        int page = 0;  // 1-based page of the job
        int x = 0, y = 0, x2 = 0, y2 = 0;
        int value = 0;  // pen width or font size
        bool bold = false;
        std::string text = {};  // text or font family or document title
    };

    // The printer's geometry as a test sets it.
    int resolutionX = 600, resolutionY = 600;
    int printableOffsetX = 0, printableOffsetY = 0;
    int width = 4800, height = 6600;
    int charWidth = 10, lineHeight = 20;
    bool failBeginDoc = false;
    bool cancelBeginDoc = false;  // with failBeginDoc: the player cancelled

    std::vector<Record> records;
    int pages = 0;

    bool beginDoc(const std::string &title) override;
    bool cancelledByUser() const override { return failBeginDoc && cancelBeginDoc; }
    void endDoc() override;
    void newPage() override;
    void setFont(const std::string &family, int pointSize, bool bold) override;
    void textOut(int x, int y, const std::string &text) override;
    int textWidth(const std::string &text) override;
    int textHeight(const std::string &text) override;
    void setPenWidth(int width) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    int dpiX() override { return resolutionX; }
    int dpiY() override { return resolutionY; }
    int offsetX() override { return printableOffsetX; }
    int offsetY() override { return printableOffsetY; }

    // The records of one kind, in order.
    std::vector<Record> of(Op op) const;

private:
    int m_penX = 0, m_penY = 0;
};

// Test double of the preview: records each preview's title and the operations its routine
// drew, on a recording printer of the same geometry as a test sets it.
class RecordingPreview : public PrintPreview {
public:
    RecordingPrinter printer;
    std::vector<std::string> titles;

    void show(const std::string &title, const std::function<void(Printer &)> &draw) override
    {
        titles.push_back(title);
        draw(printer);
    }
};

// Test double of the shell: records every opened path.
class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    void openDocument(const std::string &path) override { opened.push_back(path); }
};
