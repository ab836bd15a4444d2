// The state dump: one JSON object with the game's own names.
#include <sstream>

#include "config/settings.h"
#include "devtools/harness.h"
#include "runtime/runtime.h"
#include "world/console_log.h"
#include "world/world.h"

void json_float(std::ostringstream& out, float v);

namespace {

void json_string(std::ostringstream& out, const std::string& s) {
    out << '"';
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out << buf;
        } else {
            out << c;
        }
    }
    out << '"';
}

template <typename T, size_t N>
void json_ints(std::ostringstream& out, const T (&values)[N]) {
    out << '[';
    for (size_t i = 0; i < N; ++i) out << (i ? "," : "") << values[i];
    out << ']';
}

template <size_t N>
void json_floats(std::ostringstream& out, const float (&values)[N]) {
    out << '[';
    for (size_t i = 0; i < N; ++i) {
        if (i) out << ',';
        json_float(out, values[i]);
    }
    out << ']';
}

template <typename T, size_t C, size_t R>
void json_grid(std::ostringstream& out, const T (&grid)[C][R]) {
    out << '[';
    for (size_t c = 0; c < C; ++c) {
        if (c) out << ',';
        if constexpr (std::is_same_v<T, float>)
            json_floats(out, grid[c]);
        else
            json_ints(out, grid[c]);
    }
    out << ']';
}

}  // namespace

std::string state_dump_json() {
    std::ostringstream o;
    o << "{\"frame\":" << frame_number() << ",\"screen\":";
    json_string(o, current_screen);

    o << ",\"settings\":{\"music_volume\":";
    json_float(o, music_volume);
    o << ",\"effects_volume\":";
    json_float(o, effects_volume);
    o << ",\"ambient_volume\":";
    json_float(o, ambient_volume);
    o << ",\"sound_quality\":" << sound_quality << ",\"background_drawing\":" << background_drawing
      << ",\"show_tips\":" << show_tips << ",\"weather\":" << weather
      << ",\"ingame_speed_control\":" << ingame_speed_control << ",\"fast_computer\":" << fast_computer
      << ",\"difficulty\":" << difficulty << ",\"skip_tutorial\":" << skip_tutorial << "}";

    o << ",\"campaign\":{\"current_planet\":" << current_planet << ",\"current_level\":" << current_level
      << ",\"campaign_insects\":" << campaign_insects << ",\"campaign_mushrooms\":" << campaign_mushrooms
      << ",\"campaign_gold\":" << campaign_gold << ",\"level_status\":";
    json_ints(o, level_status);
    o << ",\"route_taken\":";
    json_ints(o, route_taken);
    o << "}";

    o << ",\"world\":{\"map_planet\":" << map_planet << ",\"map_level\":" << map_level;
    o << ",\"terrain_front\":";
    json_grid(o, terrain_front);
    o << ",\"terrain_back\":";
    json_grid(o, terrain_back);
    o << ",\"plan_layer\":";
    json_grid(o, plan_layer);
    o << ",\"order_layer\":";
    json_grid(o, order_layer);
    o << ",\"decorations\":";
    json_grid(o, decorations);
    o << ",\"level_settings\":";
    json_ints(o, level_settings);
    o << ",\"tool_counts\":";
    json_ints(o, tool_counts);
    o << ",\"current_tool\":" << current_tool << ",\"panel_tab\":" << panel_tab;
    o << ",\"beetles\":";
    json_grid(o, beetles);
    o << ",\"items\":";
    json_grid(o, items);
    o << ",\"saucer\":";
    json_floats(o, saucer);
    o << ",\"charges\":[";
    for (size_t i = 0; i < charges.size(); ++i) {
        const charge& c = charges[i];
        o << (i ? "," : "") << '[';
        json_float(o, c.x);
        o << ',';
        json_float(o, c.y);
        o << ',' << c.active << ',';
        json_float(o, c.vy);
        o << ',';
        json_float(o, c.fuse);
        o << ']';
    }
    o << "],\"gravity\":";
    json_float(o, gravity);
    o << ",\"beetles_dropped\":" << beetles_dropped << ",\"beetles_alive\":" << beetles_alive
      << ",\"mushrooms_left\":" << mushrooms_left << ",\"insects_left\":" << insects_left
      << ",\"mushrooms_delivered\":" << mushrooms_delivered
      << ",\"insects_delivered\":" << insects_delivered << ",\"tick_in_second\":" << tick_in_second
      << ",\"mission_timer\":" << mission_timer << ",\"status_text\":";
    json_string(o, status_text);
    o << ",\"saucer_beam\":" << saucer_beam << ",\"camera_x\":" << camera_x
      << ",\"camera_y\":" << camera_y << ",\"light_level\":";
    json_float(o, light_level);
    o << ",\"target_light\":" << target_light << ",\"game_speed\":" << game_speed
      << ",\"menu_open\":" << menu_open << ",\"lesson_open\":" << lesson_open
      << ",\"mission_over\":" << mission_over << ",\"mission_result\":" << mission_result
      << ",\"restart_pending\":" << restart_pending << ",\"leave_to_menu\":" << leave_to_menu
      << ",\"restart_now\":" << restart_now << ",\"shake\":";
    json_float(o, shake);
    o << ",\"demo_playing\":" << demo_playing << "}";

    o << ",\"console_lines\":[";
    for (int i = 0; i < console_line_count; ++i) {
        if (i) o << ',';
        json_string(o, console_lines[i]);
    }
    o << "]}\n";
    return o.str();
}
