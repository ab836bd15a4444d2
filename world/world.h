// The world of one level: a 51 x 31 cave of 32-pixel cells and the fixed
// tables for everything that lives in it. Tables are global, created once and
// reused by every level start; the rules that change them live in sim/ and
// play/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int world_cols = 51;
constexpr int world_rows = 31;
constexpr int cell_size = 32;
constexpr int world_width = world_cols * cell_size;   // 1632
constexpr int world_height = world_rows * cell_size;  // 992

constexpr int max_beetles = 20;
constexpr int beetle_fields = 17;
constexpr int max_items = 50;
constexpr int item_fields = 8;
constexpr int max_decorations = 100;
constexpr int tool_slots = 24;
constexpr int no_tool = 255;
constexpr int unlimited_stock = 99;

// ---- terrain_front codes
enum : int {
    tile_empty = 0,
    tile_rock_last = 33,     // 1..33 rock, re-tiled by settling
    tile_hard_rock = 32,
    tile_animated_rock = 33, // drawn through frames 33..38
    tile_bridge = 39,
    tile_elevator_base = 40,
    tile_elevator_top = 41,
    tile_absorber = 42,
    marker_saucer = 64,
    marker_mushroom = 65,
    marker_insect = 66,
    marker_hostile = 67,
};

// ---- plan_layer codes
enum : int {
    plan_none = 0, plan_boring = 1, plan_bridge = 2, plan_dynamite = 3,
    plan_elevator_base = 4, plan_elevator_top = 5, plan_absorber = 6,
};

// ---- order_layer codes
enum : int { order_none = 0, order_left = 1, order_right = 2 };

// ---- beetles columns
enum : int {
    b_x = 0, b_y = 1, b_kind = 2, b_frame = 3, b_spare = 4, b_dir = 5, b_balls = 6,
    b_vy = 7, b_state = 8, b_timer = 9, b_speed = 10, b_hover = 11, b_work_col = 12,
    b_work_row = 13, b_work_kind = 14, b_queue_delay = 15, b_cargo = 16,
};
enum : int { kind_none = 0, kind_laborer = 1, kind_builder = 2, kind_armoured = 3, kind_medic = 4 };
enum : int { cargo_none = 0, cargo_mushroom = 1, cargo_insect = 2 };

// ---- items columns
enum : int {
    i_x = 0, i_y = 1, i_type = 2, i_frame = 3, i_dir = 4, i_mode = 5, i_sub = 6, i_vy = 7,
};
enum : int { item_none = 0, item_insect = 1, item_mushroom = 2, item_hostile = 3 };

// ---- saucer fields
enum : int {
    s_x = 0, s_y = 1, s_frame = 2, s_frame_tick = 3, s_phase = 4, s_landing_y = 5,
    s_drop_timer = 6, s_descent_speed = 7,
};

// ---- level_settings indices
enum : int {
    ls_beetles = 24, ls_time = 25, ls_min_alive = 26, ls_direction = 27, ls_night = 28,
    ls_rain = 29,
};

// ---- effect lists
struct charge {
    float x, y;
    int active;
    float vy;
    float fuse;
};
struct effect {
    float x, y;
    int kind;
    float a, b, c;
};
enum : int {
    fx_aura = 1, fx_beetle_body = 2, fx_soul = 3, fx_flash = 4, fx_insect_body = 5,
    fx_hostile_body = 6,
};
struct dust_particle {
    float x, y, rotation, spin, alpha, scale, heading, speed;
};
struct sparkle {
    float x, y;
    int red, green, blue;
    float scale, alpha, vx, vy;
    int colour_set;
};
struct flake {
    float x, y;
    int phase;
    float scale, alpha;
    int rotation;
};

// ---- tile layers and marks
extern int32_t terrain_front[world_cols][world_rows];
extern int32_t terrain_back[world_cols][world_rows];
extern int32_t plan_layer[world_cols][world_rows];
extern int32_t order_layer[world_cols][world_rows];
extern int32_t decorations[max_decorations][3];
extern int32_t level_settings[30];
extern int32_t tool_counts[26];
extern int current_tool;
extern int panel_tab;

// ---- creatures
extern float beetles[max_beetles][beetle_fields];
extern float items[max_items][item_fields];
extern float saucer[8];
extern int saucer_drop_col, saucer_drop_row;

extern std::vector<charge> charges;
extern std::vector<effect> effects;
extern std::vector<dust_particle> dust;
extern std::vector<sparkle> sparkles;
extern std::vector<flake> flakes;

// ---- level state
extern int map_planet, map_level;
extern std::string current_map_name;
extern int camera_x, camera_y;
extern int scroll_offset_x, scroll_offset_y; // camera mod 32, for the tile drawing
extern int cursor_col, cursor_row;
extern float light_level;
extern int target_light;
extern int game_speed;
extern int mission_timer;
extern std::string status_text;
extern int status_blink;
extern float gravity;
extern int beetles_dropped;
extern int beetles_alive;
extern int mushrooms_left, insects_left;
extern int mushrooms_delivered, insects_delivered;
extern int tick_in_second;
extern int saucer_beam;
extern int menu_open, lesson_open;
// The lesson page's scroll state; the saucer's landing opens the page.
extern float lesson_offset;
extern int lesson_counter, lesson_phase;
extern int mission_over, restart_pending, leave_to_menu, restart_now;
extern int mission_result;
extern float shake;
extern int demo_playing;
extern int level_status[10];

// Moves light_level 5 toward target_light; once per frame on every screen.
void fade_light();

// Clears every table above to its zero state (start-up and tests).
void reset_world_tables();

// ---- cells
inline bool cell_inside(int col, int row) {
    return col >= 0 && col < world_cols && row >= 0 && row < world_rows;
}
// Every rule reads grids through these: outside the world reads as empty
// and writes are dropped, so no position can reach outside the tables.
inline int32_t cell_at(const int32_t (&grid)[world_cols][world_rows], int col, int row) {
    return cell_inside(col, row) ? grid[col][row] : 0;
}
inline void set_cell(int32_t (&grid)[world_cols][world_rows], int col, int row, int32_t v) {
    if (cell_inside(col, row)) grid[col][row] = v;
}
// Cell of a world position: truncating division, as everywhere in the rules.
inline int cell_of(float v) { return static_cast<int>(v / 32.0f); }

// The cell under the mouse, with the sub-cell scroll offsets.
void cursor_cell(int mouse_x, int mouse_y);

// The stock rule: a use lowers the stock unless unlimited; reaching 0 deselects.
void use_tool_stock(int tool);
