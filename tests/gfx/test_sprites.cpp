// Sprites line up with the positions the game draws them at: beetles and
// items stand on the ground line, directions mirror, glyphs stay inside their
// advance, and the preview mini tiles match the full tiles.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx_test_util.h"

namespace {

struct rendered {
    gfx::sheet s;
    explicit rendered(const char* path) : s(gfx::render(*gfx_find(path))) {}
    ~rendered() { gfx::free_sheet(s); }
};

int lowest_row(const gfx::sheet& s, int frame, double alpha = 0.5) {
    gfxtest::box b;
    return gfxtest::ink_box(s, frame, b, alpha) ? b.y1 : -1;
}

TEST(GfxBeetles, WalkersStandOnTheGroundLineAndBuildersHover) {
    rendered r("gfx/obj3.xtc");
    // the 32 by 32 body sits at (8, 5): feet on row 37 (the last row is 36 or 37)
    for (int kind : {1, 3, 4})
        for (int dir = 0; dir < 2; ++dir)
            for (int f = 0; f < 20; ++f) {
                int frame = 52 * (kind - 1) + 26 * dir + f;
                int low = lowest_row(r.s, frame);
                EXPECT_GE(low, 35) << "frame " << frame;
                EXPECT_LE(low, 37) << "frame " << frame;
            }
    for (int f = 208; f < 228; ++f) EXPECT_NEAR(lowest_row(r.s, f), 36, 1) << "carrying frame " << f;
    // builders are drawn 3 pixels higher and bob: they must not touch the ground
    for (int f = 52; f < 72; ++f) EXPECT_LE(lowest_row(r.s, f), 35) << "builder frame " << f;
}

TEST(GfxBeetles, DirectionsMirrorAndFaceTheWayTheyWalk) {
    rendered r("gfx/obj3.xtc");
    for (int frame : {0, 7, 22, 25, 60, 110, 170, 215}) {
        int left = frame - (frame % 52) % 26 + (frame % 26) - ((frame % 52) >= 26 ? 26 : 0);
        int right = left + 26;
        for (int y = 0; y < 48; y += 3)
            for (int x = 0; x < 48; ++x)
                ASSERT_NEAR(gfxtest::pixel(r.s, left, x, y).a, gfxtest::pixel(r.s, right, 47 - x, y).a, 0.02)
                    << "frames " << left << "/" << right << " at " << x << "," << y;
        if (frame % 26 < 20) {  // side view: the head and feelers reach further ahead than the tail behind
            gfxtest::box b;
            ASSERT_TRUE(gfxtest::ink_box(r.s, right, b));
            EXPECT_GT(b.x1 - 24, 24 - b.x0) << "frame " << right << " should face right";
        }
    }
}

TEST(GfxItems, CreaturesAndMushroomsRestOnTheirGroundLines) {
    rendered obj("gfx/obj.xtc"), mush("gfx/obj2.xtc");
    for (int f = 0; f < 38; ++f) EXPECT_NEAR(lowest_row(obj.s, f), 39, 1) << "insect frame " << f;   // drawn at -(8, 8)
    for (int f = 38; f < 76; ++f) EXPECT_NEAR(lowest_row(obj.s, f), 31, 1) << "hostile frame " << f;  // drawn at -(8, 0)
    for (int f = 0; f < 5; ++f) EXPECT_NEAR(lowest_row(mush.s, f), 39, 1) << "mushroom " << f;
}

TEST(GfxFonts, GlyphsStayWithinTheirAdvance) {
    for (bool small : {false, true}) {
        rendered r(small ? "gfx/hud/newfont2.xtc" : "gfx/hud/newfont.xtc");
        for (int f = 0; f < 90; ++f) {
            char c = static_cast<char>(33 + f);
            gfxtest::box b;
            ASSERT_TRUE(gfxtest::ink_box(r.s, f, b, 0.2)) << "glyph '" << c << "' is empty";
            EXPECT_GE(b.x0, 0) << c;
            EXPECT_LE(b.x1, static_cast<int>(std::ceil(gfx::glyph_advance(c, small)))) << "glyph '" << c << "' overruns";
        }
    }
    rendered num("gfx/hud/num.xtc");
    for (int f = 0; f < 11; ++f) {
        gfxtest::box b;
        ASSERT_TRUE(gfxtest::ink_box(num.s, f, b, 0.2)) << f;
        EXPECT_LE(b.x1, 11) << "digit " << f << " is wider than the 11 pixel pitch";
        EXPECT_GE(b.y1 - b.y0, f == 10 ? 6 : 14) << f;
    }
    gfxtest::box inf;
    EXPECT_TRUE(gfxtest::ink_box(num.s, 11, inf, 0.2));
}

TEST(GfxMinimap, MiniTilesAverageTheirFullTiles) {
    rendered mini("gfx/miniland.xtc");
    for (int set = 0; set < 3; ++set) {
        rendered land(("gfx/land" + std::to_string(set) + ".xtc").c_str());
        for (int code : {1, 7, 18, 31, 85}) {
            // colour of the opaque part of the tile
            double full[3] = {0, 0, 0}, small[3] = {0, 0, 0}, cover = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    auto p = gfxtest::pixel(land.s, code, x, y);
                    full[0] += p.r * p.a;
                    full[1] += p.g * p.a;
                    full[2] += p.b * p.a;
                    cover += p.a;
                }
            for (double& v : full) v /= cover;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 3; ++x) {
                    auto p = gfxtest::pixel(mini.s, code + 126 * set, x, y);
                    if (p.a < 0.5) continue;  // the clear third of an edge tile
                    small[0] += p.r / 9;
                    small[1] += p.g / 9;
                    small[2] += p.b / 9;
                }
            double n = 0;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 3; ++x) n += gfxtest::pixel(mini.s, code + 126 * set, x, y).a >= 0.5;
            ASSERT_GT(n, 0) << code;
            for (int i = 0; i < 3; ++i) EXPECT_NEAR(small[i] * 9 / n, std::min(1.0, full[i] * 1.15), 0.1) << "set " << set << " code " << code;
        }
        EXPECT_EQ(gfxtest::pixel(mini.s, 126 * set, 1, 1).a, 0.0) << "empty cell must stay clear";
        // the four start markers are told apart in the previews
        for (int a = 64; a < 68; ++a)
            for (int b = a + 1; b < 68; ++b) {
                auto pa = gfxtest::pixel(mini.s, a + 126 * set, 1, 1), pb = gfxtest::pixel(mini.s, b + 126 * set, 1, 1);
                EXPECT_GT(std::abs(pa.r - pb.r) + std::abs(pa.g - pb.g) + std::abs(pa.b - pb.b), 0.3) << a << " vs " << b;
            }
    }
}

}  // namespace
