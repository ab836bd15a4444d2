#include <cstdlib>

#include "tests/runtime/helpers.h"

using namespace test_rt;

namespace {

class RuntimeDrawing : public display_test {
  protected:
    std::string dir;
    void SetUp() override {
        display_test::SetUp();
        dir = scratch_dir("drawing");
    }
    void TearDown() override {
        std::filesystem::remove_all(dir);
        display_test::TearDown();
    }
    int picture(const std::string& name, int w, int h, const std::function<uint32_t(int, int)>& fn) {
        std::string path = dir + "/" + name;
        EXPECT_TRUE(write_picture(path, w, h, fn));
        return load_image(path);
    }
    // A busy background so blending has something to work against.
    void paint_background() {
        for (int i = 0; i < 40; ++i) {
            set_color((i * 37) % 256, (i * 91) % 256, (i * 53) % 256);
            draw_rect(static_cast<float>((i * 71) % 700), static_cast<float>((i * 43) % 500), 120, 90);
        }
        set_color(255, 255, 255);
    }
};

TEST_F(RuntimeDrawing, AlphaZeroLeavesTheScreenUnchanged) {
    paint_background();
    flip(0);
    auto before = screen();
    int img = picture("a.png", 64, 64, [](int x, int y) { return 0xFF000000u | (x * 4 << 16) | (y * 4); });
    set_alpha(0.0f);
    draw_image(img, 100, 100, 0);
    set_blend(4);
    draw_image(img, 300, 300, 0);
    set_scale(2.5f, 1.5f);
    set_rotation(33);
    draw_image(img, 400, 200, 0);
    draw_rect(0, 0, 800, 600);
    flip(0);
    EXPECT_EQ(screen(), before);
}

TEST_F(RuntimeDrawing, AdditiveDrawingNeverDarkens) {
    paint_background();
    flip(0);
    auto before = screen();
    int img = picture("glow.png", 50, 50, [](int x, int y) {
        return (uint32_t((x + y) * 2) << 24) | (uint32_t(x * 5) << 16) | (uint32_t(y * 5) << 8) | 0x40;
    });
    set_blend(4);
    for (int i = 0; i < 30; ++i) {
        set_color(i * 8, 255 - i * 8, 128);
        set_alpha(0.1f + 0.03f * i);
        set_rotation(i * 12.0f);
        set_scale(1.0f + 0.1f * (i % 5), 1.0f);
        draw_image(img, 20.0f + i * 25.3f, 30.0f + i * 17.7f, 0);
        draw_rect(i * 20.0f, i * 15.0f, 60, 40);
    }
    flip(0);
    auto after = screen();
    int brighter = 0;
    for (size_t i = 0; i < after.size(); ++i) {
        ASSERT_GE(red(after[i]), red(before[i])) << "pixel " << i;
        ASSERT_GE(green(after[i]), green(before[i])) << "pixel " << i;
        ASSERT_GE(blue(after[i]), blue(before[i])) << "pixel " << i;
        if (after[i] != before[i]) ++brighter;
    }
    EXPECT_GT(brighter, 1000);
}

TEST_F(RuntimeDrawing, RotationOf90DegreesTurnsTheRightEdgeDown) {
    // 20 wide, 6 high; the rightmost 4 columns red, the rest blue.
    int img = picture("bar.png", 20, 6, [](int x, int) { return x >= 16 ? 0xFFFF0000u : 0xFF0000FFu; });
    set_rotation(90);
    draw_image(img, 100, 100, 0);
    flip(0);
    auto px = screen();
    // (px, py) lands at (100 - py, 100 + px): the bar hangs down-left of (100, 100).
    EXPECT_EQ(at(px, 97, 118), 0xFF0000u);
    EXPECT_EQ(at(px, 97, 104), 0x0000FFu);
    EXPECT_EQ(at(px, 97, 95), 0u);   // nothing above the handle
    EXPECT_EQ(at(px, 103, 110), 0u); // nothing to the right of it
}

TEST_F(RuntimeDrawing, ScaleAndRotationTurnAboutTheMidHandle) {
    // Quadrants: top-left red, top-right green, bottom-left blue, bottom-right white.
    int img = picture("quad.png", 10, 10, [](int x, int y) {
        if (y < 5) return x < 5 ? 0xFFFF0000u : 0xFF00FF00u;
        return x < 5 ? 0xFF0000FFu : 0xFFFFFFFFu;
    });
    mid_handle_image(img);
    set_scale(2, 2);
    set_rotation(180);
    draw_image(img, 200, 200, 0);
    flip(0);
    auto px = screen();
    EXPECT_EQ(at(px, 205, 205), 0xFF0000u);
    EXPECT_EQ(at(px, 194, 205), 0x00FF00u);
    EXPECT_EQ(at(px, 205, 194), 0x0000FFu);
    EXPECT_EQ(at(px, 194, 194), 0xFFFFFFu);
    // Scaled to 20 x 20 about the centre: 190..209 covered, 188 and 211 not.
    EXPECT_NE(at(px, 191, 200), 0u);
    EXPECT_NE(at(px, 208, 200), 0u);
    EXPECT_EQ(at(px, 188, 200), 0u);
    EXPECT_EQ(at(px, 211, 200), 0u);

    // Unscaled and unrotated, the mid-handle centres the picture.
    rt_reset_draw_state();
    cls();
    draw_image(img, 400, 300, 0);
    flip(0);
    px = screen();
    EXPECT_EQ(at(px, 395, 295), 0xFF0000u);
    EXPECT_EQ(at(px, 404, 304), 0xFFFFFFu);
    EXPECT_EQ(at(px, 394, 300), 0u);
    EXPECT_EQ(at(px, 405, 300), 0u);
}

TEST_F(RuntimeDrawing, ClipRectangleLimitsDrawingAndClearing) {
    set_viewport(10, 20, 30, 40);
    draw_rect(0, 0, 800, 600);
    int img = picture("white.png", 100, 100, [](int, int) { return 0xFFFFFFFFu; });
    set_rotation(10);
    draw_image(img, 0, 0, 0);
    flip(0);
    auto px = screen();
    int lit = 0;
    for (int y = 0; y < screen_height; ++y)
        for (int x = 0; x < screen_width; ++x) {
            bool inside = x >= 10 && x < 40 && y >= 20 && y < 60;
            if (!inside) ASSERT_EQ(at(px, x, y), 0u) << x << "," << y;
            else lit += at(px, x, y) == 0xFFFFFFu;
        }
    EXPECT_EQ(lit, 30 * 40);

    // cls clears only inside the clip.
    set_viewport(0, 0, 800, 600);
    draw_rect(0, 0, 800, 600);
    set_viewport(100, 100, 10, 10);
    cls();
    flip(0);
    px = screen();
    EXPECT_EQ(at(px, 105, 105), 0u);
    EXPECT_EQ(at(px, 99, 105), 0xFFFFFFu);
    EXPECT_EQ(at(px, 110, 105), 0xFFFFFFu);

    // A viewport partly off the screen is cut to it.
    set_viewport(-50, 590, 100, 100);
    draw_state st = get_draw_state();
    EXPECT_EQ(st.clip_x, 0);
    EXPECT_EQ(st.clip_y, 590);
    EXPECT_EQ(st.clip_w, 50);
    EXPECT_EQ(st.clip_h, 10);
}

TEST_F(RuntimeDrawing, ColourAndAlphaModulateImagesAndRectangles) {
    int img = picture("w.png", 8, 8, [](int, int) { return 0xFFFFFFFFu; });
    set_color(255, 128, 0);
    draw_image(img, 10, 10, 0);
    set_alpha(0.5f);
    draw_image(img, 30, 10, 0);
    set_color(0, 0, 255);
    set_alpha(0.25f);
    draw_rect(50, 10, 8, 8);
    flip(0);
    auto px = screen();
    EXPECT_EQ(at(px, 12, 12), 0xFF8000u);
    EXPECT_NEAR(red(at(px, 32, 12)), 128, 1);
    EXPECT_NEAR(green(at(px, 32, 12)), 64, 1);
    EXPECT_EQ(blue(at(px, 32, 12)), 0);
    EXPECT_NEAR(blue(at(px, 52, 12)), 64, 1);
    EXPECT_EQ(red(at(px, 52, 12)), 0);

    // The image's own alpha multiplies the global alpha.
    int half = picture("h.png", 8, 8, [](int, int) { return 0x80FFFFFFu; });
    rt_reset_draw_state();
    set_alpha(0.5f);
    draw_image(half, 70, 10, 0);
    flip(0);
    EXPECT_NEAR(red(at(screen(), 72, 12)), 64, 1);
}

TEST_F(RuntimeDrawing, RectangleScalesAboutItsTopLeft) {
    set_scale(2, 3);
    draw_rect(100, 100, 10, 10);
    flip(0);
    auto px = screen();
    EXPECT_EQ(at(px, 100, 100), 0xFFFFFFu);
    EXPECT_EQ(at(px, 119, 129), 0xFFFFFFu);
    EXPECT_EQ(at(px, 120, 110), 0u);
    EXPECT_EQ(at(px, 110, 130), 0u);
    EXPECT_EQ(at(px, 99, 100), 0u);
}

TEST_F(RuntimeDrawing, FastPathsGiveTheSamePixelsAsTheGeneralPath) {
    std::srand(7);
    std::vector<uint32_t> noise(48 * 40);
    for (auto& p : noise) p = 0xFF000000u | (static_cast<uint32_t>(std::rand()) & 0xFFFFFF);
    int opaque = picture("o.png", 48, 40, [&](int x, int y) { return noise[y * 48 + x]; });
    int soft = picture("s.png", 48, 40, [&](int x, int y) {
        return (noise[y * 48 + x] & 0xFFFFFF) | (static_cast<uint32_t>((x * 5 + y * 3) % 256) << 24);
    });
    auto draw_all = [&] {
        rt_reset_draw_state();
        cls();
        paint_background();
        // Opaque copies, some hanging off the edges.
        draw_image(opaque, 10, 10, 0);
        draw_image(opaque, -20, 580, 0);
        draw_image(opaque, 780, -15, 0);
        // Blended, tinted, faded.
        draw_image(soft, 300, 300, 0);
        set_color(200, 100, 50);
        set_alpha(0.6f);
        draw_image(soft, 320, 310, 0);
        draw_image(opaque, 500, 400, 0);
        set_blend(4);
        draw_image(soft, 600, 200, 0);
        flip(0);
        return screen();
    };
    auto fast = draw_all();
    rt_set_fast_paths(false);
    auto general = draw_all();
    int worst = 0;
    for (size_t i = 0; i < fast.size(); ++i) {
        worst = std::max(worst, std::abs(red(fast[i]) - red(general[i])));
        worst = std::max(worst, std::abs(green(fast[i]) - green(general[i])));
        worst = std::max(worst, std::abs(blue(fast[i]) - blue(general[i])));
    }
    // Integer and float blending may round differently by one step.
    EXPECT_LE(worst, 1);
    // The opaque copy itself is exact.
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 58; ++x) ASSERT_EQ(at(fast, x, y), at(general, x, y));
}

