#include "tests/runtime/helpers.h"

using namespace test_rt;

namespace {

class RuntimeImages : public display_test {
  protected:
    std::string dir;
    void SetUp() override {
        display_test::SetUp();
        dir = scratch_dir("images");
    }
    void TearDown() override {
        std::filesystem::remove_all(dir);
        display_test::TearDown();
    }
};

// Cell colour for a sheet of 3 x 2 cells: distinct per cell.
uint32_t cell_colour(int cell) { return 0xFF000000u | static_cast<uint32_t>(cell * 40 + 10) << 16 | 0x55; }

// An uncompressed 24-bit TGA, bottom-up as most writers store it.
std::vector<uint8_t> tga(int w, int h, uint32_t rgb) {
    std::vector<uint8_t> b(18, 0);
    b[2] = 2;
    b[12] = static_cast<uint8_t>(w);
    b[13] = static_cast<uint8_t>(w >> 8);
    b[14] = static_cast<uint8_t>(h);
    b[15] = static_cast<uint8_t>(h >> 8);
    b[16] = 24;
    for (int i = 0; i < w * h; ++i) {
        b.push_back(rgb & 255);
        b.push_back((rgb >> 8) & 255);
        b.push_back((rgb >> 16) & 255);
    }
    return b;
}

TEST_F(RuntimeImages, FramesAreCutLeftToRightThenTopToBottom) {
    std::string path = dir + "/sheet.xtc";
    ASSERT_TRUE(write_picture(path, 12, 8, [](int x, int y) { return cell_colour((y / 4) * 3 + x / 4); }));
    int img = load_anim_image(path, 4, 4, 1, 4);
    ASSERT_NE(img, 0);
    EXPECT_EQ(image_width(img), 4);
    EXPECT_EQ(image_height(img), 4);
    ASSERT_EQ(image_frames(img), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(image_pixel(img, k, 0, 0), cell_colour(1 + k)) << "frame " << k;
        EXPECT_EQ(image_pixel(img, k, 3, 3), cell_colour(1 + k)) << "frame " << k;
    }
    EXPECT_EQ(image_pixel(img, 4, 0, 0), 0u);

    // Drawing frame 2 shows cell 3, the first of the second row.
    draw_image(img, 50, 50, 2);
    draw_image(img, 60, 50, 9); // no such frame
    flip(0);
    EXPECT_EQ(at(screen(), 51, 51), cell_colour(3) & 0xFFFFFF);
    EXPECT_EQ(at(screen(), 61, 51), 0u);

    // Cells that do not fit the picture are not there: 14 x 9 holds 3 x 2 cells of 4 x 4.
    std::string odd = dir + "/odd.xtc";
    ASSERT_TRUE(write_picture(odd, 14, 9, [](int, int) { return 0xFFFFFFFFu; }));
    EXPECT_EQ(image_frames(load_anim_image(odd, 4, 4, 0, 10)), 6);
    EXPECT_EQ(image_frames(load_anim_image(odd, 4, 4, 4, 10)), 2);
    EXPECT_EQ(load_anim_image(odd, 4, 4, 6, 1), 0);
    EXPECT_EQ(load_anim_image(odd, 20, 4, 0, 1), 0);
}

TEST_F(RuntimeImages, PicturesAreRecognisedByContentWhateverTheExtension) {
    ASSERT_TRUE(write_picture(dir + "/p.xtc", 7, 5, [](int, int) { return 0xFF20A040u; }));
    ASSERT_TRUE(write_picture(dir + "/j.xtc", 16, 8, [](int, int) { return 0xFFC02020u; }, true));
    write_bytes(dir + "/t.xtc", tga(6, 3, 0x3070F0));
    write_bytes(dir + "/t.png", tga(6, 3, 0x3070F0)); // misleading extension

    int png = load_image(dir + "/p.xtc");
    int jpg = load_image(dir + "/j.xtc");
    int tg = load_image(dir + "/t.xtc");
    int tg2 = load_image(dir + "/t.png");
    ASSERT_NE(png, 0);
    ASSERT_NE(jpg, 0);
    ASSERT_NE(tg, 0);
    ASSERT_NE(tg2, 0);
    EXPECT_EQ(image_width(png), 7);
    EXPECT_EQ(image_height(png), 5);
    EXPECT_EQ(image_pixel(png, 0, 3, 2), 0xFF20A040u);
    EXPECT_EQ(image_width(jpg), 16);
    uint32_t j = image_pixel(jpg, 0, 8, 4);
    EXPECT_NEAR(red(j), 0xC0, 8);
    EXPECT_NEAR(green(j), 0x20, 8);
    EXPECT_EQ(image_width(tg), 6);
    EXPECT_EQ(image_height(tg), 3);
    EXPECT_EQ(image_pixel(tg, 0, 1, 1), 0xFF3070F0u);
    EXPECT_EQ(image_pixel(tg2, 0, 5, 2), 0xFF3070F0u);
}

TEST_F(RuntimeImages, MissingOrCorruptFilesGiveTheNullHandle) {
    write_bytes(dir + "/bad.xtc", {0x89, 'P', 'N', 'G', 1, 2, 3, 4, 5, 6, 7, 8});
    write_bytes(dir + "/empty.xtc", {});
    std::string words = "no picture here, only words that a lax loader might take for one";
    write_bytes(dir + "/text.xtc", std::vector<uint8_t>(words.begin(), words.end()));
    EXPECT_EQ(load_image(dir + "/text.xtc"), 0);
    EXPECT_EQ(load_image(dir + "/nothing_here.xtc"), 0);
    EXPECT_EQ(load_image(dir + "/bad.xtc"), 0);
    EXPECT_EQ(load_image(dir + "/empty.xtc"), 0);
    EXPECT_EQ(load_anim_image(dir + "/bad.xtc", 4, 4, 0, 2), 0);
    EXPECT_EQ(image_width(0), 0);
    EXPECT_EQ(image_frames(0), 0);
    draw_image(0, 100, 100, 0);
    mid_handle_image(0);
    grab_image(0, 0, 0, 0);
    free_handle(0);
    flip(0);
    for (uint32_t p : screen()) ASSERT_EQ(p, 0u);
}

TEST_F(RuntimeImages, GrabCopiesTheBackBufferIntoOneFrame) {
    set_color(255, 0, 0);
    draw_rect(100, 100, 4, 2);
    set_color(0, 0, 255);
    draw_rect(100, 102, 4, 2);
    int img = create_image(4, 4, 2);
    ASSERT_NE(img, 0);
    EXPECT_EQ(image_frames(img), 2);
    grab_image(img, 100, 100, 1);
    EXPECT_EQ(image_pixel(img, 1, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(image_pixel(img, 1, 3, 3), 0xFF0000FFu);
    EXPECT_EQ(image_pixel(img, 0, 0, 0), 0xFF000000u); // the other frame stays blank

    // Off-screen parts of the rectangle come out black.
    grab_image(img, 798, 598, 0);
    EXPECT_EQ(image_pixel(img, 0, 3, 3), 0xFF000000u);

    rt_reset_draw_state();
    cls();
    draw_image(img, 300, 300, 1);
    flip(0);
    EXPECT_EQ(at(screen(), 301, 300), 0xFF0000u);
    EXPECT_EQ(at(screen(), 301, 303), 0x0000FFu);

    free_handle(img);
    EXPECT_EQ(image_width(img), 0);
    EXPECT_EQ(create_image(0, 4, 1), 0);
    EXPECT_EQ(create_image(4, 4, 0), 0);
}

TEST_F(RuntimeImages, NoDrawBackendKeepsSizesAndFrames) {
    ASSERT_TRUE(write_picture(dir + "/s.xtc", 12, 8, [](int, int) { return 0xFFFFFFFFu; }));
    ASSERT_TRUE(write_picture(dir + "/j.xtc", 10, 6, [](int, int) { return 0xFFFFFFFFu; }, true));
    write_bytes(dir + "/t.xtc", tga(5, 4, 0xFFFFFF));
    set_backend(backend_none, false);
    int a = load_image(dir + "/s.xtc");
    int b = load_anim_image(dir + "/s.xtc", 4, 4, 0, 99);
    int j = load_image(dir + "/j.xtc");
    int t = load_image(dir + "/t.xtc");
    EXPECT_EQ(image_width(a), 12);
    EXPECT_EQ(image_height(a), 8);
    EXPECT_EQ(image_frames(b), 6);
    EXPECT_EQ(image_width(j), 10);
    EXPECT_EQ(image_height(t), 4);
    EXPECT_EQ(image_pixel(a, 0, 1, 1), 0u);
    EXPECT_EQ(load_image(dir + "/none.xtc"), 0);
    int c = create_image(8, 8, 3);
    EXPECT_EQ(image_frames(c), 3);
    grab_image(c, 0, 0, 0);
    draw_image(a, 0, 0, 0);
}

TEST_F(RuntimeImages, ImagesAndSoundsNeverShareAHandle) {
    ASSERT_TRUE(write_picture(dir + "/a.xtc", 2, 2, [](int, int) { return 0xFFFFFFFFu; }));
    int a = load_image(dir + "/a.xtc");
    int b = load_image(dir + "/a.xtc");
    EXPECT_NE(a, b);
    free_handle(a);
    EXPECT_EQ(image_width(a), 0);
    EXPECT_EQ(image_width(b), 2);
    // A freed handle is not handed out again, so stale copies stay harmless.
    int c = load_image(dir + "/a.xtc");
    EXPECT_NE(c, a);
}

} // namespace
