#include "frontend/selection.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/music.h"
#include "audio/sound_table.h"
#include "config/settings.h"
#include "devtools/harness.h"
#include "frontend/resources.h"
#include "frontend/screens.h"
#include "frontend/starfield.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"
#include "world/world.h"

selection_state selection;

namespace {

constexpr int key_t_code = 84;

bool inside(int x, int y, int x1, int y1, int x2, int y2) {
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}
bool over_up(int x, int y) { return inside(x, y, 71, 209, 129, 241); }
bool over_down(int x, int y) { return inside(x, y, 71, 359, 129, 391); }
bool over_back(int x, int y) { return inside(x, y, 11, 541, 124, 579); }
bool over_go(int x, int y) { return inside(x, y, 476, 510, 779, 589); }

int levels_here() { return level_count(current_planet); }

bool selected_startable() {
    const int n = selection.selected_level;
    return n >= 0 && n < levels_here() && level_status[n] == 0;
}

void step_scroll() {
    float& pos = selection.list_scroll;
    const float target = selection.list_scroll_target;
    const float d = std::fabs(target - pos);
    const float step = d < 40 ? d / 5 : 8;
    if (pos < target) pos += step;
    else if (pos > target) pos -= step;
}

// ---- drawing

void draw_level_list() {
    const int count = levels_here();
    for (int i = 0; i < count; ++i) {
        const int y = static_cast<int>(std::lround(i * 100 + 300 - selection.list_scroll));
        const float a = 1.0f - static_cast<float>(std::abs(300 - y)) / 300.0f;
        if (a <= 0) continue;  // far off the list: nothing to show, and no mirrored picture
        set_alpha(a);
        set_scale(a, a);
        draw_image(res.minimap_win, 100, static_cast<float>(y), 0);
        draw_image(level_previews, 100, static_cast<float>(y), i);
    }
    set_alpha(1);
    set_scale(1, 1);
}

void draw_arrows(int mx, int my) {
    const bool up = selection.selected_level > 0, down = down_arrow_shown();
    if (up) draw_image(res.arrows, 100, 225, 0);
    if (down) draw_image(res.arrows, 100, 375, 2);
    if (up && over_up(mx, my)) draw_image(res.arrows, 100, 225, 1);
    if (down && over_down(mx, my)) draw_image(res.arrows, 100, 375, 3);
}

void draw_jump_markers() {
    if (!can_jump()) return;
    const int blink = selection.blink;
    if (blink < 11 || blink > 29) return;
    for (int k = 4; k < 7; ++k) {
        const int next = planet_table[current_planet][k];
        if (next < 1 || next > planet_count) continue;
        draw_image(res.launch, static_cast<float>(planet_table[next - 1][0]),
                   static_cast<float>(planet_table[next - 1][1]), 0);
    }
}

void draw_total(int value, int x, int y, int l) {
    set_color(0, 0, 0);
    draw_digits(x, y, int_text(value), 0);
    set_color(l, l, l);
    draw_digits(x - 2, y - 2, int_text(value), 0);
}

void shadowed(float x, int y, const std::string& text, int r, int g, int b, int align) {
    set_color(0, 0, 0);
    draw_text(x + 2, y + 2, text, align, 1);
    set_color(r, g, b);
    draw_text(x, y, text, align, 1);
}

void draw_level_texts(int l) {
    const float s = 20.0f * (1.0f - selection.slide);
    const float lf = static_cast<float>(l);
    const int dim = to_int(lf / 1.3f), mid = to_int(lf / 1.2f);
    set_alpha(std::clamp(selection.slide, 0.0f, 1.0f));
    shadowed(185 - s, 255, planet_names[current_planet], mid, l, mid, 0);
    const int n = selection.selected_level;
    if (levels_here() == 0) {
        // Where the previews would be: the planet offers nothing to land on.
        shadowed(100, 292, "No place to land here", dim, mid, dim, 1);
    } else if (n >= 0 && n < levels_here()) {
        shadowed(185 + s, 270, level_names[current_planet][n], dim, mid, dim, 0);
        shadowed(185 - s, 285,
                 "Mushrooms " + int_text(level_stats[n][0]) + "/ Insects " +
                     int_text(level_stats[n][1]),
                 dim, mid, dim, 0);
        const int t = to_int(lf / 1.1f);
        shadowed(185 + s, 300, "Time Limit " + int_text(level_stats[n][2]) + " s.", t, mid, t, 0);
        shadowed(185 - s, 330, "Status", mid, l, mid, 0);
        const int low = to_int(lf / 1.7f);
        switch (level_status[n]) {
            case 0: shadowed(230 - s, 330, "Accesible", dim, mid, dim, 0); break;
            case 1: shadowed(230 - s, 330, "Succerfly Completed", low, l, low, 0); break;
            default: shadowed(230 - s, 330, "Not Completed", l, low, low, 0); break;
        }
    }
    set_alpha(1);
    set_color(l, l, l);
    if (selection.slide < 1) selection.slide += 0.05f;
}

void draw_planet_label(int mx, int my, int l) {
    const int p = planet_at(mx, my);
    if (p < 0) {
        selection.tooltip_alpha = 0;
        return;
    }
    selection.tooltip_alpha = std::min(1.0f, selection.tooltip_alpha + 0.05f);
    set_alpha(selection.tooltip_alpha);
    draw_image(res.planet_tab, static_cast<float>(mx - 96), static_cast<float>(my - 20), 0);
    set_color(0, 0, 0);
    draw_text(static_cast<float>(mx - 49), my - 14, planet_names[p], 1, 1);
    set_color(l, l, l);
    set_alpha(1);
}

void draw_frame() {
    const int l = to_int(light_level);
    const int mx = front_in.mouse_x, my = front_in.mouse_y;
    draw_star_map(selection.screen_clock);
    draw_routes(selection.screen_clock);
    draw_level_list();
    draw_arrows(mx, my);
    draw_jump_markers();
    draw_total(campaign_mushrooms, 72, 33, l);
    draw_total(campaign_insects, 175, 33, l);
    draw_total(campaign_gold, 278, 34, l);
    set_color(l, l, l);
    set_scale(0.3f, 0.3f);
    draw_image(res.ufo, static_cast<float>(planet_table[current_planet][0]),
               static_cast<float>(planet_table[current_planet][1]),
               static_cast<int>(selection.saucer_frame));
    set_scale(1, 1);
    draw_level_texts(l);
    if (selected_startable()) {
        draw_image(res.menu_keys, 470, 500, 11);
    } else {
        set_alpha(0.5f);
        draw_image(res.menu_keys, 470, 500, 10);
        set_alpha(1);
    }
    draw_front_pointer();
    selection.blink = (selection.blink + 1) % 40;
    draw_planet_label(mx, my, l);
}

// ---- input

void choose_level(int delta) {
    selection.selected_level += delta;
    selection.list_scroll_target += 100.0f * static_cast<float>(delta);
    selection.slide = 0;
    play_sound(snd_click2, effects_channel_a);
}

void leave(int why) {
    play_sound(snd_click2, effects_channel_a);
    selection.leaving = why;
    target_light = 0;
}

void handle_input() {
    // Once the screen is on its way out, nothing more is chosen.
    const bool busy = selection.leaving != selection_stay || selection.jump_target != 0 ||
                      selection.game_over != 0;
    const int mx = front_in.mouse_x, my = front_in.mouse_y;
    const int escape = key_hit(vk_escape), up = key_hit(vk_up), down = key_hit(vk_down);
    const int cheat = key_hit(key_t_code);
    if (busy) return;
    if (front_clicked()) {
        const int p = planet_at(mx, my);
        if (over_back(mx, my)) {
            leave(selection_menu);
        } else if (over_go(mx, my)) {
            if (selected_startable()) leave(selection_level);
        } else if (p >= 0) {
            if (can_jump() && is_neighbour(current_planet, p)) {
                selection.jump_target = p;
                target_light = 0;
            }
        } else if (over_up(mx, my)) {
            if (selection.selected_level > 0) choose_level(-1);
        } else if (over_down(mx, my)) {
            if (down_arrow_shown()) choose_level(1);
        }
    }
    if (selection.leaving != selection_stay || selection.jump_target != 0) return;
    if (escape > 0) {
        leave(selection_menu);
        return;
    }
    if (up > 0 && selection.selected_level > 0) choose_level(-1);
    if (down > 0 && down_arrow_shown()) choose_level(1);
    if (cheat > 0) {
        campaign_mushrooms = jump_cost;
        campaign_insects = jump_cost;
        play_sound(snd_click2, effects_channel_a);
    }
}

void check_campaign_end() {
    if (selection.game_over != 0 || playable_level_left() || can_jump()) return;
    selection.game_over = 1;
    target_light = 0;
}

}  // namespace

