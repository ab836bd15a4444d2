// Animations loop without a jump and move in the order the game plays them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gfx_test_util.h"

namespace {

struct rendered {
    gfx::sheet s;
    explicit rendered(const char* path) : s(gfx::render(*gfx_find(path))) {}
    ~rendered() { gfx::free_sheet(s); }
};

double frame_diff(const gfx::sheet& s, int a, int b) {
    double sum = 0;
    for (int y = 0; y < s.cell_h; ++y)
        for (int x = 0; x < s.cell_w; ++x) {
            auto p = gfxtest::pixel(s, a, x, y), q = gfxtest::pixel(s, b, x, y);
            sum += std::abs(p.r * p.a - q.r * q.a) + std::abs(p.g * p.a - q.g * q.a) + std::abs(p.b * p.a - q.b * q.a) +
                   std::abs(p.a - q.a);
        }
    return sum / (s.cell_w * s.cell_h);
}

// The step from the last frame back to the first is no bigger than the
// largest step inside the loop, and the loop does move.
void expect_smooth_loop(const gfx::sheet& s, int first, int count, const char* what) {
    double biggest = 0;
    for (int f = first; f + 1 < first + count; ++f) biggest = std::max(biggest, frame_diff(s, f, f + 1));
    EXPECT_GT(biggest, 0.0) << what << " does not move";
    EXPECT_LE(frame_diff(s, first + count - 1, first), biggest * 1.35 + 1e-6) << what << " jumps where it wraps";
}

TEST(GfxAnimation, LoopsWrapWithoutAJump) {
    rendered ufo("gfx/ufo.xtc"), beetles("gfx/obj3.xtc"), obj("gfx/obj.xtc"), bubble("gfx/bubble.xtc");
    expect_smooth_loop(ufo.s, 0, 23, "saucer");
    for (int kind = 1; kind <= 4; ++kind) expect_smooth_loop(beetles.s, 52 * (kind - 1) + 26, 20, "beetle walk");
    expect_smooth_loop(beetles.s, 208, 20, "laborer carrying");
    expect_smooth_loop(obj.s, 0, 12, "maggot crawl");
    expect_smooth_loop(bubble.s, 0, 19, "bubble");
}

TEST(GfxAnimation, TurnsMoveSteadilyFromSideToFront) {
    rendered beetles("gfx/obj3.xtc"), obj("gfx/obj.xtc");
    for (int base : {26, 78, 130, 182, 234}) {
        // frame 20 is the side view the walk ends in; each turn frame moves further from it
        EXPECT_LT(frame_diff(beetles.s, base, base + 20), frame_diff(beetles.s, base + 20, base + 24)) << base;
        for (int k = 21; k <= 24; ++k)
            EXPECT_GT(frame_diff(beetles.s, base + 20, base + k), frame_diff(beetles.s, base + 20, base + k - 1)) << base + k;
        // the front view ends the same in both directions, so the turn continues in the other strip
        EXPECT_LT(frame_diff(beetles.s, base + 24, base - 26 + 24), frame_diff(beetles.s, base + 20, base + 24) * 0.5) << base;
    }
    for (int base : {19, 57}) {
        for (int k = 13; k <= 18; ++k)
            EXPECT_GT(frame_diff(obj.s, base + 12, base + k), frame_diff(obj.s, base + 12, base + k - 1)) << base + k;
    }
}

TEST(GfxAnimation, GlowingRockBrightensAlongItsFrames) {
    for (int set = 0; set < 3; ++set) {
        rendered land(("gfx/land" + std::to_string(set) + ".xtc").c_str());
        double last = -1;
        for (int f = 33; f <= 38; ++f) {
            double sum = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    auto p = gfxtest::pixel(land.s, f, x, y);
                    sum += p.r + p.g + p.b;
                }
            EXPECT_GT(sum, last) << "set " << set << " frame " << f;
            last = sum;
        }
    }
}

}  // namespace
