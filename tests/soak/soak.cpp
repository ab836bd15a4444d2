#include "tests/soak/soak.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>

#include "config/settings.h"
#include "play/play_loop.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "tests/sim/busy_level.h"
#include "world/map_file.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

struct level_source {
    std::string name;
    map_data map;
    int planet, level;
};

// A random cave: layered rock with holes, a drop point near the top and a
// scattering of items; settings drawn from their ranges.
map_data random_cave(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    map_data m;
    std::memset(&m, 0, sizeof m);
    for (int c = 0; c < world_cols; ++c)
        for (int r = 8; r < world_rows; ++r)
            if (r == world_rows - 1 || pick(0, 99) < 12 + r) m.front[c][r] = static_cast<uint8_t>(pick(0, 9) ? 31 : pick(32, 42));
    const int sc = pick(2, 48);
    m.front[sc][pick(4, 6)] = marker_saucer;
    for (int n = 0; n < 60; ++n) m.front[pick(0, 50)][pick(7, 29)] = static_cast<uint8_t>(pick(65, 67));
    for (int i = 0; i < 24; ++i) m.settings[i] = pick(0, 3) == 0 ? 99 : pick(0, 9);
    m.settings[ls_beetles] = pick(1, 20);
    m.settings[ls_time] = pick(30, 200);
    m.settings[ls_min_alive] = pick(0, 5);
    m.settings[ls_direction] = pick(0, 1);
    m.settings[ls_night] = pick(0, 1);
    m.settings[ls_rain] = pick(0, 2);
    for (int d = 0; d < 10; ++d) {
        m.decorations[d][0] = pick(0, 1600);
        m.decorations[d][1] = pick(0, 900);
        m.decorations[d][2] = pick(1, 7);
    }
    return m;
}

std::vector<level_source> gather_levels(const soak_options& o) {
    std::vector<level_source> out;
    if (!o.maps_dir.empty() && fs::exists(o.maps_dir)) {
        for (const auto& f : fs::directory_iterator(o.maps_dir)) {
            const std::string name = f.path().filename().string();
            if (f.path().extension() != ".map" || name.size() < 7) continue;
            level_source s;
            if (!read_map_file(f.path().string(), s.map)) continue;
            // "mapPL.map": the last digit is the level, the rest the planet.
            const std::string digits = name.substr(3, name.size() - 7);
            s.planet = std::atoi(digits.substr(0, digits.size() - 1).c_str());
            s.level = digits.back() - '0';
            s.name = name;
            out.push_back(s);
        }
    }
    std::sort(out.begin(), out.end(), [](const level_source& a, const level_source& b) { return a.name < b.name; });
    if (o.with_generated) {
        level_source busy;
        std::string error;
        if (parse_level_text(busy_level_text(), busy.map, error)) {
            busy.name = "crowded level";
            busy.planet = 1;
            busy.level = 1;
            out.push_back(busy);
        }
        for (int i = 0; i < o.generated_caves; ++i)
            out.push_back({"random cave " + std::to_string(i), random_cave(1000 + i), 2 + i % 8, i % 10});
    }
    return out;
}

// One frame of a restless player: clicks on cells, beetles and the panel,
// tools by key and by wheel, camera moves, the speed key and the menu.
void random_input(std::mt19937& rng) {
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    if (chance(30)) inject_mouse_move(pick(0, 799), pick(0, 599));
    if (chance(8)) {
        int b = pick(0, max_beetles - 1);
        if (beetles[b][b_kind] != kind_none)
            inject_mouse_move(std::clamp(static_cast<int>(beetles[b][b_x]) + 16 - camera_x, 0, 799),
                              std::clamp(static_cast<int>(beetles[b][b_y]) + 16 - camera_y, 0, 599));
    }
    // With the in-game menu open, now and then one of its choices (rows of
    // 20 pixels from y 443; the fourth, leaving the program, is left alone).
    if (menu_open == 1 && chance(5)) inject_mouse_move(pick(20, 190), 445 + 20 * pick(0, 2) + pick(0, 15));
    if (chance(10)) {
        inject_mouse_button(1, true);
        inject_mouse_button(1, false);
        if (chance(5)) { // two clicks in one frame are ignored
            inject_mouse_button(1, true);
            inject_mouse_button(1, false);
        }
    }
    if (chance(5)) inject_char('1' + pick(0, 7));
    if (chance(3)) inject_wheel(pick(-3, 3));
    if (chance(2)) inject_mouse_button(2, chance(50));
    if (chance(3)) {
        const int arrow = pick(vk_left, vk_down);
        inject_key(arrow, chance(60));
    }
    if (chance(1)) {
        inject_key(vk_f, true);
        inject_key(vk_f, false);
    }
    if (pick(0, 999) < 3) {
        inject_key(vk_escape, true);
        inject_key(vk_escape, false);
    }
    if (chance(1)) inject_char('\r');
}

}  // namespace

