#include "frontend/results.h"

#include <string>

#include "audio/music.h"
#include "audio/sound_table.h"
#include "config/settings.h"
#include "devtools/harness.h"
#include "frontend/resources.h"
#include "frontend/screens.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

results_state results;

namespace {

struct tally_row {
    const char* label;
    int factor;
};

constexpr tally_row tally_rows[results_rows] = {
    {"Mushrooms Collected", 25}, {"Insects Collected", 25}, {"Time Bonus", 50},
    {"Originality Bonus", 10},   {"Life Safe Bonus", 25},
};

int row_value(int k) {
    switch (k) {
        case 0: return results.mushrooms;
        case 1: return results.insects;
        case 2: return results.seconds_left / 60;
        case 3: return results.originality;
        default: return results.alive;
    }
}

std::string value_text(int k) {
    return int_text(row_value(k)) + "x " + int_text(tally_rows[k].factor);
}

bool over_ok(int x, int y) { return x >= 376 && x <= 422 && y >= 491 && y <= 537; }

void shadowed(int x, int y, const std::string& text, int align, int r, int g, int b) {
    set_color(0, 0, 0);
    draw_text(static_cast<float>(x + 2), y + 2, text, align, 0);
    set_color(r, g, b);
    draw_text(static_cast<float>(x), y, text, align, 0);
}

// Counts the open row up one unit every second frame and closes it with a
// sound; the row after the last one retires the counter.
void tally_step() {
    results_state& s = results;
    if (s.row == -1) {
        s.row = 0;
        s.row_delay = 10;
        s.counter = 0;
        s.row_target = s.mushrooms;
        s.counter_x = 390;
        s.counter_y = 200;
    }
    s.tick = 1 - s.tick;
    if (s.row_delay > 0) s.row_delay -= 1;
    if (s.row_delay == 0 && s.tick == 1 && s.counter < s.row_target) s.counter += 1;
    if (s.counter != s.row_target) return;
    play_sound(snd_pickb, effects_channel_a);
    s.counter = 0;
    s.row_delay = 100;
    if (s.row >= 0 && s.row < results_rows) s.score += tally_rows[s.row].factor * row_value(s.row);
    if (s.row + 1 < results_rows) {
        s.row_target = row_value(s.row + 1);
        s.counter_y = 230 + 30 * s.row;
    } else {
        play_sound(snd_gold, effects_channel_b);
        s.row_target = retired_target;
        s.counter_x = 990;
        s.counter_y = 920;
    }
    s.row += 1;
}

void draw_title() {
    const results_state& s = results;
    if (s.screen_clock < 45) {
        const float k = static_cast<float>(s.screen_clock) / 45.0f;
        set_scale(k, k);
        set_rotation(8.0f * static_cast<float>(s.screen_clock));
        draw_image(res.result_titles, 550, 520, s.failure_title);
        set_rotation(0);
        set_scale(1, 1);
    } else {
        draw_image(res.result_titles, 550, 520, s.failure_title);
    }
}

void draw_tally(int l, bool ok_hovered) {
    const results_state& s = results;
    set_color(l / 2, l / 2, l / 2);
    draw_image(res.panel1, 45, 110, 0);
    set_color(l, l, l);
    draw_image(res.menu_keys, 20, 80, 9);
    for (int k = 0; k < results_rows && k <= s.row; ++k)
        shadowed(70, 200 + 30 * k, tally_rows[k].label, 0, l, l, l);
    for (int k = 0; k < results_rows && k < s.row; ++k)
        shadowed(390, 200 + 30 * k, value_text(k), 2, l, l, l);
    shadowed(70, 380, "Score", 0, l / 2, l / 2, l);
    shadowed(390, 380, int_text(s.score), 2, l / 2, l / 2, l);
    if (s.row == results_rows) {
        shadowed(70, 410, "Gold Collected", 0, l, l / 2, 0);
        shadowed(390, 410, int_text(s.gold), 2, l, l / 2, 0);
    }
    if (s.row_delay == 0) shadowed(s.counter_x, s.counter_y, int_text(s.counter), 2, l, l, l);
    const int c = ok_hovered ? l : l / 2;
    set_color(c, c, c);
    draw_image(res.ok_cancel, 375, 490, 0);
    set_color(l, l, l);
}

}  // namespace

void results_enter(int result) {
    results_state& s = results;
    s = results_state{};
    current_screen = "results";
    s.result = result;
    s.mushrooms = mushrooms_delivered;
    s.insects = insects_delivered;
    s.seconds_left = mission_timer;
    s.alive = beetles_alive;
    for (int t = 0; t < 8; ++t) s.originality += tool_counts[t];
    const bool success = result == 2;
    // A failed mission books nothing it delivered; the world's own counts stay
    // as they were for whoever reads them after the level.
    if (!success) s.mushrooms = s.insects = s.seconds_left = s.originality = 0;
    s.failure_title = success ? 0 : 1;
    s.background = load_listed_image(result == 0   ? "gfx/hud/vorn/vorn1.xtc"
                                    : success     ? "gfx/hud/vorn/vorn3.xtc"
                                                  : "gfx/hud/vorn/vorn2.xtc");
    music_track = success ? 6 : 8;
    start_music();
    target_light = 255;
    menu_open = 0;
    campaign_insects += s.insects;
    campaign_mushrooms += s.mushrooms;
    s.total = 25 * s.mushrooms + 25 * s.insects + 50 * (s.seconds_left / 60) +
              10 * s.originality + 25 * s.alive;
    s.gold = success ? s.total / 100 + difficulty : 0;
    campaign_gold += s.gold;
}

bool results_frame() {
    results_state& s = results;
    const int l = to_int(light_level);
    set_color(l, l, l);
    take_input_snapshot();
    cls();
    draw_image(s.background, 0, 75, 0);
    draw_title();
    const int mx = front_in.mouse_x, my = front_in.mouse_y;
    const bool hovered = over_ok(mx, my);
    if (s.screen_clock > 100) {
        draw_tally(l, hovered);
        tally_step();
    }
    draw_front_pointer();
    flip(-1);
    if (hovered && front_clicked() && s.leaving == 0) {
        target_light = 0;
        play_sound(snd_dead4, effects_channel_b);
        write_campaign();
        s.leaving = 1;
    }
    fade_light();
    apply_volumes();
    s.screen_clock += 1;
    if (s.leaving == 0 || light_level > 0) return false;
    free_handle(s.background);
    s.background = 0;
    return true;
}

bool run_results_frames(int result, long max_frames) {
    results_enter(result);
    for (long n = 0; max_frames < 0 || n < max_frames; ++n) {
        if (quit_requested()) {
            write_campaign();
            return false;
        }
        if (results_frame()) {
            harness_event(event_results);
            return true;
        }
    }
    return false;
}

void run_results(int result) { run_results_frames(result, -1); }
