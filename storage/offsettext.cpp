#include "storage/offsettext.h"

#include <limits>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::int32_t offsetFromText(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    std::int64_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const std::int64_t next = digits * 10 + (text[i] - '0');
        // A value beyond 32 bits is a fault like any other character.
        if (next > std::numeric_limits<std::int32_t>::max())
            break;
        digits = next;
    }
    const auto value = static_cast<std::int32_t>(digits);
    if (i < text.size())
        return value;
    return negative ? -value : value;
}
