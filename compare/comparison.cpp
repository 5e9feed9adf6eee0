#include "compare/comparison.h"

#include "storage/numerictext.h"
#include "storage/textfile.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <filesystem>
#include <system_error>

namespace {

struct RankLabel {
    const char *prefix;
    int message;
};

constexpr int numbersMessage = 64;
constexpr int compMessage = 33;

// Indexed by Rank, in table order.
constexpr std::array<RankLabel, rankCount> rankLabels{{{"6 ", numbersMessage},
                                                       {"5 +", compMessage},
                                                       {"5 ", numbersMessage},
                                                       {"4 +", compMessage},
                                                       {"4 ", numbersMessage},
                                                       {"3 +", compMessage},
                                                       {"3 ", numbersMessage},
                                                       {"2 +", compMessage}}};

std::size_t indexOf(Rank rank)
{
    return static_cast<std::size_t>(rank);
}

// Room for "-", "0" and a 32-bit number with its sign, or for " ->" and a count.
constexpr std::ptrdiff_t numberRoom = 16;

// "00" to "99", two characters each.
constexpr std::array<char, 200> digitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t n = 0; n < 100; ++n) {
        pairs[2 * n] = static_cast<char>('0' + n / 10);
        pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// Writes n (0..99) in decimal at `at`; returns the end. Grid numbers and counts are almost
// always this small.
inline char *writeSmall(char *at, std::uint32_t n)
{
    const char *pair = digitPairs.data() + 2 * n;
    if (n >= 10)
        *at++ = pair[0];
    *at++ = pair[1];
    return at;
}

// Writes n in decimal at `at`, two digits at a time; returns the end.
char *writeDecimal(char *at, std::int64_t n)
{
    if (n < 0)
        return std::to_chars(at, at + 24, n).ptr;
    auto rest = static_cast<std::uint64_t>(n);
    char digits[20];
    char *first = digits + sizeof digits;
    while (rest >= 100) {
        first -= 2;
        std::copy_n(digitPairs.data() + 2 * (rest % 100), 2, first);
        rest /= 100;
    }
    at = writeSmall(at, static_cast<std::uint32_t>(rest));
    return std::copy(first, digits + sizeof digits, at);
}

// Writes a grid number or a count: the short way when it lies in 0..99.
inline char *writeNumber(char *at, std::int64_t n)
{
    return n >= 0 && n < 100 ? writeSmall(at, static_cast<std::uint32_t>(n)) : writeDecimal(at, n);
}

// Writes "B.:", n padded to three digits, and " :" at `at`; returns the end.
char *writeOrdinalPrefix(char *at, std::size_t n)
{
    constexpr std::string_view head = "B.:";
    at = std::copy(head.begin(), head.end(), at);
    if (n < 10)
        *at++ = '0';
    if (n < 100)
        *at++ = '0';
    at = writeDecimal(at, static_cast<std::int64_t>(n));
    *at++ = ' ';
    *at++ = ':';
    return at;
}

bool isDrawnNumber(std::int32_t v)
{
    return v >= 1 && v <= 99;
}

}  // namespace

std::string ordinalPrefix(std::size_t n)
{
    char text[32];
    return std::string(text, writeOrdinalPrefix(text, n));
}

