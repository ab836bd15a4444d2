// Pictures fit the places and clicks the screens give them: button faces
// cover their click areas, the status window is open over the screen behind
// it, text areas keep their contrast, and the built parts meet the cells they
// are drawn over.
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx_test_util.h"

namespace {

struct rendered {
    gfx::sheet s;
    explicit rendered(const char* path) : s(gfx::render(*gfx_find(path))) {}
    ~rendered() { gfx::free_sheet(s); }
};

// Share of the rectangle [x0, x1] x [y0, y1] (inclusive) covered by opaque pixels.
double coverage(const gfx::sheet& s, int frame, int x0, int y0, int x1, int y1) {
    int n = 0, opaque = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x, ++n) opaque += gfxtest::pixel(s, frame, x, y).a > 0.5;
    return double(opaque) / n;
}

double luminance(const gfx::sheet& s, int frame, int x0, int y0, int x1, int y1) {
    double sum = 0;
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x, ++n) {
            auto p = gfxtest::pixel(s, frame, x, y);
            sum += (0.3 * p.r + 0.59 * p.g + 0.11 * p.b) * p.a;
        }
    return sum / n;
}

TEST(GfxLayout, MenuButtonsCoverTheirClickAreas) {
    rendered keys("gfx/hud/menukeys.xtc");
    // click areas of the main menu, relative to where each button is drawn
    struct area {
        int frame, x0, y0, x1, y1;
    };
    const area areas[] = {
        {0, 97 - 90, 375 - 370, 399 - 90, 453 - 370},  {2, 407 - 400, 347 - 340, 708 - 400, 422 - 340},
        {4, 119 - 110, 461 - 460, 413 - 110, 545 - 460}, {6, 428 - 420, 434 - 430, 727 - 420, 513 - 430},
        {11, 476 - 470, 510 - 500, 779 - 470, 589 - 500},
    };
    for (const area& a : areas) {
        // the rounded ends leave the corners of the area open, the rest is button
        EXPECT_GT(coverage(keys.s, a.frame, a.x0, a.y0, a.x1, a.y1), 0.85) << "frame " << a.frame;
        EXPECT_GT(coverage(keys.s, a.frame + (a.frame == 11 ? -1 : 1), a.x0, a.y0, a.x1, a.y1), 0.85)
            << "partner of frame " << a.frame;
    }
    rendered ok("gfx/hud/okcancel.xtc"), radio("gfx/hud/radiobutton.xtc");
    for (int f = 0; f < 2; ++f) {
        EXPECT_GT(coverage(ok.s, f, 10, 10, 37, 37), 0.95) << "OK/Cancel " << f;  // areas are x+1..x+47
        EXPECT_GT(coverage(radio.s, f, 8, 8, 23, 23), 0.95) << "option button " << f;
    }
}

TEST(GfxLayout, TitlesFitInsideTheirFrames) {
    // lettering that runs off a frame's sides is cut; glows fade out before them
    for (const char* path : {"gfx/hud/Vorn/texts.xtc", "gfx/hud/Vorn/go_text.xtc", "gfx/hud/logo1.xtc",
                             "gfx/hud/menukeys.xtc"}) {
        rendered r(path);
        for (int f = 0; f < r.s.frames; ++f) {
            double edge = 0;
            for (int y = 0; y < r.s.cell_h; ++y)
                edge = std::max({edge, gfxtest::pixel(r.s, f, 0, y).a, gfxtest::pixel(r.s, f, r.s.cell_w - 1, y).a});
            EXPECT_LT(edge, 0.3) << path << " frame " << f;
        }
    }
}

TEST(GfxLayout, StatusPanelFramesTheScreenBehindIt) {
    rendered back("gfx/hud/panelback.xtc");
    // drawn centred at (740, 490): its top-left is (684, 390); the screen is at (693, 442), 94 by 94
    const int ox = 693 - 684, oy = 442 - 390;
    EXPECT_LT(coverage(back.s, 0, ox + 2, oy + 2, ox + 91, oy + 91), 0.01) << "the status screen must show through";
    EXPECT_GT(coverage(back.s, 0, ox - 5, oy + 94 + 8, ox + 94 + 5, oy + 94 + 40), 0.95) << "clock and status plate";
    EXPECT_LT(luminance(back.s, 0, 735 - 684 - 20, 542 - 390, 735 - 684 + 20, 566 - 390), 0.25) << "light digits need a dark plate";
}

TEST(GfxLayout, TextAreasKeepTheirContrast) {
    rendered lesson("gfx/hud/menupanel11.xtc"), hint("gfx/hud/hinttab.xtc"), tab("gfx/hud/tab.xtc");
    // lesson lines are white, clipped to (99, 51, 504, 289) with the page at (66, 11)
    EXPECT_LT(luminance(lesson.s, 0, 99 - 66, 51 - 11, 99 - 66 + 503, 51 - 11 + 288), 0.15);
    EXPECT_GT(coverage(lesson.s, 0, 99 - 66, 51 - 11, 99 - 66 + 503, 51 - 11 + 288), 0.99);
    // tool hints end in black on the sliding box; the stock digits are black on the tab
    EXPECT_GT(luminance(hint.s, 0, 20, 8, 220, 22), 0.6);
    // tab centred at (694, 42), its top-left (646, 14); the digit sits at (660, 45), ink about 11 by 20
    EXPECT_GT(luminance(tab.s, 0, 660 - 646, 47 - 14, 660 - 646 + 10, 66 - 14), 0.6);
}

TEST(GfxLayout, BuiltPartsMeetTheirCells) {
    rendered add("gfx/additions.xtc");
    gfxtest::box b;
    // plank drawn at (x - 8, y - 30): its deck edge reaches the cell's top (row 30) but not far into it
    ASSERT_TRUE(gfxtest::ink_box(add.s, 0, b));
    EXPECT_GE(b.y1, 30);
    EXPECT_LE(b.y1, 34);
    // dynamite drawn at the charge's corner rests on row 32; its fuse tip is near column 25
    ASSERT_TRUE(gfxtest::ink_box(add.s, 5, b));
    EXPECT_NEAR(b.y1, 31, 1);
    EXPECT_GT(gfxtest::pixel(add.s, 5, 25, 1).a, 0.3);
    // rope pieces hang on the cell centre: column 25 of a frame drawn at x - 9
    for (int f = 1; f <= 3; ++f) EXPECT_GT(gfxtest::pixel(add.s, f, 25, 16).a, 0.9) << "rope frame " << f;
    // the absorber pad's top is the cell's top (row 10 of a frame drawn at y - 10), give or take its cushion
    ASSERT_TRUE(gfxtest::ink_box(add.s, 9, b));
    EXPECT_NEAR(b.y0, 7, 2);
    // arrows point the way their frame says: the wide head is on the tip's side
    auto rows_at = [&](int f, int x) {
        int rows = 0;
        for (int y = 0; y < 48; ++y) rows += gfxtest::pixel(add.s, f, x, y).a > 0.5;
        return rows;
    };
    for (int f : {10, 11}) {
        ASSERT_TRUE(gfxtest::ink_box(add.s, f, b));
        int head = f == 10 ? b.x0 + 9 : b.x1 - 9, tail = f == 10 ? b.x1 - 3 : b.x0 + 3;
        EXPECT_GT(rows_at(f, head), rows_at(f, tail) + 6) << "arrow " << f << " points the wrong way";
    }
}

}  // namespace
