#include "recipes.h"

#include "bounds.h"
#include "constructions.h"
#include "coversearch.h"
#include "orbitanneal.h"
#include "orbitcover.h"
#include "orbittabu.h"

#include "engine/methodcatalogue.h"

#include <algorithm>
#include <iterator>

namespace {

// Local search plan of a row: lowest count to try, steps allowed per count and in all.
struct SearchPlan {
    int method;
    int goal;
    std::uint64_t stepsPerLevel;
    std::uint64_t totalSteps;
    std::uint64_t seed;
    std::size_t movesWeighed;  // 0: the search's default
    int startPercent;          // first count, in percent of the catalogue count; 0: the goal
};

constexpr std::uint64_t defaultStepsPerLevel = 50000;
constexpr std::uint64_t defaultTotalSteps = 1000000;
// Covering steps are cheap and the coverings of the catalogue tight: they get more.
constexpr std::uint64_t coveringStepsPerLevel = 500000;
constexpr std::uint64_t coveringTotalSteps = 5000000;
// Tight rows searched at one count: lowering from a larger start stalls above it.
constexpr std::uint64_t directSteps = 10000000;

// Rows whose search needs another goal or budget than the default (goal 0 = lower bound).
constexpr SearchPlan searchPlans[] = {
    {44, 0, defaultStepsPerLevel, 1500000, 44, 0, 130},
    {125, 1375, defaultStepsPerLevel, defaultTotalSteps, 125, 0, 100},
    {53, 9, defaultStepsPerLevel, defaultTotalSteps, 53, 0, 100},
    {141, 7, defaultStepsPerLevel, defaultTotalSteps, 141, 0, 100},
    {142, 8, defaultStepsPerLevel, defaultTotalSteps, 142, 0, 100},
    {143, 11, defaultStepsPerLevel, defaultTotalSteps, 143, 0, 100},
    {145, 0, defaultStepsPerLevel, 1500000, 145, 24, 130},
    {157, 3778, 400000, 100000000, 157, 0, 100},
    // Searched straight at one count with a long first level.
    {16, 6, directSteps, directSteps, 1, 0, 0},
    {41, 118, directSteps, directSteps, 1, 0, 0},
    {91, 20, directSteps, directSteps, 1, 0, 0},
    {92, 25, directSteps, directSteps, 1, 0, 0},
};

// Rows built as two parts side by side: the first on `firstPoints` points with condition
// `firstCondition`, the second on the other points with condition c + 1 - firstCondition.
struct JoinPlan {
    int method;
    int firstPoints;
    int firstCondition;
};
constexpr JoinPlan joinPlans[] = {
    {15, 8, 3},   {107, 12, 3}, {109, 18, 3}, {147, 10, 3}, {148, 11, 3},
    {149, 11, 3}, {150, 12, 3}, {151, 12, 3}, {152, 13, 3}, {153, 13, 3},
    {154, 14, 3}, {110, 17, 3}, {111, 22, 3}, {112, 22, 3},
};

// Rows "4 if 6" built on two parts, the first of `firstPoints` points. A draw with four numbers
// or more in one part meets a block of that part's covering of every 4 points. A draw with three
// in each part meets a block made of one triple of each part in four numbers, when every three
// points of a part share two with one of its triples ("2 if 3" in triples).
struct CrossPlan {
    int method;
    int firstPoints;
};
constexpr CrossPlan crossPlans[] = {{108, 14}, {113, 14}};

// Rows made of whole orbits of a point group, chosen by OrbitCover: fewer choices than single
// grids, so the search reaches counts that the search over single grids does not. When
// `count` is set, the orbits only give the start: the design loses its last grids down to
// `count` and the tabu search, with the budget of a direct search, repairs what they met,
// which from such a structured start succeeds where random starts stall. When `lowest` is
// set too, the search then lowers the repaired design one grid at a time down to it.
struct OrbitPlan {
    int method;
    PointGroup group;
    int goal;
    std::uint64_t steps;
    std::uint64_t seed;
    int count = 0;
    int lowest = 0;
};
constexpr OrbitPlan orbitPlans[] = {
    {45, {4, 3, 2, 1}, 98, 20000, 3, 98},    {47, {14, 1, 0, 1}, 371, 50000, 1},
    {48, {16, 1, 0, 1}, 152, 20000, 1},      {49, {3, 6, 1, 2}, 63, 20000, 10, 63},
    {59, {15, 1, 0, 1}, 151, 20000, 1, 151}, {60, {16, 1, 0, 1}, 232, 20000, 1, 228},
    {70, {15, 1, 1, 2}, 55, 30000, 1},       {71, {7, 2, 1, 2}, 581, 20000, 2, 580},
    {72, {16, 1, 0, 3}, 808, 20000, 1},      {76, {15, 1, 3, 1}, 252, 20000, 4, 236},
    {77, {16, 1, 1, 9}, 71, 50000, 1, 71},   {78, {9, 2, 1, 4}, 121, 20000, 6},
    {79, {20, 1, 0, 9}, 148, 50000, 2},      {80, {8, 2, 1, 5}, 338, 20000, 7, 330, 327},
    {144, {6, 3, 0, 1}, 12, 30000, 1},
};

// Rows 3 if 4 built in two stages: a search that only has Turán's triples to cover (far fewer
// than all triples, and every 4 points hold one) from `start` random blocks, lowered while it
// can, and then the lottery search lowering that design down to `goal`. The lottery search
// alone stalls above these counts.
struct TuranPlan {
    int method;
    int start;
    int goal;
    std::uint64_t seed;
};
constexpr TuranPlan turanPlans[] = {
    {68, 82, 63, 1},
    {88, 100, 81, 2},
};
// Steps per count of each search in the Turán and extension plans.
constexpr std::uint64_t stageStepsPerLevel = 300000;

// Rows built on the design of the row `from`, which has the same guarantee on one point fewer:
// with `extra` random blocks over all the points the search covers what the new point leaves
// open and then lowers the whole down to `goal`, with the budget of the Turán plans. From this
// start it goes lower than from Turán's triples on the same points.
struct ExtendPlan {
    int method;
    int from;
    int extra;
    int goal;
    std::uint64_t seed;
};
constexpr int extendFirstLevels = 10;
constexpr ExtendPlan extendPlans[] = {
    {69, 68, 10, 72, 1},
    {137, 88, 12, 88, 1},
    {138, 137, 14, 90, 3},
};

// Rows built on the design of the row `from`, which has the same guarantee on one point more:
// without its last point (each block that held it takes the smallest point it lacks) that design
// still meets the requirement, and the search, weighing its moves quickly where it can, lowers it
// down to `goal`. The blocks the lost point frees give the search room that a start from random
// blocks, Turán's triples or two parts on these points does not. A row may serve as `from` only
// when it is not built on the row itself.
struct ShrinkPlan {
    int method;
    int from;
    int goal;
    std::uint64_t seed;
};
constexpr ShrinkPlan shrinkPlans[] = {
    {54, 15, 10, 1},  {57, 58, 50, 1},   {67, 68, 54, 1},
    {100, 70, 22, 1}, {155, 76, 173, 1}, {156, 78, 47, 1},
};

// Rows lowered further once their recipe is done: up to `attempts` times two grids are traded
// for one random grid and the search, with `steps` steps, repairs the design (see
// CoverSearch::tradeTwoForOne), down to `goal`; a row's plans follow one another in this order.
// Where lowering by the weakest grid stalls, the search still finds a design one grid smaller
// near the one it has. With `quickly` the search weighs its moves quickly
// (CoverSearch::weighQuickly), so many more attempts fit the time.
struct TradePlan {
    int method;
    int goal;
    int attempts;
    std::uint64_t seed;
    std::uint64_t steps;
    bool quickly;
};
constexpr TradePlan tradePlans[] = {
    {68, 61, 48, 2, 200000, true},
    {67, 54, 40, 1, 200000, true},
    {137, 86, 4, 11, 600000, false},
};

// Rows found by simulated annealing (CoverSearch::anneal) of `count` random grids. Where a move
// of one point uncovers many draws and covers many others, as in "4 if 6" or "3 if 6" on many
// points, the tabu search, always making the best move, stalls above the count that annealing
// reaches.
struct AnnealPlan {
    int method;
    int count;
    std::uint64_t seed;
    Annealing schedule;
    std::uint64_t steps;
};
constexpr AnnealPlan annealPlans[] = {
    {58, 66, 3, {1.5, 0.999, 1000}, 8000000},  {86, 84, 5, {1.5, 0.9995, 1000}, 12000000},
    {56, 26, 6, {1.5, 0.9997, 1000}, 5000000}, {82, 15, 1, {1.5, 0.999, 1000}, 1000000},
    {83, 18, 1, {1.5, 0.999, 1000}, 1000000},  {84, 19, 1, {1.5, 0.999, 1000}, 1000000},
    {146, 18, 1, {1.5, 0.998, 1000}, 1500000},
};

// Rows found by simulated annealing over `orbits` orbits of a point group (OrbitAnnealing): the
// symmetric designs are far fewer, and where one exists at a count the search reaches it in
// seconds while the annealing over single grids and the orbit cover stay above it.
struct OrbitAnnealPlan {
    int method;
    PointGroup group;
    int orbits;
    std::uint64_t seed;
    Annealing schedule;
    std::uint64_t steps;
};
constexpr OrbitAnnealPlan orbitAnnealPlans[] = {
    {106, {21, 1, 0, 1}, 10, 1, {0.5, 0.999, 1000}, 3000000},
    {120, {20, 1, 1, 1}, 28, 1, {0.5, 0.999, 1000}, 3000000},
};

// Rows made of a fixed number of whole orbits of one size, found by the row-weighting search of
// OrbitCover: where the orbit cover, the annealing and the tabu search over orbits all stop an
// orbit or two short, the weighted swaps at a fixed count, which let an orbit come back only
// once its surroundings changed, finish.
struct OrbitCountPlan {
    int method;
    PointGroup group;
    std::uint32_t size;
    int orbits;
    std::uint64_t steps;
    std::uint64_t seed;
};
constexpr OrbitCountPlan orbitCountPlans[] = {
    // 75 orbits of 16 grids under Z16 with a fixed point: 1,200 grids, where the tabu search over
    // orbits (75 of 16 and one of 8) left one orbit of draws open.
    {73, {16, 1, 1, 1}, 16, 75, 1000000, 3},
    // 120 orbits of Z19: 2,280 grids, where the tabu search over single grids stopped at 2,323.
    {121, {19, 1, 0, 1}, 19, 120, 50000000, 1},
    // 9 orbits of Z28 and of Z29, each with a fixed point: 252 and 261 grids, where the search
    // over single grids stopped at 264 and 291.
    {133, {28, 1, 1, 1}, 28, 9, 10000000, 1},
    {134, {29, 1, 1, 1}, 29, 9, 10000000, 1},
    // 3 if 3 among 25 to 28: 6 orbits of Z24 with a fixed point, 6 of Z26, 7 of Z27 and 8 of Z28,
    // 144, 156, 189 and 224 grids, where S(3,6,22) with 6 points on C(22,4,2) gave 234 and the
    // search lowering it without its last points one at a time 196, 157 and 147.
    {114, {24, 1, 1, 1}, 24, 6, 10000000, 1},
    {115, {26, 1, 0, 1}, 26, 6, 10000000, 1},
    {116, {27, 1, 0, 1}, 27, 7, 200000000, 1},
    {117, {28, 1, 0, 1}, 28, 8, 10000000, 1},
    // 4 if 4 among 19, 20, 24 and 25: 20 orbits of Z18 and 23 of Z19, each with a fixed point,
    // 41 of Z24 and 46 of Z25, 360, 437, 984 and 1,150 grids, where the annealing over orbits
    // stopped at 361, 456, 1,008 and 1,200.
    {118, {18, 1, 1, 1}, 18, 20, 10000000, 1},
    {119, {19, 1, 1, 1}, 19, 23, 50000000, 1},
    {127, {24, 1, 0, 1}, 24, 41, 100000000, 1},
    {128, {25, 1, 0, 1}, 25, 46, 100000000, 1},
};

// Rows found by tabu search over whole orbits of a point group (OrbitTabu), holding the orbits of
// two sizes that `first` and `second` give: where the annealing over orbits stalls one or two
// orbits short, the weighted exchanges of whole orbits finish. With `extra` grids, the search
// over single grids places that many to meet the draws that the best state of the orbits leaves
// open: a few orbits of draws can cost far fewer grids than an orbit of grids.
struct OrbitTabuPlan {
    int method;
    PointGroup group;
    OrbitCount first;
    OrbitCount second;
    std::uint64_t seed;
    std::uint64_t steps;
    int tenure;
    int extra;
};
constexpr OrbitTabuPlan orbitTabuPlans[] = {
    {65, {14, 1, 1, 1, 7}, {14, 6}, {7, 4}, 41, 6000, 10, 0},
    // 8 orbits of 24 grids and one of 8 leave 3 orbits of draws open, 72 draws, which 6 grids
    // meet: 206 grids.
    {66, {3, 8, 1, 1, 0, true}, {24, 8}, {8, 1}, 1, 60000, 10, 6},
};

// "g if c among v", as the rows' descriptions name a guarantee.
std::string guarantee(int g, int c, int v)
{
    return std::to_string(g) + " if " + std::to_string(c) + " among " + std::to_string(v);
}

std::string describe(const PointGroup &group)
{
    const std::string cyclic = "Z" + std::to_string(group.n);
    std::string text = group.quaternion   ? "Q8 x " + cyclic + " acting on itself"
                       : group.copies > 1 ? std::to_string(group.copies) + " copies of " + cyclic
                                          : cyclic;
    if (group.multiplier > 1)
        text += " with x -> " + std::to_string(group.multiplier) + "x";
    if (group.fixed > 0)
        text += ", " + std::to_string(group.fixed) +
                (group.fixed == 1 ? " fixed point" : " fixed points");
    if (group.cycle > 0)
        text += ", a cycle of " + std::to_string(group.cycle) + " turned with it";
    return text;
}

// The catalogue row with these parameters that the tool builds, or 0.
int rowWith(const Requirement &r)
{
    const MethodTable rows = catalogueRows();
    for (int m = 9; m <= methodCount; ++m) {
        const Tmethode &row = rows[static_cast<std::size_t>(m)];
        if (row.nbnumeros == r.v && row.garantie == r.g && row.condition == r.c && r.k == 6 &&
            !(row.garantie == 6 && row.condition == 6))
            return m;
    }
    return 0;
}

Requirement requirementOf(int method)
{
    const MethodTable rows = catalogueRows();
    const Tmethode &row = rows[static_cast<std::size_t>(method)];
    return {row.nbnumeros, 6, row.garantie, row.condition};
}

SearchPlan planFor(int method)
{
    for (const SearchPlan &plan : searchPlans) {
        if (plan.method == method)
            return plan;
    }
    const Requirement r = requirementOf(method);
    if (r.g == r.c)
        return {method,
                0,
                coveringStepsPerLevel,
                coveringTotalSteps,
                static_cast<std::uint64_t>(method),
                0,
                100};
    return {method, 0,  defaultStepsPerLevel, defaultTotalSteps, static_cast<std::uint64_t>(method),
            0,      100};
}

}  // namespace

