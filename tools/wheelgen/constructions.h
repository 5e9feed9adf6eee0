#pragma once

#include "design.h"

#include <vector>

// S(5,6,12), 132 blocks: the orbit of {inf,1,3,4,5,9} under PSL(2,11) acting on GF(11) and
// infinity (x -> x+1, x -> 3x, x -> -1/x). Point p of GF(11) is point p, infinity is point 11.
Design steinerTwelve();

// S(5,6,24), 7084 blocks: the PSL(2,23)-orbits of {0,1,2,3,4,10}, {0,1,2,3,7,18} and
// {0,1,2,4,7,8} (x -> x+1, x -> 2x, x -> -1/x); infinity is point 23.
Design steinerTwentyFour();

// S(3,6,22), 77 blocks: the octads of the extended binary Golay code that hold two fixed
// coordinates, with those two removed.
Design steinerTwentyTwo();

// The blocks through the design's last point, with that point removed: a design on v-1 points
// with blocks one point smaller (a derived design).
Design derived(const Design &design);

// The design on its first `v` points: each block loses the other points and is filled up again
// with the smallest points it lacks, so every t-subset of those v points stays covered.
Design restricted(const Design &design, int v);

// Adds a new point v to every block of `small` (v points, blocks of k-1) and keeps every block
// of `large` (v points, blocks of k): C(v+1,k,t) <= C(v,k,t) + C(v,k-1,t-1).
Design extendByPoint(const Design &large, const Design &small);

// A covering of triples on v + added points (1 <= added <= 6) from `triples`, a covering of the
// triples of its v points by blocks of 6: the new points go in pairs, the last one alone when
// `added` is odd. Each pair joins every block of `pairsByFour` (pairs of the v points, blocks
// of 4) and a lone point every block of `pairsByFive` (blocks of 5), which covers every triple
// with one new point, or two of one pair. Triples with new points of two groups are met by the
// new points together with the old points in runs, or, with six new points, by every two pairs
// with the old points two by two and one block of the six.
Design withNewPoints(const Design &triples, const Design &pairsByFour, const Design &pairsByFive,
                     int added);

// Places `second` on the points after those of `first`: a draw of c numbers over both parts puts
// at least c1 in the first or c2 in the second when c1 + c2 = c + 1.
Design join(const Design &first, const Design &second);

// Every union of a block of `first` and a block of `second`, with `second` placed on the points
// after those of `first` as `join` places it: |first| x |second| blocks of k1 + k2 points.
Design crossed(const Design &first, const Design &second);

// Turán's triples on v points cut into three runs of near-equal size: the triples inside a run
// and those with two points in a run and one in the next (the third run followed by the first).
// Every 4-subset holds one of them, so blocks holding all of them meet any four points in three.
// Marked by colex rank among the triples of the v points.
std::vector<bool> turanTriples(int v);

// The c-subsets that meet no block of the design in g points, marked by colex rank.
std::vector<bool> unmetSubsets(const Design &design, const Requirement &r);
