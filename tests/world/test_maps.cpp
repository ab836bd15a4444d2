// Map files, the level start's world steps and the level text format.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "config/settings.h"
#include "runtime/runtime.h"
#include "world/console_log.h"
#include "world/level_text.h"
#include "world/map_file.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

map_data empty_map() {
    map_data m;
    std::memset(&m, 0, sizeof m);
    return m;
}

// A floor along row 12 and a drop marker at column 5, row 10.
map_data sample_map() {
    map_data m = empty_map();
    for (int c = 0; c < world_cols; ++c) m.front[c][12] = 31;
    m.front[5][10] = marker_saucer;
    m.front[8][11] = marker_mushroom;
    m.front[9][11] = marker_insect;
    m.front[10][11] = marker_hostile;
    m.back[3][3] = 100;
    m.decorations[0][0] = 300;
    m.decorations[0][1] = 200;
    m.decorations[0][2] = 3;
    m.settings[0] = 5;
    m.settings[ls_beetles] = 8;
    m.settings[ls_time] = 300;
    m.settings[ls_direction] = 1;
    return m;
}

struct temp_dir {
    fs::path path;
    fs::path old;
    temp_dir() {
        old = fs::current_path();
        path = fs::temp_directory_path() / ("zembra_maps_" + std::to_string(::getpid()));
        fs::create_directories(path / "maps");
        fs::current_path(path);
    }
    ~temp_dir() {
        fs::current_path(old);
        fs::remove_all(path);
    }
};

class WorldMap : public ::testing::Test {
protected:
    void SetUp() override {
        reset_world_tables();
        clear_console_log();
        seed_rnd(7);
    }
};

}  // namespace

TEST_F(WorldMap, FileLayoutIsColumnMajorAndLittleEndian) {
    map_data m = sample_map();
    std::vector<uint8_t> bytes(map_file_size);
    encode_map(m, bytes.data());
    // Cell (5, 10) at (5 * 31 + 10) * 2.
    EXPECT_EQ(bytes[(5 * 31 + 10) * 2], marker_saucer);
    EXPECT_EQ(bytes[(3 * 31 + 3) * 2 + 1], 100);
    // Decoration row 0: x = 300 little-endian at 3162.
    EXPECT_EQ(bytes[3162], 300 & 0xff);
    EXPECT_EQ(bytes[3163], 300 >> 8);
    // Setting 25 (time) at 4362 + 100.
    EXPECT_EQ(bytes[4362 + 25 * 4], 300 & 0xff);
    map_data back;
    ASSERT_TRUE(decode_map(bytes.data(), map_file_size, back));
    EXPECT_EQ(std::memcmp(&m, &back, sizeof m), 0);
    EXPECT_FALSE(decode_map(bytes.data(), map_file_size - 1, back));
}

TEST_F(WorldMap, LevelStartTurnsMarkersIntoObjectsAndReports) {
    map_planet = 1;
    level_start_from_map(sample_map(), 0);
    EXPECT_FLOAT_EQ(saucer[s_x], 176.0f);
    EXPECT_FLOAT_EQ(saucer[s_landing_y], 256.0f);
    EXPECT_FLOAT_EQ(saucer[s_y], -96.0f);
    EXPECT_FLOAT_EQ(saucer[s_descent_speed], 2.0f);
    EXPECT_EQ(saucer_drop_col, 5);
    EXPECT_EQ(saucer_drop_row, 10);
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            EXPECT_FALSE(terrain_front[c][r] >= 64 && terrain_front[c][r] <= 67);
            EXPECT_EQ(plan_layer[c][r], 0);
            EXPECT_EQ(order_layer[c][r], 0);
        }
    // Items in scan order: mushroom (8,11), insect (9,11), hostile (10,11).
    EXPECT_EQ(items[0][i_type], item_mushroom);
    EXPECT_EQ(items[0][i_x], 256);
    EXPECT_GE(items[0][i_sub], 0);
    EXPECT_LE(items[0][i_sub], 4);
    EXPECT_EQ(items[1][i_type], item_insect);
    EXPECT_GE(items[1][i_frame], 1);
    EXPECT_LE(items[1][i_frame], 8);
    EXPECT_EQ(items[2][i_type], item_hostile);
    EXPECT_EQ(mushrooms_left, 1);
    EXPECT_EQ(insects_left, 1);
    EXPECT_EQ(console_lines[16], "Level scan report: ");
    EXPECT_EQ(console_lines[17], "Bugdrop on X:176.000000 Y:256.000000;");
    EXPECT_EQ(console_lines[18], "Total Insects:1;");
    EXPECT_EQ(console_lines[19], "Total Mushrooms:1;");
    EXPECT_EQ(status_text, "Landing");
    EXPECT_EQ(tool_counts[0], 5);
    EXPECT_EQ(current_tool, no_tool);
    EXPECT_FLOAT_EQ(gravity, 0.3f);
    EXPECT_EQ(flakes.size(), 101u);
}

