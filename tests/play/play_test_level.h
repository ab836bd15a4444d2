// A small flat cave for frame-level tests of the play screen, run in the
// back end that draws nothing.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "config/settings.h"
#include "play/play_loop.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "world/map_file.h"
#include "world/world.h"

// Rock on the two bottom rows, the saucer marker far above so the descent
// lasts, and one mushroom so the mission does not end at once.
inline map_data test_map() {
    map_data map;
    std::memset(&map, 0, sizeof map);
    for (int c = 0; c < world_cols; ++c) map.front[c][29] = map.front[c][30] = 1;
    map.front[25][28] = marker_saucer;
    map.front[10][28] = marker_mushroom;
    map.settings[ls_beetles] = 5;
    map.settings[ls_time] = 300;
    return map;
}

inline void open_no_draw() {
    static bool opened = false;
    if (opened) return;
    set_backend(backend_none, false);
    open_graphics(800, 600, 32, 60);
    opened = true;
}

inline void start_map(const map_data& map, int planet = 1, int level = 0) {
    open_no_draw();
    reset_input();
    reset_world_tables();
    default_settings();
    seed_rnd(7);
    current_planet = map_planet = planet;
    current_level = map_level = level;
    level_start_from_map(map, 0);
    start_play_state();
    // Bright, so a mission that ends still runs its fade-out frames.
    light_level = 255;
    target_light = 255;
}

inline void start_test_level() { start_map(test_map()); }

inline void run_frames(int n) {
    for (int i = 0; i < n; ++i) ASSERT_EQ(play_frame(), exit_none);
}

// Past the descent: the camera is the player's.
inline void landed() { saucer[s_phase] = 3; }

inline void click_at(int x, int y) {
    inject_mouse_move(x, y);
    inject_mouse_button(1, true);
    inject_mouse_button(1, false);
}

inline void press(int key) {
    inject_key(key, true);
    play_frame();
    inject_key(key, false);
}