bool can_jump() { return campaign_mushrooms >= jump_cost && campaign_insects >= jump_cost; }

int planet_at(int x, int y) {
    for (int p = 0; p < planet_count; ++p)
        if (inside(x, y, planet_table[p][0], planet_table[p][1], planet_table[p][2],
                   planet_table[p][3]))
            return p;
    return -1;
}

bool is_neighbour(int from, int to) {
    if (from < 0 || from >= planet_count || to <= 0) return false;
    for (int k = 4; k < 7; ++k)
        if (planet_table[from][k] != no_route && planet_table[from][k] == to + 1) return true;
    return false;
}

bool playable_level_left() {
    const int count = levels_here();
    for (int n = 0; n < count; ++n)
        if (level_status[n] == 0) return true;
    return false;
}

bool down_arrow_shown() {
    return selection.selected_level < 9 && selection.selected_level + 1 < levels_here();
}

void carry_out_jump() {
    const int target = selection.jump_target;
    const int segment = route_segment_for(target, current_planet);
    if (segment >= 0) {
        for (int& slot : route_taken)
            if (slot == no_route) {
                slot = segment;
                break;
            }
    }
    current_planet = target;
    campaign_mushrooms -= jump_cost;
    campaign_insects -= jump_cost;
    for (int& s : level_status) s = 0;
    target_light = 255;
    selection.selected_level = 0;
    selection.list_scroll_target = 0;
    selection.list_scroll = 0;
    selection.jump_target = 0;
}

