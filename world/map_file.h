// The level map file (4482 bytes, little-endian, no header) and the part of
// the level start that rebuilds the world tables from it.
#pragma once

#include <cstdint>
#include <string>

#include "world/world.h"

constexpr int map_file_size = 4482;

// A map as stored, before the level start turns markers into objects.
struct map_data {
    uint8_t front[world_cols][world_rows];
    uint8_t back[world_cols][world_rows];
    int32_t decorations[max_decorations][3];
    int32_t settings[30];
};

// "maps/map" + planet + level + ".map"
std::string map_file_name(int planet, int level);

// Decoding and encoding of the file bytes. decode refuses data shorter than
// the file size; bytes past it are ignored.
bool decode_map(const uint8_t* bytes, long size, map_data& out);
void encode_map(const map_data& map, uint8_t* out /* map_file_size bytes */);
bool read_map_file(const std::string& path, map_data& out);
bool write_map_file(const std::string& path, const map_data& map);

// Copies a map into the world tables as load_map does: the counts of beetles
// are clamped to 0..20, the starting direction to 0/1, and the mission time is
// shortened by 35 x difficulty off the tutorial planet.
void install_map(const map_data& map, int planet, int difficulty);

// Reads the map of (map_planet, map_level) into the tables and logs it. A
// missing or short file leaves every table untouched and returns false.
bool load_map(int difficulty);

// Steps of the level start that belong to the world: resets, map, markers,
// plans and orders cleared, scan report, gravity, flakes. False (and nothing
// changed) when the map cannot be read.
bool level_start_world(int difficulty);
// The same from a map already in memory (tests, tools).
void level_start_from_map(const map_data& map, int difficulty);

// Snow flakes.
void new_flake();
// One step of every flake; draws them only when draw is true.
void flake_step(bool draw, int point_image);