Builder::Builder(std::ostream &log) : m_log(log)
{
}

void Builder::setCheckpoint(std::function<void(int, const Construction &)> checkpoint)
{
    m_checkpoint = std::move(checkpoint);
}

const Design *Builder::known(const Requirement &r) const
{
    const auto it = m_known.find({r.v, r.k, r.g, r.c});
    return it == m_known.end() ? nullptr : &it->second;
}

void Builder::remember(const Requirement &r, const Design &design)
{
    const Design *previous = known(r);
    if (!previous || previous->blocks.size() > design.blocks.size())
        m_known[{r.v, r.k, r.g, r.c}] = design;
}

Design Builder::searched(const Requirement &r, std::size_t start, std::size_t goal,
                         std::uint64_t stepsPerLevel, std::uint64_t totalSteps, std::uint64_t seed,
                         int method, std::size_t movesWeighed)
{
    CoverSearch search(r, seed);
    search.weighAtMost(movesWeighed);
    search.load(search.randomBlocks(start));
    return lowered(search, goal, stepsPerLevel, totalSteps, method);
}

Design Builder::lowered(CoverSearch &search, std::size_t goal, std::uint64_t stepsPerLevel,
                        std::uint64_t totalSteps, int method)
{
    const Requirement r = search.requirement();
    if (!search.search(stepsPerLevel)) {
        m_log << "  " << r.g << " if " << r.c << " among " << r.v << " (blocks of " << r.k
              << "): no design of " << search.blocks().size() << " blocks, " << search.uncovered()
              << " subsets left\n";
        return {};
    }
    const auto reached = [&](const std::vector<Block> &blocks) {
        m_log << "    " << blocks.size() << " blocks after " << search.stepsMade() << " steps\n";
        if (method > 0 && m_checkpoint)
            m_checkpoint(method, {{r.v, r.k, blocks}, "tabu search"});
    };
    reached(search.blocks());
    search.reduce(goal, stepsPerLevel, totalSteps, reached);
    m_log << "  " << r.g << " if " << r.c << " among " << r.v << " (blocks of " << r.k
          << "): " << search.blocks().size() << " blocks after " << search.stepsMade()
          << " steps\n";
    Design design{r.v, r.k, search.blocks()};
    remember(r, design);
    return design;
}