TEST_F(RuntimeDrawing, ScreenshotShowsThePresentedFrame) {
    set_color(10, 200, 30);
    draw_rect(0, 0, 800, 600);
    flip(0);
    // The next frame's clearing must not reach the presented picture.
    cls();
    auto px = screen();
    EXPECT_EQ(at(px, 400, 300), 0x0AC81Eu);
    std::string path = dir + "/shot.png";
    ASSERT_TRUE(save_screen_png(path));
    SDL_Surface* s = IMG_Load(path.c_str());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 800);
    EXPECT_EQ(s->h, 600);
    SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    EXPECT_EQ(static_cast<uint32_t*>(c->pixels)[300 * (c->pitch / 4) + 400] & 0xFFFFFF, 0x0AC81Eu);
    SDL_FreeSurface(c);
    SDL_FreeSurface(s);
}

TEST_F(RuntimeDrawing, NoDrawBackendTouchesNoPixels) {
    set_backend(backend_none, false);
    EXPECT_FALSE(drawing_enabled());
    draw_rect(0, 0, 800, 600);
    flip(0);
    std::vector<uint32_t> px(screen_width * screen_height, 0xDEADBEEF);
    EXPECT_FALSE(read_screen(px.data()));
    set_backend(backend_offscreen, false);
    flip(0);
    EXPECT_EQ(at(screen(), 10, 10), 0u);
}

TEST_F(RuntimeDrawing, FlipRunsTheFrameHookOnce) {
    static int calls = 0;
    calls = 0;
    set_frame_hook([] { ++calls; });
    flip(0);
    flip(-1);
    set_frame_hook(nullptr);
    flip(0);
    EXPECT_EQ(calls, 2);
}

} // namespace
