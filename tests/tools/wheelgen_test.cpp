#include "constructions.h"
#include "coversearch.h"
#include "orbitanneal.h"
#include "orbitcover.h"
#include "orbittabu.h"
#include "subsets.h"

#include "engine/guaranteechecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace {

GuaranteeResult check(const Design &design, int g, int c)
{
    const std::vector<Grid> grids = toGrids(design);
    return checkGuarantee(design.v, g, c, grids);
}

bool allBlocksHaveSixPoints(const Design &design)
{
    return std::all_of(design.blocks.begin(), design.blocks.end(),
                       [](Block b) { return std::popcount(b) == 6; });
}

}  // namespace

TEST(PointGroup, TurnsEachCopyAndLeavesFixedPointsInPlace)
{
    const PointGroup group{5, 2, 1, 2};
    const auto generators = group.generators();
    ASSERT_EQ(generators.size(), 2u);
    EXPECT_EQ(generators[0], (std::vector<int>{1, 2, 3, 4, 0, 6, 7, 8, 9, 5, 10}));
    EXPECT_EQ(generators[1], (std::vector<int>{0, 2, 4, 1, 3, 5, 7, 9, 6, 8, 10}));
}

TEST(PointGroup, TurnsTheCycleAfterTheFixedPointsWithTheCopies)
{
    const PointGroup group{4, 1, 1, 1, 3};
    EXPECT_EQ(group.points(), 8);
    EXPECT_EQ(group.generators(), (std::vector<std::vector<int>>{{1, 2, 3, 0, 4, 6, 7, 5}}));
}

TEST(PointGroup, QuaternionCopiesActOnThemselvesAndLeaveTheFixedPoint)
{
    // Q8 x Z3 on 8 copies of Z3, then one fixed point; copies 1, i, j, k, -1, -i, -j, -k.
    const PointGroup group{3, 8, 1, 1, 0, true};
    EXPECT_EQ(group.points(), 25);
    const auto generators = group.generators();
    ASSERT_EQ(generators.size(), 3u);
    EXPECT_EQ(generators[1][2 * 3 + 1], 3 * 3 + 1);  // i * j = k, x kept
    EXPECT_EQ(generators[2][1 * 3 + 2], 7 * 3 + 2);  // j * i = -k
    EXPECT_EQ(generators[1][1 * 3], 4 * 3);          // i * i = -1
    const auto elements = elementsOf(generators, 25);
    ASSERT_EQ(elements.size(), 24u);
    // Acting on itself, no element but the identity leaves any of the 24 points in place.
    for (std::size_t e = 1; e < elements.size(); ++e) {
        EXPECT_EQ(elements[e][24], 24);
        for (std::size_t p = 0; p < 24; ++p)
            EXPECT_NE(elements[e][p], static_cast<int>(p));
    }
}

