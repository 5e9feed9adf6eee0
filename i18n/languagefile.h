#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TTextFile;

// Number of message texts a language file can hold.
constexpr int languageFileEntryCount = 300;

// Name of the language file in the program folder.
constexpr std::string_view languageFileName = "mirazol.lg";

// The texts of the optional language file, which replace the built-in messages when it loads.
// The file is ";"-separated: 10 header lines, then the entry of message N on the N-th line
// after them; blank lines are not counted. Texts are kept as UTF-8.
class Tgerelanguage {
public:
    // Full path of the language file, set by the owner before loading.
    std::string FileName;
    // The result of the last Load.
    bool Loaded = false;
    // Message texts indexed by message number 1 to 300; index 0 is unused. A vector rather
    // than a fixed array because the message lookup takes it as it is.
    std::vector<std::string> Texts = std::vector<std::string>(languageFileEntryCount + 1);
    // The header values of lines 1, 2 and 3; HeaderNumber is 1 when line 3 holds no integer.
    std::string HeaderText1;
    std::string HeaderText2;
    std::int32_t HeaderNumber = 0;

    // Reads FileName and returns whether it loaded; also sets Loaded. The file's bytes are taken
    // as UTF-8 when the whole file is valid UTF-8 (a leading byte-order mark is skipped), else as
    // Windows-1250 for language 6 (Croatian) and Windows-1252 for any other language. A missing
    // file, a file that is not a regular file, an incomplete header or a read error give false.
    bool Load(int language);
    // Text := message N, or empty when the file had fewer than N entries or N is outside 1..300.
    void GetText(int N, std::string &Text) const;
    // Reads the header from the reader's current line (line 1) and leaves the reader on line 11.
    // False when the file ends before its 10th line or the reader fails.
    bool ReadHeader(TTextFile &Reader);
    // Reads the entries from the reader's current line to the end of the file; entries beyond
    // 300 are read and ignored. False when the reader fails.
    bool ReadEntries(TTextFile &Reader);
    // The texts in the form the message lookup takes (index = message number) while Loaded,
    // else nullptr. It points at Texts, owned by this object.
    const std::vector<std::string> *messageTexts() const;

private:
    bool advance(TTextFile &reader);
    void noteLine(const TTextFile &reader);
    void decodeTexts(int language);

    bool m_utf8 = true;
};