void selection_enter() {
    current_screen = "selection";
    current_planet = std::clamp(current_planet, 0, last_planet);
    music_track = 7;
    start_music();
    target_light = 255;
    selection.game_over = 0;
    selection.jump_target = 0;
    selection.leaving = selection_stay;
    selection.slide = 0;
    selection.saucer_frame = 0;
    // A campaign continued on another planet may leave the old choice beyond
    // this planet's list.
    const int top = std::max(0, levels_here() - 1);
    if (selection.selected_level < 0 || selection.selected_level > top) {
        selection.selected_level = std::clamp(selection.selected_level, 0, top);
        selection.list_scroll_target = 100.0f * static_cast<float>(selection.selected_level);
    }
    if (current_planet == last_planet) return;
    prepare_level_list(res.minimap, res.mmbig_images, res.miniland);
}

int selection_frame() {
    if (current_planet == last_planet) return selection_victory;
    const int l = to_int(light_level);
    set_color(l, l, l);
    take_input_snapshot();
    cls();
    draw_frame();
    flip(-1);
    check_campaign_end();
    handle_input();
    step_scroll();
    selection.screen_clock += 0.05f;
    selection.saucer_frame += 0.5f;
    if (selection.saucer_frame >= 23) selection.saucer_frame = 0;
    fade_light();
    apply_volumes();
    if (light_level > 0 || target_light != 0) return selection_stay;

    if (selection.jump_target != 0) {
        carry_out_jump();
        if (current_planet == last_planet) {
            delete_campaign();
            return selection_victory;
        }
        selection_enter();
        return selection_stay;
    }
    if (selection.game_over != 0) {
        delete_campaign();
        return selection_game_over;
    }
    if (selection.leaving == selection_level) {
        current_level = selection.selected_level;
        return selection_level;
    }
    if (selection.leaving == selection_menu) {
        write_campaign();
        return selection_menu;
    }
    return selection_stay;
}

int run_selection_frames(long max_frames) {
    selection_enter();
    for (long n = 0; max_frames < 0 || n < max_frames; ++n) {
        if (quit_requested()) {
            write_campaign();
            return selection_menu;
        }
        const int r = selection_frame();
        if (r != selection_stay) return r;
    }
    return selection_stay;
}

int run_selection() { return run_selection_frames(-1); }
