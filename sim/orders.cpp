#include "audio/sound_table.h"
#include "runtime/runtime.h"
#include "sim/steps.h"

namespace {

constexpr float glide_speed = 0.8f;
constexpr float glide_slowdown = 0.02f;

bool live(int b) { return b >= 0 && b < max_beetles && beetles[b][b_kind] != kind_none; }

int target_kind(int tool) {
    switch (tool) {
    case tool_to_builder: return kind_builder;
    case tool_to_armoured: return kind_armoured;
    case tool_to_medic: return kind_medic;
    case tool_to_laborer: return kind_laborer;
    default: return kind_none;
    }
}

} // namespace

void order_cells(int b) {
    float* bt = beetles[b];
    if (!on_ground(bt) || bt[b_state] != st_walking) return;
    int cx = cell_of(bt[b_x] + 16);
    int cy = cell_of(bt[b_y] + 16);
    int order = cell_at(order_layer, cx, cy);
    // An arrow turns only the beetles walking against it.
    if ((order == order_left && bt[b_dir] == 1) || (order == order_right && bt[b_dir] == 0)) {
        bt[b_state] = st_turning;
        bt[b_frame] = 20;
    }
    if (bt[b_balls] == 2 && cell_at(terrain_front, cx, cy + 1) == tile_empty &&
        cell_at(terrain_front, cx, cy + 2) == tile_empty) {
        bt[b_state] = st_gliding;
        bt[b_timer] = glide_speed;
        burst(b, 10, 1);
        play_sound(snd_bubble, effects_channel_a);
        bt[b_balls] = 0;
    }
}

void glide_step(int b, int impact) {
    float* bt = beetles[b];
    // Sinking at a steady pixel per tick: gravity never builds up.
    bt[b_vy] = standing_vy;
    bt[b_timer] -= glide_slowdown;
    if (bt[b_timer] <= 0) bt[b_timer] = 0;
    bt[b_x] += dir_sign(bt[b_dir]) * bt[b_timer];
    if (bt[b_timer] == 0 && impact != 0) {
        bt[b_state] = st_landing;
        bt[b_vy] = -2;
        bt[b_timer] = 0;
        play_sound(snd_wah, effects_channel_a);
    }
}

bool transform_beetle(int b, int tool) {
    int kind = target_kind(tool);
    if (kind == kind_none || !live(b) || tool_counts[tool] <= 0) return false;
    float* bt = beetles[b];
    if (bt[b_kind] == kind) return false;
    play_sound(snd_wah, effects_channel_a);
    play_sound(snd_transform, effects_channel_a);
    bt[b_kind] = static_cast<float>(kind);
    tool_counts[tool] -= 1;
    bt[b_vy] = -5;
    burst(b, 20, 0);
    if (tool_counts[tool] == 0) current_tool = no_tool;
    return true;
}

bool urgent_turn(int b) {
    if (!live(b) || tool_counts[tool_urgent_turn] <= 0) return false;
    float* bt = beetles[b];
    if (bt[b_state] != st_walking) return false;
    bt[b_state] = st_turning;
    bt[b_frame] = 20;
    bt[b_vy] = -3;
    use_tool_stock(tool_urgent_turn);
    return true;
}

bool give_dence_balls(int b) {
    if (!live(b) || tool_counts[tool_dence_balls] <= 0) return false;
    float* bt = beetles[b];
    if (bt[b_balls] == 2 || bt[b_state] != st_walking) return false;
    bt[b_balls] = 2;
    play_sound(snd_wah, effects_channel_a);
    burst(b, 10, 0);
    use_tool_stock(tool_dence_balls);
    return true;
}

bool take_dence_balls(int b) {
    if (!live(b) || beetles[b][b_balls] != 2) return false;
    beetles[b][b_balls] = 0;
    tool_counts[tool_dence_balls] += 1;
    play_sound(snd_wah, effects_channel_a);
    burst(b, 10, 0);
    return true;
}
