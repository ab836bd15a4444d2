#include <cmath>

#include "config/settings.h"
#include "play/draw.h"
#include "play/placement.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "world/map_file.h"
#include "world/world.h"

namespace {

float haze_offsets[4] = {0, 0, 0, 0};
int animated_frame = 33, animated_counter = 0;
int plan_counter = 0;

int light() { return to_int(light_level); }
bool night() { return level_settings[ls_night] == 1; }
bool winter() { return map_planet == 2 || map_planet == 3 || map_planet == 8; }
void world_tint() { set_color(light(), light(), light()); }
void scene_tint() {
    if (night()) set_color(to_int(light() / 2.0), to_int(light() / 2.0), light());
    else world_tint();
}
void creature_tint() {
    if (night()) set_color(to_int(light() / 1.5), to_int(light() / 1.5), light());
    else world_tint();
}
void plain_state() {
    set_alpha(1);
    set_blend(3);
    set_scale(1, 1);
    set_rotation(0);
}
int ticks_per_frame() { return 2 * game_speed + 1; }
bool draw() { return drawing_enabled(); }

void draw_background() {
    if (draw()) {
        draw_image(night() || winter() ? gfx.bplane2 : gfx.bplane1, -camera_x / 8, -camera_y / 5, 0);
        if (!night()) {
            set_alpha(0.5f);
            set_blend(4);
            if (background_drawing) draw_image(gfx.sun, -camera_x / 16 + 300, -camera_y / 10 + 200, 0);
            set_blend(3);
            set_alpha(1);
        }
    }
    if (!night() && !winter() && background_drawing) {
        static const int divisors[3][2] = {{4, 100}, {3, 50}, {2, 0}};
        for (int k = 0; k < 3 && draw(); ++k) {
            const int image = gfx.haze[2 - k];
            const float x = -camera_x / 2 + haze_offsets[k];
            const float y = -camera_y / divisors[k][0] + divisors[k][1];
            draw_image(image, x, y, 0);
            draw_image(image, x - 900, y, 0);
        }
        static const float steps[3] = {0.125f, 0.25f, 0.5f};
        for (int t = 0; t < ticks_per_frame(); ++t)
            for (int k = 0; k < 3; ++k) {
                haze_offsets[k] += steps[k];
                if (haze_offsets[k] >= 900) haze_offsets[k] = 0;
            }
    }
    if (night()) scene_tint();
    if (!draw()) return;
    if (background_drawing) draw_image(gfx.far_plane, -camera_x / 5, -camera_y / 4 + 440, 0);
    for (const auto& d : decorations)
        if (d[2] > 0) draw_image(gfx.big_images, d[0] - camera_x, d[1] - camera_y, d[2] - 1);
}

void draw_back_tiles() {
    if (!draw()) return;
    const int c0 = camera_x / 32, r0 = camera_y / 32;
    const int ox = camera_x % 32, oy = camera_y % 32;
    const bool splashes = weather && level_settings[ls_rain] == 1 && !winter();
    scene_tint();
    for (int i = 0; i < 26; ++i)
        for (int j = 0; j < 20; ++j) {
            const int code = cell_at(terrain_back, c0 + i, r0 + j);
            if (splashes && code >= 112 && code <= 115)
                draw_image(gfx.raindrops, 32 * i + rand_cosmetic(1, 32) - ox,
                           32 * j - oy - rand_cosmetic(1, 8), rand_cosmetic(0, 2));
            draw_image(gfx.tiles, 32 * i - ox, 32 * j - oy, code);
        }
    if (saucer_beam == 1 || saucer_beam == 3) {
        for (int k = 0; k <= 150; ++k) {
            set_alpha(1 - 0.007f * k);
            set_scale(1 + k / 100.0f, 1);
            draw_image(gfx.ufo_light, saucer[s_x] - camera_x, saucer[s_y] + k - camera_y, 0);
        }
        plain_state();
    }
}

void draw_creatures() {
    if (draw()) creature_tint();
    for (const auto& it : items) {
        const int type = to_int(it[i_type]);
        const float x = it[i_x] - camera_x, y = it[i_y] - camera_y;
        const int frame = 19 * to_int(it[i_dir]) + to_int(it[i_frame]);
        if (type == item_insect) {
            insects_left += 1;
            if (draw()) draw_image(gfx.obj, x - 8, y - 8, frame);
        } else if (type == item_hostile) {
            if (draw()) draw_image(gfx.obj, x - 8, y, frame + 38);
        } else if (type == item_mushroom) {
            mushrooms_left += 1;
            if (draw()) draw_image(gfx.obj2, x - 8, y - 8, to_int(it[i_sub]));
        }
    }
    beetles_alive = 0;
    for (int b = 0; b < max_beetles; ++b) {
        const float* bt = beetles[b];
        const int kind = to_int(bt[b_kind]);
        if (kind == kind_none) continue;
        beetles_alive += 1;
        if (!draw()) continue;
        int frame = 52 * (kind - 1) + 26 * to_int(bt[b_dir]) + to_int(bt[b_frame]);
        if (kind == kind_laborer && bt[b_cargo] != cargo_none) frame += 208;
        const float x = bt[b_x] - camera_x, y = bt[b_y] - camera_y;
        if (kind == kind_builder) {
            const float lift = 3 * static_cast<float>(sin_deg(bt[b_hover]));
            draw_image(gfx.obj3, x - 8, y - 8 - lift, frame);
            if (night()) {
                set_blend(4);
                world_tint();
                set_alpha(static_cast<float>(
                    sin_deg(play.frame_counter * (b + 5) + bt[b_hover]) * 3 / 13 + 0.5));
                draw_image(gfx.particle, x + 16, y + 4 - lift, 0);
                creature_tint();
                set_blend(3);
                set_alpha(1);
            }
        } else {
            draw_image(gfx.obj3, x - 8, y - 5, frame);
        }
        if (to_int(bt[b_state]) == st_gliding)
            draw_image(gfx.bubble, x - 16, y - 13, (play.frame_counter + 3 * b) % 19);
    }
    world_tint();
}

void draw_front_tiles() {
    if (weather && level_settings[ls_rain] == 1) {
        if (winter()) {
            static int toggle = 0;
            for (int t = 0; t < ticks_per_frame(); ++t) {
                toggle ^= 1;
                flake_step(t == 0 && draw(), gfx.point);
                if (toggle == 0) new_flake();
            }
        } else if (draw()) {
            const int v = to_int(2 * sin_deg(static_cast<double>(play.frame_counter / 2)));
            for (int k = 0; k < 31; ++k) {
                set_alpha(rand_cosmetic(v, v + 8) / 10.0f);
                draw_image(gfx.rain, rand_cosmetic(1, 800), rand_cosmetic(1, 600), 0);
            }
            set_alpha(1);
        }
    }
    if (draw()) {
        const int c0 = camera_x / 32, r0 = camera_y / 32;
        const int ox = camera_x % 32, oy = camera_y % 32;
        scene_tint();
        for (int i = 0; i < 26; ++i)
            for (int j = 0; j < 20; ++j) {
                int code = cell_at(terrain_front, c0 + i, r0 + j);
                if (code == 0) continue;
                if (code == tile_animated_rock) code = animated_frame;
                draw_image(gfx.tiles, 32 * i - ox, 32 * j - oy, code);
            }
        world_tint();
    }
    static const int cycle[10] = {33, 34, 35, 36, 37, 38, 37, 36, 35, 34};
    animated_counter += 1;
    if (animated_counter % 5 == 0) animated_frame = cycle[animated_counter / 5 - 1];
    if (animated_counter >= 50) animated_counter = 0;
}

// Rope under a bridge on even columns, down to the ground.
void draw_rope(int col, int row, float x, float y) {
    if (col % 2 != 0 || !draw()) return;
    for (int k = 0; row + k <= 29; ++k) {
        if (cell_at(terrain_front, col, row + k + 1) != 0) {
            draw_image(gfx.additions, x - 9, y + 32 * k, 3);
            break;
        }
        draw_image(gfx.additions, x - 9, y + 32 * k + 16, 1);
        if (k == 0) draw_image(gfx.additions, x - 9, y + 4, 2);
    }
}

void draw_shaft(float x, float y, int height) {
    if (!draw()) return;
    draw_image(gfx.additions, x - 8, y - 8, 7);
    draw_image(gfx.additions, x - 8, y - 8 - 32 * height, 8);
    for (int k = 1; k < height; ++k) draw_image(gfx.additions, x - 8, y - 8 - 32 * k, 6);
}

bool beetle_stands_on(int col, int row) {
    for (const auto& b : beetles)
        if (b[b_kind] != kind_none && cell_of(b[b_x] + 16) == col && cell_of(b[b_y] + 16) == row - 1)
            return true;
    return false;
}

void draw_elevator(int col, int row, float x, float y) {
    int top = -1;
    for (int r = row - 1; r >= 0; --r)
        if (terrain_front[col][r] == tile_elevator_top) { top = r; break; }
    bool broken = top < 0;
    for (int r = top + 1; !broken && r < row; ++r)
        if (terrain_front[col][r] != 0) broken = true;
    if (!broken) return draw_shaft(x, y, row - top);
    if (top < 0) {
        terrain_front[col][row] = 0;
        for (int k = 0; k < 5; ++k) debris_at(col, row);
        return;
    }
    terrain_front[col][row] = 0;
    terrain_front[col][top] = 0;
    for (int r = top; r <= row; ++r)
        for (int k = 0; k < 5; ++k) debris_at(col, r);
}

void draw_constructions() {
    const int c0 = camera_x / 32, ox = camera_x % 32;
    for (int i = 0; i < 26; ++i) {
        const int col = c0 + i;
        if (col >= world_cols) break;
        for (int row = 0; row < world_rows; ++row) {
            const float x = 32 * i - ox, y = 32 * row - camera_y;
            switch (terrain_front[col][row]) {
                case tile_bridge:
                    draw_rope(col, row, x, y);
                    if (draw()) draw_image(gfx.additions, x - 8, y - 30, 0);
                    break;
                case tile_elevator_base: draw_elevator(col, row, x, y); break;
                case tile_absorber:
                    if (draw())
                        draw_image(gfx.additions, x - 8, y - 10 + (beetle_stands_on(col, row) ? 2 : 0), 9);
                    break;
                default: break;
            }
        }
    }
}

void draw_plans() {
    const int c0 = camera_x / 32, ox = camera_x % 32, l = light();
    const float pulse = static_cast<float>(sin_deg(3.0 * play.frame_counter) / 5);
    for (int i = 0; i < 26; ++i) {
        const int col = c0 + i;
        if (col >= world_cols) break;
        for (int row = 0; row < world_rows; ++row) {
            const float x = 32 * i - ox, y = 32 * row - camera_y;
            switch (plan_layer[col][row]) {
                case plan_boring:
                    if (terrain_front[col][row] == 0) { plan_layer[col][row] = 0; break; }
                    set_alpha(0.7f);
                    set_color(l, l, l / 2);
                    draw_image(gfx.drill, x, y, plan_counter / 3);
                    break;
                case plan_absorber:
                    world_tint();
                    set_alpha(pulse + 0.7f);
                    draw_image(gfx.tiles, x, y, 42);
                    draw_image(gfx.additions, x - 8, y - 10, 9);
                    break;
                case plan_dynamite:
                    set_alpha(pulse + 0.7f);
                    set_color(l / 2, l / 2, l);
                    draw_image(gfx.additions, x - 8, y - 8, 5);
                    break;
                case plan_elevator_base: {
                    int top = -1;
                    for (int r = row; r >= 0; --r)
                        if (plan_layer[col][r] == plan_elevator_top) { top = r; break; }
                    if (top < 0) { plan_layer[col][row] = 0; break; }
                    world_tint();
                    set_alpha(pulse + 0.5f);
                    draw_image(gfx.tiles, x, y, 40);
                    draw_shaft(x, y, row - top);
                    break;
                }
                case plan_bridge:
                    world_tint();
                    set_alpha(pulse + 0.5f);
                    if (col >= 5 && col <= 46) draw_rope(col, row, x, y);
                    draw_image(gfx.additions, x - 8, y - 30, 0);
                    break;
                default: break;
            }
        }
    }
    plan_counter = plan_counter >= 23 ? 0 : plan_counter + 1;
    set_alpha(1);
    world_tint();
}

void draw_bubbles() {
    if (!draw()) return;
    const float alpha = static_cast<float>(cos_deg(5.0 * play.frame_counter) / 5 + 0.7);
    for (const auto& b : beetles) {
        const int state = to_int(b[b_state]);
        if (b[b_kind] <= 0 || state == st_ready || state == st_lifted) continue;
        int cargo_icon = -1;
        if (b[b_kind] == kind_laborer && b[b_cargo] == cargo_mushroom) cargo_icon = 0;
        if (b[b_kind] == kind_laborer && b[b_cargo] == cargo_insect) cargo_icon = 1;
        const bool balls = b[b_balls] != 0;
        if (cargo_icon < 0 && !balls) continue;
        const float x = b[b_x] - camera_x, y = b[b_y] - camera_y;
        set_alpha(alpha);
        draw_image(gfx.talk, x + 8, y - 64, 0);
        set_alpha(1);
        const int spread = cargo_icon >= 0 && balls ? 12 : 0;
        if (cargo_icon >= 0) draw_image(gfx.talk_icons, x + 28 - spread, y - 54, cargo_icon);
        if (balls) draw_image(gfx.talk_icons, x + 28 + spread, y - 54, 3);
    }
}

}  // namespace

void reset_world_drawing() {
    animated_frame = 33;
    animated_counter = 0;
    plan_counter = 0;
}

void draw_world() {
    draw_background();
    plain_state();
    draw_back_tiles();
    draw_creatures();
    plain_state();
    if (draw()) {
        if (menu_open) world_tint();
        else set_color(255, 255, 255);
        draw_image(gfx.ufo, saucer[s_x] - camera_x, saucer[s_y] - camera_y, to_int(saucer[s_frame]));
    }
    world_tint();
    update_charges(draw());
    plain_state();
    draw_front_tiles();
    plain_state();
    draw_constructions();
    set_color(255, 255, 255);
    draw_plans();
    draw_orders();
    draw_bubbles();
    plain_state();
    world_tint();
}
