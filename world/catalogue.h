// The fixed campaign catalogue: planets, jump routes, level names, lesson
// pages and tool ticker texts, plus the per-level figures measured from maps.
#pragma once

#include <string>

constexpr int planet_count = 11;
constexpr int no_route = 255;

extern std::string planet_names[planet_count];
// x1, y1, x2, y2, next1, next2, next3 (next: 1-based planet number, 255 none)
extern int planet_table[planet_count][7];
// x1, y1, x2, y2 inside the route-lines picture (drawn at 186, 56)
extern int route_segments[10][4];
extern std::string level_names[10][10];
extern std::string lesson_text[7][50];
extern std::string tool_hints[24];
// mushrooms, insects, time limit per level of the current planet
extern int level_stats[10][3];
extern int level_previews;

void build_catalogue();

// Environment set of a planet row: 0, 1, 2, or -1 for the last planet.
int environment_set(int planet);
// Number of levels of a planet (entries before the first "#"; rows without
// names have none).
int level_count(int planet);
// Segment revealed by a jump from `from` to `to`, or -1 (none).
int route_segment_for(int to, int from);
// "maps/map" + planet + level + ".map"
std::string level_map_name(int planet, int level);
// Lines of a lesson page up to and including its "#" line.
int lesson_length(int lesson);

// Measures every level of current_planet into level_stats and draws its
// preview into level_previews (a 150x90, 10-frame image). Loads each map with
// the map loader, so the world tables hold the last one afterwards.
void prepare_level_list(int minimap_image, int mmbig_image, int miniland_image);
