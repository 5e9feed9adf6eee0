#include "pointgroup.h"

#include <algorithm>
#include <bit>
#include <set>

Block image(Block set, const std::vector<int> &permutation)
{
    Block out = 0;
    for (; set != 0; set &= set - 1)
        out |= Block{1} << permutation[static_cast<std::size_t>(std::countr_zero(set))];
    return out;
}

Orbits orbitsOf(int v, int size, const std::vector<std::vector<int>> &generators,
                const SubsetRanks &ranks)
{
    Orbits orbits;
    orbits.label.assign(binomial(v, size), Orbits::none);
    std::vector<Block> stack;
    for (std::uint32_t rank = 0; rank < orbits.label.size(); ++rank) {
        if (orbits.label[rank] != Orbits::none)
            continue;
        const Block set = ranks.unrank(rank, size);
        const auto orbit = static_cast<std::uint32_t>(orbits.first.size());
        orbits.first.push_back(set);
        std::uint32_t count = 1;
        orbits.label[rank] = orbit;
        stack.assign(1, set);
        while (!stack.empty()) {
            const Block current = stack.back();
            stack.pop_back();
            for (const std::vector<int> &generator : generators) {
                const Block next = image(current, generator);
                std::uint32_t &label = orbits.label[ranks.rank(next)];
                if (label == Orbits::none) {
                    label = orbit;
                    ++count;
                    stack.push_back(next);
                }
            }
        }
        orbits.size.push_back(count);
    }
    return orbits;
}

namespace {

// The product a * b in Q8, its elements numbered 1, i, j, k, -1, -i, -j, -k.
int quaternionProduct(int a, int b)
{
    // Products of the units 1, i, j, k, the sign folded into the number: i * j = k, j * i = -k.
    static constexpr int units[4][4] = {{0, 1, 2, 3}, {1, 4, 3, 6}, {2, 7, 4, 1}, {3, 2, 5, 4}};
    return (units[a % 4][b % 4] + 4 * (a / 4 + b / 4)) % 8;
}

std::vector<int> identityOn(int v)
{
    std::vector<int> identity(static_cast<std::size_t>(v));
    for (int p = 0; p < v; ++p)
        identity[static_cast<std::size_t>(p)] = p;
    return identity;
}

}  // namespace

std::vector<std::vector<int>> PointGroup::generators() const
{
    std::vector<std::vector<int>> result;
    const std::vector<int> identity = identityOn(points());
    std::vector<int> turn = identity;
    std::vector<int> scale = identity;
    for (int copy = 0; copy < copies; ++copy) {
        for (int x = 0; x < n; ++x) {
            turn[static_cast<std::size_t>(copy * n + x)] = copy * n + (x + 1) % n;
            scale[static_cast<std::size_t>(copy * n + x)] = copy * n + (x * multiplier) % n;
        }
    }
    const int first = copies * n + fixed;
    for (int x = 0; x < cycle; ++x)
        turn[static_cast<std::size_t>(first + x)] = first + (x + 1) % cycle;
    result.push_back(turn);
    if (multiplier > 1)
        result.push_back(scale);
    if (quaternion) {
        for (const int unit : {1, 2}) {
            std::vector<int> left = identity;
            for (int copy = 0; copy < copies; ++copy)
                for (int x = 0; x < n; ++x)
                    left[static_cast<std::size_t>(copy * n + x)] =
                        quaternionProduct(unit, copy) * n + x;
            result.push_back(left);
        }
    }
    return result;
}

std::vector<Block> orbitOf(Block block, const std::vector<std::vector<int>> &generators)
{
    std::vector<Block> orbit{block};
    for (std::size_t i = 0; i < orbit.size(); ++i) {
        for (const std::vector<int> &generator : generators) {
            const Block next = image(orbit[i], generator);
            if (std::find(orbit.begin(), orbit.end(), next) == orbit.end())
                orbit.push_back(next);
        }
    }
    return orbit;
}

Design orbitDesign(int v, const std::vector<Block> &blocks,
                   const std::vector<std::vector<int>> &generators)
{
    Design design{v, 6, {}};
    for (const Block block : blocks) {
        const std::vector<Block> orbit = orbitOf(block, generators);
        design.blocks.insert(design.blocks.end(), orbit.begin(), orbit.end());
    }
    std::sort(design.blocks.begin(), design.blocks.end());
    design.blocks.erase(std::unique(design.blocks.begin(), design.blocks.end()),
                        design.blocks.end());
    return design;
}

std::vector<std::vector<int>> elementsOf(const std::vector<std::vector<int>> &generators, int v)
{
    const std::vector<int> identity = identityOn(v);
    std::vector<std::vector<int>> elements{identity};
    std::set<std::vector<int>> seen{identity};
    for (std::size_t i = 0; i < elements.size(); ++i) {
        for (const std::vector<int> &generator : generators) {
            std::vector<int> product(identity.size());
            for (std::size_t p = 0; p < product.size(); ++p)
                product[p] = generator[static_cast<std::size_t>(elements[i][p])];
            if (seen.insert(product).second)
                elements.push_back(std::move(product));
        }
    }
    return elements;
}
