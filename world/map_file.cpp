#include "world/map_file.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "config/settings.h"
#include "runtime/runtime.h"
#include "world/console_log.h"

namespace {

int32_t get_i32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) |
                                (static_cast<uint32_t>(p[3]) << 24));
}

void put_i32(uint8_t* p, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    p[0] = u & 0xff;
    p[1] = (u >> 8) & 0xff;
    p[2] = (u >> 16) & 0xff;
    p[3] = (u >> 24) & 0xff;
}

constexpr int decorations_offset = 3162;
constexpr int settings_offset = 4362;

}  // namespace

std::string map_file_name(int planet, int level) {
    return "maps/map" + std::to_string(planet) + std::to_string(level) + ".map";
}

bool decode_map(const uint8_t* bytes, long size, map_data& out) {
    if (bytes == nullptr || size < map_file_size) return false;
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            const int at = (c * world_rows + r) * 2;
            out.front[c][r] = bytes[at];
            out.back[c][r] = bytes[at + 1];
        }
    for (int n = 0; n < max_decorations; ++n)
        for (int k = 0; k < 3; ++k)
            out.decorations[n][k] = get_i32(bytes + decorations_offset + (n * 3 + k) * 4);
    for (int i = 0; i < 30; ++i) out.settings[i] = get_i32(bytes + settings_offset + i * 4);
    return true;
}

void encode_map(const map_data& map, uint8_t* out) {
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            const int at = (c * world_rows + r) * 2;
            out[at] = map.front[c][r];
            out[at + 1] = map.back[c][r];
        }
    for (int n = 0; n < max_decorations; ++n)
        for (int k = 0; k < 3; ++k)
            put_i32(out + decorations_offset + (n * 3 + k) * 4, map.decorations[n][k]);
    for (int i = 0; i < 30; ++i) put_i32(out + settings_offset + i * 4, map.settings[i]);
}

bool read_map_file(const std::string& path, map_data& out) {
    std::ifstream in(resolve_path(path), std::ios::binary);
    if (!in) return false;
    std::vector<uint8_t> bytes(map_file_size);
    in.read(reinterpret_cast<char*>(bytes.data()), map_file_size);
    if (in.gcount() < map_file_size) return false;
    return decode_map(bytes.data(), map_file_size, out);
}

bool write_map_file(const std::string& path, const map_data& map) {
    std::vector<uint8_t> bytes(map_file_size);
    encode_map(map, bytes.data());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), map_file_size);
    return static_cast<bool>(out);
}

void install_map(const map_data& map, int planet, int difficulty_level) {
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            terrain_front[c][r] = map.front[c][r];
            terrain_back[c][r] = map.back[c][r];
        }
    std::memcpy(decorations, map.decorations, sizeof decorations);
    std::memcpy(level_settings, map.settings, sizeof level_settings);
    // The beetle table has 20 rows; a walking direction is 0 or 1.
    if (level_settings[ls_beetles] > max_beetles) level_settings[ls_beetles] = max_beetles;
    if (level_settings[ls_beetles] < 0) level_settings[ls_beetles] = 0;
    level_settings[ls_direction] = level_settings[ls_direction] != 0 ? 1 : 0;
    if (planet != 0) level_settings[ls_time] -= 35 * difficulty_level;
}

bool load_map(int difficulty_level) {
    console_log("");
    const std::string name = "map" + std::to_string(map_planet) + std::to_string(map_level);
    map_data map;
    const bool ok = read_map_file(map_file_name(map_planet, map_level), map);
    if (!ok) {
        console_log("Map " + name + ".map missing or damaged");
        return false;
    }
    current_map_name = name;
    console_log("Load Map " + name + ".map");
    install_map(map, map_planet, difficulty_level);
    return true;
}
