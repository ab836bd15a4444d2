#include "audio/sound_table.h"
#include "play/placement.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "world/world.h"

namespace {

void sound(int s) { play_sound(s, effects_channel_a); }
int front(int c, int r) { return cell_at(terrain_front, c, r); }
bool solid(int code) { return code >= 1 && code <= 30; }
bool ground(int code) { return code >= 1 && code <= 24; }

// Lowers a stock; the order tools keep 99 as unlimited.
void lower_stock(int tool, bool unlimited_at_99) {
    if (unlimited_at_99 && tool_counts[tool] == unlimited_stock) return;
    tool_counts[tool] -= 1;
    if (tool_counts[tool] <= 0) {
        tool_counts[tool] = 0;
        current_tool = no_tool;
        play.placing = 0;
    }
}

int saucer_col() { return saucer_drop_col; }

bool order_near(int c, int r) {
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr)
            if (cell_at(order_layer, c + dc, r + dr) != 0) return true;
    return false;
}

bool preview_valid(int tool, int c, int r) {
    const int here = front(c, r), plan = cell_at(plan_layer, c, r);
    switch (tool) {
        case 2: return plan == 0 && (solid(here) || (here >= 39 && here <= 42));
        case 5: return ground(here) && (r == 0 || front(c, r - 1) == 0) && plan == 0;
        case 4: return solid(front(c, r + 1)) && here == 0 && plan == 0;
        case 1:
            if (play.placing == 0) {
                const int below = front(c, r + 1);
                auto blocks = [](int cc, int rr) {
                    return front(cc, rr) == tile_elevator_base ||
                           cell_at(plan_layer, cc, rr) == plan_elevator_base;
                };
                return here == 0 && (ground(below) || below == tile_bridge) && plan == 0 &&
                       !blocks(c - 1, r) && !blocks(c + 1, r);
            } else {
                if (r > play.anchor_row - 2) return false;
                for (int rr = r; rr < play.anchor_row; ++rr)
                    if (front(play.anchor_col, rr) != 0) return false;
                return r == 0 || front(play.anchor_col, r - 1) == 0;
            }
        case 0: {
            if (here != 0 || plan != 0) return false;
            for (int cc : {c - 1, c + 1}) {
                const int e = front(cc, r);
                if (e == tile_bridge || cell_at(plan_layer, cc, r) == plan_bridge || (e >= 21 && e <= 24))
                    return true;
            }
            return false;
        }
        case 11: return plan != 0;
        case 16: {
            if (here != 0) return false;
            const bool border = c <= 0 || c >= 50 || r <= 0 || r >= 30;
            return border || !order_near(c, r);
        }
        default: return false;
    }
}

void clean_plan(int c, int r) {
    switch (cell_at(plan_layer, c, r)) {
        case plan_boring: tool_counts[2] += 1; break;
        case plan_dynamite: tool_counts[4] += 1; break;
        case plan_elevator_top: tool_counts[1] += 1; break;
        case plan_absorber: tool_counts[5] += 1; break;
        case plan_elevator_base:
            tool_counts[1] += 1;
            for (int rr = r; rr >= 0; --rr)
                if (plan_layer[c][rr] == plan_elevator_top) { plan_layer[c][rr] = 0; break; }
            break;
        case plan_bridge:
            tool_counts[0] += 1;
            for (int cc = c - 1; cc >= 0 && plan_layer[cc][r] == plan_bridge; --cc) {
                plan_layer[cc][r] = 0;
                tool_counts[0] += 1;
            }
            for (int cc = c + 1; cc <= 50 && plan_layer[cc][r] == plan_bridge; ++cc) {
                plan_layer[cc][r] = 0;
                tool_counts[0] += 1;
            }
            break;
        default: return;
    }
    set_cell(plan_layer, c, r, 0);
    sound(snd_click1);
}

void comands_cleaner(int c, int r) {
    if (current_tool != tool_comands_cleaner || tool_counts[23] <= 0) return;
    const int b = play.hovered_beetle;
    if (b != no_beetle && beetles[b][b_balls] != 0) {
        sound(snd_wah);
        burst(b, 10, 0);
        if (beetles[b][b_balls] == 2) take_dence_balls(b);
    }
    const int order = cell_at(order_layer, c, r);
    if (order == 0) return;
    sound(snd_click1);
    if ((order == order_left || order == order_right) && tool_counts[16] != unlimited_stock)
        tool_counts[16] += 1;
    set_cell(order_layer, c, r, 0);
    lower_stock(23, true);
}

}  // namespace

