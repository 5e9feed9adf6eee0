#pragma once

#include "compare/externalgrids.h"
#include "engine/selection.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TTextFile;

// The prefix of the line of the n-th compared grid (n >= 1): "B.:007 :", "B.:042 :",
// "B.:1234 :".
std::string ordinalPrefix(std::size_t n);

// The prize ranks, in the order of the rank table and of its counters.
enum class Rank { Six, FivePlusComp, Five, FourPlusComp, Four, ThreePlusComp, Three, TwoPlusComp };

constexpr std::size_t rankCount = 8;

// Every rank in table order.
constexpr std::array<Rank, rankCount> allRanks{
    Rank::Six,  Rank::FivePlusComp,  Rank::Five,  Rank::FourPlusComp,
    Rank::Four, Rank::ThreePlusComp, Rank::Three, Rank::TwoPlusComp};

// The rank of a grid holding k drawn numbers, with or without the complementary number; none
// when the table has no rank for them (k below 2, 2 without the complementary, above 6).
std::optional<Rank> rankOf(std::int32_t k, bool complementary);

// Caption of a rank's counter: "6 " and message 64 ("6 numéros"), "5 +" and message 33
// ("5 +Comp"), and so on; `message` gives message n in the current language.
std::string rankCaption(Rank rank, const std::function<std::string(int)> &message);

// The eight rank counters of a comparison.
class RankCounters {
public:
    void clear();
    void add(Rank rank);
    std::int64_t count(Rank rank) const;

private:
    std::array<std::int64_t, rankCount> m_counts{};
};

// A draw: the six drawn numbers d[1..6] (index 0 unused) and the complementary number c. A value
// outside 1..99 (an entry box left at 0) stands for no number and matches nothing.
struct Draw {
    std::array<std::int32_t, 7> d{};
    std::int32_t c = 0;
};

// The draw typed in the seven entry boxes, the six drawn numbers first and the complementary
// number last; a text that is not numeric counts as 0.
Draw drawFromTexts(std::span<const std::string, 7> texts);

// The first number 1..99 that stands twice among the seven numbers of the draw (the
// complementary one included), or nullopt; zeros, the empty boxes, are not counted.
std::optional<std::int32_t> repeatedNumber(const Draw &draw);

// Whether a number stands twice in the draw; such a draw is refused.
bool hasDuplicateNumber(const Draw &draw);

// Text and title of the box that reports a failed comparison of a grid file.
constexpr std::string_view comparisonFailureText = "Erreur/Error";
constexpr std::string_view comparisonFailureTitle = "Erreur dans pcomparefichier";

// The lines and counters of one comparison with a draw. A line keeps only its numbers; its text
// ("B.:001 :-03-12-17-25-33-41 ->3 + Complémentaire") is built when asked for, so that a
// million lines of six numbers take about 32 MB.
class ComparisonList {
public:
    // Empties the list and zeroes the counters. Later lines are compared with `draw`, and their
    // text names the complementary number with `complementaryWord` (message 144).
    void restart(const Draw &draw, std::string complementaryWord);

    // Appends the line of a grid holding `numbers`, in the order they are to be written, and
    // counts it under its rank. A number occurring twice is counted twice.
    void addLine(std::span<const std::int32_t> numbers);

    // Makes room ahead for `lines` lines holding `numbers` numbers in all, so that a long run
    // does not copy its storage while it grows.
    void reserve(std::size_t lines, std::size_t numbers);

    // Lines in the list.
    std::size_t size() const;

    // Text of line i, counted from 0 (its ordinal is i + 1). Precondition: i < size().
    std::string lineText(std::size_t i) const;

    // Appends the text of line i to `out`, without a line end; allocates nothing when `out`
    // has room. Precondition: i < size().
    void appendLineText(std::size_t i, std::string &out) const;

    // The numbers of line i, in the order written. Precondition: i < size().
    std::span<const std::int32_t> numbers(std::size_t i) const;

    // The counters of the lines added since the last restart.
    const RankCounters &counters() const;

private:
    std::int32_t drawnCount(std::int32_t v) const;
    bool isComplementary(std::int32_t v) const;

    // Numbers of every line, one after the other; line i ends at m_ends[i].
    std::vector<std::int32_t> m_numbers;
    std::vector<std::size_t> m_ends;
    // For each number 1..99, how many of d1..d6 it equals.
    std::array<std::uint8_t, 100> m_drawn{};
    std::int32_t m_complementary = 0;
    std::string m_complementaryWord;
    RankCounters m_counters;
};

// Compares the grids of `method` (grid count `nbgrilles`) over the numbers in `s` with `draw`
// (pcomparegrilles): restarts `list`, starts the grid consumer, expands each grid and adds its
// numbers in ascending order. Has no failure path.
void pcomparegrilles(Selection &s, int method, int nbgrilles, const Draw &draw,
                     std::string complementaryWord, ComparisonList &list);

// Where a comparison of a grid file stands.
enum class RunState { Running, Finished, Stopped, Failed };

// The comparison of a grid file with a draw (pcomparefichier), one line at a time, so that a
// window can process its events between lines and stop after any line. Each line's fields 1..10
// are taken as read (not trimmed); a numeric field gives a number, replaced through the map when
// it lies in 1..100, and other fields are passed over. The reader is closed as soon as the run
// ends, in every case.
class FileComparison {
public:
    // Restarts `list`, which the caller owns and keeps alive for the run, opens the file and
    // skips its first lines. When that fails the run is Failed and the list stays empty.
    FileComparison(const GridFileSource &source, const ReplacementMap &replacement,
                   const Draw &draw, std::string complementaryWord, ComparisonList &list);
    ~FileComparison();
    FileComparison(const FileComparison &) = delete;
    FileComparison &operator=(const FileComparison &) = delete;

    // Compares the current line, adds it to the list and moves to the next one. Returns whether
    // the run is still Running; a read failure makes it Failed, the lines added staying.
    bool compareNextLine();

    // Compares lines until the run ends or about `budget` has passed, so that a window can
    // process its events between calls (every 20 ms or so). Returns whether it is still Running.
    bool compareFor(std::chrono::steady_clock::duration budget);

    // Ends a Running run after the lines already compared, which stay; otherwise nothing.
    void stop();

    RunState state() const;

    // The reader's message when the run Failed; empty otherwise.
    const std::string &failureMessage() const;

private:
    void reserveForFile(const std::string &fileName);
    // Reads the numbers of fields 1..10 of the current line into m_line; returns how many.
    std::size_t readNumbers();
    void finish(RunState state);
    void fail(const std::string &message);
    void finishAtEnd();

    static constexpr std::size_t fieldsCompared = 10;

    ComparisonList &m_list;
    ReplacementMap m_replacement;
    std::unique_ptr<TTextFile> m_reader;
    RunState m_state = RunState::Running;
    std::string m_failure;
    std::array<std::int32_t, fieldsCompared> m_line{};
};

// Compares every line of the grid file with `draw` in one call (pcomparefichier): the lines go
// to `list`, restarted first. On failure the lines already added stay, the counters must not
// be shown, and the outcome carries the reader's message.
GridFileOutcome pcomparefichier(const GridFileSource &source, const ReplacementMap &replacement,
                                const Draw &draw, std::string complementaryWord,
                                ComparisonList &list);
