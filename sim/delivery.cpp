#include "audio/sound_table.h"
#include "runtime/runtime.h"
#include "sim/steps.h"

namespace {

constexpr int ready_ticks = 80;

// Nothing solid between the beetle and the saucer in the beetle's column.
bool way_up_free(const float* bt) {
    int cx = cell_of(bt[b_x] + 16);
    int from = cell_of(saucer[s_y]);
    int to = cell_of(bt[b_y]);
    for (int r = from; r <= to; ++r)
        if (cell_at(terrain_front, cx, r) != tile_empty) return false;
    return true;
}

void back_to_landing(float* bt) {
    bt[b_state] = st_landing;
    bt[b_vy] = -2;
    bt[b_timer] = 0;
}

} // namespace

void saucer_return(int b) {
    float* bt = beetles[b];
    if (bt[b_state] != st_walking) return;
    float sx = saucer[s_x];
    if (!(sx - 18 <= bt[b_x] && bt[b_x] <= sx - 14 && bt[b_y] > saucer[s_y])) return;
    if (!way_up_free(bt)) return;
    if (bt[b_kind] != kind_laborer || bt[b_cargo] == cargo_none) return;
    bt[b_state] = st_ready;
    bt[b_frame] = 20;
    bt[b_timer] = 0;
    bt[b_vy] = -2;
}

void ready_step(int b) {
    float* bt = beetles[b];
    bt[b_frame] += 0.5f;
    if (bt[b_frame] > 24) bt[b_frame] = 25;
    bt[b_timer] += 1;
    if (bt[b_timer] >= ready_ticks) bt[b_state] = st_lifted;
}

void lift_step(int b) {
    float* bt = beetles[b];
    saucer_beam = 1;
    if (!way_up_free(bt)) {
        // Something was built or fell into the way: try again later, loaded.
        back_to_landing(bt);
        return;
    }
    bt[b_y] -= 3;
    bt[b_vy] = standing_vy;
    if (bt[b_y] > saucer[s_y]) return;
    if (bt[b_cargo] == cargo_mushroom) mushrooms_delivered += 1;
    if (bt[b_cargo] == cargo_insect) insects_delivered += 1;
    back_to_landing(bt);
    bt[b_cargo] = cargo_none;
}

void pick_up(int b, int item) {
    float* bt = beetles[b];
    float* it = items[item];
    if (bt[b_kind] != kind_laborer || bt[b_cargo] != cargo_none) return;
    int cargo;
    if (it[i_type] == item_mushroom)
        cargo = cargo_mushroom;
    else if (it[i_type] == item_insect)
        cargo = cargo_insect;
    else
        return;
    for (int f = 0; f < item_fields; ++f) it[f] = 0;
    bt[b_cargo] = static_cast<float>(cargo);
    bt[b_vy] = -5;
    burst(b, 15, 0);
    play_sound(snd_pickup, effects_channel_a);
}
