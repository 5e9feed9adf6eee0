#include "storage/textfile.h"

#include "storage/regularfile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t bufferSize = 64 * 1024;

bool isBlankChar(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Reason given with a read error, after the error code of the failed read.
const char *readErrorReason(int error)
{
    switch (error) {
    case EBADF:
        return "File not open";
    case EINVAL:
        return "Invalid file format";
    default:
        return "Unknown error";
    }
}

}  // namespace

TTextFile::~TTextFile()
{
    Close();
}

void TTextFile::SetFileName(const std::string &Name)
{
    if (Name == FileName)
        return;
    Close();
    FileName = Name;
    if (!Name.empty())
        Reset();
}

void TTextFile::Reset()
{
    Close();
    Line.clear();
    IsOpen = true;
    openFile();
    ReadLine();
}

bool TTextFile::ReadLine()
{
    if (!IsOpen)
        RaiseError("No valid file selected");
    Line.clear();
    while (!m_endOfFile && IsEmptyLine()) {
        readPhysicalLine();
        m_endOfFile = !hasMoreBytes();
    }
    // A blank last line is not kept, so that no field can be cut from it.
    if (m_endOfFile && IsEmptyLine()) {
        Line.clear();
        return false;
    }
    return true;
}

bool TTextFile::AtEnd() const
{
    return m_endOfFile && IsEmptyLine();
}

bool TTextFile::IsEmptyLine() const
{
    return std::all_of(Line.begin(), Line.end(), isBlankChar);
}

void TTextFile::Field(std::uint8_t Index, std::string &Text) const
{
    if (Index == 0) {
        Text.clear();
        return;
    }
    // Assigned from a view of Line, which stays right when Text is Line itself.
    Text.assign(FixedColumns ? fixedField(Index) : delimitedField(Index));
}

void TTextFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    IsOpen = false;
    m_begin = 0;
    m_end = 0;
    m_endOfFile = true;
}

void TTextFile::RaiseError(const std::string &Message) const
{
    throw ETextFileError(Message);
}

void TTextFile::openFile()
{
    const std::string cannotOpen = "Could not open the file \"" + FileName + "\" for reading";
    const int fd = openRegularFile(FileName);
    if (fd < 0) {
        IsOpen = false;
        RaiseError(cannotOpen);
    }
    m_fd = fd;
    m_buffer.resize(bufferSize);
    m_begin = 0;
    m_end = 0;
    m_endOfFile = !hasMoreBytes();
}

bool TTextFile::refill()
{
    m_begin = 0;
    m_end = 0;
    ssize_t count = -1;
    do {
        count = ::read(m_fd, m_buffer.data(), m_buffer.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0)
        failRead(errno);
    m_end = static_cast<std::size_t>(count);
    return count > 0;
}

bool TTextFile::hasMoreBytes()
{
    return m_begin < m_end || refill();
}

void TTextFile::readPhysicalLine()
{
    Line.clear();
    while (hasMoreBytes()) {
        // Pointers, not iterators: appending an iterator range builds a temporary string.
        const char *first = m_buffer.data() + m_begin;
        const char *last = m_buffer.data() + m_end;
        const char *stop = std::find_if(first, last, isLineEnd);
        Line.append(first, static_cast<std::size_t>(stop - first));
        m_begin = static_cast<std::size_t>(stop - m_buffer.data());
        if (stop != last) {
            ++m_begin;
            // The LF of a CR LF pair may stand at the start of the next buffer load.
            if (*stop == '\r' && hasMoreBytes() && m_buffer[m_begin] == '\n')
                ++m_begin;
            return;
        }
    }
}

void TTextFile::failRead(int error)
{
    Close();
    RaiseError("Read error while reading file \"" + FileName + "\": " + readErrorReason(error));
}

std::string_view TTextFile::delimitedField(std::uint8_t index) const
{
    const std::size_t end = Line.size();
    const auto atSeparator = [this](char c) {
        return Separator == 0 ? isBlankChar(c) : c == Separator;
    };
    std::size_t p = 0;
    std::size_t start = 0;
    std::size_t stop = 0;
    unsigned count = 0;
    while (p < end && count < index) {
        if (Separator == 0) {
            while (p < end && isBlankChar(Line[p]))
                ++p;
        } else if (count > 0 && p < end && Line[p] == Separator) {
            // One separator only, so that two adjacent separators enclose an empty field.
            ++p;
        }
        if (p >= end)
            break;
        ++count;
        const bool quoted = Quote != 0 && Line[p] == Quote;
        if (quoted)
            ++p;
        start = p;
        while (p < end && (quoted ? Line[p] != Quote : !atSeparator(Line[p])))
            ++p;
        stop = p;
        // Whatever follows a closing quote up to the separator is dropped.
        while (p < end && !atSeparator(Line[p]))
            ++p;
    }
    if (count != index || stop <= start)
        return {};
    // Only an unquoted field can end with the quote character; it is dropped.
    if (Quote != 0 && Line[stop - 1] == Quote)
        --stop;
    return std::string_view(Line).substr(start, stop - start);
}

std::string_view TTextFile::fixedField(std::uint8_t index) const
{
    // The last column start closes field 23.
    if (index >= ColumnStart.size() - 1)
        return {};
    const std::int64_t first = ColumnStart[index];
    const std::int64_t next = ColumnStart[index + 1u];
    if (first >= next)
        RaiseError("Invalid fixed column position in index " + std::to_string(index + 1));
    // Only the part of the span that lies on the line is taken.
    const std::int64_t from = std::max<std::int64_t>(first, 1);
    const std::int64_t lineEnd = static_cast<std::int64_t>(Line.size()) + 1;
    const std::int64_t to = std::min(next, lineEnd);
    if (from >= to)
        return {};
    return std::string_view(Line).substr(static_cast<std::size_t>(from - 1),
                                         static_cast<std::size_t>(to - from));
}