std::string check_world_invariants(int dropped_before) {
    auto finite = [](float v) { return std::isfinite(v); };
    if (beetles_dropped < dropped_before) return "beetles_dropped went down";
    if (beetles_dropped < 0 || beetles_dropped > max_beetles) return "beetles_dropped out of range";
    if (beetles_dropped > std::max(0, level_settings[ls_beetles])) return "more beetles dropped than the level has";
    int alive = 0;
    for (int b = 0; b < max_beetles; ++b) {
        const float* r = beetles[b];
        const int kind = static_cast<int>(r[b_kind]);
        if (r[b_kind] != kind || kind < kind_none || kind > kind_medic) return "beetle kind " + std::to_string(b);
        if (kind == kind_none) continue;
        ++alive;
        if (b >= beetles_dropped) return "beetle row " + std::to_string(b) + " above beetles_dropped";
        for (int f = 0; f < beetle_fields; ++f)
            if (!finite(r[f])) return "beetle " + std::to_string(b) + " field " + std::to_string(f) + " not finite";
        if (r[b_cargo] < cargo_none || r[b_cargo] > cargo_insect) return "beetle cargo";
        if (r[b_balls] < 0) return "negative Dence Balls";
    }
    if (alive != beetles_alive) return "beetles_alive " + std::to_string(beetles_alive) + " but " + std::to_string(alive) + " in the table";
    for (int n = 0; n < max_items; ++n) {
        const float t = items[n][i_type];
        if (t != item_none && t != item_insect && t != item_mushroom && t != item_hostile) return "item kind";
        for (int f = 0; f < item_fields; ++f)
            if (!finite(items[n][f])) return "item field not finite";
    }
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            if (terrain_front[c][r] < 0 || terrain_front[c][r] > 255) return "front tile code";
            if (terrain_back[c][r] < 0 || terrain_back[c][r] > 255) return "back tile code";
            if (plan_layer[c][r] < plan_none || plan_layer[c][r] > plan_absorber) return "plan code";
            if (order_layer[c][r] < order_none) return "order code";
        }
    for (int t = 0; t < tool_slots; ++t)
        if (tool_counts[t] < 0) return "negative stock of tool " + std::to_string(t);
    if (current_tool != no_tool && (current_tool < 0 || current_tool >= tool_slots)) return "current_tool";
    if (panel_tab != 0 && panel_tab != 1) return "panel_tab";
    if (mission_timer < 0) return "mission_timer below 0";
    if (mushrooms_delivered < 0 || insects_delivered < 0 || mushrooms_delivered + insects_delivered > max_items)
        return "delivered counts";
    if (camera_x < 0 || camera_x > 800 || camera_y < 0 || camera_y > 360) return "camera out of bounds";
    if (light_level < 0 || light_level > 255) return "light_level";
    if (game_speed != 0 && game_speed != 1) return "game_speed";
    for (const charge& ch : charges)
        if (!finite(ch.x) || !finite(ch.y)) return "charge position";
    if (effects.size() > 20000 || dust.size() > 20000 || sparkles.size() > 20000 || charges.size() > 1000 ||
        flakes.size() > 20000)
        return "an effect list keeps growing";
    return "";
}

soak_report run_soak(const soak_options& o) {
    static bool opened = false;
    if (!opened) {
        set_backend(backend_none, false);
        opened = open_graphics(800, 600, 32, 60);
    }
    soak_report report;
    for (const level_source& lv : gather_levels(o)) {
        for (unsigned seed : o.seeds) {
            ++report.runs;
            const std::string where = lv.name + " seed " + std::to_string(seed);
            reset_input();
            reset_world_tables();
            default_settings();
            seed_rnd(seed);
            std::mt19937 rng(seed * 7919u + 13u);
            current_planet = map_planet = lv.planet;
            current_level = map_level = lv.level;
            level_start_from_map(lv.map, difficulty);
            start_play_state();
            // The whole time of the level plus its landing and fade-out.
            const long limit = o.max_frames > 0 ? o.max_frames
                                                : 60L * std::max(0, level_settings[ls_time]) + 3000;
            int dropped = 0;
            for (long f = 0; f < limit; ++f) {
                random_input(rng);
                const int exit = play_frame();
                ++report.frames;
                play.shutdown_requested = false; // every menu choice but leaving the program
                // A mission that ends, restarts or leaves for the menu is
                // played again until the level's time is used up.
                if (exit != exit_none) {
                    ++report.attempts;
                    level_start_from_map(lv.map, difficulty);
                    start_play_state();
                    dropped = 0;
                    continue;
                }
                const std::string broken = check_world_invariants(dropped);
                if (!broken.empty()) {
                    report.failures.push_back(where + " frame " + std::to_string(f + 1) + ": " + broken);
                    break;
                }
                dropped = beetles_dropped;
            }
        }
    }
    return report;
}
