// Background pictures cover what the camera can show: parallax planes are
// wide enough, the haze repeats without a seam, the rotating star field fills
// the screen at any angle.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx_test_util.h"

namespace {

TEST(GfxEnvironment, PlanesCoverTheParallaxRange) {
    // the camera moves 0..800 across and 0..360 down
    const gfx_entry* sky1 = gfx_find("gfx/env/bplane1.xtc");
    const gfx_entry* sky2 = gfx_find("gfx/env/bplane2.xtc");
    for (const gfx_entry* e : {sky1, sky2}) {  // drawn at (-camera_x / 8, -camera_y / 5)
        EXPECT_GE(e->cell_w, 800 + 800 / 8) << e->path;
        EXPECT_GE(e->cell_h, 600 + 360 / 5) << e->path;
    }
    for (int set = 0; set < 3; ++set) {  // drawn at (-camera_x / 5, ...)
        const gfx_entry* far = gfx_find(("gfx/env/mplane" + std::to_string(set) + ".xtc").c_str());
        EXPECT_GE(far->cell_w, 800 + 800 / 5) << far->path;
    }
    // rotating about the screen's centre, the star field must reach every corner
    const gfx_entry* stars = gfx_find("gfx/hud/vorn/stars_back.xtc");
    EXPECT_GE(std::min(stars->cell_w, stars->cell_h), static_cast<int>(std::ceil(std::hypot(800, 600))));
}

TEST(GfxEnvironment, HazeRepeatsWithoutASeam) {
    for (const char* path : {"gfx/env/haze_1.xtc", "gfx/env/haze_2.xtc", "gfx/env/haze_3.xtc"}) {
        gfx::sheet s = gfx::render(*gfx_find(path));
        EXPECT_EQ(s.cell_w, 900) << path;  // the game places copies 900 pixels apart
        double seam = 0, inside = 0;
        for (int y = 0; y < s.cell_h; ++y) {
            seam += std::abs(gfxtest::pixel(s, 0, s.cell_w - 1, y).a - gfxtest::pixel(s, 0, 0, y).a);
            inside += std::abs(gfxtest::pixel(s, 0, 449, y).a - gfxtest::pixel(s, 0, 450, y).a);
        }
        EXPECT_LE(seam, inside * 2 + 0.5) << path;
        gfx::free_sheet(s);
    }
}

TEST(GfxEnvironment, BeamSliceIsFaintEnoughToStack) {
    // the tractor beam is this slice drawn 151 times, one pixel apart
    gfx::sheet s = gfx::render(*gfx_find("gfx/ufolight.xtc"));
    double peak = 0;
    for (int y = 0; y < s.cell_h; ++y)
        for (int x = 0; x < s.cell_w; ++x) peak = std::max(peak, gfxtest::pixel(s, 0, x, y).a);
    EXPECT_GT(peak, 0.05);
    EXPECT_LT(peak, 0.35);
    EXPECT_LT(gfxtest::pixel(s, 0, 0, 0).a, 0.02) << "the beam's sides fade out";
    gfx::free_sheet(s);
}

}  // namespace
