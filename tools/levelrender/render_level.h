// Drawing a whole level (51 x 31 cells, 1632 x 992 pixels) with the game's own
// renderer, for designers and reviewers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/map_file.h"

constexpr int level_pixels_w = 1632;
constexpr int level_pixels_h = 992;

// Environment set of a planet row (tiles, backdrop, decorations).
int environment_set_of(int planet);
// Planet row from a map file name "mapPL.map" (the last digit is the level);
// -1 when the name does not follow that pattern.
int planet_of_map_name(const std::string& path);

// Loads the pictures of one environment set from the playable folder (the
// current folder must be it); false when the tile set is missing.
bool load_render_images(int env_set);

// Draws the level into pixels (0x00RRGGBB, row-major, level_pixels_w wide).
// The renderer must be open on the offscreen back end.
std::vector<uint32_t> render_level(const map_data& map);

bool write_png(const std::string& path, const std::vector<uint32_t>& pixels, int width,
               int height);
