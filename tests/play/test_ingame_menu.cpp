#include "play/ingame.h"
#include "play_test_level.h"

namespace {

// Opens the menu with the button and lets the light settle at 150.
void open_menu_by_button() {
    landed();
    click_at(40, 560);
    play_frame();
    ASSERT_EQ(menu_open, 1);
    run_frames(25);
    ASSERT_EQ(light_level, 150);
}

void choose_at(int x, int y) {
    click_at(x, y);
    play_frame(); // the menu finds its row while drawn...
    click_at(x, y);
    play_frame(); // ...and a click then takes it
}

TEST(PlayMenu, RowsFollowThePointerWithStrictLeftEdge) {
    start_test_level();
    menu_open = 1;
    struct probe { int x, y, row; };
    const probe probes[] = {{16, 450, no_slot}, {17, 450, 0}, {17, 443, 0}, {17, 442, no_slot},
                            {100, 463, 1}, {100, 483, 2}, {17, 519, 3}, {100, 520, no_slot},
                            {199, 500, 2}, {200, 500, no_slot}};
    for (const probe& p : probes) {
        play.in.mouse_x = p.x;
        play.in.mouse_y = p.y;
        draw_ingame_menu();
        EXPECT_EQ(play.menu_row, p.row) << p.x << "," << p.y;
    }
}

TEST(PlayMenu, ButtonClickOpensWithoutBeingTakenAsAChoice) {
    start_test_level();
    landed();
    // Even while the light is not at full, the opening click is not a choice.
    light_level = 200;
    click_at(40, 560);
    play_frame();
    EXPECT_EQ(menu_open, 1);
    EXPECT_EQ(target_light, 150);
    EXPECT_EQ(mission_over, 0);
}

TEST(PlayMenu, AbortClearsDeliveriesAndEndsWithResultOne) {
    start_test_level();
    open_menu_by_button();
    mushrooms_delivered = 2;
    level_status[0] = 2;
    choose_at(100, 450);
    EXPECT_EQ(mission_over, 1);
    EXPECT_EQ(mushrooms_delivered, 0);
    EXPECT_EQ(level_status[0], 0);
    EXPECT_EQ(target_light, 0);
    int exit = exit_none;
    for (int i = 0; i < 60 && exit == exit_none; ++i) exit = play_frame();
    EXPECT_EQ(exit, exit_results);
    EXPECT_EQ(mission_result, 1);
    EXPECT_EQ(mushrooms_delivered, 0);
}

TEST(PlayMenu, CompleteMarksOnlyWhenSomethingWasDelivered) {
    start_test_level();
    open_menu_by_button();
    level_status[0] = 0;
    choose_at(100, 470);
    EXPECT_EQ(mission_over, 1);
    EXPECT_EQ(level_status[0], 0);

    start_test_level();
    open_menu_by_button();
    insects_delivered = 1;
    choose_at(100, 470);
    EXPECT_EQ(level_status[0], 2);
}

TEST(PlayMenu, RestartAndShutdownLeaveAfterTheFade) {
    start_test_level();
    open_menu_by_button();
    choose_at(100, 490);
    EXPECT_EQ(restart_pending, 1);
    int exit = exit_none;
    for (int i = 0; i < 60 && exit == exit_none; ++i) exit = play_frame();
    EXPECT_EQ(exit, exit_restart);

    start_test_level();
    open_menu_by_button();
    choose_at(17, 519);
    exit = exit_none;
    for (int i = 0; i < 60 && exit == exit_none; ++i) exit = play_frame();
    EXPECT_EQ(exit, exit_shutdown);
}

TEST(PlayMenu, AfterAChoiceNothingElseIsTaken) {
    start_test_level();
    open_menu_by_button();
    choose_at(100, 490); // restart
    choose_at(17, 519);  // shutdown must not replace it
    EXPECT_FALSE(play.shutdown_requested);
    choose_at(300, 300); // a click outside must not close it
    EXPECT_EQ(menu_open, 1);
    press(vk_escape);    // nor Escape, which would stop the fade
    EXPECT_EQ(menu_open, 1);
    EXPECT_EQ(target_light, 0);
}

TEST(PlayMenu, ClickOutsideOrEscapeCloses) {
    start_test_level();
    open_menu_by_button();
    choose_at(400, 300);
    EXPECT_EQ(menu_open, 0);
    EXPECT_EQ(target_light, 255);
    EXPECT_EQ(mission_over, 0);
}

TEST(PlayMenu, OpenMenuFreezesTicksAndCameraButNotWheelOrSpeed) {
    start_test_level();
    open_menu_by_button();
    camera_x = 100;
    const float timer = saucer[s_drop_timer];
    const int dropped = beetles_dropped;
    inject_key(vk_right, true);
    run_frames(10);
    inject_key(vk_right, false);
    EXPECT_EQ(camera_x, 100);
    EXPECT_EQ(saucer[s_drop_timer], timer);
    EXPECT_EQ(beetles_dropped, dropped);
    inject_wheel(1);
    play_frame();
    EXPECT_EQ(panel_tab, 1);
    press(vk_f);
    EXPECT_EQ(game_speed, 1);
}

TEST(PlayMenu, CannotBeOpenedOnceTheMissionHasEnded) {
    start_test_level();
    landed();
    mission_over = 1;
    target_light = 0;
    press(vk_escape);
    EXPECT_EQ(menu_open, 0);
    click_at(40, 560);
    play_frame();
    EXPECT_EQ(menu_open, 0);
    EXPECT_EQ(target_light, 0);
}

TEST(PlayMenu, FusesBurnWhileTheMenuIsOpen) {
    start_test_level();
    open_menu_by_button();
    charges.push_back(charge{320, 800, 1, 0, 0});
    press(vk_f); // fast speed: three ticks' worth a frame
    const float fuse = charges[0].fuse;
    play_frame();
    ASSERT_EQ(charges.size(), 1u);
    EXPECT_FLOAT_EQ(charges[0].fuse - fuse, 3.0f);
}

}  // namespace
