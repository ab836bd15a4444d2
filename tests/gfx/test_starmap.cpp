// The star map pictures fit the selection screen: each route piece lies inside
// the box the screen clips it to, nothing strays outside those boxes, and the
// map lets the rotating star field show through.
#include <gtest/gtest.h>

#include "gfx_test_util.h"
#include "starmap_data.h"

namespace {

struct rendered {
    gfx::sheet s;
    explicit rendered(const char* path) : s(gfx::render(*gfx_find(path))) {}
    ~rendered() { gfx::free_sheet(s); }
};

TEST(GfxStarMap, RoutePiecesStayInsideTheirClipBoxes) {
    rendered lines("gfx/hud/menuplanet_lines.xtc");
    int inside[10] = {};
    for (int y = 0; y < lines.s.cell_h; ++y)
        for (int x = 0; x < lines.s.cell_w; ++x) {
            double a = gfxtest::pixel(lines.s, 0, x, y).a;
            bool boxed = false;
            for (int k = 0; k < 10; ++k) {
                const auto& sg = gfx::segments[k];
                // the screen clips to (x1, y1, x2 - x1, y2 - y1)
                if (x >= sg.x1 && x < sg.x2 && y >= sg.y1 && y < sg.y2) {
                    boxed = true;
                    if (a > 0.3) ++inside[k];
                }
            }
            if (!boxed) {
                ASSERT_EQ(a, 0.0) << "stray route pixel at " << x << "," << y;
            }
        }
    for (int k = 0; k < 10; ++k) EXPECT_GT(inside[k], 40) << "route piece " << k << " is missing";
}

TEST(GfxStarMap, MapShowsPlanetsOverASeeThroughSky) {
    rendered map("gfx/hud/vorn/menuplanet.xtc");
    for (const auto& p : gfx::planets)
        EXPECT_GT(gfxtest::pixel(map.s, 0, (p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2).a, 0.95) << p.name;
    int clear = 0, total = 0;
    for (int y = 100; y < 500; y += 7)
        for (int x = 480; x < 800; x += 7) {
            ++total;
            clear += gfxtest::pixel(map.s, 0, x, y).a < 0.5;
        }
    EXPECT_GT(clear, total * 3 / 4) << "the star field behind the map would be hidden";
    // the back button sits where the screen tests for it
    EXPECT_GT(gfxtest::pixel(map.s, 0, 60, 560).a, 0.95);
}

}  // namespace
