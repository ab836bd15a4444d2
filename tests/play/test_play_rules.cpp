#include "devtools/demo.h"
#include "play/ingame.h"
#include "play_test_level.h"

namespace {

TEST(PlayRules, ShakeNeverTakesTheCameraPastItsBounds) {
    start_test_level();
    landed();
    camera_x = 800;
    camera_y = 360;
    inject_mouse_move(400, 300);
    shake = 20;
    for (int i = 0; i < 100; ++i) {
        play_frame();
        EXPECT_LE(camera_x, 800);
        EXPECT_LE(camera_y, 360);
        EXPECT_GE(camera_x, 0);
    }
    // The picture shook, the view came back.
    EXPECT_EQ(camera_x, 800);
    EXPECT_EQ(camera_y, 360);
}

TEST(PlayRules, ShakeDrawsFromTheWorldStream) {
    start_test_level();
    landed();
    inject_mouse_move(400, 300);
    shake = 10;
    const uint64_t world = stream_state(rng_world);
    play_frame();
    EXPECT_NE(stream_state(rng_world), world);
}

TEST(PlayRules, LessonFreezesTicksAndCameraWhileWheelAndSpeedStillAct) {
    start_map(test_map(), 0, 1);
    landed();
    open_lesson();
    camera_x = 100;
    const float timer = saucer[s_drop_timer];
    inject_key(vk_left, true);
    run_frames(5);
    inject_key(vk_left, false);
    EXPECT_EQ(camera_x, 100);
    EXPECT_EQ(saucer[s_drop_timer], timer);
    inject_wheel(1);
    play_frame();
    EXPECT_EQ(panel_tab, 1);
    press(vk_f);
    EXPECT_EQ(game_speed, 1);
    EXPECT_EQ(lesson_open, 1);
}

TEST(PlayRules, CargoOfAnyLiveBeetleIsStillToGather) {
    start_test_level();
    landed();
    items[0][i_type] = item_none;
    beetles[2][b_kind] = kind_builder; // transformed while carrying
    beetles[2][b_cargo] = cargo_mushroom;
    beetles[2][b_x] = 320;
    beetles[2][b_y] = 896;
    beetles[2][b_state] = st_walking;
    beetles[2][b_vy] = 1;
    play_frame();
    EXPECT_EQ(mission_over, 0);
    EXPECT_EQ(mushrooms_left, 1);
}

TEST(PlayRules, EverythingGatheredCompletesOnlyWithSomethingDelivered) {
    start_test_level();
    landed();
    level_status[0] = 0;
    items[0][i_type] = item_none; // the mushroom was lost, nothing delivered
    play_frame();
    EXPECT_EQ(mission_over, 1);
    EXPECT_EQ(level_status[0], 0);
    EXPECT_EQ(mission_result, 1);

    start_test_level();
    landed();
    items[0][i_type] = item_none;
    mushrooms_delivered = 1;
    mission_timer = 100;
    play_frame();
    EXPECT_EQ(level_status[0], 1);
    EXPECT_EQ(mission_result, 2);
}

TEST(PlayRules, TooFewAliveFixesResultZeroEvenIfTheClockRunsOutLater) {
    start_test_level();
    landed();
    beetles_dropped = level_settings[ls_beetles];
    level_settings[ls_min_alive] = 1;
    mushrooms_delivered = 1;
    mission_timer = 50;
    status_text = "ACTION";
    beetles_alive = 3; // a stale count must not hide that none is alive
    play_frame();
    EXPECT_EQ(mission_over, 1);
    EXPECT_EQ(mission_result, 0);
    mission_timer = 0;
    int exit = exit_none;
    for (int i = 0; i < 60 && exit == exit_none; ++i) exit = play_frame();
    EXPECT_EQ(exit, exit_results);
    EXPECT_EQ(mission_result, 0);
}

TEST(PlayRules, LevelStartForgetsThePreviousAttempt) {
    start_test_level();
    landed();
    beetles[19][b_timer] = 5;
    beetles[19][b_cargo] = 2;
    tick_in_second = 33;
    shake = 4;
    saucer_beam = 3;
    saucer[s_frame] = 7;
    saucer[s_frame_tick] = 1;
    lesson_open = 1;
    status_blink = 1;
    play.status_page = 2;
    play.page_timer = 100;
    play.pointer_cycle = 17;
    play.pointer_level_frames = 100;
    play.menu_chosen = true;
    demo_click_flash = 9;
    level_start_from_map(test_map(), 0);
    demo_level_start(false);
    start_play_state();
    for (float v : beetles[19]) EXPECT_EQ(v, 0);
    EXPECT_EQ(tick_in_second, 0);
    EXPECT_EQ(shake, 0);
    EXPECT_EQ(saucer_beam, 0);
    EXPECT_EQ(saucer[s_frame], 0);
    EXPECT_EQ(saucer[s_frame_tick], 0);
    EXPECT_EQ(lesson_open, 0);
    EXPECT_EQ(status_blink, 0);
    EXPECT_EQ(play.status_page, 0);
    EXPECT_EQ(play.page_timer, 0);
    EXPECT_EQ(play.pointer_cycle, 0);
    EXPECT_EQ(play.pointer_level_frames, 0);
    EXPECT_FALSE(play.menu_chosen);
    EXPECT_EQ(demo_click_flash, 0);
}

TEST(PlayRules, PointerAndCameraAreClampedEveryFrame) {
    start_test_level();
    landed();
    camera_x = 5000;
    camera_y = -40;
    inject_mouse_move(400, 300);
    play_frame();
    EXPECT_EQ(camera_x, 800);
    EXPECT_EQ(camera_y, 0);
    EXPECT_LT(play.in.mouse_x, 800);
}

}  // namespace
