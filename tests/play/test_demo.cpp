#include <array>
#include <cstdio>
#include <fstream>
#include <vector>

#include "audio/sound_table.h"
#include "devtools/demo.h"
#include "devtools/harness.h"
#include "play/ingame.h"
#include "play_test_level.h"

namespace {

std::string temp_path(const char* name) { return std::string("/tmp/zembra_play_") + name; }

void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A demo of the given rows, playing as the tutorial demo does.
void play_rows(const std::vector<std::array<int, 5>>& rows) {
    for (size_t i = 0; i < rows.size(); ++i)
        for (int f = 0; f < 5; ++f) demo_frames[i][f] = rows[i][f];
    demo_length = static_cast<int>(rows.size());
    demo_frame = 0;
    demo_playing = 1;
}

TEST(PlayDemoFile, RecordingRoundTripsThroughTheFileLayout) {
    clear_demo_recording();
    record_demo_frame(799, 599, 800, 360, 1);
    record_demo_frame(1, 2, 3, 4, 0);
    const std::string path = temp_path("roundtrip");
    ASSERT_TRUE(save_demo_recording(path));
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    EXPECT_EQ(static_cast<long>(in.tellg()), demo_file_bytes);
    ASSERT_TRUE(load_demo(path));
    EXPECT_EQ(demo_length, 2);
    EXPECT_EQ(demo_frames[0][df_mouse_x], 799);
    EXPECT_EQ(demo_frames[0][df_camera_x], 800);
    EXPECT_EQ(demo_frames[0][df_camera_y], 360);
    EXPECT_EQ(demo_frames[0][df_click], 1);
    EXPECT_EQ(demo_frames[1][df_mouse_y], 2);
    EXPECT_EQ(demo_frames[2][df_click], demo_end_mark);
    std::remove(path.c_str());
}

TEST(PlayDemoFile, MissingShortAndEndlessFiles) {
    EXPECT_FALSE(load_demo(temp_path("does_not_exist")));
    EXPECT_EQ(demo_length, 0);
    const std::string path = temp_path("short");
    write_bytes(path, std::vector<uint8_t>(demo_file_bytes - 1, 0));
    EXPECT_FALSE(load_demo(path));
    EXPECT_EQ(demo_length, 0);
    // No end record: it ends after its last record.
    write_bytes(path, std::vector<uint8_t>(demo_file_bytes, 0));
    EXPECT_TRUE(load_demo(path));
    EXPECT_EQ(demo_length, demo_records);
    std::remove(path.c_str());
}

TEST(PlayDemo, EndRecordFirstRestartsWithoutReplayingAnything) {
    start_test_level();
    landed();
    inject_mouse_move(300, 200);
    camera_x = 50;
    play_rows({});
    demo_frames[0][df_click] = 1; // filler behind the end must never be read
    EXPECT_EQ(play_frame(), exit_none);
    EXPECT_EQ(restart_pending, 1);
    EXPECT_EQ(target_light, 0);
    EXPECT_EQ(play.in.mouse_x, 300);
    int exit = exit_none;
    for (int i = 0; i < 60 && exit == exit_none; ++i) exit = play_frame();
    EXPECT_EQ(exit, exit_restart);
}

TEST(PlayDemo, ReplayedClickOnASlotSelectsThatTool) {
    start_test_level();
    landed();
    tool_counts[2] = 4;
    // Slot 2 is the left slot of the second row; one frame to rest, one to click.
    play_rows({{706, 94, 0, 0, 0}, {706, 94, 0, 0, 1}, {706, 94, 0, 0, 0}});
    run_frames(2);
    EXPECT_EQ(current_tool, 2);
    EXPECT_EQ(demo_click_flash, 19);
    EXPECT_EQ(restart_pending, 0);
    // The replayed click is not the player's: it does not skip the demo.
    play_frame();
    EXPECT_EQ(restart_pending, 0);
    play_frame(); // the row about to be replayed is the end
    EXPECT_EQ(restart_pending, 1);
    EXPECT_EQ(play.in.mouse_y, 94); // the last real row holds the pointer
    EXPECT_EQ(play.in.click, 0);
}

TEST(PlayDemo, PlayersClickOrEscapeSkipsButKeysDoNotActOtherwise) {
    start_test_level();
    landed();
    std::vector<std::array<int, 5>> rows(50, {400, 300, 0, 0, 0});
    play_rows(rows);
    press(vk_f);
    press(vk_escape);
    EXPECT_EQ(game_speed, 0);
    EXPECT_EQ(menu_open, 0);
    EXPECT_EQ(restart_pending, 1);

    start_test_level();
    landed();
    play_rows(rows);
    play_frame();
    click_at(700, 100);
    play_frame();
    EXPECT_EQ(restart_pending, 1);
    EXPECT_EQ(current_tool, no_tool);
}

TEST(PlayDemo, MissionDoesNotEndWhileADemoPlays) {
    start_test_level();
    landed();
    items[0][i_type] = item_none;
    std::vector<std::array<int, 5>> rows(10, {400, 300, 0, 0, 0});
    play_rows(rows);
    run_frames(3);
    EXPECT_EQ(mission_over, 0);
    demo_playing = 0;
    play_frame();
    EXPECT_EQ(mission_over, 1);
}

TEST(PlayDemo, ReplayedCameraIsClamped) {
    start_test_level();
    landed();
    play_rows({{400, 300, 2000, 900, 0}, {400, 300, 10, 10, 0}});
    play_frame();
    EXPECT_LE(camera_x, 800);
    EXPECT_LE(camera_y, 360);
}

struct world_copy {
    std::vector<int32_t> grids;
    std::vector<float> creatures;
    std::vector<int32_t> stocks;
};

world_copy copy_world() {
    world_copy w;
    w.grids.assign(&terrain_front[0][0], &terrain_front[0][0] + world_cols * world_rows);
    w.grids.insert(w.grids.end(), &plan_layer[0][0], &plan_layer[0][0] + world_cols * world_rows);
    w.grids.insert(w.grids.end(), &order_layer[0][0], &order_layer[0][0] + world_cols * world_rows);
    w.creatures.assign(&beetles[0][0], &beetles[0][0] + max_beetles * beetle_fields);
    w.creatures.insert(w.creatures.end(), &items[0][0], &items[0][0] + max_items * item_fields);
    w.stocks.assign(tool_counts, tool_counts + 26);
    return w;
}

// A short descent, a walled floor with a step, and arrows to place.
map_data busy_map() {
    map_data map = test_map();
    map.front[25][28] = 0;
    map.front[25][4] = marker_saucer;
    for (int r = 0; r < 29; ++r) map.front[2][r] = map.front[48][r] = 1;
    map.front[30][28] = 1;
    map.settings[16] = 5;
    map.settings[2] = 2;
    map.settings[ls_beetles] = 6;
    return map;
}

// Selects Navigation on the orders tab and places three arrows while the
// beetles walk, moving the camera by hand in between.
void scripted_session(int frames) {
    // Clicks on the map rest the pointer a frame first, so the preview has
    // judged the cell, as a player's pointer does.
    struct at { int frame, x, y; bool click; };
    const at steps[] = {
        {5, 765, 412, true},   // orders tab
        {7, 706, 150, true},   // Navigation
        {900, 20 * 32 + 16 - 300, 28 * 32 + 16 - 360, false},
        {901, 20 * 32 + 16 - 300, 28 * 32 + 16 - 360, true},
        {1099, 28 * 32 + 16 - 300, 28 * 32 + 16 - 360, false},
        {1100, 28 * 32 + 16 - 300, 28 * 32 + 16 - 360, true},
        {1299, 14 * 32 + 16 - 300, 27 * 32 + 16 - 360, false},
        {1300, 14 * 32 + 16 - 300, 27 * 32 + 16 - 360, true},
        {1301, 14 * 32 + 16 - 300, 27 * 32 + 16 - 360, true}, // flips it
        {1400, 400, 300, false},
    };
    for (int f = 1; f <= frames; ++f) {
        if (f == 900) {
            camera_x = 300;
            camera_y = 360;
        }
        for (const at& s : steps) {
            if (s.frame != f) continue;
            if (s.click) click_at(s.x, s.y);
            else inject_mouse_move(s.x, s.y);
        }
        // Keys too: fast speed, a tab change by wheel, a tool key, the menu.
        const int key = f == 1500 ? vk_f : f == 1800 || f == 1850 ? vk_escape : 0;
        if (key != 0) inject_key(key, true);
        if (f == 1600) inject_wheel(-1);
        if (f == 1700) inject_char('3');
        ASSERT_EQ(play_frame(), exit_none) << f;
        if (key != 0) inject_key(key, false);
    }
}

TEST(PlayDemo, RecordingReplaysToTheSameWorld) {
    const std::string path = temp_path("recording");
    harness.record_demo_file = path;
    harness.demo_file.clear();
    start_map(busy_map());
    demo_level_start(true);
    start_play_state();
    scripted_session(2000);
    ASSERT_TRUE(save_demo_recording(path));
    const world_copy recorded = copy_world();
    int arrows = 0;
    for (auto& col : order_layer)
        for (int v : col) arrows += v != 0;
    EXPECT_EQ(arrows, 3);
    EXPECT_EQ(game_speed, 1);
    EXPECT_EQ(current_tool, 2);
    EXPECT_EQ(menu_open, 0);

    harness.record_demo_file.clear();
    harness.demo_file = path;
    start_map(busy_map());
    seed_rnd(99); // the replay seeds the world stream itself
    demo_level_start(true);
    start_play_state();
    EXPECT_TRUE(demo_drives_input());
    run_frames(2000);
    const world_copy replayed = copy_world();
    EXPECT_EQ(recorded.grids, replayed.grids);
    EXPECT_EQ(recorded.creatures, replayed.creatures);
    EXPECT_EQ(recorded.stocks, replayed.stocks);
    EXPECT_EQ(game_speed, 1);
    EXPECT_EQ(current_tool, 2);
    harness.demo_file.clear();
    std::remove(path.c_str());
}

}  // namespace
