#include "audio/sound_table.h"
#include "config/settings.h"
#include "play/ingame.h"
#include "play/placement.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"
#include "world/world.h"

namespace {

void click_sound(int sound) { play_sound(sound, effects_channel_a); }

void show_tab(int tab) {
    panel_tab = tab;
    play.panel_pulse = 0;
    current_tool = no_tool;
    play.previous_slot = play.hovered_slot == 0 ? 1 : 0;
    click_sound(snd_click2);
}

bool inside(int x, int y, int x0, int x1, int y0, int y1) {
    return x >= x0 && x <= x1 && y >= y0 && y <= y1;
}

}  // namespace

void select_tool_by_key(int typed) {
    if (typed < '1' || typed > '8') return;
    const int tool = panel_tab * 12 + (typed - '1');
    if (tool_counts[tool] > 0) current_tool = tool;
}

void find_mouse_zone() {
    const int x = play.in.mouse_x, y = play.in.mouse_y;
    int zone = 0;
    if (inside(x, y, 685, 739, 385, 440)) zone = 1;
    if (inside(x, y, 741, 790, 385, 440)) zone = 2;
    if (inside(x, y, 690, 790, 441, 10000)) zone = 4;
    if (inside(x, y, 8, 80, 520, 584)) zone = 5;
    // The lesson button is hidden while the demo plays, and so is its zone.
    if (current_planet == 0 && demo_playing == 0 && inside(x, y, 8, 80, 456, 520)) zone = 7;
    if (ingame_speed_control == 1 && inside(x, y, 72, 144, 536, 568)) zone = 6;
    play.previous_slot = play.hovered_slot;
    play.hovered_slot = no_slot;
    if (inside(x, y, 678, 789, 10, 340)) {
        play.hovered_slot = ((y - 10) / 56) * 2 + (x - 678) / 56;
        if (tool_counts[panel_tab * 12 + play.hovered_slot] > 0) zone = 3;
    }
    play.mouse_zone = zone;
}

void handle_wheel() {
    if (play.in.wheel < play.in.previous_wheel && panel_tab == 1) show_tab(0);
    else if (play.in.wheel > play.in.previous_wheel && panel_tab == 0) show_tab(1);
}

void click_dispatch() {
    const int zone = play.mouse_zone;
    if (menu_open == 0 && lesson_open == 0) {
        if (zone == 1 && panel_tab == 1) {
            show_tab(0);
            play.placing = 0;
        } else if (zone == 2 && panel_tab == 0) {
            show_tab(1);
            play.placing = 0;
        } else if (zone == 5) {
            // Opening anything now would stop the fade of a mission that has ended.
            if (!exit_pending()) open_ingame_menu();
        } else if (zone == 7) {
            if (!exit_pending()) {
                click_sound(snd_click2);
                open_lesson();
            }
        } else if (zone == 6) {
            click_sound(snd_click2);
            game_speed = game_speed == 0 ? 1 : 0;
        } else if (zone == 4) {
            if (play.page_timer < 299) {
                play.page_timer = 299;
                click_sound(snd_click1);
            }
        } else if (zone == 3) {
            const int tool = panel_tab * 12 + play.hovered_slot;
            if (tool != current_tool) click_sound(snd_click1);
            current_tool = tool;
        } else {
            click_on_map();
        }
        if (current_tool != 1) play.placing = 0;
        if (current_tool != no_tool && play.mouse_zone == 0) {
            const int t = current_tool;
            if ((t >= 12 && t <= 15) || (t >= 17 && t <= 21) || t == 23) play.beetle_marker = 1;
        }
    }
}

// The hint of the slot under the pointer slides out to the left of the
// panel and, when it is too long, scrolls through.
void hint_box(int c, int r, int tool) {
    if (play.hovered_slot != play.previous_slot) {
        play.hint_offset = 0;
        play.hint_speed = 15;
        play.hint_text_x = 681;
        play.hint_timer = 350;
        click_sound(snd_toggle);
    }
    const bool draw = drawing_enabled();
    const int l = to_int(light_level);
    if (draw) {
        set_viewport(444 + 56 * c, 13 + 56 * r, 233, 27);
        draw_image(gfx.hinttab, 800 + 56 * c - play.hint_offset, 26 + 56 * r, 0);
    }
    if (play.hint_timer < 300 && play.hint_speed > 0) {
        play.hint_offset += play.hint_speed;
        play.hint_speed -= 0.5f;
    }
    if (draw) {
        set_viewport(447 + 56 * c, 13 + 56 * r, 230, 27);
        const float x = play.hint_text_x + 56 * c - play.hint_offset;
        set_color(l, l, l);
        draw_text(x, 19 + 56 * r, tool_hints[tool], 0, 1);
        set_color(0, 0, 0);
        draw_text(x - 1, 18 + 56 * r, tool_hints[tool], 0, 1);
        set_color(l, l, l);
    }
    play.hint_timer -= 1;
    if (play.hint_timer <= 0) {
        play.hint_timer = 1;
        play.hint_text_x -= 1;
    }
    if (draw) set_viewport(0, 0, 800, 600);
}

void draw_tool_panel() {
    if (play.panel_pulse < 1) play.panel_pulse += 0.05f;
    const int hovered_tool = panel_tab * 12 + play.hovered_slot;
    const bool hint = show_tips == 1 && play.hovered_slot != no_slot && tool_counts[hovered_tool] > 0;
    if (!drawing_enabled()) {
        if (hint) hint_box(play.hovered_slot % 2, play.hovered_slot / 2, hovered_tool);
        return;
    }
    const int l = to_int(light_level);
    const int dim = to_int(l / 1.5);
    const bool building_lit = panel_tab == 0 || play.mouse_zone == 1;
    set_color(building_lit ? l : dim, building_lit ? l : dim, building_lit ? l : dim);
    draw_image(gfx.build_star, 710, 415, 3 - panel_tab);
    const bool orders_lit = panel_tab == 1 || play.mouse_zone == 2;
    set_color(orders_lit ? l : dim, orders_lit ? l : dim, orders_lit ? l : dim);
    draw_image(gfx.build_star, 770, 415, panel_tab);
    set_color(l, l, l);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 2; ++c) {
            const int slot = 2 * r + c, tool = panel_tab * 12 + slot;
            if (tool_counts[tool] <= 0) continue;
            for (int pass = 0; pass < 2; ++pass) {
                const bool show = pass == 0 ? slot == play.hovered_slot : tool == current_tool;
                if (!show) continue;
                set_alpha(pass == 0 ? 0.7f : 1.0f);
                set_color(l, l, l);
                draw_image(gfx.tab, 694 + 56 * c, 42 + 56 * r, 0);
                set_color(0, 0, 0);
                draw_digits(660 + 56 * c, 45 + 56 * r, int_text(tool_counts[tool]), 1);
            }
            set_color(l, l, l);
            set_alpha(1);
            set_scale(0.5f + play.panel_pulse / 2, 0.5f + play.panel_pulse / 2);
            draw_image(gfx.elemback, 710 + 56 * c, 42 + 56 * r, 0);
            set_scale(1, 1);
            set_color(0, 0, 0);
            set_alpha(play.panel_pulse / 2);
            draw_image(gfx.icons, 712 + 56 * c, 44 + 56 * r, tool);
            set_color(l, l, l);
            set_alpha(play.panel_pulse);
            draw_image(gfx.icons, 710 + 56 * c, 42 + 56 * r, tool);
            set_alpha(1);
            if (hint && slot == play.hovered_slot) hint_box(c, r, tool);
        }
}
