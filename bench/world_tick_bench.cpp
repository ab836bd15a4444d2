// Ticks per second of the world tick on a crowded level: twenty beetles
// walking, working and riding, fifty items, charges going off. The frame's
// charge and effect updates run once per tick, as at normal speed.
#include <benchmark/benchmark.h>

#include <cstring>

#include "runtime/runtime.h"
#include "sim/sim.h"
#include "tests/sim/busy_level.h"

namespace {

struct scene {
    int32_t front[world_cols][world_rows], plans[world_cols][world_rows];
    float beetle_rows[max_beetles][beetle_fields], item_rows[max_items][item_fields];
    float saucer_rec[8];
    std::vector<charge> charge_list;
    std::vector<effect> effect_list;
    std::vector<dust_particle> dust_list;
    std::vector<sparkle> sparkle_list;
};

void save(scene& s) {
    std::memcpy(s.front, terrain_front, sizeof s.front);
    std::memcpy(s.plans, plan_layer, sizeof s.plans);
    std::memcpy(s.beetle_rows, beetles, sizeof s.beetle_rows);
    std::memcpy(s.item_rows, items, sizeof s.item_rows);
    std::memcpy(s.saucer_rec, saucer, sizeof s.saucer_rec);
    s.charge_list = charges;
    s.effect_list = effects;
    s.dust_list = dust;
    s.sparkle_list = sparkles;
}

void restore(const scene& s) {
    std::memcpy(terrain_front, s.front, sizeof s.front);
    std::memcpy(plan_layer, s.plans, sizeof s.plans);
    std::memcpy(beetles, s.beetle_rows, sizeof s.beetle_rows);
    std::memcpy(items, s.item_rows, sizeof s.item_rows);
    std::memcpy(saucer, s.saucer_rec, sizeof s.saucer_rec);
    charges = s.charge_list;
    effects = s.effect_list;
    dust = s.dust_list;
    sparkles = s.sparkle_list;
}

void put_beetle(int b, float x, float y, int kind, int state, int dir) {
    float* bt = beetles[b];
    std::memset(bt, 0, sizeof(float) * beetle_fields);
    bt[b_x] = x;
    bt[b_y] = y;
    bt[b_kind] = static_cast<float>(kind);
    bt[b_state] = static_cast<float>(state);
    bt[b_dir] = static_cast<float>(dir);
    bt[b_vy] = 1.0f;
    bt[b_speed] = 0.8f;
}

// The level after its landing, with every beetle alive and busy.
void stage(scene& s) {
    set_backend(backend_none, false);
    seed_rnd(1);
    load_busy_level();
    for (int f = 0; f < 3000; ++f) {
        busy_level_input(f);
        world_tick();
        update_charges(false);
        update_effects(false);
    }
    for (int b = 0; b < max_beetles; ++b) {
        int kind = b % 5 == 0 ? kind_builder : b % 7 == 0 ? kind_armoured : kind_laborer;
        put_beetle(b, 60.0f + b * 75.0f, 800, kind, st_walking, b % 2);
    }
    // Two at work, two riding the elevator.
    put_beetle(5, 20 * 32, 800, kind_builder, st_working, 1);
    beetles[5][b_work_col] = 21;
    beetles[5][b_work_row] = 26;
    put_beetle(10, 30 * 32, 800, kind_builder, st_finishing, 1);
    beetles[10][b_work_col] = 31;
    beetles[10][b_work_row] = 26;
    beetles[10][b_timer] = 10;
    put_beetle(11, 15 * 32, 740, kind_laborer, st_elevator, 1);
    put_beetle(12, 15 * 32, 700, kind_laborer, st_elevator, 0);
    for (int i = 0; i < max_items; ++i) {
        if (items[i][i_type] != item_none) continue;
        items[i][i_x] = static_cast<float>((i % 45 + 3) * 32);
        items[i][i_y] = i % 2 ? 800.0f : 576.0f;
        items[i][i_type] = i % 3 == 0 ? item_insect : item_mushroom;
    }
    for (int c = 6; c <= 46; c += 10) charges.push_back(charge{c * 32 - 8.0f, 700, 1, -2.0f, 380.0f});
    save(s);
}

void bm_world_tick(benchmark::State& state) {
    static scene start;
    stage(start);
    int since_restore = 0;
    for (auto _ : state) {
        world_tick();
        update_charges(false);
        update_effects(false);
        // Back to the crowded start before the colony thins out.
        if (++since_restore == 2000) {
            restore(start);
            since_restore = 0;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(bm_world_tick)->MinTime(2.0);

// The tick alone, without the per-frame lists.
void bm_world_tick_only(benchmark::State& state) {
    static scene start;
    stage(start);
    int since_restore = 0;
    for (auto _ : state) {
        world_tick();
        if (++since_restore == 2000) {
            restore(start);
            since_restore = 0;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(bm_world_tick_only)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