std::optional<Rank> rankOf(std::int32_t k, bool complementary)
{
    switch (k) {
    case 6:
        return Rank::Six;
    case 5:
        return complementary ? Rank::FivePlusComp : Rank::Five;
    case 4:
        return complementary ? Rank::FourPlusComp : Rank::Four;
    case 3:
        return complementary ? Rank::ThreePlusComp : Rank::Three;
    case 2:
        return complementary ? std::optional<Rank>(Rank::TwoPlusComp) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::string rankCaption(Rank rank, const std::function<std::string(int)> &message)
{
    const RankLabel &label = rankLabels[indexOf(rank)];
    return label.prefix + message(label.message);
}

void RankCounters::clear()
{
    m_counts.fill(0);
}

void RankCounters::add(Rank rank)
{
    ++m_counts[indexOf(rank)];
}

std::int64_t RankCounters::count(Rank rank) const
{
    return m_counts[indexOf(rank)];
}

Draw drawFromTexts(std::span<const std::string, 7> texts)
{
    Draw draw;
    for (std::size_t j = 1; j <= 6; ++j)
        draw.d[j] = pestnumerique(texts[j - 1]).value_or(0);
    draw.c = pestnumerique(texts[6]).value_or(0);
    return draw;
}

std::optional<std::int32_t> repeatedNumber(const Draw &draw)
{
    std::array<int, 100> seen{};
    const std::array<std::int32_t, 7> seven{draw.d[1], draw.d[2], draw.d[3], draw.d[4],
                                            draw.d[5], draw.d[6], draw.c};
    for (const std::int32_t v : seven) {
        if (isDrawnNumber(v) && ++seen[static_cast<std::size_t>(v)] > 1)
            return v;
    }
    return std::nullopt;
}

bool hasDuplicateNumber(const Draw &draw)
{
    return repeatedNumber(draw).has_value();
}

void ComparisonList::restart(const Draw &draw, std::string complementaryWord)
{
    m_numbers.clear();
    m_ends.clear();
    m_counters.clear();
    m_drawn.fill(0);
    // An entry box left at 0 means no number: it must not match a 0 read from a file.
    for (std::size_t j = 1; j <= 6; ++j) {
        if (isDrawnNumber(draw.d[j]))
            ++m_drawn[static_cast<std::size_t>(draw.d[j])];
    }
    m_complementary = isDrawnNumber(draw.c) ? draw.c : 0;
    m_complementaryWord = std::move(complementaryWord);
}

std::int32_t ComparisonList::drawnCount(std::int32_t v) const
{
    return isDrawnNumber(v) ? m_drawn[static_cast<std::size_t>(v)] : 0;
}

bool ComparisonList::isComplementary(std::int32_t v) const
{
    return m_complementary != 0 && v == m_complementary;
}

void ComparisonList::addLine(std::span<const std::int32_t> numbers)
{
    std::int32_t k = 0;
    bool complementary = false;
    for (const std::int32_t v : numbers) {
        k += drawnCount(v);
        complementary = complementary || isComplementary(v);
    }
    m_numbers.insert(m_numbers.end(), numbers.begin(), numbers.end());
    m_ends.push_back(m_numbers.size());
    if (const auto rank = rankOf(k, complementary))
        m_counters.add(*rank);
}

void ComparisonList::reserve(std::size_t lines, std::size_t numbers)
{
    m_ends.reserve(lines);
    m_numbers.reserve(numbers);
}

std::size_t ComparisonList::size() const
{
    return m_ends.size();
}

std::span<const std::int32_t> ComparisonList::numbers(std::size_t i) const
{
    const std::size_t begin = i == 0 ? 0 : m_ends[i - 1];
    return std::span<const std::int32_t>(m_numbers).subspan(begin, m_ends[i] - begin);
}

void ComparisonList::appendLineText(std::size_t i, std::string &out) const
{
    // The text is gathered in a small block and appended to `out` in as few pieces as the
    // count of numbers allows.
    char block[256];
    char *at = writeOrdinalPrefix(block, i + 1);
    std::int32_t k = 0;
    bool complementary = false;
    for (const std::int32_t v : numbers(i)) {
        if (block + sizeof block - at < numberRoom) {
            out.append(block, at);
            at = block;
        }
        // Numbers below 10 take a "0" in front, negative ones too: -5 is written "-0-5".
        *at++ = '-';
        if (v < 10)
            *at++ = '0';
        at = writeNumber(at, v);
        k += drawnCount(v);
        complementary = complementary || isComplementary(v);
    }
    if (block + sizeof block - at < numberRoom) {
        out.append(block, at);
        at = block;
    }
    constexpr std::string_view arrow = " ->";
    at = writeNumber(std::copy(arrow.begin(), arrow.end(), at), k);
    out.append(block, at);
    if (complementary) {
        out += " + ";
        out += m_complementaryWord;
    }
}

std::string ComparisonList::lineText(std::size_t i) const
{
    std::string line;
    appendLineText(i, line);
    return line;
}

const RankCounters &ComparisonList::counters() const
{
    return m_counters;
}

void pcomparegrilles(Selection &s, int method, int nbgrilles, const Draw &draw,
                     std::string complementaryWord, ComparisonList &list)
{
    list.restart(draw, std::move(complementaryWord));
    pcommenceparcours(s, method, nbgrilles);
    std::array<std::int32_t, 99> grid{};
    for (int i = 1; i <= s.nbgrillescourant; ++i) {
        pdeveloppegrille(s, i);
        std::size_t count = 0;
        for (std::int32_t v = 1; v <= 99; ++v) {
            if (s.tabgrille[static_cast<std::size_t>(v)] == 1)
                grid[count++] = v;
        }
        list.addLine(std::span<const std::int32_t>(grid.data(), count));
    }
}

FileComparison::FileComparison(const GridFileSource &source, const ReplacementMap &replacement,
                               const Draw &draw, std::string complementaryWord,
                               ComparisonList &list)
    : m_list(list), m_replacement(replacement), m_reader(std::make_unique<TTextFile>())
{
    m_list.restart(draw, std::move(complementaryWord));
    try {
        openGridFile(*m_reader, source);
        reserveForFile(source.fileName);
        finishAtEnd();
    } catch (const std::exception &e) {
        fail(e.what());
    }
}

FileComparison::~FileComparison() = default;

void FileComparison::reserveForFile(const std::string &fileName)
{
    // A number takes at least two bytes with its separator or line end, so the numbers never
    // outgrow their room; lines are reckoned at twelve bytes, short for a grid of six. Past the
    // caps the list grows as it goes.
    constexpr std::uintmax_t bytesPerNumber = 2;
    constexpr std::uintmax_t bytesPerLine = 12;
    constexpr std::uintmax_t numberCap = std::uintmax_t{1} << 26;
    constexpr std::uintmax_t lineCap = std::uintmax_t{1} << 24;
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(fileName, error);
    if (error)
        return;
    m_list.reserve(static_cast<std::size_t>(std::min(bytes / bytesPerLine, lineCap)),
                   static_cast<std::size_t>(std::min(bytes / bytesPerNumber, numberCap)));
}

void FileComparison::finish(RunState state)
{
    m_state = state;
    m_reader.reset();
}

void FileComparison::fail(const std::string &message)
{
    m_failure = message;
    finish(RunState::Failed);
}

void FileComparison::finishAtEnd()
{
    if (m_reader->AtEnd())
        finish(RunState::Finished);
}

std::size_t FileComparison::readNumbers()
{
    // One pass over the line that cuts the fields as the reader does (at every separator,
    // nothing trimmed) and reads plain decimal fields of up to nine digits on the way; any
    // other field goes through the general numeric test.
    constexpr std::ptrdiff_t shortDigits = 9;
    const char separator = m_reader->Separator;
    const char *at = m_reader->Line.data();
    const char *const end = at + m_reader->Line.size();
    std::size_t count = 0;
    for (std::size_t field = 0; field < fieldsCompared; ++field) {
        const char *const start = at;
        // Unsigned, so that a long run of digits wraps harmlessly: it takes the general test.
        std::uint32_t digits = 0;
        while (at != end && *at >= '0' && *at <= '9')
            digits = digits * 10 + static_cast<std::uint32_t>(*at++ - '0');
        const std::ptrdiff_t length = at - start;
        if ((at == end || *at == separator) && length > 0 && length <= shortDigits) {
            m_line[count++] = replacedNumber(m_replacement, static_cast<std::int32_t>(digits));
        } else {
            while (at != end && *at != separator)
                ++at;
            const auto value =
                pestnumerique(std::string_view(start, static_cast<std::size_t>(at - start)));
            if (value)
                m_line[count++] = replacedNumber(m_replacement, *value);
        }
        if (at == end)
            break;
        ++at;
    }
    return count;
}

bool FileComparison::compareNextLine()
{
    if (m_state != RunState::Running)
        return false;
    try {
        m_list.addLine(std::span<const std::int32_t>(m_line.data(), readNumbers()));
        m_reader->ReadLine();
        finishAtEnd();
    } catch (const std::exception &e) {
        fail(e.what());
    }
    return m_state == RunState::Running;
}

bool FileComparison::compareFor(std::chrono::steady_clock::duration budget)
{
    // Reading the clock costs more than comparing a line, so it is read every few lines only.
    constexpr int linesBetweenClockReads = 64;
    const auto start = std::chrono::steady_clock::now();
    int sinceClockRead = 0;
    while (compareNextLine()) {
        if (++sinceClockRead < linesBetweenClockReads)
            continue;
        sinceClockRead = 0;
        if (std::chrono::steady_clock::now() - start >= budget)
            break;
    }
    return m_state == RunState::Running;
}

void FileComparison::stop()
{
    if (m_state == RunState::Running)
        finish(RunState::Stopped);
}

RunState FileComparison::state() const
{
    return m_state;
}

const std::string &FileComparison::failureMessage() const
{
    return m_failure;
}

GridFileOutcome pcomparefichier(const GridFileSource &source, const ReplacementMap &replacement,
                                const Draw &draw, std::string complementaryWord,
                                ComparisonList &list)
{
    FileComparison run(source, replacement, draw, std::move(complementaryWord), list);
    while (run.compareNextLine())
        continue;
    if (run.state() == RunState::Failed)
        return {false, run.failureMessage()};
    return {};
}
