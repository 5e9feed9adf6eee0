#include "compare/comparison.h"

#include "storage/textfile.h"
#include "support/numerictext.h"

#include <charconv>
#include <exception>

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

template <typename Integer> void appendDecimal(std::string &out, Integer n)
{
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, n);
    out.append(digits, end);
}

void appendOrdinalPrefix(std::string &out, std::size_t n)
{
    out += "B.:";
    if (n < 10)
        out += "00";
    else if (n < 100)
        out += '0';
    appendDecimal(out, n);
    out += " :";
}

bool isDrawnNumber(std::int32_t v)
{
    return v >= 1 && v <= 99;
}

} // namespace

std::string ordinalPrefix(std::size_t n)
{
    std::string prefix;
    appendOrdinalPrefix(prefix, n);
    return prefix;
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

bool hasDuplicateNumber(const Draw &draw)
{
    std::array<int, 100> seen{};
    const std::array<std::int32_t, 7> seven{draw.d[1], draw.d[2], draw.d[3], draw.d[4],
                                            draw.d[5], draw.d[6], draw.c};
    for (const std::int32_t v : seven) {
        if (isDrawnNumber(v) && ++seen[static_cast<std::size_t>(v)] > 1)
            return true;
    }
    return false;
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

std::size_t ComparisonList::size() const
{
    return m_ends.size();
}

std::span<const std::int32_t> ComparisonList::numbers(std::size_t i) const
{
    const std::size_t begin = i == 0 ? 0 : m_ends[i - 1];
    return std::span<const std::int32_t>(m_numbers).subspan(begin, m_ends[i] - begin);
}

std::int32_t ComparisonList::hits(std::size_t i) const
{
    std::int32_t k = 0;
    for (const std::int32_t v : numbers(i))
        k += drawnCount(v);
    return k;
}

bool ComparisonList::holdsComplementary(std::size_t i) const
{
    for (const std::int32_t v : numbers(i)) {
        if (isComplementary(v))
            return true;
    }
    return false;
}

void ComparisonList::appendLineText(std::size_t i, std::string &out) const
{
    appendOrdinalPrefix(out, i + 1);
    std::int32_t k = 0;
    bool complementary = false;
    for (const std::int32_t v : numbers(i)) {
        // Numbers below 10 take a "0" in front, negative ones too: -5 is written "-0-5".
        out += v < 10 ? "-0" : "-";
        appendDecimal(out, v);
        k += drawnCount(v);
        complementary = complementary || isComplementary(v);
    }
    out += " ->";
    appendDecimal(out, k);
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
                     std::string complementaryWord, ComparisonList &list,
                     const GridExpanded &expanded)
{
    list.restart(draw, std::move(complementaryWord));
    pcommenceparcours(s, method, nbgrilles);
    std::array<std::int32_t, 99> grid{};
    for (int i = 1; i <= s.nbgrillescourant; ++i) {
        pdeveloppegrille(s, i);
        if (expanded)
            expanded();
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
        finishAtEnd();
    } catch (const std::exception &e) {
        fail(e.what());
    }
}

FileComparison::~FileComparison() = default;

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

bool FileComparison::compareNextLine()
{
    if (m_state != RunState::Running)
        return false;
    try {
        std::size_t count = 0;
        for (std::uint8_t f = 1; f <= m_line.size(); ++f) {
            m_reader->Field(f, m_field);
            if (const auto value = pestnumerique(m_field))
                m_line[count++] = replacedNumber(m_replacement, *value);
        }
        m_list.addLine(std::span<const std::int32_t>(m_line.data(), count));
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
    const auto deadline = std::chrono::steady_clock::now() + budget;
    int sinceClockRead = 0;
    while (compareNextLine()) {
        if (++sinceClockRead < linesBetweenClockReads)
            continue;
        sinceClockRead = 0;
        if (std::chrono::steady_clock::now() >= deadline)
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
    while (run.compareNextLine()) {
    }
    if (run.state() == RunState::Failed)
        return {false, run.failureMessage()};
    return {};
}