void click_on_map() {
    const int c = cursor_col, r = cursor_row, t = current_tool, b = play.hovered_beetle;
    const int valid = play.valid;
    const int order = cell_at(order_layer, c, r);
    if (order == order_left || order == order_right) {
        set_cell(order_layer, c, r, order == order_left ? order_right : order_left);
        sound(snd_click1);
        comands_cleaner(c, r);
        play.placing = 0;
        return;
    }
    if (t >= 12 && t <= 15 && b != no_beetle && tool_counts[t] > 0) {
        static const int target[4] = {kind_builder, kind_armoured, kind_medic, kind_laborer};
        if (beetles[b][b_kind] != target[t - 12]) {
            sound(snd_wah);
            sound(snd_transform);
            beetles[b][b_kind] = static_cast<float>(target[t - 12]);
            lower_stock(t, false);
            beetles[b][b_vy] = -5;
            burst(b, 20, 0);
        }
    }
    static const int single[4][2] = {{2, plan_boring}, {5, plan_absorber}, {4, plan_dynamite}, {0, plan_bridge}};
    for (const auto& s : single) {
        if (t != s[0] || tool_counts[t] <= 0) continue;
        if (!valid) { sound(snd_unable_build); continue; }
        sound(snd_click1);
        set_cell(plan_layer, c, r, s[1]);
        lower_stock(t, false);
    }
    if (t == 1 && tool_counts[1] > 0) {
        if (!valid) sound(snd_unable_build);
        else if (play.placing == 1) {
            sound(snd_click1);
            set_cell(plan_layer, play.anchor_col, play.anchor_row, plan_elevator_base);
            set_cell(plan_layer, play.anchor_col, r, plan_elevator_top);
            lower_stock(1, false);
        } else {
            sound(snd_click1);
            play.placing = 1;
            play.anchor_col = c;
            play.anchor_row = r;
            return;
        }
    }
    if (t == 11 && valid) clean_plan(c, r);
    if (t == tool_urgent_turn && b != no_beetle && tool_counts[t] > 0 && beetles[b][b_state] == st_walking) {
        beetles[b][b_state] = st_turning;
        beetles[b][b_frame] = 20;
        beetles[b][b_vy] = -3;
        lower_stock(t, true);
    }
    if (t == tool_dence_balls && b != no_beetle && tool_counts[t] > 0 && beetles[b][b_balls] != 2 &&
        beetles[b][b_state] == st_walking) {
        beetles[b][b_balls] = 2;
        sound(snd_wah);
        burst(b, 10, 0);
        lower_stock(t, true);
    }
    if (t == 16 && tool_counts[16] > 0) {
        if (!valid) sound(snd_unable_build);
        else {
            sound(snd_click1);
            set_cell(order_layer, c, r, c > saucer_col() ? order_left : order_right);
            lower_stock(16, true);
        }
    }
    comands_cleaner(c, r);
    play.placing = 0;
}

void draw_placement_preview() {
    const int c = cursor_col, r = cursor_row, t = current_tool, b = play.hovered_beetle;
    const int l = to_int(light_level);
    if (b != no_beetle && play.beetle_marker) {
        const float* bt = beetles[b];
        if ((t >= 12 && t <= 15 && bt[b_kind] == (t == 12 ? 2 : t == 13 ? 3 : t == 14 ? 4 : 1)) ||
            (t == tool_dence_balls && bt[b_balls] != 0) || (t == tool_comands_cleaner && bt[b_balls] == 0))
            play.beetle_marker = 0;
        if (play.beetle_marker && cell_at(order_layer, c, r) == 0 && drawing_enabled()) {
            set_rotation(static_cast<float>(sin_deg(3.0 * play.frame_counter) * 150));
            draw_image(gfx.mouse1, bt[b_x] + 16 - camera_x, bt[b_y] + 16 - camera_y, 0);
            set_rotation(0);
        }
        play.beetle_marker = 0;
    }
    if (cell_at(order_layer, c, r) != 0 || play.mouse_zone != 0 || t == no_tool) return;
    if (t != 0 && t != 1 && t != 2 && t != 4 && t != 5 && t != 11 && t != 16) return;
    play.valid = preview_valid(t, c, r) ? 1 : 0;
    if (!drawing_enabled()) return;
    const float x = c * 32 - camera_x, y = r * 32 - camera_y;
    if (play.valid) set_color(l, l, l / 2);
    else if (t == 1 && play.placing) set_color(l, l / 2, l / 2);
    else set_color(l, l / 3, l / 3);
    set_alpha(0.8f);
    switch (t) {
        case 2: draw_image(gfx.drill, x, y, 0); set_color(l, l, l); set_alpha(1);
                draw_image(gfx.selectbuild, x - 8, y - 8, 0); break;
        case 5: draw_image(gfx.tiles, x, y, 42); draw_image(gfx.additions, x - 8, y - 9, 9); break;
        case 4: draw_image(gfx.additions, x - 8, y - 10, 5); break;
        case 0: draw_image(gfx.additions, x - 8, y - 30, 0); break;
        case 1:
            if (!play.placing) draw_image(gfx.tiles, x, y, 40);
            else {
                const float ax = play.anchor_col * 32 - camera_x, ay = play.anchor_row * 32 - camera_y;
                draw_image(gfx.tiles, ax, ay, 40);
                const int h = play.anchor_row - r;
                if (h > 0) {
                    draw_image(gfx.additions, ax - 8, ay - 8, 7);
                    draw_image(gfx.additions, ax - 8, ay - 8 - 32 * h, 8);
                    for (int k = 1; k < h; ++k) draw_image(gfx.additions, ax - 8, ay - 8 - 32 * k, 6);
                }
            }
            break;
        case 11: set_color(l, l, l); set_alpha(1); draw_image(gfx.selectbuild, x - 8, y - 8, 0); break;
        case 16:
            set_color(l, l, l);
            set_alpha(1);
            if (play.valid) draw_image(gfx.additions, x - 8, y - 8, c > saucer_col() ? 10 : 11);
            break;
    }
    set_color(l, l, l);
    set_alpha(1);
}

void draw_orders() {
    if (!drawing_enabled()) return;
    const int l = to_int(light_level);
    set_color(l, l, l);
    set_alpha(static_cast<float>(cos_deg(5.0 * play.frame_counter) / 5 + 0.8));
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r)
            if (order_layer[c][r] != 0)
                draw_image(gfx.additions, c * 32 - camera_x - 8, r * 32 - camera_y - 8,
                           order_layer[c][r] == order_left ? 10 : 11);
    set_alpha(1);
    if (cell_at(order_layer, cursor_col, cursor_row) != 0) {
        set_color(l / 2, l, l / 2);
        set_rotation(2.0f * play.frame_counter);
        draw_image(gfx.mouse1, cursor_col * 32 + 16 - camera_x, cursor_row * 32 + 16 - camera_y, 0);
        set_rotation(0);
        set_color(l, l, l);
    }
}