TEST_F(WorldMap, RestartClearsEverythingOfTheLastAttempt) {
    map_planet = 1;
    level_start_from_map(sample_map(), 0);
    beetles[3][b_kind] = 2;
    beetles[3][b_cargo] = 1;
    plan_layer[4][4] = 2;
    tick_in_second = 33;
    shake = 9;
    saucer_beam = 1;
    lesson_open = 1;
    effects.push_back(effect{1, 1, 1, 0, 0, 0});
    level_start_from_map(sample_map(), 0);
    for (int f = 0; f < beetle_fields; ++f) EXPECT_EQ(beetles[3][f], 0.0f);
    EXPECT_EQ(plan_layer[4][4], 0);
    EXPECT_EQ(tick_in_second, 0);
    EXPECT_EQ(shake, 0.0f);
    EXPECT_EQ(saucer_beam, 0);
    EXPECT_EQ(lesson_open, 0);
    EXPECT_TRUE(effects.empty());
}

TEST_F(WorldMap, DifficultyShortensTimeOnlyOffTheTutorialPlanet) {
    map_planet = 0;
    level_start_from_map(sample_map(), 2);
    EXPECT_EQ(level_settings[ls_time], 300);
    map_planet = 3;
    level_start_from_map(sample_map(), 2);
    EXPECT_EQ(level_settings[ls_time], 230);
}

TEST_F(WorldMap, OverfullMapsAreClamped) {
    map_data m = sample_map();
    int markers = 0;
    for (int c = 0; c < world_cols && markers < 60; ++c)
        for (int r = 0; r < 3 && markers < 60; ++r, ++markers) m.front[c][r] = marker_insect;
    m.settings[ls_beetles] = 35;
    m.settings[ls_direction] = 7;
    level_start_from_map(m, 0);
    EXPECT_EQ(level_settings[ls_beetles], 20);
    EXPECT_EQ(level_settings[ls_direction], 1);
    int live = 0;
    for (auto& it : items) live += it[i_type] != 0;
    EXPECT_EQ(live, 50);
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) EXPECT_NE(terrain_front[c][r], marker_insect);
    m.settings[ls_beetles] = -4;
    level_start_from_map(m, 0);
    EXPECT_EQ(level_settings[ls_beetles], 0);
}