Design Builder::steinerTwelveCached()
{
    const Requirement r{12, 6, 5, 5};
    if (!known(r))
        remember(r, steinerTwelve());
    return *known(r);
}

Design Builder::steinerTwentyTwoCached()
{
    const Requirement r{22, 6, 3, 3};
    if (!known(r))
        remember(r, steinerTwentyTwo());
    return *known(r);
}

Design Builder::steinerTwentyFourCached()
{
    const Requirement r{24, 6, 5, 5};
    if (!known(r))
        remember(r, steinerTwentyFour());
    return *known(r);
}

Design Builder::pairsOfTwentyTwo(int k)
{
    const Requirement r{22, k, 2, 2};
    if (const Design *d = known(r))
        return *d;
    return k == 4 ? searched(r, 45, 39, defaultStepsPerLevel, defaultTotalSteps, 85)
                  : searched(r, 27, 27, defaultStepsPerLevel, defaultStepsPerLevel, 75);
}

Design Builder::triplesMeetingTwo(int v)
{
    const Requirement r{v, 3, 2, 3};
    if (const Design *d = known(r))
        return *d;
    return searched(r, static_cast<std::size_t>(2 * v), 1, defaultStepsPerLevel, defaultTotalSteps,
                    static_cast<std::uint64_t>(v));
}

