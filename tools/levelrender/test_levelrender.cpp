#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>

#include "runtime/runtime.h"
#include "tools/levelrender/render_level.h"
#include "tools/levelrender/settle_text.h"
#include "world/level_text.h"

namespace {

map_data empty_map() {
    map_data map;
    std::memset(&map, 0, sizeof map);
    return map;
}

void fill_rock(map_data& map, int c0, int r0, int c1, int r1) {
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r) map.front[c][r] = 31;
}

TEST(levelrender_names, planet_row_comes_from_the_map_name) {
    EXPECT_EQ(planet_of_map_name("maps/map00.map"), 0);
    EXPECT_EQ(planet_of_map_name("/x/y/map16.map"), 1);
    EXPECT_EQ(planet_of_map_name("map104.map"), 10);
    EXPECT_EQ(planet_of_map_name("maps/level.map"), -1);
    EXPECT_EQ(planet_of_map_name("map1.map"), -1);
    EXPECT_EQ(environment_set_of(0), 0);
    EXPECT_EQ(environment_set_of(5), 1);
    EXPECT_EQ(environment_set_of(3), 2);
}

TEST(levelsettle, block_gets_edges_and_thin_rock_is_reported) {
    map_data map = empty_map();
    fill_rock(map, 10, 10, 13, 12);  // a solid block
    fill_rock(map, 20, 5, 23, 5);    // one cell thick: cannot hold
    map.front[11][9] = 65;           // a mushroom on the block
    const auto lost = settle_map(map);
    EXPECT_EQ(map.front[10][10], 21);  // top-left corner, even column
    EXPECT_EQ(map.front[13][10], 24);  // top-right corner, odd column
    EXPECT_EQ(map.front[12][10], 17);  // grass, column 12 mod 4 = 0
    EXPECT_EQ(map.front[10][11], 25);
    EXPECT_EQ(map.front[13][12], 28);
    EXPECT_EQ(map.front[11][9], 65);
    ASSERT_EQ(lost.size(), 4u);
    EXPECT_EQ(lost[0].col, 20);
    EXPECT_EQ(lost[0].row, 5);
    EXPECT_EQ(map.front[21][5], 0);
}

TEST(levelsettle, text_keeps_its_other_lines_and_settles_once) {
    std::string text =
        "[level]\nname: test\n\n[settings]\nbeetles = 3 # three\ntime = 200\n\n"
        "[legend]\nw = 100\n\n[front]\n";
    for (int r = 0; r < 8; ++r) text += std::string(51, '.') + "\n";
    text += "....S.............m...\n";
    for (int r = 9; r < 31; ++r) text += std::string(51, '#') + "\n";
    text += "\n[back]\n" + std::string(10, 'w') + "\n\n[decorations]\n400 300 2\n";
    map_data map;
    std::string error;
    ASSERT_TRUE(parse_level_text(text, map, error)) << error;
    EXPECT_TRUE(settle_map(map).empty());
    const std::string once = settled_level_text(text, map);
    EXPECT_NE(once.find("beetles = 3 # three"), std::string::npos);
    EXPECT_NE(once.find("w = 100"), std::string::npos);

    map_data reread;
    ASSERT_TRUE(parse_level_text(once, reread, error)) << error;
    EXPECT_EQ(reread.front[0][9], 17);  // the field's edge counts as rock
    // Interior rock keeps the texture the game gives it, not plain rock.
    EXPECT_EQ(reread.front[20][15], (15 % 4) * 4 + (20 % 4) + 1);
    map_data resettled = reread;
    EXPECT_TRUE(settle_map(resettled).empty());
    EXPECT_EQ(std::memcmp(resettled.front, map.front, sizeof map.front), 0);
    EXPECT_EQ(reread.back[3][0], 100);
    EXPECT_EQ(reread.decorations[0][2], 2);
    EXPECT_EQ(reread.settings[24], 3);
    EXPECT_EQ(reread.front[4][8], 64);

    // Running again changes nothing.
    map_data again = reread;
    settle_map(again);
    EXPECT_EQ(settled_level_text(once, again), once);

    // A designer's legend character that levelsettle also writes is refused
    // rather than given a second meaning.
    std::string clashing = text;
    clashing.replace(clashing.find("w = 100"), 7, "a = 100");
    clashing.replace(clashing.find(std::string(10, 'w')), 10, std::string(10, 'a'));
    map_data clash_map;
    ASSERT_TRUE(parse_level_text(clashing, clash_map, error)) << error;
    settle_map(clash_map);
    EXPECT_EQ(settled_level_text(clashing, clash_map), "");
}

TEST(levelrender_picture, rock_and_markers_show_where_they_are) {
    if (chdir(ZEMBRA_GAME_DIR) != 0 || !file_exists("gfx/land0.xtc"))
        GTEST_SKIP() << "artwork not built";
    set_backend(backend_offscreen, false);
    ASSERT_TRUE(open_graphics(screen_width, screen_height, 32, 60));
    ASSERT_TRUE(load_render_images(0));
    map_data map = empty_map();
    const auto bare = render_level(map);
    ASSERT_EQ(bare.size(), static_cast<size_t>(level_pixels_w) * level_pixels_h);
    fill_rock(map, 40, 25, 45, 28);
    fill_rock(map, 24, 17, 26, 20);  // across the views' seam at x 800 and y 600
    map.front[5][5] = 65;
    const auto drawn = render_level(map);
    close_graphics();
    auto at = [](const std::vector<uint32_t>& p, int x, int y) { return p[static_cast<size_t>(y) * level_pixels_w + x]; };
    EXPECT_NE(at(drawn, 42 * 32 + 16, 26 * 32 + 16), at(bare, 42 * 32 + 16, 26 * 32 + 16));
    EXPECT_NE(at(drawn, 800, 600), at(bare, 800, 600));
    EXPECT_NE(at(drawn, 799, 599), at(bare, 799, 599));
    EXPECT_NE(at(drawn, 5 * 32 + 16, 5 * 32 + 20), at(bare, 5 * 32 + 16, 5 * 32 + 20));
    EXPECT_EQ(at(drawn, 10, 700), at(bare, 10, 700));
}

}  // namespace
