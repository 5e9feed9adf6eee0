#include "storage/displaytext.h"

#include <cerrno>
#include <cstddef>

#include <iconv.h>

namespace {

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

bool inRange(unsigned char c, unsigned char low, unsigned char high)
{
    return c >= low && c <= high;
}

// Length of the well-formed sequence at the start of bytes, 0 when there is none.
std::size_t sequenceLength(std::string_view bytes)
{
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    // The allowed range of the second byte excludes overlong forms, surrogates and code points
    // above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || !inRange(at(1), low, high))
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!inRange(at(i), 0x80, 0xBF))
            return 0;
    }
    return length;
}

// Owns one conversion descriptor.
class Converter {
public:
    explicit Converter(const char *codePage) : m_cd(iconv_open("UTF-8", codePage)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

std::string asciiOnly(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80)
            text += c;
        else
            text += replacementCharacter;
    }
    return text;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t length = sequenceLength(bytes);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::string displayText(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return decodeCodePage(bytes, "WINDOWS-1252");
}

std::string decodeCodePage(std::string_view bytes, const char *codePage)
{
    const Converter converter(codePage);
    if (!converter.valid())
        return asciiOnly(bytes);
    // A byte of an 8-bit code page gives at most 3 bytes of UTF-8, as does U+FFFD.
    std::string text(bytes.size() * replacementCharacter.size(), '\0');
    // iconv never writes through its input pointer; it is declared non-const only.
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char *out = text.data();
    std::size_t outLeft = text.size();
    const auto grow = [&text, &out, &outLeft] {
        const auto used = static_cast<std::size_t>(out - text.data());
        text.resize(text.size() * 2 + replacementCharacter.size());
        out = text.data() + used;
        outLeft = text.size() - used;
    };
    while (inLeft > 0) {
        if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            grow();
            continue;
        }
        // A byte the code page does not define: shown as U+FFFD, and the conversion goes on.
        if (outLeft < replacementCharacter.size())
            grow();
        replacementCharacter.copy(out, replacementCharacter.size());
        out += replacementCharacter.size();
        outLeft -= replacementCharacter.size();
        ++in;
        --inLeft;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}
