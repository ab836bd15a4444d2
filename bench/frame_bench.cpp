// The busiest frame of play, whole: rain, haze, the saucer's beam, twenty
// beetles, explosions and dust, the panel with a hint, on the offscreen
// software renderer and again with no pixel work (the logic alone).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "config/settings.h"
#include "play/play_loop.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "tests/sim/busy_level.h"
#include "world/world.h"

namespace {

struct snapshot {
    int32_t front[world_cols][world_rows], back[world_cols][world_rows];
    int32_t plans[world_cols][world_rows], orders[world_cols][world_rows];
    float beetle_rows[max_beetles][beetle_fields], item_rows[max_items][item_fields];
    float saucer_rec[8];
    int dropped;
};

void save(snapshot& s) {
    std::memcpy(s.front, terrain_front, sizeof s.front);
    std::memcpy(s.back, terrain_back, sizeof s.back);
    std::memcpy(s.plans, plan_layer, sizeof s.plans);
    std::memcpy(s.orders, order_layer, sizeof s.orders);
    std::memcpy(s.beetle_rows, beetles, sizeof s.beetle_rows);
    std::memcpy(s.item_rows, items, sizeof s.item_rows);
    std::memcpy(s.saucer_rec, saucer, sizeof s.saucer_rec);
    s.dropped = beetles_dropped;
}

void restore(const snapshot& s) {
    std::memcpy(terrain_front, s.front, sizeof s.front);
    std::memcpy(terrain_back, s.back, sizeof s.back);
    std::memcpy(plan_layer, s.plans, sizeof s.plans);
    std::memcpy(order_layer, s.orders, sizeof s.orders);
    std::memcpy(beetles, s.beetle_rows, sizeof s.beetle_rows);
    std::memcpy(items, s.item_rows, sizeof s.item_rows);
    std::memcpy(saucer, s.saucer_rec, sizeof s.saucer_rec);
    beetles_dropped = s.dropped;
    charges.clear();
    effects.clear();
    dust.clear();
    sparkles.clear();
    mission_over = 0;
    light_level = 255;
    target_light = 255;
    menu_open = 0;
    lesson_open = 0;
}

// Explosions and dust where the camera looks.
void stir_up() {
    for (int k = 0; k < 3; ++k) {
        const float x = static_cast<float>(camera_x + 150 + k * 220), y = static_cast<float>(camera_y + 250);
        effects.push_back(effect{x, y, fx_flash, 0, 0, 0});
        debris_at(static_cast<int>(x) / 32, static_cast<int>(y) / 32);
        burst(k, 12, k % 3);
    }
}

bool stage(int backend, snapshot& s) {
    set_backend(backend, false);
    if (!open_graphics(800, 600, 32, 60)) return false;
    if (chdir(ZEMBRA_GAME_DIR) != 0) return false;
    default_settings();
    reset_world_tables();
    seed_rnd(1);
    weather = 1;
    background_drawing = 1;
    show_tips = 1;
    current_planet = 1;
    current_level = 1;
    load_play_images(1);
    load_busy_level();
    level_settings[ls_rain] = 1;
    level_settings[ls_night] = 0;
    start_play_state();
    for (int f = 0; f < 3000; ++f) {
        busy_level_input(f);
        world_tick();
    }
    // Every beetle out on the floor in view, one of them under the pointer
    // with a tool chosen, so the hint and the preview are drawn.
    for (int b = 0; b < max_beetles; ++b) {
        float* bt = beetles[b];
        std::memset(bt, 0, sizeof(float) * beetle_fields);
        bt[b_x] = 280.0f + b * 40.0f;
        bt[b_y] = 800;
        bt[b_kind] = static_cast<float>(b % 4 + 1);
        bt[b_state] = st_walking;
        bt[b_dir] = static_cast<float>(b % 2);
        bt[b_vy] = 1.0f;
        bt[b_speed] = 0.8f;
    }
    beetles_dropped = max_beetles;
    status_text = "ACTION";
    mission_timer = 900;
    camera_x = 300;
    camera_y = 360;
    current_tool = 13;
    inject_mouse_move(static_cast<int>(beetles[5][b_x]) + 16 - camera_x,
                      static_cast<int>(beetles[5][b_y]) + 16 - camera_y);
    save(s);
    restore(s);
    return true;
}

void busiest_frame(benchmark::State& state, int backend) {
    static snapshot start;
    if (!stage(backend, start)) {
        state.SkipWithError("no display or no game data");
        return;
    }
    long n = 0;
    for (auto _ : state) {
        if (n % 240 == 0) restore(start);
        if (n % 20 == 0) stir_up();
        saucer_beam = 1;
        play_frame();
        ++n;
    }
    // To look at the frame being measured: ZEMBRA_BENCH_SHOT=/tmp/frame.png
    if (const char* shot = std::getenv("ZEMBRA_BENCH_SHOT"); shot && backend == backend_offscreen)
        save_screen_png(shot);
}

void bm_busiest_frame_offscreen(benchmark::State& state) { busiest_frame(state, backend_offscreen); }
void bm_busiest_frame_no_draw(benchmark::State& state) { busiest_frame(state, backend_none); }

BENCHMARK(bm_busiest_frame_offscreen)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(bm_busiest_frame_no_draw)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
