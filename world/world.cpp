#include "world/world.h"

#include <cstring>

int32_t terrain_front[world_cols][world_rows];
int32_t terrain_back[world_cols][world_rows];
int32_t plan_layer[world_cols][world_rows];
int32_t order_layer[world_cols][world_rows];
int32_t decorations[max_decorations][3];
int32_t level_settings[30];
int32_t tool_counts[26];
int current_tool = no_tool;
int panel_tab = 0;

float beetles[max_beetles][beetle_fields];
float items[max_items][item_fields];
float saucer[8];
int saucer_drop_col = 0, saucer_drop_row = 0;

std::vector<charge> charges;
std::vector<effect> effects;
std::vector<dust_particle> dust;
std::vector<sparkle> sparkles;
std::vector<flake> flakes;

int map_planet = 0, map_level = 0;
std::string current_map_name;
int camera_x = 0, camera_y = 0;
int scroll_offset_x = 0, scroll_offset_y = 0;
int cursor_col = 0, cursor_row = 0;
float light_level = 0;
int target_light = 0;
int game_speed = 0;
int mission_timer = 0;
std::string status_text;
int status_blink = 0;
float gravity = 0.3f;
int beetles_dropped = 0;
int beetles_alive = 0;
int mushrooms_left = 0, insects_left = 0;
int mushrooms_delivered = 0, insects_delivered = 0;
int tick_in_second = 0;
int saucer_beam = 0;
int menu_open = 0, lesson_open = 0;
float lesson_offset = 0;
int lesson_counter = 0, lesson_phase = 0;
int mission_over = 0, restart_pending = 0, leave_to_menu = 0, restart_now = 0;
int mission_result = 0;
float shake = 0;
int demo_playing = 0;
int level_status[10];

void reset_world_tables() {
    std::memset(terrain_front, 0, sizeof terrain_front);
    std::memset(terrain_back, 0, sizeof terrain_back);
    std::memset(plan_layer, 0, sizeof plan_layer);
    std::memset(order_layer, 0, sizeof order_layer);
    std::memset(decorations, 0, sizeof decorations);
    std::memset(level_settings, 0, sizeof level_settings);
    std::memset(tool_counts, 0, sizeof tool_counts);
    std::memset(beetles, 0, sizeof beetles);
    std::memset(items, 0, sizeof items);
    std::memset(saucer, 0, sizeof saucer);
    std::memset(level_status, 0, sizeof level_status);
    current_tool = no_tool;
    panel_tab = 0;
    saucer_drop_col = saucer_drop_row = 0;
    charges.clear();
    effects.clear();
    dust.clear();
    sparkles.clear();
    flakes.clear();
    map_planet = map_level = 0;
    current_map_name.clear();
    camera_x = camera_y = 0;
    scroll_offset_x = scroll_offset_y = 0;
    cursor_col = cursor_row = 0;
    light_level = 0;
    target_light = 0;
    game_speed = 0;
    mission_timer = 0;
    status_text.clear();
    status_blink = 0;
    gravity = 0.3f;
    beetles_dropped = beetles_alive = 0;
    mushrooms_left = insects_left = 0;
    mushrooms_delivered = insects_delivered = 0;
    tick_in_second = 0;
    saucer_beam = 0;
    menu_open = lesson_open = 0;
    lesson_offset = 0;
    lesson_counter = lesson_phase = 0;
    mission_over = restart_pending = leave_to_menu = restart_now = 0;
    mission_result = 0;
    shake = 0;
    demo_playing = 0;
}

void cursor_cell(int mx, int my) {
    scroll_offset_x = camera_x % 32;
    scroll_offset_y = camera_y % 32;
    cursor_col = camera_x / 32 + (mx + scroll_offset_x) / 32;
    cursor_row = camera_y / 32 + (my + scroll_offset_y) / 32;
}

static bool unlimited_at_99(int tool) {
    // Only these order tools are never used up at 99; the rest count down.
    return tool == 16 || tool == 17 || tool == 19 || tool == 23;
}

void use_tool_stock(int tool) {
    if (tool < 0 || tool >= tool_slots) return;
    if (tool_counts[tool] == unlimited_stock && unlimited_at_99(tool)) return;
    if (tool_counts[tool] > 0) tool_counts[tool] -= 1;
    if (tool_counts[tool] <= 0) current_tool = no_tool;
}

void fade_light() {
    if (light_level > target_light) light_level -= 5;
    if (light_level < target_light) light_level += 5;
}