Construction Builder::traded(int method, Construction built)
{
    const std::string how = built.how;
    int trades = 0;
    for (const TradePlan &plan : tradePlans) {
        if (plan.method != method || built.design.blocks.empty())
            continue;
        CoverSearch search(requirementOf(method), plan.seed);
        search.weighQuickly(plan.quickly);
        search.load(built.design.blocks);
        const auto goal = static_cast<std::size_t>(plan.goal);
        for (int i = 0; i < plan.attempts && search.blocks().size() > goal; ++i) {
            if (!search.tradeTwoForOne(plan.steps))
                continue;
            ++trades;
            m_log << "    " << search.blocks().size() << " blocks after a trade of two for one\n";
            built.design.blocks = search.blocks();
            const std::string count =
                trades == 1 ? std::string("one trade") : std::to_string(trades) + " trades";
            built.how = how + ", then " + count + " of two grids for one random grid";
            if (m_checkpoint)
                m_checkpoint(method, built);
        }
    }
    return built;
}

Construction Builder::build(int method)
{
    if (const auto it = m_built.find(method); it != m_built.end())
        return it->second;
    m_log << "method " << method << "\n";
    Construction built = traded(method, construct(method));
    if (!built.design.blocks.empty())
        remember(requirementOf(method), built.design);
    m_built[method] = built;
    return built;
}

