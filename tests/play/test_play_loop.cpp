#include "play_test_level.h"

namespace {

void frames(int n) { run_frames(n); }

TEST(PlayCamera, HeldRightArrowAcceleratesByHalfPixels) {
    start_test_level();
    landed();
    camera_x = 0;
    camera_y = 0;
    play.in.mouse_x = 400;
    play.in.mouse_y = 300;
    inject_key(vk_right, true);
    int steps[6];
    for (int& s : steps) {
        const int before = camera_x;
        camera_control();
        s = camera_x - before;
    }
    EXPECT_EQ(steps[0], 3);
    EXPECT_EQ(steps[1], 3);
    EXPECT_EQ(steps[2], 4);
    EXPECT_EQ(steps[3], 4);
    EXPECT_EQ(steps[4], 5);
    inject_key(vk_right, false);
    camera_control();
    EXPECT_FLOAT_EQ(play.scroll_speed, 3.0f);
}

TEST(PlayCamera, LeftStepsTruncateTheNewPosition) {
    start_test_level();
    landed();
    camera_x = 100;
    play.in.mouse_x = 400;
    play.in.mouse_y = 300;
    inject_key(vk_left, true);
    const int expected[4] = {97, 93, 89, 84};
    for (int want : expected) {
        camera_control();
        EXPECT_EQ(camera_x, want);
    }
    inject_key(vk_left, false);
}

TEST(PlayCamera, EdgeScrollsAt799NotAt798AndClamps) {
    start_test_level();
    landed();
    camera_x = 100;
    play.in.mouse_y = 300;
    play.in.mouse_x = 798;
    camera_control();
    EXPECT_EQ(camera_x, 100);
    play.in.mouse_x = 799;
    camera_control();
    EXPECT_EQ(camera_x, 103);
    camera_x = 799;
    camera_control();
    EXPECT_EQ(camera_x, 800);
}

TEST(PlayCamera, RightDragFollowsTheMouseWithinBounds) {
    start_test_level();
    landed();
    camera_x = 200;
    camera_y = 100;
    play.in.mouse_x = 400;
    play.in.mouse_y = 300;
    play.in.right_held = 1;
    camera_control();
    play.in.mouse_x = 350;
    play.in.mouse_y = 320;
    camera_control();
    EXPECT_EQ(camera_x, 250);
    EXPECT_EQ(camera_y, 80);
    play.in.mouse_y = 10;
    camera_control();
    EXPECT_EQ(camera_y, 360);
}

TEST(PlayCamera, DescendingSaucerIsCentred) {
    start_test_level();
    frames(1);
    EXPECT_EQ(saucer[s_phase], 0);
    EXPECT_EQ(camera_x, to_int(saucer[s_x] - 400));
}

TEST(PlayLoop, SpeedKeyGivesThreeTicksPerFrameFromTheNextFrame) {
    start_test_level();
    frames(1);
    float y = saucer[s_y];
    frames(1);
    EXPECT_FLOAT_EQ(saucer[s_y] - y, 2.0f);
    inject_key(vk_f, true);
    y = saucer[s_y];
    frames(1);
    inject_key(vk_f, false);
    EXPECT_EQ(game_speed, 1);
    EXPECT_FLOAT_EQ(saucer[s_y] - y, 2.0f);
    y = saucer[s_y];
    frames(1);
    EXPECT_FLOAT_EQ(saucer[s_y] - y, 6.0f);
    inject_key(vk_f, true);
    frames(1);
    inject_key(vk_f, false);
    EXPECT_EQ(game_speed, 0);
}

TEST(PlayLoop, EscapeOpensMenuWhichStopsTicksAndDimsTo150) {
    start_test_level();
    frames(2);
    inject_key(vk_escape, true);
    frames(1);
    inject_key(vk_escape, false);
    EXPECT_EQ(menu_open, 1);
    EXPECT_EQ(target_light, 150);
    const float y = saucer[s_y];
    frames(5);
    EXPECT_FLOAT_EQ(saucer[s_y], y);
    inject_key(vk_escape, true);
    frames(1);
    inject_key(vk_escape, false);
    EXPECT_EQ(menu_open, 0);
    EXPECT_EQ(target_light, 255);
}

TEST(PlayLoop, WheelChangesTabAndDeselectsEvenOverTheMap) {
    start_test_level();
    tool_counts[16] = 3;
    current_tool = 2;
    inject_mouse_move(300, 300);
    inject_wheel(1);
    frames(1);
    EXPECT_EQ(panel_tab, 1);
    EXPECT_EQ(current_tool, no_tool);
    inject_wheel(-1);
    frames(1);
    EXPECT_EQ(panel_tab, 0);
}

TEST(PlayLoop, MissionEndsWhenNothingIsLeftAndFadesToResults) {
    start_test_level();
    items[0][i_type] = item_none; // nothing left to gather
    mushrooms_delivered = 1;
    mission_timer = 100;
    status_text = "ACTION";
    light_level = 100;
    EXPECT_EQ(play_frame(), exit_none);
    EXPECT_EQ(mission_over, 1);
    EXPECT_EQ(target_light, 0);
    EXPECT_EQ(mission_result, 2);
    mission_timer = 0; // the clock running out during the fade must not change it
    int exit = exit_none;
    for (int i = 0; i < 40 && exit == exit_none; ++i) exit = play_frame();
    EXPECT_EQ(exit, exit_results);
    EXPECT_EQ(light_level, 0);
    EXPECT_EQ(mission_result, 2);
}

TEST(PlayLoop, RestartNowLeavesAtOnce) {
    start_test_level();
    restart_now = 1;
    EXPECT_EQ(play_frame(), exit_restart);
}

TEST(PlayResult, TimeOutReportsOneEvenWithDeliveries) {
    start_test_level();
    mushrooms_delivered = 3;
    beetles_alive = 5;
    level_settings[ls_min_alive] = 2;
    mission_timer = 10;
    EXPECT_EQ(compute_mission_result(), 2);
    beetles_alive = 1;
    EXPECT_EQ(compute_mission_result(), 0);
    mission_timer = 0;
    EXPECT_EQ(compute_mission_result(), 1);
}

}  // namespace
