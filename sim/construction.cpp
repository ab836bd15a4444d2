#include "audio/sound_table.h"
#include "runtime/runtime.h"
#include "sim/steps.h"

namespace {

enum : int { work_boring = 0, work_bridge = 1, work_dynamite = 2, work_elevator = 3, work_absorber = 4 };

// Plans in the order a builder prefers them, with the work each becomes.
struct plan_job {
    int plan;
    int work;
};
constexpr plan_job plan_priority[] = {
    {plan_boring, work_boring},     {plan_absorber, work_absorber}, {plan_bridge, work_bridge},
    {plan_elevator_base, work_elevator}, {plan_dynamite, work_dynamite},
};

constexpr int work_ticks = 100;
constexpr int finish_ticks = 64;
constexpr int finish_change_at = 25;
constexpr int finish_dust_at = 20;

bool takes_plans_at(int col, int row) { return col > 0 && col < 50 && row > 0 && row < 30; }

void take_plan(int b, int col, int row, int cx, int work) {
    float* bt = beetles[b];
    bt[b_state] = st_working;
    bt[b_work_col] = static_cast<float>(col);
    bt[b_work_row] = static_cast<float>(row);
    bt[b_work_kind] = static_cast<float>(work);
    set_cell(plan_layer, col, row, plan_none);
    if (col == cx - 1) bt[b_dir] = 0;
    if (col == cx + 1) bt[b_dir] = 1;
    play_sound(snd_bbegin, effects_channel_a);
}

// Beetles standing in a cell that is dug, bridged or made an elevator foot
// are thrown out of it.
void clear_site(int b, int c, int r) {
    for (int j = 0; j < max_beetles; ++j) {
        if (j == b || beetles[j][b_kind] == kind_none) continue;
        float* other = beetles[j];
        if (cell_of(other[b_x] + 16) != c || cell_of(other[b_y] + 24) != r) continue;
        other[b_vy] = -4.5f;
        other[b_dir] = flipped_dir(other[b_dir]);
    }
}

void complete_work(int work, int c, int r) {
    switch (work) {
    case work_boring:
        set_cell(terrain_front, c, r, tile_empty);
        settle_terrain();
        break;
    case work_bridge: set_cell(terrain_front, c, r, tile_bridge); break;
    case work_dynamite:
        charges.push_back(charge{static_cast<float>(c * 32 - 8), static_cast<float>(r * 32), 1, -2.0f, 0.0f});
        break;
    case work_elevator:
        set_cell(terrain_front, c, r, tile_elevator_base);
        for (int row = r; row >= 0; --row) {
            if (cell_at(plan_layer, c, row) == plan_elevator_top) {
                set_cell(plan_layer, c, row, plan_none);
                set_cell(terrain_front, c, row, tile_elevator_top);
                break;
            }
        }
        break;
    case work_absorber:
        set_cell(terrain_front, c, r, tile_absorber);
        settle_terrain();
        break;
    default: break;
    }
    play_sound(snd_down, effects_channel_a);
}

void throw_site_dust(int work, int c, int r) {
    for (int k = 0; k < 11; ++k) debris_at(c, r);
    if (work == work_bridge && c % 2 == 0) {
        // The rope that hangs under a bridge on even columns.
        for (int k = 1; r + k <= 30 && cell_at(terrain_front, c, r + k) == tile_empty; ++k)
            for (int n = 0; n < 4; ++n) debris_at(c, r + k);
    }
    if (work == work_elevator) {
        for (int row = r; row >= 0; --row) {
            for (int n = 0; n < 4; ++n) debris_at(c, row);
            if (cell_at(plan_layer, c, row) == plan_elevator_top) break;
        }
    }
}

} // namespace

void plan_search(int b) {
    float* bt = beetles[b];
    if (bt[b_kind] != kind_builder || bt[b_state] != st_walking || !on_ground(bt)) return;
    int cx = cell_of(bt[b_x] + 16);
    int cy = cell_of(bt[b_y] + 16);
    for (const plan_job& job : plan_priority) {
        for (int col = cx - 1; col <= cx + 1; ++col) {
            for (int row = cy; row <= cy + 1; ++row) {
                if (!takes_plans_at(col, row)) continue;
                if (cell_at(plan_layer, col, row) != job.plan) continue;
                take_plan(b, col, row, cx, job.work);
                return;
            }
        }
    }
}

void work_step(int b) {
    float* bt = beetles[b];
    // The work animation speeds up as the job goes on.
    bt[b_frame] += bt[b_timer] / 100;
    if (bt[b_frame] > 19) {
        bt[b_frame] = 0;
        play_sound(snd_perforator, effects_channel_a);
    }
    bt[b_timer] += 1;
    if (bt[b_timer] >= work_ticks) {
        bt[b_timer] = 0;
        bt[b_state] = st_finishing;
    }
    work_dust(b);
}

void finish_step(int b) {
    float* bt = beetles[b];
    bt[b_frame] += 1;
    if (bt[b_frame] > 19) {
        bt[b_frame] = 0;
        play_sound(snd_perforator, effects_channel_b);
    }
    bt[b_timer] += 1;
    if (bt[b_timer] >= finish_ticks) {
        bt[b_timer] = 0;
        bt[b_state] = st_walking;
        bt[b_frame] = 0;
        bt[b_vy] = 0;
    }
    int c = static_cast<int>(bt[b_work_col]);
    int r = static_cast<int>(bt[b_work_row]);
    int work = static_cast<int>(bt[b_work_kind]);
    if (work == work_boring || work == work_bridge || work == work_elevator) clear_site(b, c, r);
    if (bt[b_timer] == finish_change_at) complete_work(work, c, r);
    if (bt[b_timer] == finish_dust_at) throw_site_dust(work, c, r);
    if (bt[b_frame] < 5 || bt[b_frame] > 15) site_dust(c, r);
}

void elevator_step(int b) {
    float* bt = beetles[b];
    int cx = cell_of(bt[b_x] + 16);
    int cy = cell_of(bt[b_y]);
    int ride = 0;
    for (int row = cy; row <= 30; ++row)
        if (cell_at(terrain_front, cx, row) == tile_elevator_base) ride = 1;
    if (cell_at(terrain_front, cx, cy + 2) == tile_elevator_top) ride = 2;
    if (ride == 1) {
        // With the vertical step's +1 this rises two pixels per tick.
        bt[b_y] -= 3;
        bt[b_vy] = standing_vy;
    } else {
        bt[b_state] = st_walking;
        bt[b_vy] = -2;
    }
}
