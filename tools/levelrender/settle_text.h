// Re-tiling of the rock in a level's text, so a map starts with the edges,
// grass and corners the game would give it at its first change of terrain
// (bridges, absorbers and elevators need those edge tiles to be placed).
#pragma once

#include <string>
#include <vector>

#include "world/map_file.h"

struct crumbled_cell { int col, row; };

// Applies the settling rule of the game to the front layer of the map and
// returns the cells that would crumble (they are removed from the map).
std::vector<crumbled_cell> settle_map(map_data& map);

// The level text with its [front] rows rewritten from the map and a [legend]
// for the settled rock (interior texture and edges); every other line is kept
// as written. Empty when the designer's legend uses one of its characters.
std::string settled_level_text(const std::string& text, const map_data& map);
