// Where the star map puts things: the planet boxes of the 800 by 600 map
// picture and the route pieces of the route-lines picture (drawn at 186, 56),
// with the jump each piece shows. They follow the game's level catalogue; a
// test compares the two.
#pragma once

namespace gfx {

struct planet {
    const char* name;
    int x1, y1, x2, y2, set;  // set -1: the home world, drawn in gold
};
inline constexpr planet planets[11] = {
    {"Greenma", 167, 490, 214, 539, 0},  {"Nebbla", 256, 390, 302, 438, 1},  {"Quanta", 396, 453, 436, 492, 2},
    {"Claza", 358, 344, 390, 378, 2},    {"Trifflanta", 583, 405, 638, 441, 0}, {"Fragilma", 370, 149, 417, 186, 1},
    {"Tanta", 581, 160, 637, 215, 1},    {"Liguidma", 615, 295, 637, 317, 1}, {"Erra", 731, 217, 770, 258, 2},
    {"Dagma", 524, 45, 558, 77, 0},      {"Zembra", 674, 34, 732, 90, -1},
};

struct segment {
    int x1, y1, x2, y2, from, to;  // box in the route picture; planet rows of the jump
};
inline constexpr segment segments[10] = {
    {16, 379, 76, 442, 0, 1},   {120, 365, 213, 418, 1, 2}, {117, 309, 177, 351, 1, 3}, {256, 373, 398, 420, 2, 4},
    {421, 269, 450, 343, 4, 7}, {184, 128, 216, 291, 3, 5}, {245, 107, 392, 140, 5, 6}, {422, 162, 448, 235, 7, 6},
    {458, 192, 548, 250, 7, 8}, {218, 9, 343, 105, 5, 9},
};
inline constexpr double lines_x = 186, lines_y = 56;

}  // namespace gfx
