#include "frontend/screens.h"

#include <algorithm>

#include "audio/music.h"
#include "config/settings.h"
#include "devtools/harness.h"
#include "frontend/gameover.h"
#include "frontend/loading.h"
#include "frontend/menu.h"
#include "frontend/resources.h"
#include "frontend/results.h"
#include "frontend/selection.h"
#include "play/play_loop.h"
#include "runtime/runtime.h"
#include "world/world.h"

screen_input front_in{};

namespace {

int pointer_cycle = 0;
bool pointer_flash = false;

// A campaign for --play when there is no saved one to read.
void fresh_campaign() {
    campaign_insects = campaign_mushrooms = campaign_gold = 0;
    for (int& s : level_status) s = 0;
    for (int& r : route_taken) r = 255;
}

int after_level(int exit) {
    switch (exit) {
    case exit_results: return next_results;
    case exit_shutdown: return next_exit;
    default: return next_menu;
    }
}

int after_selection(int choice) {
    switch (choice) {
    case 1: return next_level;
    case 2: return next_game_over;
    case 3: return next_victory;
    default: return next_menu;
    }
}

}  // namespace

void take_input_snapshot() {
    front_in.mouse_x = std::clamp(mouse_x(), 0, 799);
    front_in.mouse_y = std::clamp(mouse_y(), 0, 599);
    front_in.hits = mouse_hit(1);
    front_in.right_down = mouse_down(2);
    front_in.previous_wheel = front_in.wheel;
    front_in.wheel = mouse_z();
    front_in.typed = get_char();
}

void request_pointer_flash() { pointer_flash = true; }

void draw_front_pointer() {
    const int x = front_in.mouse_x, y = front_in.mouse_y;
    const draw_state before = get_draw_state();
    if (pointer_flash) {
        pointer_flash = false;
        draw_image(res.mouse, x, y, 2);
        return;
    }
    set_color(0, 0, 0);
    set_alpha(0.2f);
    draw_image(res.mouse, x + 3, y + 3, 0);
    const int l = static_cast<int>(light_level);
    set_color(l, l, l);
    set_alpha(1);
    draw_image(res.mouse, x, y, pointer_cycle < 20 ? 0 : 1);
    pointer_cycle = (pointer_cycle + 1) % 40;
    set_color(before.r, before.g, before.b);
}

void run_screens() {
    start_up();
    read_settings();
    int next = next_menu;
    if (harness.play) {
        read_campaign();
        if (no_saved_game) fresh_campaign();
        current_planet = harness.play_planet;
        current_level = harness.play_level;
        map_planet = current_planet;
        map_level = current_level;
        next = next_level;
    }
    while (next != next_exit && !quit_requested()) {
        switch (next) {
        case next_menu: next = run_main_menu(); break;
        case next_selection: next = after_selection(run_selection()); break;
        case next_level:
            next = after_level(run_level());
            // A level refused before its first frame still starts the count.
            harness_start_counting();
            break;
        case next_results:
            run_results(mission_result);
            next = next_selection;
            break;
        case next_game_over: next = run_game_over(); break;
        case next_victory: next = run_victory(); break;
        default: next = next_exit; break;
        }
    }
}
