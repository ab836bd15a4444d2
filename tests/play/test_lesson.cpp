#include "devtools/demo.h"
#include "play/ingame.h"
#include "play/placement.h"
#include "play_test_level.h"
#include "world/catalogue.h"

namespace {

void set_page(int lines) {
    for (int j = 0; j < 50; ++j) lesson_text[0][j] = j < lines ? "line " + std::to_string(j) : "";
    lesson_text[0][lines] = "#";
}

void start_lesson_level(int lines) {
    start_map(test_map(), 0, 0);
    set_page(lines);
    open_lesson();
}

TEST(PlayLesson, ShortPageNeverScrolls) {
    start_lesson_level(10);
    for (int i = 0; i < 2000; ++i) draw_lesson();
    EXPECT_EQ(lesson_phase, 0);
    EXPECT_EQ(lesson_offset, 0);
}

TEST(PlayLesson, LongPageWaitsScrollsPausesAndStartsOver) {
    start_lesson_level(40);
    for (int i = 0; i < 499; ++i) draw_lesson();
    EXPECT_EQ(lesson_phase, 0);
    draw_lesson();
    EXPECT_EQ(lesson_phase, 1);
    // The end marker sits at 640 and must rise below 290: 350 / 0.7 = 500 frames.
    int scrolled = 0;
    while (lesson_phase == 1 && scrolled < 2000) {
        draw_lesson();
        ++scrolled;
    }
    EXPECT_GE(scrolled, 500);
    EXPECT_LE(scrolled, 502);
    EXPECT_EQ(lesson_phase, 2);
    const float rested_at = lesson_offset;
    for (int i = 0; i < 898; ++i) draw_lesson();
    EXPECT_EQ(lesson_offset, rested_at);
    EXPECT_EQ(lesson_phase, 2);
    draw_lesson();
    draw_lesson();
    EXPECT_EQ(lesson_phase, 0);
    EXPECT_EQ(lesson_offset, 0);
}

TEST(PlayLesson, ButtonReopensFromTheTopAndAClickCloses) {
    start_lesson_level(40);
    landed();
    lesson_open = 0;
    lesson_phase = 1;
    lesson_offset = -100;
    click_at(40, 490);
    play_frame();
    EXPECT_EQ(lesson_open, 1);
    EXPECT_EQ(lesson_offset, 0);
    EXPECT_EQ(lesson_phase, 0);
    EXPECT_EQ(target_light, 250);
    // Ticks stop while the page is shown.
    const float timer = saucer[s_drop_timer];
    run_frames(3);
    EXPECT_EQ(saucer[s_drop_timer], timer);
    // Light is 250 by now: a click anywhere closes the page.
    click_at(300, 300);
    play_frame();
    EXPECT_EQ(lesson_open, 0);
    EXPECT_EQ(target_light, 255);
}

TEST(PlayLesson, ButtonIsInactiveWhileADemoPlays) {
    start_lesson_level(10);
    landed();
    lesson_open = 0;
    demo_playing = 1;
    demo_length = 0; // the demo replays nothing but is still playing
    play.in.mouse_x = 40;
    play.in.mouse_y = 490;
    find_mouse_zone();
    EXPECT_NE(play.mouse_zone, 7);
    demo_playing = 0;
    find_mouse_zone();
    EXPECT_EQ(play.mouse_zone, 7);
}

TEST(PlayLesson, EscapeClosesButNeverUndoesAFadeOut) {
    start_lesson_level(10);
    landed();
    press(vk_escape);
    EXPECT_EQ(lesson_open, 0);
    EXPECT_EQ(menu_open, 0);
    open_lesson();
    mission_over = 1;
    press(vk_escape);
    EXPECT_EQ(lesson_open, 0);
    EXPECT_EQ(target_light, 0);
}

}  // namespace
