#include <string>

#include "config/settings.h"
#include "devtools/demo.h"
#include "play/draw.h"
#include "play/placement.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

namespace {

void dots(int count) {
    for (int i = 0; i < count; ++i)
        draw_image(gfx.item, 695 + (i % 7) * 11, 512 - (i / 7) * 25, 0);
}

std::string two_digits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

void page_change() {
    play.page_timer += 1;
    if (play.page_timer >= 300 && play.page_timer <= 308) play.screen_fade += 0.05f;
    if (play.page_timer == 309) play.status_page = (play.status_page + 1) % 3;
    if (play.page_timer >= 310 && play.page_timer <= 318) play.screen_fade -= 0.05f;
    if (play.page_timer >= 319) play.page_timer = 0;
}

}  // namespace

clock_face mission_clock(int seconds_left, int l) {
    const int minutes = seconds_left / 60, seconds = seconds_left % 60;
    clock_face face{two_digits(minutes) + ":" + two_digits(seconds), l, l, l};
    if (minutes == 0 && seconds < 10) face = {face.text, l, 0, 0};
    // The preparation countdown is always green.
    if (status_text == "Prepare to action") face = {face.text, 0, l, 0};
    return face;
}

void draw_status_panel() {
    const bool draw = drawing_enabled();
    const int l = to_int(light_level);
    if (play.status_page == 1 && mushrooms_left + mushrooms_delivered == 0) play.status_page = 2;
    if (play.status_page == 2 && insects_left + insects_delivered == 0) play.status_page = 0;
    int frame = play.screen_frame;
    while (frame == play.screen_frame) frame = rand_cosmetic(1, 8);
    play.screen_frame = frame;
    if (draw) {
        set_alpha(0.9f);
        draw_image(gfx.animations, 693, 442, play.status_page);
        set_alpha(1);
        set_color(l, l, l);
        if (play.status_page == 0) {
            dots(level_settings[ls_beetles]);
            set_color(l / 2, l / 2, l);
            dots(beetles_alive);
            if (beetles_dropped == level_settings[ls_beetles]) {
                const bool warn = beetles_alive <= level_settings[ls_min_alive] &&
                                  play.pointer_cycle > 10 && play.pointer_cycle < 30;
                if (warn) set_color(l, l / 3, l / 3);
                else set_color(l / 2, l, l / 2);
                dots(level_settings[ls_min_alive]);
            }
        } else if (play.status_page == 1 || play.status_page == 2) {
            const bool m = play.status_page == 1;
            dots(m ? mushrooms_left + mushrooms_delivered : insects_left + insects_delivered);
            set_color(l / 2, l, l / 2);
            dots(m ? mushrooms_delivered : insects_delivered);
        }
        set_color(l, l, l);
        set_alpha(0.3f + play.screen_fade);
        draw_image(gfx.lcd, 693, 442, frame);
        set_alpha(1);
        draw_image(gfx.panelback, 740, 490, 0);
    }
    page_change();
    draw_tool_panel();
    if (!draw) return;
    const clock_face clock = mission_clock(mission_timer, l);
    set_color(0, 0, 0);
    set_alpha(0.5f);
    draw_digits(737, 544, clock.text, 1);
    set_alpha(1);
    set_color(clock.r, clock.g, clock.b);
    draw_digits(735, 542, clock.text, 1);
    if (!status_blink || (tick_in_second >= 11 && tick_in_second <= 39)) {
        set_color(0, 0, 0);
        draw_text(739, 566, status_text, 1, 1);
        set_color(l, l, l);
        draw_text(740, 566, status_text, 1, 1);
    }
    set_color(l, l, l);
}

void draw_hud_buttons() {
    if (!drawing_enabled()) return;
    const int l = to_int(light_level);
    set_color(l, l, l);
    if (current_planet == 0 && !demo_playing) {
        draw_image(gfx.elemback, 48, 496, 0);
        draw_image(gfx.icons, 48, 496, 9);
    }
    if (menu_open) set_color(255, 255, 255);
    draw_image(gfx.elemback, 48, 560, 0);
    draw_image(gfx.icons, 40, 560, 10);
    set_color(l, l, l);
    if (ingame_speed_control == 1) draw_image(gfx.elemback1, 112, 560, game_speed == 1 ? 1 : 0);
}

void draw_pointer() {
    const int l = to_int(light_level);
    const int x = play.in.mouse_x, y = play.in.mouse_y;
    if (drawing_enabled()) {
        if (!demo_playing) {
            set_color(0, 0, 0);
            set_alpha(0.2f);
            draw_image(gfx.mouse, x + 3, y + 3, 0);
        }
        if (menu_open || lesson_open) set_color(255, 255, 255);
        else set_color(l, l, l);
        set_alpha(1);
        const int cycle = play.pointer_cycle;
        if (play.pointer_level_frames < 100) {
            if (cycle >= 11 && cycle <= 19) draw_image(gfx.mouse1, x + 6, y + 10, 0);
            if (cycle >= 31 && cycle <= 39) {
                set_rotation(90);
                draw_image(gfx.mouse1, x + 6, y + 10, 0);
                set_rotation(0);
            }
        }
        if (demo_playing) draw_image(gfx.demo_mouse, x, y, demo_click_flash > 0 ? 1 : 0);
        else draw_image(gfx.mouse, x, y, cycle < 20 ? 0 : 1);
    }
    play.pointer_cycle = (play.pointer_cycle + 1) % 40;
    if (play.pointer_level_frames < 100) play.pointer_level_frames += 1;
}
