#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Failure of a text file reader; the message names the file where one is involved.
class ETextFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a text file line by line, skipping blank lines, and cuts the current line into fields.
// Lines end at LF, CR LF or a lone CR; the bytes of the file are kept as they are. Only regular
// files are opened. The reader owns its file handle and closes it when destroyed.
class TTextFile {
public:
    TTextFile() = default;
    ~TTextFile();
    TTextFile(const TTextFile &) = delete;
    TTextFile &operator=(const TTextFile &) = delete;

    // The current line, without its end-of-line characters.
    std::string Line;
    // The name of the file being read.
    std::string FileName;
    // True while a file is open.
    bool IsOpen = false;
    // Cut fixed columns instead of delimited fields.
    bool FixedColumns = false;
    // Fixed-column mode: field i spans character positions ColumnStart[i] up to, not including,
    // ColumnStart[i + 1]; positions count from 1 and index 0 is unused.
    std::array<std::int32_t, 25> ColumnStart{};
    // Field separator; 0 separates fields by runs of spaces and tabs.
    char Separator = 0;
    // Quote character; 0 means no quoting.
    char Quote = 0;

    // Opens Name and reads its first non-blank line, unless Name is already the file name. An
    // empty Name leaves the reader closed. Throws ETextFileError when the file cannot be opened.
    void SetFileName(const std::string &Name);
    // Opens FileName again from its start and reads its first non-blank line. Throws
    // ETextFileError when it cannot be opened (the reader is then closed) or read.
    void Reset();
    // Moves to the next non-blank line; false at the end of the file, Line then being blank.
    // Throws ETextFileError when no file is open or on a read error (which closes the reader).
    bool ReadLine();
    // True when the end of the file has been reached and Line is blank; true before any file
    // was opened.
    bool AtEnd() const;
    // Whether Line is empty or holds only spaces and tabs.
    bool IsEmptyLine() const;
    // Text := field Index (counted from 1) of Line, or empty when the line has no such field.
    // Index 0, and a fixed-column index above 23, give empty. Throws ETextFileError in
    // fixed-column mode when the two column starts of the field are not increasing.
    void Field(std::uint8_t Index, std::string &Text) const;
    // Closes the file when one is open.
    void Close();
    // Throws ETextFileError with Message.
    [[noreturn]] void RaiseError(const std::string &Message) const;

private:
    void openFile();
    bool refill();
    bool hasMoreBytes();
    void readPhysicalLine();
    [[noreturn]] void failRead(int error);
    std::string_view delimitedField(std::uint8_t index) const;
    std::string_view fixedField(std::uint8_t index) const;

    int m_fd = -1;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_endOfFile = true;
};
