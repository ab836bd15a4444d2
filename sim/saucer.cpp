#include <algorithm>

#include "config/settings.h"
#include "runtime/runtime.h"
#include "sim/steps.h"

namespace {

constexpr int drop_interval = 90;
constexpr int last_drop_wait = 50;

// A level can never ask for more beetles than the table holds, whatever the
// map or the console wrote into the settings.
int beetles_to_drop() { return std::clamp(level_settings[ls_beetles], 0, max_beetles); }

void drop_beetle() {
    float* bt = beetles[beetles_dropped];
    for (int f = 0; f < beetle_fields; ++f) bt[f] = 0;
    bt[b_x] = saucer[s_x] - 16;
    bt[b_y] = saucer[s_y];
    bt[b_kind] = kind_laborer;
    bt[b_dir] = level_settings[ls_direction] != 0 ? 1.0f : 0.0f;
    bt[b_vy] = standing_vy;
    bt[b_state] = st_landing;
    bt[b_speed] = 0.8f;
    bt[b_hover] = static_cast<float>(rand_cosmetic(1, 100));
    beetles_dropped += 1;
}

void descend() {
    saucer[s_y] += saucer[s_descent_speed];
    if (saucer[s_landing_y] - saucer[s_y] < 96) {
        saucer[s_descent_speed] -= 0.03f;
        target_light = 255;
    }
    if (saucer[s_descent_speed] > 0) return;
    saucer[s_phase] = 1;
    saucer[s_descent_speed] = 0;
    status_text = "Prepare to action";
    status_blink = 1;
    bool tutorial = map_planet == 0;
    mission_timer = tutorial ? 13 : 13 - 2 * difficulty;
    if (tutorial && !demo_playing) {
        lesson_open = 1;
        target_light = 250;
        lesson_offset = 0;
        lesson_counter = 0;
        lesson_phase = 0;
    }
}

void wait_for_action() {
    if (mission_timer > 0) return;
    saucer[s_phase] = 2;
    saucer[s_drop_timer] = 0;
    mission_timer = level_settings[ls_time];
    status_text = "ACTION";
    status_blink = 0;
}

void drop_beetles() {
    saucer_beam = 1;
    saucer[s_drop_timer] += 1;
    if (saucer[s_drop_timer] >= drop_interval) {
        saucer[s_drop_timer] = 0;
        if (beetles_dropped < beetles_to_drop()) drop_beetle();
    }
    if (beetles_dropped >= beetles_to_drop() && saucer[s_drop_timer] == last_drop_wait)
        saucer[s_phase] = 3;
}

} // namespace

void saucer_step() {
    saucer[s_frame_tick] += 1;
    if (saucer[s_frame_tick] >= 2) {
        saucer[s_frame_tick] = 0;
        saucer[s_frame] += 1;
        if (saucer[s_frame] >= 23) saucer[s_frame] = 0;
    }
    // One phase per tick: a phase entered now acts from the next tick.
    switch (static_cast<int>(saucer[s_phase])) {
    case 0: descend(); break;
    case 1: wait_for_action(); break;
    case 2: drop_beetles(); break;
    default: break;
    }
}
