#pragma once

#include "coversearch.h"
#include "design.h"

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <tuple>

// A table built for a catalogue row and how it was made.
struct Construction {
    Design design;
    std::string how;
};

// Builds the tables of the catalogue's rows by their recipes. Designs that several recipes share
// (auxiliary coverings, the Steiner systems) are built once.
class Builder {
public:
    explicit Builder(std::ostream &log);

    // Called with every lower count a row's search reaches, before the row is finished.
    void setCheckpoint(std::function<void(int, const Construction &)> checkpoint);

    // The table of `method` (9..157, not a full system) by its recipe; an empty design when the
    // recipe reaches no table within its budget.
    Construction build(int method);

private:
    using Key = std::tuple<int, int, int, int>;

    // A design meeting `r` found by tabu search from `start` random blocks, lowered towards
    // `goal`; empty when even the start count is not reached. Counts reached by the search of a
    // catalogue row (`method` > 0) go to the checkpoint.
    Design searched(const Requirement &r, std::size_t start, std::size_t goal,
                    std::uint64_t stepsPerLevel, std::uint64_t totalSteps, std::uint64_t seed,
                    int method = 0, std::size_t movesWeighed = 0);
    // Lowers the design loaded in `search` as `searched` does.
    Design lowered(CoverSearch &search, std::size_t goal, std::uint64_t stepsPerLevel,
                   std::uint64_t totalSteps, int method);
    // The best design built so far for these parameters, or nullptr.
    const Design *known(const Requirement &r) const;
    void remember(const Requirement &r, const Design &design);

    Construction construct(int method);
    // `built` lowered by the row's trades of two grids for one, if it has any.
    Construction traded(int method, Construction built);
    // A design for `r`: the row of the catalogue with these parameters, else one searched.
    Design part(const Requirement &r);
    Design steinerTwelveCached();
    Design steinerTwentyTwoCached();
    Design steinerTwentyFourCached();
    // C(22,k,2) for k = 4 or 5: the pairs of 22 points in blocks of k.
    Design pairsOfTwentyTwo(int k);
    // "2 if 3" on v points in blocks of 3: every three points share two with a block.
    Design triplesMeetingTwo(int v);

    std::ostream &m_log;
    std::map<Key, Design> m_known;
    std::map<int, Construction> m_built;
    std::function<void(int, const Construction &)> m_checkpoint;
};
