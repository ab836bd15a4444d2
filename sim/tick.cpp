#include "sim/steps.h"

namespace {

void landing_pose_step(float* bt) {
    bt[b_frame] = 25;
    bt[b_timer] += 1;
    if (bt[b_timer] >= 80) {
        bt[b_timer] = 0;
        bt[b_state] = st_getting_up;
    }
}

void getting_up_step(float* bt) {
    bt[b_frame] -= 0.5f;
    if (bt[b_frame] < 20) {
        bt[b_state] = st_walking;
        bt[b_frame] = 0;
    }
}

void turning_step(float* bt) {
    bt[b_frame] += 0.5f;
    if (bt[b_frame] > 24) {
        bt[b_state] = st_getting_up;
        bt[b_dir] = flipped_dir(bt[b_dir]);
    }
}

bool is_state(const float* bt, int s) { return bt[b_state] == static_cast<float>(s); }

void beetle_step(int b) {
    float* bt = beetles[b];
    if (bt[b_kind] == kind_builder) bt[b_hover] += 8;
    int old_x = static_cast<int>(bt[b_x]);
    int old_y = static_cast<int>(bt[b_y]);

    bt[b_y] += bt[b_vy];
    // Leaving the world removes the beetle quietly; the step still runs out.
    if (bt[b_y] > 928 || bt[b_y] < 16) bt[b_kind] = kind_none;

    int impact = beetle_vertical(b, old_y);

    // Each block looks at the state afresh, so one state can hand over to a
    // later block within the same tick.
    bool edge_turn = false;
    if (is_state(bt, st_landing)) landing_pose_step(bt);
    if (is_state(bt, st_ready)) ready_step(b);
    if (is_state(bt, st_lifted)) lift_step(b);
    if (is_state(bt, st_getting_up)) getting_up_step(bt);
    if (is_state(bt, st_turning)) turning_step(bt);
    if (is_state(bt, st_walking)) edge_turn = walk_step(b, old_x);
    if (is_state(bt, st_elevator)) elevator_step(b);
    if (is_state(bt, st_gliding)) glide_step(b, impact);
    if (is_state(bt, st_working)) work_step(b);
    if (is_state(bt, st_finishing)) finish_step(b);

    if (!edge_turn) {
        order_cells(b);
        plan_search(b);
    }
    saucer_return(b);

    for (int j = 0; j < max_items; ++j) {
        // A beetle that died or left the world in this tick touches nothing more.
        if (bt[b_kind] == kind_none) break;
        if (items[j][i_type] == item_none) continue;
        float ix = items[j][i_x], iy = items[j][i_y];
        float x = bt[b_x], y = bt[b_y];
        if (!(x + 1 >= ix && x + 30 <= ix + 31 && y + 1 >= iy && y + 30 <= iy + 31)) continue;
        if (items[j][i_type] == item_hostile)
            hostile_contact(b, j);
        else
            pick_up(b, j);
    }
}

} // namespace

void world_tick() {
    tick_in_second += 1;
    if (tick_in_second >= 60) tick_in_second = 0;
    saucer_beam = 0;

    saucer_step();

    for (int i = 0; i < max_items; ++i)
        if (items[i][i_type] != item_none) item_step(i);

    // The "Transform to Laborer" stock is one use per beetle that is not a
    // laborer, so it is recounted rather than kept.
    tool_counts[tool_to_laborer] = 0;
    for (int b = 0; b < max_beetles; ++b) {
        if (beetles[b][b_kind] == kind_none) continue;
        beetle_step(b);
        if (beetles[b][b_kind] > kind_laborer) tool_counts[tool_to_laborer] += 1;
    }

    if (tick_in_second == 59) {
        mission_timer -= 1;
        if (mission_timer < 0) mission_timer = 0;
    }
}