TEST(PointGroup, ElementsAreEveryProductOfTheGeneratorsOnce)
{
    // x -> x+1 and x -> 2x on Z5 make the 20 maps x -> ax+b, a != 0, on both copies at once.
    const auto elements = elementsOf(PointGroup{5, 2, 1, 2}.generators(), 11);
    ASSERT_EQ(elements.size(), 20u);
    EXPECT_EQ(elements.front(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    std::vector<std::vector<int>> sorted = elements;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

TEST(PointGroup, OrbitHoldsEachImageOnce)
{
    // Under Z6, {0, 2, 4} has two images; {0, 1} has six.
    const auto generators = PointGroup{6, 1, 0, 1}.generators();
    EXPECT_EQ(orbitOf(0b010101, generators), (std::vector<Block>{0b010101, 0b101010}));
    EXPECT_EQ(orbitOf(0b000011, generators).size(), 6u);
}

TEST(OrbitAnnealing, FindsTheSteinerSystemOnTwelvePointsAsTwelveOrbitsOfZ11)
{
    // S(5,6,12) is invariant under x -> x+1 on Z11 with the twelfth point fixed.
    OrbitAnnealing annealing({12, 6, 5, 5}, PointGroup{11, 1, 1, 1}, 1);
    const Design design = annealing.anneal(12, {0.5, 0.999, 1000}, 2000000);
    EXPECT_EQ(design.blocks.size(), 132u);
    EXPECT_TRUE(allBlocksHaveSixPoints(design));
    EXPECT_TRUE(check(design, 5, 5).holds());
    EXPECT_EQ(annealing.uncoveredOrbits(), 0u);
}

TEST(OrbitAnnealing, LotteryDesignHoldsItsGuarantee)
{
    OrbitAnnealing annealing({15, 6, 4, 6}, PointGroup{15, 1, 0, 1}, 1);
    const Design design = annealing.anneal(2, {0.5, 0.99, 100}, 100000);
    EXPECT_EQ(design.blocks.size(), 30u);
    EXPECT_TRUE(check(design, 4, 6).holds());
}

TEST(OrbitAnnealing, GivesUpWithTooFewOrbits)
{
    // Eleven orbits make 121 blocks, fewer than the 132 that every covering of the 5-subsets
    // of 12 points needs.
    OrbitAnnealing annealing({12, 6, 5, 5}, PointGroup{11, 1, 1, 1}, 1);
    EXPECT_TRUE(annealing.anneal(11, {0.5, 0.99, 100}, 20000).blocks.empty());
    EXPECT_GT(annealing.uncoveredOrbits(), 0u);
}

TEST(OrbitAnnealing, RefusesAGroupOnAnotherNumberOfPoints)
{
    EXPECT_THROW(OrbitAnnealing({14, 6, 3, 3}, PointGroup{13, 1, 0, 1}, 1), std::invalid_argument);
}

TEST(OrbitTabu, FindsTheSteinerSystemOnTwelvePointsAsTwelveOrbitsOfZ11)
{
    OrbitTabu tabu({12, 6, 5, 5}, PointGroup{11, 1, 1, 1}, 1);
    const Design design = tabu.search({{11, 12}}, 5000, 10);
    EXPECT_EQ(design.blocks.size(), 132u);
    EXPECT_TRUE(allBlocksHaveSixPoints(design));
    EXPECT_TRUE(check(design, 5, 5).holds());
    EXPECT_EQ(tabu.uncoveredOrbits(), 0u);
}

TEST(OrbitTabu, HoldsOrbitsOfTwoSizesUnderAGroupWithTwoCycles)
{
    // x -> x+1 turns a cycle of 10 and one of 5: orbits of 10 and of 5 grids.
    OrbitTabu tabu({15, 6, 4, 6}, PointGroup{10, 1, 0, 1, 5}, 1);
    const Design design = tabu.search({{10, 2}, {5, 2}}, 5000, 5);
    EXPECT_EQ(design.blocks.size(), 30u);
    EXPECT_TRUE(check(design, 4, 6).holds());
}

TEST(OrbitTabu, HandsBackItsBestStateWhenTooFewOrbitsMeetEverything)
{
    OrbitTabu tabu({12, 6, 5, 5}, PointGroup{11, 1, 1, 1}, 1);
    const Design design = tabu.search({{11, 11}}, 2000, 10);
    EXPECT_EQ(design.blocks.size(), 121u);
    ASSERT_GT(tabu.uncoveredOrbits(), 0u);
    // Every orbit of 5-subsets under Z11 has 11 of them.
    EXPECT_EQ(check(design, 5, 5).failing, 11 * tabu.uncoveredOrbits());
}

TEST(OrbitTabu, GivesUpWhenTheGroupHasTooFewOrbitsOfASize)
{
    // No 6-set of 12 points is its own image under x -> x+1 on Z11.
    OrbitTabu tabu({12, 6, 5, 5}, PointGroup{11, 1, 1, 1}, 1);
    EXPECT_TRUE(tabu.search({{1, 1}}, 10, 10).blocks.empty());
    EXPECT_GT(tabu.uncoveredOrbits(), 0u);
}

TEST(OrbitTabu, RefusesAGroupOnAnotherNumberOfPoints)
{
    EXPECT_THROW(OrbitTabu({14, 6, 3, 3}, PointGroup{13, 1, 0, 1}, 1), std::invalid_argument);
}

TEST(OrbitCover, FindsTheSteinerSystemOnTwentyTwoPointsAmongOrbitsOfOrderFiftyFive)
{
    // S(3,6,22) is invariant under x -> x+1, x -> 3x on two copies of Z11.
    OrbitCover cover({22, 6, 3, 3}, PointGroup{11, 2, 0, 3});
    const Design design = cover.solve(77, 100000, 1);
    EXPECT_EQ(design.blocks.size(), 77u);
    EXPECT_TRUE(allBlocksHaveSixPoints(design));
    EXPECT_TRUE(check(design, 3, 3).holds());
}

TEST(OrbitCover, CountsOrbitsOfTheCyclicGroup)
{
    // 13 is prime, so Z13 moves every subset: C(13,6)/13 and C(13,4)/13 orbits.
    const OrbitCover cover({13, 6, 3, 4}, PointGroup{13, 1, 0, 1});
    EXPECT_EQ(cover.blockOrbits(), 132u);
    EXPECT_EQ(cover.subsetOrbits(), 55u);
}

TEST(OrbitCover, LotteryDesignHoldsItsGuarantee)
{
    OrbitCover cover({18, 6, 3, 5}, PointGroup{6, 3, 0, 1});
    const Design design = cover.solve(12, 30000, 1);
    EXPECT_LE(design.blocks.size(), 12u);
    EXPECT_TRUE(check(design, 3, 5).holds());
}

TEST(OrbitCover, FindsTheSteinerSystemOnTwelvePointsAsTwelveOrbitsOfZ11AtThatCount)
{
    // S(5,6,12) is invariant under x -> x+1 on GF(11) with infinity fixed: 12 orbits of 11.
    const OrbitCover cover({12, 6, 5, 5}, PointGroup{11, 1, 1, 1});
    const Design design = cover.solveAtCount(11, 12, 100000, 1);
    EXPECT_EQ(design.blocks.size(), 132u);
    EXPECT_TRUE(allBlocksHaveSixPoints(design));
    EXPECT_TRUE(check(design, 5, 5).holds());
}

TEST(OrbitCover, SearchAtACountGivesUpWithTooFewOrbits)
{
    // 121 blocks cannot cover the 792 5-subsets of 12 points, 6 to a block.
    const OrbitCover cover({12, 6, 5, 5}, PointGroup{11, 1, 1, 1});
    EXPECT_TRUE(cover.solveAtCount(11, 11, 20000, 1).blocks.empty());
}

TEST(OrbitCover, SearchAtACountHoldsOnlyOrbitsOfTheAskedSize)
{
    // Z16 with a fixed point has orbits of 16 and of 8 grids; 5 if 5 among 17 in 75 orbits of 16.
    const OrbitCover cover({17, 6, 5, 5}, PointGroup{16, 1, 1, 1});
    const Design design = cover.solveAtCount(16, 75, 1000000, 3);
    EXPECT_EQ(design.blocks.size(), 1200u);
    EXPECT_TRUE(check(design, 5, 5).holds());
}

TEST(OrbitCover, RefusesAGroupOnAnotherNumberOfPoints)
{
    EXPECT_THROW(OrbitCover({14, 6, 3, 3}, PointGroup{13, 1, 0, 1}), std::invalid_argument);
}

TEST(Restricted, SteinerSystemWithoutTwoPointsStillMeetsEveryTriple)
{
    const Design design = restricted(steinerTwentyTwo(), 20);
    EXPECT_EQ(design.v, 20);
    EXPECT_EQ(design.blocks.size(), 77u);
    EXPECT_TRUE(allBlocksHaveSixPoints(design));
    EXPECT_TRUE(check(design, 3, 3).holds());
}

TEST(Restricted, LotteryDesignWithoutItsLastPointKeepsItsGuarantee)
{
    // "3 if 4 among 13" found by the search; the blocks through point 12 take the smallest
    // point they lack instead.
    CoverSearch search({13, 6, 3, 4}, 1);
    search.weighQuickly(true);
    search.load(search.randomBlocks(9));
    ASSERT_TRUE(search.search(100000));
    const Design design = restricted({13, 6, search.blocks()}, 12);
    EXPECT_EQ(design.v, 12);
    EXPECT_EQ(design.blocks.size(), 9u);
    EXPECT_TRUE(allBlocksHaveSixPoints(design));
    EXPECT_TRUE(std::all_of(design.blocks.begin(), design.blocks.end(),
                            [](Block b) { return b < (Block{1} << 12); }));
    EXPECT_TRUE(check(design, 3, 4).holds());
}

TEST(WithNewPoints, TwoNewPointsOnAPairCoveringGiveATripleCovering)
{
    // The 4-point blocks {0,1,2,3}, {0,1,4,5}, ... of a pair covering of 6 points.
    const Design pairs{6, 4, {0b001111, 0b110011, 0b111100}};
    const Design all{6, 6, {0b111111}};
    // Two new points form one pair, so no block of 5 is needed.
    const Design design = withNewPoints(all, pairs, Design{}, 2);
    EXPECT_EQ(design.v, 8);
    EXPECT_EQ(design.blocks.size(), 4u);
    EXPECT_TRUE(check(design, 3, 3).holds());
}

TEST(WithNewPoints, MissingPairLeavesATripleWithANewPointUncovered)
{
    const Design pairs{6, 4, {0b001111, 0b110011}};
    const Design all{6, 6, {0b111111}};
    const GuaranteeResult result = check(withNewPoints(all, pairs, Design{}, 2), 3, 3);
    EXPECT_FALSE(result.holds());
    // Points 2 and 4 share no 4-point block: the draw 3, 5, 7 meets no grid in 3 positions.
    EXPECT_EQ(result.firstFailing, (std::array<std::uint8_t, 6>{3, 5, 7, 0, 0, 0}));
}

namespace {

// A covering of the pairs of 22 points by `count` blocks of k points.
Design pairsOfTwentyTwo(int k, std::size_t count)
{
    CoverSearch search({22, k, 2, 2}, 7);
    search.load(search.randomBlocks(count));
    EXPECT_TRUE(search.search(100000));
    return {22, k, search.blocks()};
}

}  // namespace

TEST(WithNewPoints, SteinerSystemWithThreeToSixNewPointsMeetsEveryTriple)
{
    const Design s22 = steinerTwentyTwo();
    const Design byFour = pairsOfTwentyTwo(4, 45);
    const Design byFive = pairsOfTwentyTwo(5, 30);
    // 77 + pairs of new points on 45 blocks + a lone point on 30 + blocks across the groups.
    const std::size_t expected[] = {
        0, 0, 0, 77 + 45 + 30 + 8, 77 + 90 + 11, 77 + 90 + 30 + 22, 77 + 135 + 33 + 1};
    for (int added = 3; added <= 6; ++added) {
        const Design design = withNewPoints(s22, byFour, byFive, added);
        EXPECT_EQ(design.v, 22 + added);
        EXPECT_EQ(design.blocks.size(), expected[added]) << added;
        EXPECT_TRUE(allBlocksHaveSixPoints(design)) << added;
        EXPECT_TRUE(check(design, 3, 3).holds()) << added;
    }
}

TEST(WithNewPoints, PairCoveringWithABlockMissingLeavesTriplesUncovered)
{
    Design byFour = pairsOfTwentyTwo(4, 45);
    byFour.blocks.pop_back();
    const Design design = withNewPoints(steinerTwentyTwo(), byFour, pairsOfTwentyTwo(5, 30), 4);
    EXPECT_FALSE(check(design, 3, 3).holds());
}

TEST(UnmetSubsets, SteinerSystemLessABlockLeavesTheSubsetsOfThatBlock)
{
    Design design = steinerTwelve();
    const Block removed = design.blocks.back();
    design.blocks.pop_back();
    const std::vector<bool> unmet = unmetSubsets(design, {12, 6, 5, 5});
    const SubsetRanks ranks;
    std::vector<Block> marked;
    for (std::uint32_t rank = 0; rank < unmet.size(); ++rank)
        if (unmet[rank])
            marked.push_back(ranks.unrank(rank, 5));
    ASSERT_EQ(marked.size(), 6u);
    for (const Block subset : marked)
        EXPECT_EQ(subset & removed, subset);
}

TEST(TuranTriples, EveryFourPointsHoldAMarkedTriple)
{
    for (const int v : {9, 10, 11}) {
        const std::vector<bool> marked = turanTriples(v);
        const SubsetRanks ranks;
        forCombinations(allPoints(v), 0, 4, [&](Block four) {
            bool holds = false;
            forCombinations(four, 0, 3, [&](Block triple) { holds |= marked[ranks.rank(triple)]; });
            EXPECT_TRUE(holds) << "v = " << v << ", points " << four;
        });
    }
}

TEST(TuranTriples, MarksTheTriplesOfARunAndTwoInARunWithOneInTheNext)
{
    // Runs {0,1,2}, {3,4,5}, {6,7,8}: 3 triples inside runs and 3 * 3 * 3 across.
    const std::vector<bool> marked = turanTriples(9);
    EXPECT_EQ(std::count(marked.begin(), marked.end(), true), 30);
    const SubsetRanks ranks;
    EXPECT_TRUE(marked[ranks.rank(0b000'000'111)]);
    EXPECT_TRUE(marked[ranks.rank(0b000'001'011)]);   // 0, 1 and 3
    EXPECT_FALSE(marked[ranks.rank(0b000'011'001)]);  // 0 with 3 and 4
    EXPECT_FALSE(marked[ranks.rank(0b001'000'011)]);  // 0, 1 and 6: the run before, not after
    EXPECT_FALSE(marked[ranks.rank(0b001'001'001)]);  // one in each run
}

TEST(CoverSearch, CoversOnlyTheRequiredSubsets)
{
    // Only the triples of points 0..5 must be met: one block, exactly those points, does it.
    const Requirement r{10, 6, 3, 3};
    const SubsetRanks ranks;
    std::vector<bool> required(binomial(10, 3));
    forCombinations(0b111111, 0, 3, [&](Block t) { required[ranks.rank(t)] = true; });
    CoverSearch search(r, 1);
    search.requireOnly(required);
    search.load(search.randomBlocks(1));
    ASSERT_TRUE(search.search(10000));
    EXPECT_EQ(search.blocks(), std::vector<Block>{0b111111});
}

TEST(CoverSearch, LotteryCoversOnlyTheRequiredDraws)
{
    // Only the 4-subsets of points 0..5 must meet a block in 3: one block holding five of
    // those points does it, and the draws elsewhere do not count as uncovered.
    const Requirement r{10, 6, 3, 4};
    const SubsetRanks ranks;
    std::vector<bool> required(binomial(10, 4));
    forCombinations(0b111111, 0, 4, [&](Block d) { required[ranks.rank(d)] = true; });
    CoverSearch search(r, 1);
    search.requireOnly(required);
    search.load({0b1111110000});
    EXPECT_EQ(search.uncovered(), 15u);
    ASSERT_TRUE(search.search(10000));
    EXPECT_GE(std::popcount(search.blocks()[0] & 0b111111), 5);
}

TEST(CoverSearch, QuickWeighingCountsWhatMakingTheMoveFlips)
{
    // Every move of a few random blocks, for "3 if 4", "5 if 6" and "3 if 4" with only some
    // draws required: the quick count must equal the change that making the move measures.
    struct Case {
        Requirement r;
        bool everyOtherDraw;
    };
    for (const Case &test :
         {Case{{10, 6, 3, 4}, false}, Case{{9, 6, 5, 6}, false}, Case{{11, 6, 3, 4}, true}}) {
        const Requirement &r = test.r;
        CoverSearch made(r, 1);
        CoverSearch quick(r, 1);
        quick.weighQuickly(true);
        if (test.everyOtherDraw) {
            std::vector<bool> required(binomial(r.v, r.c));
            for (std::size_t d = 0; d < required.size(); d += 2)
                required[d] = true;
            made.requireOnly(required);
            quick.requireOnly(required);
        }
        const std::vector<Block> blocks = made.randomBlocks(4);
        made.load(blocks);
        quick.load(blocks);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            for (const int out : pointsOf(blocks[i])) {
                for (const int in : pointsOf(allPoints(r.v) & ~blocks[i]))
                    ASSERT_EQ(quick.moveDelta(i, out, in), made.moveDelta(i, out, in))
                        << r.g << " if " << r.c << " among " << r.v << ", block " << i;
            }
        }
        EXPECT_EQ(quick.uncovered(), made.uncovered());
    }
}

TEST(CoverSearch, QuickWeighingSearchFindsALotteryDesign)
{
    // "3 if 4 among 12" in 6 blocks, from random blocks.
    CoverSearch search({12, 6, 3, 4}, 1);
    search.weighQuickly(true);
    search.load(search.randomBlocks(6));
    ASSERT_TRUE(search.search(100000));
    EXPECT_TRUE(check({12, 6, search.blocks()}, 3, 4).holds());
}

TEST(Crossed, JoinsEveryBlockOfOnePartWithEveryBlockOfTheOther)
{
    const Design first{3, 2, {0b011, 0b110}};
    const Design second{4, 1, {0b0001, 0b1000, 0b0100}};
    const Design d = crossed(first, second);
    EXPECT_EQ(d.v, 7);
    EXPECT_EQ(d.k, 3);
    EXPECT_EQ(d.blocks, (std::vector<Block>{0b0001'011, 0b1000'011, 0b0100'011, 0b0001'110,
                                            0b1000'110, 0b0100'110}));
}

namespace {

// The seven 6-subsets of 7 points: together they meet any four of them.
Design sixesOfSeven()
{
    return {7, 6, {0b0111111, 0b1011111, 0b1101111, 0b1110111, 0b1111011, 0b1111101, 0b1111110}};
}

// 4 if 6 among 14 from two parts of 7: the seven 6-subsets of each part meet any four of its
// points, and the Fano plane's lines share two points with any three points of a part.
Design fourIfSixOnTwoSevens()
{
    const Design fano{
        7, 3, {0b0001011, 0b0010110, 0b0101100, 0b1011000, 0b0110001, 0b1100010, 0b1000101}};
    Design d = join(sixesOfSeven(), sixesOfSeven());
    const Design across = crossed(fano, fano);
    d.blocks.insert(d.blocks.end(), across.blocks.begin(), across.blocks.end());
    return d;
}

}  // namespace

TEST(Crossed, TwoPartsAndTheirTriplesMeetEverySixInFour)
{
    const Design d = fourIfSixOnTwoSevens();
    ASSERT_EQ(d.blocks.size(), 7u + 7u + 49u);
    EXPECT_TRUE(allBlocksHaveSixPoints(d));
    EXPECT_TRUE(check(d, 4, 6).holds());
}

TEST(Crossed, WithoutTheCrossedBlocksEveryDrawOfThreeAndThreeFails)
{
    Design d = fourIfSixOnTwoSevens();
    d.blocks.resize(14);
    const GuaranteeResult result = check(d, 4, 6);
    EXPECT_EQ(result.failing, 35u * 35u);
    EXPECT_EQ(result.firstFailing, (std::array<std::uint8_t, 6>{1, 2, 3, 8, 9, 10}));
}

TEST(CoverSearch, TradeOfTwoBlocksForOneKeepsACoverWithOneBlockFewer)
{
    // Five of the seven 6-subsets of 7 points suffice.
    CoverSearch search({7, 6, 4, 4}, 1);
    search.load(sixesOfSeven().blocks);
    ASSERT_TRUE(search.tradeTwoForOne(10000));
    EXPECT_EQ(search.blocks().size(), 6u);
    EXPECT_TRUE(check({7, 6, search.blocks()}, 4, 4).holds());
}

TEST(CoverSearch, FailedTradeRestoresTheDesign)
{
    // S(3,6,22) meets every triple exactly once: 76 blocks cannot meet them all.
    const Design steiner = steinerTwentyTwo();
    CoverSearch search({22, 6, 3, 3}, 1);
    search.load(steiner.blocks);
    EXPECT_FALSE(search.tradeTwoForOne(1000));
    EXPECT_EQ(search.blocks(), steiner.blocks);
    EXPECT_EQ(search.uncovered(), 0u);
}

TEST(CoverSearch, AnnealingFindsACoveringAtAFixedCount)
{
    // Every 5-subset of 9 points in 30 blocks (the lower bound is 27).
    CoverSearch search({9, 6, 5, 5}, 1);
    search.load(search.randomBlocks(30));
    ASSERT_TRUE(search.anneal({0.6, 0.99, 500}, 1000000));
    EXPECT_EQ(search.blocks().size(), 30u);
    EXPECT_TRUE(allBlocksHaveSixPoints({9, 6, search.blocks()}));
    EXPECT_TRUE(check({9, 6, search.blocks()}, 5, 5).holds());
}

TEST(CoverSearch, AnnealingFindsALotteryDesignWhetherMovesAreWeighedFromTheListsOrQuickly)
{
    for (const bool quickly : {false, true}) {
        CoverSearch search({13, 6, 3, 4}, 1);
        search.weighQuickly(quickly);
        search.load(search.randomBlocks(9));
        ASSERT_TRUE(search.anneal({1.0, 0.999, 500}, 1000000)) << quickly;
        EXPECT_EQ(search.uncovered(), 0u);
        EXPECT_TRUE(check({13, 6, search.blocks()}, 3, 4).holds()) << quickly;
    }
}

TEST(CoverSearch, AnnealingStopsAfterItsStepsWhenTooFewBlocks)
{
    // Five blocks cannot give 4 if 6 among 14; the counters must still match the blocks kept.
    CoverSearch search({14, 6, 4, 6}, 1);
    search.load(search.randomBlocks(5));
    EXPECT_FALSE(search.anneal({1.0, 0.99, 100}, 1000));
    EXPECT_EQ(search.stepsMade(), 1000u);
    EXPECT_EQ(search.blocks().size(), 5u);
    const std::size_t left = search.uncovered();
    EXPECT_GT(left, 0u);
    EXPECT_EQ(check({14, 6, search.blocks()}, 4, 6).failing, left);
}