Design Builder::part(const Requirement &r)
{
    if (const int m = rowWith(r))
        return build(m).design;
    if (const Design *d = known(r))
        return *d;
    const auto bound = static_cast<std::size_t>(lowerBound(r.v, r.g, r.c));
    return searched(r, 2 * bound + 2, bound, defaultStepsPerLevel, defaultTotalSteps,
                    static_cast<std::uint64_t>(r.v * 100 + r.g * 10 + r.c));
}

Construction Builder::construct(int method)
{
    const Requirement r = requirementOf(method);
    const auto catalogueCount = static_cast<std::size_t>(catalogueGridCount(method));
    switch (method) {
    case 37:
        return {steinerTwelveCached(), "Steiner system S(5,6,12), PSL(2,11) orbit"};
    case 74:
        return {steinerTwentyTwoCached(), "Steiner system S(3,6,22), Golay code octads"};
    case 126:
        return {steinerTwentyFourCached(), "Steiner system S(5,6,24), PSL(2,23) orbits"};
    case 46: {
        // S(5,6,12) + new point on C(12,5,4) = S(4,5,11) + new point on C(11,4,3)
        // = S(3,4,10) + new point on C(10,3,2).
        const Design s12 = steinerTwelveCached();
        const Design s11 = derived(s12);
        const Design s10 = derived(s11);
        const Design pairs =
            searched({10, 3, 2, 2}, 17, 17, defaultStepsPerLevel, defaultStepsPerLevel, 46);
        if (pairs.blocks.empty())
            return {};
        const Design d = extendByPoint(s12, extendByPoint(s11, extendByPoint(s10, pairs)));
        return {d, "S(5,6,12) + point on S(4,5,11) + point on S(3,4,10) + point on C(10,3,2)"};
    }
    case 129: {
        const Design s24 = steinerTwentyFourCached();
        const Design s23 = derived(s24);
        const Design s22 = derived(s23);
        const Design pairs =
            searched({22, 3, 2, 2}, 81, 81, defaultStepsPerLevel, defaultStepsPerLevel, 129);
        if (pairs.blocks.empty())
            return {};
        const Design d = extendByPoint(s24, extendByPoint(s23, extendByPoint(s22, pairs)));
        return {d, "S(5,6,24) + point on S(4,5,23) + point on S(3,4,22) + point on C(22,3,2)"};
    }
    case 75:
    case 85: {
        const Design byFour = pairsOfTwentyTwo(4);
        const Design byFive = pairsOfTwentyTwo(5);
        if (byFour.blocks.empty() || byFive.blocks.empty())
            return {};
        const int added = r.v - 22;
        std::string how =
            "S(3,6,22) + " + std::to_string(added) + (added == 1 ? " point on " : " points on ");
        // An odd count would also use C(22,5,2); these rows add one point or an even count.
        how += added == 1 ? "C(22,5,2)" : "C(22,4,2)";
        return {withNewPoints(steinerTwentyTwoCached(), byFour, byFive, added), how};
    }
    case 50:
    case 132: {
        // S(3,6,22) without its last points still meets every triple of the others; the
        // search then drops the grids it can spare.
        CoverSearch search(r, static_cast<std::uint64_t>(method));
        search.load(restricted(steinerTwentyTwoCached(), r.v).blocks);
        const Design d =
            lowered(search, catalogueCount, coveringStepsPerLevel, coveringTotalSteps, method);
        const int dropped = 22 - r.v;
        return {d, "S(3,6,22) without " + std::to_string(dropped) +
                       (dropped == 1 ? " point" : " points") + ", lowered by tabu search"};
    }
    default:
        break;
    }
    for (const JoinPlan &join : joinPlans) {
        if (join.method != method)
            continue;
        const Design first = part({join.firstPoints, 6, r.g, join.firstCondition});
        const Design second = part({r.v - join.firstPoints, 6, r.g, r.c + 1 - join.firstCondition});
        if (first.blocks.empty() || second.blocks.empty())
            return {};
        return {::join(first, second),
                guarantee(r.g, join.firstCondition, join.firstPoints) + " beside " +
                    guarantee(r.g, r.c + 1 - join.firstCondition, r.v - join.firstPoints)};
    }
    for (const CrossPlan &cross : crossPlans) {
        if (cross.method != method)
            continue;
        const int a = cross.firstPoints;
        const int b = r.v - a;
        const Design first = part({a, 6, 4, 4});
        const Design second = part({b, 6, 4, 4});
        const Design firstTriples = triplesMeetingTwo(a);
        const Design secondTriples = triplesMeetingTwo(b);
        if (first.blocks.empty() || second.blocks.empty() || firstTriples.blocks.empty() ||
            secondTriples.blocks.empty())
            return {};
        Design d = ::join(first, second);
        const Design across = crossed(firstTriples, secondTriples);
        d.blocks.insert(d.blocks.end(), across.blocks.begin(), across.blocks.end());
        return {d, guarantee(4, 4, a) + " beside " + guarantee(4, 4, b) + ", with " +
                       std::to_string(firstTriples.blocks.size()) + " x " +
                       std::to_string(secondTriples.blocks.size()) +
                       " grids joining triples of 2 if 3 on each part"};
    }
    for (const ExtendPlan &extend : extendPlans) {
        if (extend.method != method)
            continue;
        const Design smaller = build(extend.from).design;
        if (smaller.blocks.empty())
            return {};
        CoverSearch search(r, extend.seed);
        std::vector<Block> blocks = smaller.blocks;
        const std::vector<Block> added =
            search.randomBlocks(static_cast<std::size_t>(extend.extra));
        blocks.insert(blocks.end(), added.begin(), added.end());
        search.load(blocks);
        // What the new point leaves open can take the search several levels' steps to cover.
        search.search(stageStepsPerLevel * extendFirstLevels);
        return {lowered(search, static_cast<std::size_t>(extend.goal), stageStepsPerLevel,
                        stageStepsPerLevel * 100, method),
                guarantee(r.g, r.c, smaller.v) + " (" + std::to_string(smaller.blocks.size()) +
                    " grids) and " + std::to_string(extend.extra) +
                    " random grids, lowered by tabu search"};
    }
    for (const ShrinkPlan &shrink : shrinkPlans) {
        if (shrink.method != method)
            continue;
        const Design larger = build(shrink.from).design;
        if (larger.blocks.empty())
            return {};
        CoverSearch search(r, shrink.seed);
        search.weighQuickly(true);
        search.load(restricted(larger, r.v).blocks);
        return {lowered(search, static_cast<std::size_t>(shrink.goal), stageStepsPerLevel,
                        stageStepsPerLevel * 20, method),
                guarantee(r.g, r.c, larger.v) + " (" + std::to_string(larger.blocks.size()) +
                    " grids) without its last point, lowered by tabu search"};
    }
    for (const AnnealPlan &plan : annealPlans) {
        if (plan.method != method)
            continue;
        CoverSearch search(r, plan.seed);
        search.load(search.randomBlocks(static_cast<std::size_t>(plan.count)));
        const bool covered = search.anneal(plan.schedule, plan.steps);
        m_log << "  " << guarantee(r.g, r.c, r.v) << ": " << search.uncovered()
              << " draws left after " << search.stepsMade() << " steps of annealing\n";
        if (!covered)
            return {};
        const Design d{r.v, r.k, search.blocks()};
        remember(r, d);
        return {d, "simulated annealing"};
    }
    for (const OrbitAnnealPlan &plan : orbitAnnealPlans) {
        if (plan.method != method)
            continue;
        OrbitAnnealing annealing(r, plan.group, plan.seed);
        const Design d =
            annealing.anneal(static_cast<std::size_t>(plan.orbits), plan.schedule, plan.steps);
        m_log << "  " << annealing.subsetOrbits() << " orbits of draws, "
              << annealing.uncoveredOrbits() << " left unmet\n";
        return {d, "simulated annealing over orbits of " + describe(plan.group)};
    }
    for (const OrbitCountPlan &plan : orbitCountPlans) {
        if (plan.method != method)
            continue;
        const OrbitCover cover(r, plan.group);
        m_log << "  " << cover.blockOrbits() << " orbits of grids, " << cover.subsetOrbits()
              << " of draws\n";
        return {cover.solveAtCount(plan.size, static_cast<std::size_t>(plan.orbits), plan.steps,
                                   plan.seed),
                "row-weighting search over " + std::to_string(plan.orbits) + " orbits of " +
                    describe(plan.group)};
    }
    for (const OrbitTabuPlan &plan : orbitTabuPlans) {
        if (plan.method != method)
            continue;
        OrbitTabu tabu(r, plan.group, plan.seed);
        Design d = tabu.search({plan.first, plan.second}, plan.steps, plan.tenure);
        m_log << "  " << tabu.uncoveredOrbits() << " orbits of draws left unmet at best\n";
        const std::string how = "tabu search over orbits of " + describe(plan.group);
        if (plan.extra == 0)
            return {tabu.uncoveredOrbits() == 0 ? d : Design{}, how};
        CoverSearch search(r, plan.seed);
        search.requireOnly(unmetSubsets(d, r));
        search.load(search.randomBlocks(static_cast<std::size_t>(plan.extra)));
        const bool covered = search.search(directSteps);
        m_log << "  " << search.uncovered() << " of the draws they leave open unmet by "
              << plan.extra << " grids after " << search.stepsMade() << " steps\n";
        if (!covered)
            return {};
        d.blocks.insert(d.blocks.end(), search.blocks().begin(), search.blocks().end());
        return {d, how + ", with " + std::to_string(plan.extra) +
                       " grids placed by tabu search for the draws it leaves open"};
    }
    for (const TuranPlan &turan : turanPlans) {
        if (turan.method != method)
            continue;
        // Not a covering of every triple, so it is not remembered as one.
        CoverSearch triples({r.v, 6, 3, 3}, turan.seed);
        triples.requireOnly(turanTriples(r.v));
        triples.load(triples.randomBlocks(static_cast<std::size_t>(turan.start)));
        if (!triples.search(stageStepsPerLevel))
            return {};
        triples.reduce(0, stageStepsPerLevel, stageStepsPerLevel * 100);
        const std::size_t covered = triples.blocks().size();
        m_log << "  Turán's triples covered by " << covered << " blocks\n";
        CoverSearch search(r, turan.seed);
        search.load(triples.blocks());
        return {lowered(search, static_cast<std::size_t>(turan.goal), stageStepsPerLevel,
                        stageStepsPerLevel * 100, method),
                "Turán's triples in " + std::to_string(covered) + " grids, lowered by tabu search"};
    }
    for (const OrbitPlan &orbits : orbitPlans) {
        if (orbits.method != method)
            continue;
        OrbitCover cover(r, orbits.group);
        m_log << "  " << cover.blockOrbits() << " orbits of grids, " << cover.subsetOrbits()
              << " of draws\n";
        const Design d =
            cover.solve(static_cast<std::size_t>(orbits.goal), orbits.steps, orbits.seed);
        const std::string how = "orbits of " + describe(orbits.group);
        if (orbits.count == 0 || d.blocks.empty())
            return {d, how};
        const auto count = static_cast<std::size_t>(orbits.count);
        const std::size_t kept = std::min(count, d.blocks.size());
        const std::size_t dropped = d.blocks.size() - kept;
        CoverSearch search(r, orbits.seed);
        search.load({d.blocks.begin(), d.blocks.begin() + static_cast<std::ptrdiff_t>(kept)});
        const std::size_t lowest =
            orbits.lowest > 0 ? static_cast<std::size_t>(orbits.lowest) : count;
        return {lowered(search, lowest, directSteps, directSteps, method),
                how + ", less " + std::to_string(dropped) + (dropped == 1 ? " grid" : " grids") +
                    ", repaired" + (lowest < count ? " and lowered" : "") + " by tabu search"};
    }
    const SearchPlan plan = planFor(method);
    const std::size_t goal =
        plan.goal > 0 ? static_cast<std::size_t>(plan.goal) : lowerBound(r.v, r.g, r.c);
    const std::size_t start =
        plan.startPercent > 0
            ? (catalogueCount * static_cast<std::size_t>(plan.startPercent) + 99) / 100
            : goal;
    const Design d = searched(r, start, goal, plan.stepsPerLevel, plan.totalSteps, plan.seed,
                              method, plan.movesWeighed);
    return {d, "tabu search"};
}
