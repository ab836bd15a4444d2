#include <cstring>

#include "config/settings.h"
#include "runtime/runtime.h"
#include "world/console_log.h"
#include "world/map_file.h"

namespace {

void reset_running_values() {
    restart_now = leave_to_menu = restart_pending = mission_over = menu_open = 0;
    game_speed = 0;
    mission_timer = 0;
    mission_result = 0;
    status_text = "Landing";
    status_blink = 0;
    // A restart must behave exactly like a first start: nothing of the last
    // attempt may leak through the ticks or the drawing.
    tick_in_second = 0;
    shake = 0;
    saucer_beam = 0;
    lesson_open = 0;
    lesson_offset = 0;
    lesson_counter = lesson_phase = 0;
    std::memset(saucer, 0, sizeof saucer);
}

void reset_tables_after_map() {
    for (int i = 0; i < tool_slots; ++i) tool_counts[i] = level_settings[i];
    current_tool = no_tool;
    std::memset(items, 0, sizeof items);
    std::memset(beetles, 0, sizeof beetles);
    effects.clear();
    sparkles.clear();
    dust.clear();
    charges.clear();
    light_level = 0;
    target_light = 0;
    mushrooms_left = insects_left = beetles_dropped = 0;
    mushrooms_delivered = insects_delivered = beetles_alive = 0;
}

void scan_markers() {
    int n = 0;
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            const int code = terrain_front[c][r];
            if (code == marker_saucer) {
                terrain_front[c][r] = 0;
                saucer[s_x] = static_cast<float>(c * 32 + 16);
                saucer[s_y] = -96.0f;
                saucer[s_phase] = 0;
                saucer[s_landing_y] = static_cast<float>((r - 2) * 32);
                saucer[s_descent_speed] = 2.0f;
                saucer_drop_col = c;
                saucer_drop_row = r;
            } else if (code >= marker_mushroom && code <= marker_hostile) {
                terrain_front[c][r] = 0;
                // The table holds 50; later markers are dropped.
                if (n < max_items) {
                    float* it = items[n];
                    it[i_x] = static_cast<float>(c * 32);
                    it[i_y] = static_cast<float>(r * 32);
                    if (code == marker_mushroom) {
                        it[i_type] = item_mushroom;
                        it[i_sub] = static_cast<float>(rand_cosmetic(0, 4));
                        mushrooms_left += 1;
                    } else {
                        it[i_type] = code == marker_insect ? item_insect : item_hostile;
                        it[i_frame] = static_cast<float>(rand_cosmetic(1, 8));
                        it[i_dir] = 0;
                        it[i_mode] = 0;
                        if (code == marker_insect) insects_left += 1;
                    }
                    n += 1;
                }
            }
            plan_layer[c][r] = 0;
            order_layer[c][r] = 0;
        }
}

void scan_report() {
    console_log("");
    console_log("Level scan report: ");
    console_log("Bugdrop on X:" + float_text(saucer[s_x]) + " Y:" + float_text(saucer[s_landing_y]) +
                ";");
    console_log("Total Insects:" + std::to_string(insects_left) + ";");
    console_log("Total Mushrooms:" + std::to_string(mushrooms_left) + ";");
}

void finish_level_start() {
    reset_tables_after_map();
    scan_markers();
    panel_tab = 0;
    scan_report();
    gravity = 0.3f;
    flakes.clear();
    for (int i = 0; i < 101; ++i) {
        new_flake();
        flake_step(false, 0);
        flake_step(false, 0);
    }
}

}  // namespace

bool level_start_world(int difficulty_level) {
    map_data map;
    if (!read_map_file(map_file_name(map_planet, map_level), map)) {
        console_log("");
        console_log("Map map" + std::to_string(map_planet) + std::to_string(map_level) +
                    ".map missing or damaged");
        return false;
    }
    reset_running_values();
    console_log("");
    current_map_name = "map" + std::to_string(map_planet) + std::to_string(map_level);
    console_log("Load Map " + current_map_name + ".map");
    install_map(map, map_planet, difficulty_level);
    finish_level_start();
    return true;
}

void level_start_from_map(const map_data& map, int difficulty_level) {
    reset_running_values();
    install_map(map, map_planet, difficulty_level);
    finish_level_start();
}

void new_flake() {
    flake f;
    f.x = static_cast<float>(rand_cosmetic(1, 1600));
    f.y = -64.0f;
    f.phase = rand_cosmetic(1, 100) + 150;
    f.scale = static_cast<float>(rand_cosmetic(1, 8)) / 10.0f + 0.2f;
    f.alpha = static_cast<float>(rand_cosmetic(1, 4)) / 10.0f + 0.3f;
    f.rotation = rand_cosmetic(1, 360);
    flakes.push_back(f);
}

void flake_step(bool draw, int point_image) {
    for (size_t i = 0; i < flakes.size();) {
        flake& f = flakes[i];
        const bool expired = f.y > 960.0f;
        if (draw) {
            set_scale(f.scale, f.scale);
            set_alpha(f.alpha);
            set_rotation(static_cast<float>(f.rotation));
            draw_image(point_image, f.x - static_cast<float>(camera_x),
                       f.y - static_cast<float>(camera_y), 0);
        }
        f.x += static_cast<float>(2.0 * cos_deg(f.phase));
        f.phase += 1;
        f.y += 2.0f * f.scale;
        f.rotation = to_int(f.rotation + 5.0 * sin_deg(f.phase));
        if (expired)
            flakes.erase(flakes.begin() + static_cast<long>(i));
        else
            ++i;
    }
    if (draw) {
        set_rotation(0);
        set_alpha(1);
        set_scale(1, 1);
    }
}
