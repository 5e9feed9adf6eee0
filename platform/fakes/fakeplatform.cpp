#include "platform/fakes/fakeplatform.h"

BoxAnswer FakeMessageBoxes::show(const std::string &title, const std::string &body,
                                 BoxButtons buttons, BoxIcon icon)
{
    boxes.push_back({title, body, buttons, icon});
    if (!answers.empty()) {
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
}

void FakeMessageBoxes::beep()
{
    ++beeps;
}

std::optional<std::string> FakeFileDialogs::next()
{
    if (answers.empty())
        return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeFileDialogs::openFile(const FileDialogOptions &options)
{
    opened.push_back(options);
    return next();
}

std::optional<std::string> FakeFileDialogs::saveFile(const FileDialogOptions &options)
{
    saved.push_back(options);
    return next();
}

bool RecordingPrinter::beginDoc(const std::string &title)
{
    if (failBeginDoc)
        return false;
    pages = 1;
    records.push_back({.op = Op::BeginDoc, .page = pages, .text = title});
    return true;
}

void RecordingPrinter::endDoc()
{
    records.push_back({.op = Op::EndDoc, .page = pages});
}

void RecordingPrinter::newPage()
{
    ++pages;
    records.push_back({.op = Op::NewPage, .page = pages});
}

void RecordingPrinter::setFont(const std::string &family, int pointSize, bool bold)
{
    records.push_back(
        {.op = Op::Font, .page = pages, .value = pointSize, .bold = bold, .text = family});
}

void RecordingPrinter::textOut(int x, int y, const std::string &text)
{
    records.push_back({.op = Op::Text, .page = pages, .x = x, .y = y, .text = text});
}

int RecordingPrinter::textWidth(const std::string &text)
{
    return charWidth * static_cast<int>(text.size());
}

int RecordingPrinter::textHeight(const std::string &)
{
    return lineHeight;
}

void RecordingPrinter::setPenWidth(int w)
{
    records.push_back({.op = Op::PenWidth, .page = pages, .value = w});
}

void RecordingPrinter::moveTo(int x, int y)
{
    m_penX = x;
    m_penY = y;
}

void RecordingPrinter::lineTo(int x, int y)
{
    records.push_back({.op = Op::Line, .page = pages, .x = m_penX, .y = m_penY, .x2 = x, .y2 = y});
    moveTo(x, y);
}

std::vector<RecordingPrinter::Record> RecordingPrinter::of(Op op) const
{
    std::vector<Record> found;
    for (const Record &r : records) {
        if (r.op == op)
            found.push_back(r);
    }
    return found;
}