TEST_F(WorldMap, MissingOrShortFilesAreRefusedWithoutTouchingTheTables) {
    temp_dir dir;
    map_planet = 1;
    map_level = 0;
    level_start_from_map(sample_map(), 0);
    const float saucer_x = saucer[s_x];
    EXPECT_FALSE(level_start_world(0));  // no file at all
    {
        std::ofstream short_file("maps/map10.map", std::ios::binary);
        std::vector<char> bytes(map_file_size - 10, 1);
        short_file.write(bytes.data(), static_cast<long>(bytes.size()));
    }
    EXPECT_FALSE(level_start_world(0));
    EXPECT_FALSE(load_map(0));
    EXPECT_EQ(saucer[s_x], saucer_x);
    EXPECT_EQ(terrain_front[0][12], 31);
    // A whole file with trailing bytes is accepted.
    {
        std::vector<uint8_t> bytes(map_file_size + 16, 0);
        encode_map(sample_map(), bytes.data());
        std::ofstream whole("maps/map10.map", std::ios::binary | std::ios::trunc);
        whole.write(reinterpret_cast<char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
    EXPECT_TRUE(level_start_world(0));
    EXPECT_EQ(current_map_name, "map10");
}

TEST_F(WorldMap, FileNamesFollowTheDecimalRule) {
    EXPECT_EQ(map_file_name(3, 2), "maps/map32.map");
    EXPECT_EQ(map_file_name(0, 0), "maps/map00.map");
    EXPECT_EQ(map_file_name(10, 4), "maps/map104.map");
}

TEST_F(WorldMap, CursorCellUsesTheSubCellScroll) {
    camera_x = 40;
    camera_y = 0;
    cursor_cell(0, 0);
    EXPECT_EQ(cursor_col, 1);
    EXPECT_EQ(scroll_offset_x, 8);
    cursor_cell(24, 31);
    EXPECT_EQ(cursor_col, 2);
    EXPECT_EQ(cursor_row, 0);
}

TEST_F(WorldMap, ToolStockRules) {
    tool_counts[0] = 99;
    current_tool = 0;
    use_tool_stock(0);  // bridges count down even from 99
    EXPECT_EQ(tool_counts[0], 98);
    tool_counts[16] = 99;
    current_tool = 16;
    for (int i = 0; i < 5; ++i) use_tool_stock(16);
    EXPECT_EQ(tool_counts[16], 99);
    tool_counts[2] = 1;
    current_tool = 2;
    use_tool_stock(2);
    EXPECT_EQ(tool_counts[2], 0);
    EXPECT_EQ(current_tool, no_tool);
}

TEST_F(WorldMap, CellReadsOutsideTheWorldAreEmpty) {
    terrain_front[0][0] = 5;
    EXPECT_EQ(cell_at(terrain_front, 0, 0), 5);
    EXPECT_EQ(cell_at(terrain_front, -1, 0), 0);
    EXPECT_EQ(cell_at(terrain_front, 51, 0), 0);
    EXPECT_EQ(cell_at(terrain_front, 0, 31), 0);
    set_cell(terrain_front, 51, 31, 9);  // dropped, not written elsewhere
    set_cell(terrain_front, -1, 5, 9);
    EXPECT_EQ(terrain_front[50][30], 0);
    EXPECT_EQ(cell_of(-5.0f), 0);
    EXPECT_EQ(cell_of(63.9f), 1);
}

TEST(WorldLevelText, CompilesSmallMapsAndRoundTrips) {
    const std::string text =
        "[settings]\n"
        "bridge = 3   # three bridge plans\n"
        "beetles = 6\n"
        "time = 240\n"
        "survivors = 4\n"
        "setting 28 = 1\n"
        "[legend]\n"
        "w = 96\n"
        "[front]\n"
        ".....S....\n"
        "..........\n"
        "####%%##H=\n"
        "m.i.x.BTA.\n"
        "[back]\n"
        "ww\n"
        "[decorations]\n"
        "100 200 4\n";
    map_data m;
    std::string error;
    ASSERT_FALSE(parse_level_text(text, m, error)) << "setting 28 has no space form";
    const std::string fixed = std::string(text).replace(text.find("setting 28"), 10, "night");
    ASSERT_TRUE(parse_level_text(fixed, m, error)) << error;
    EXPECT_EQ(m.front[5][0], 64);
    EXPECT_EQ(m.front[0][2], 31);
    EXPECT_EQ(m.front[4][2], 33);
    EXPECT_EQ(m.front[8][2], 32);
    EXPECT_EQ(m.front[9][2], 39);
    EXPECT_EQ(m.front[0][3], 65);
    EXPECT_EQ(m.front[2][3], 66);
    EXPECT_EQ(m.front[4][3], 67);
    EXPECT_EQ(m.front[6][3], 40);
    EXPECT_EQ(m.front[7][3], 41);
    EXPECT_EQ(m.front[8][3], 42);
    EXPECT_EQ(m.front[50][30], 0);
    EXPECT_EQ(m.back[1][0], 96);
    EXPECT_EQ(m.settings[0], 3);
    EXPECT_EQ(m.settings[24], 6);
    EXPECT_EQ(m.settings[28], 1);
    EXPECT_EQ(m.decorations[0][2], 4);

    // text -> map -> text -> map keeps every byte, odd codes included.
    m.front[20][20] = 200;
    m.back[21][20] = 7;
    m.decorations[5][0] = 9;
    map_data again;
    ASSERT_TRUE(parse_level_text(level_text_from_map(m), again, error)) << error;
    EXPECT_EQ(std::memcmp(&m, &again, sizeof m), 0);
}

TEST(WorldLevelText, ErrorsNameTheLine) {
    map_data m;
    std::string error;
    EXPECT_FALSE(parse_level_text("[front]\n...Q\n", m, error));
    EXPECT_NE(error.find("unknown cell"), std::string::npos);
    EXPECT_FALSE(parse_level_text("[settings]\nwings = 3\n", m, error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(parse_level_text("[front]\n" + std::string(52, '.') + "\n", m, error));
    EXPECT_FALSE(parse_level_text("[settings]\nbeetles = 3\n", m, error));  // no grid
    std::string many = "[front]\n";
    for (int i = 0; i < 32; ++i) many += ".\n";
    EXPECT_FALSE(parse_level_text(many, m, error));
}
