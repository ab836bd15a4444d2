// The rock tiles chosen by the terrain settling rules meet their rock
// neighbours without visible seams, in all three environment sets.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gfx_test_util.h"

namespace {

// Sides that hold rock, as the settling mask: 1 above, 2 left, 4 right, 8 below.
struct coded {
    int code, mask;
};
std::vector<coded> settled_tiles() {
    std::vector<coded> v;
    for (int c = 1; c <= 16; ++c) v.push_back({c, 15});
    for (int c = 17; c <= 20; ++c) v.push_back({c, 14});
    v.push_back({21, 12});
    v.push_back({23, 12});
    v.push_back({22, 10});
    v.push_back({24, 10});
    v.push_back({25, 13});
    v.push_back({26, 11});
    v.push_back({27, 5});
    v.push_back({28, 3});
    v.push_back({29, 7});
    v.push_back({30, 7});
    v.push_back({31, 15});
    return v;
}

double diff(const gfxtest::px& a, const gfxtest::px& b) {
    // premultiplied, so a clear pixel matches any other clear pixel
    return (std::abs(a.r * a.a - b.r * b.a) + std::abs(a.g * a.a - b.g * b.a) + std::abs(a.b * a.a - b.b * b.a) +
            std::abs(a.a - b.a)) / 4;
}

// Mean and worst difference across the seam between two tiles, over the rows
// (or columns) [from, to]. horizontal: a is left of b; else a is above b.
void seam(const gfx::sheet& s, int a, int b, bool horizontal, int from, int to, double& mean, double& worst) {
    mean = worst = 0;
    for (int i = from; i <= to; ++i) {
        double d = horizontal ? diff(gfxtest::pixel(s, a, 31, i), gfxtest::pixel(s, b, 0, i))
                              : diff(gfxtest::pixel(s, a, i, 31), gfxtest::pixel(s, b, i, 0));
        mean += d;
        worst = std::max(worst, d);
    }
    mean /= (to - from + 1);
}

std::vector<coded> back_tiles() {
    std::vector<coded> v;
    for (int c = 80; c <= 95; ++c) v.push_back({c, 15});
    const coded edges[] = {{96, 14}, {97, 7}, {98, 13}, {99, 11}, {100, 12}, {101, 10}, {102, 5}, {103, 3},
                           {108, 15}, {109, 15}, {110, 15}, {111, 15}, {112, 14}, {113, 14}, {114, 14}, {115, 14}};
    v.insert(v.end(), std::begin(edges), std::end(edges));
    return v;
}

// Checks every pair of tiles that the masks let meet; returns the number of pairs.
int check_joins(const gfx::sheet& s, const std::vector<coded>& tiles, int set) {
    int pairs = 0;
    for (const coded& a : tiles)
        for (const coded& b : tiles) {
            double mean, worst;
            if ((a.mask & 4) && (b.mask & 2)) {  // b to the right of a
                bool same_ends = ((a.mask ^ b.mask) & 9) == 0;
                seam(s, a.code, b.code, true, same_ends ? 0 : 17, same_ends ? 31 : 21, mean, worst);
                EXPECT_LT(mean, 0.05) << "set " << set << ": " << a.code << " | " << b.code;
                EXPECT_LT(worst, 0.2) << "set " << set << ": " << a.code << " | " << b.code;
                ++pairs;
            }
            if ((a.mask & 8) && (b.mask & 1)) {  // b below a
                bool same_ends = ((a.mask ^ b.mask) & 6) == 0;
                seam(s, a.code, b.code, false, same_ends ? 0 : 17, same_ends ? 31 : 21, mean, worst);
                EXPECT_LT(mean, 0.05) << "set " << set << ": " << a.code << " over " << b.code;
                EXPECT_LT(worst, 0.2) << "set " << set << ": " << a.code << " over " << b.code;
                ++pairs;
            }
        }
    return pairs;
}

class GfxTiles : public ::testing::TestWithParam<int> {};

TEST_P(GfxTiles, SettledNeighboursJoinWithoutSeams) {
    const int set = GetParam();
    gfx::sheet s = gfx::render(*gfx_find(("gfx/land" + std::to_string(set) + ".xtc").c_str()));
    int pairs = check_joins(s, settled_tiles(), set);
    EXPECT_GT(pairs, 500);
    gfx::free_sheet(s);
}

TEST_P(GfxTiles, BackWallPiecesJoinAsDocumented) {
    const int set = GetParam();
    gfx::sheet s = gfx::render(*gfx_find(("gfx/land" + std::to_string(set) + ".xtc").c_str()));
    EXPECT_GT(check_joins(s, back_tiles(), set), 500);
    // inner corners sit where two rims meet: 104 right of a 96 and below a 98, and so on
    struct pair {
        int a, b;
        bool horizontal;
    };
    const pair rims[] = {{96, 104, true}, {98, 104, false}, {105, 96, true}, {99, 105, false},
                         {97, 106, true}, {106, 98, false}, {107, 97, true}, {107, 99, false}};
    for (const pair& p : rims) {
        double mean, worst;
        seam(s, p.a, p.b, p.horizontal, 0, 31, mean, worst);
        EXPECT_LT(mean, 0.05) << "set " << set << ": " << p.a << (p.horizontal ? " | " : " over ") << p.b;
        EXPECT_LT(worst, 0.2) << "set " << set << ": " << p.a << (p.horizontal ? " | " : " over ") << p.b;
    }
    gfx::free_sheet(s);
}

TEST_P(GfxTiles, OpenSidesAreClearAndRockIsSolid) {
    const int set = GetParam();
    gfx::sheet s = gfx::render(*gfx_find(("gfx/land" + std::to_string(set) + ".xtc").c_str()));
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) EXPECT_EQ(gfxtest::pixel(s, 0, x, y).a, 0.0) << "code 0 must draw nothing";
    for (const coded& t : settled_tiles()) {
        // the middle of every rock tile is solid rock
        EXPECT_GT(gfxtest::pixel(s, t.code, 16, 16).a, 0.99) << t.code;
        // an open side is clear at its border, a rock side is solid there
        auto border = [&](int x, int y) { return gfxtest::pixel(s, t.code, x, y).a; };
        EXPECT_EQ(border(16, 0) > 0.5, (t.mask & 1) != 0) << t.code << " top";
        EXPECT_EQ(border(0, 16) > 0.5, (t.mask & 2) != 0) << t.code << " left";
        EXPECT_EQ(border(31, 16) > 0.5, (t.mask & 4) != 0) << t.code << " right";
        EXPECT_EQ(border(16, 31) > 0.5, (t.mask & 8) != 0) << t.code << " bottom";
    }
    gfx::free_sheet(s);
}

// A tile from another environment is not a seamless neighbour: the seam check
// above would notice a wrong texture.
TEST(GfxTilesCheck, SeamMeasureSeesForeignTiles) {
    gfx::sheet a = gfx::render(*gfx_find("gfx/land0.xtc"));
    gfx::sheet b = gfx::render(*gfx_find("gfx/land2.xtc"));
    double total = 0;
    for (int y = 0; y < 32; ++y) total += diff(gfxtest::pixel(a, 1, 31, y), gfxtest::pixel(b, 2, 0, y));
    EXPECT_GT(total / 32, 0.05);
    gfx::free_sheet(a);
    gfx::free_sheet(b);
}

INSTANTIATE_TEST_SUITE_P(GfxSets, GfxTiles, ::testing::Values(0, 1, 2));

}  // namespace
