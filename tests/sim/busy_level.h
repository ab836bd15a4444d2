// A crowded level for the determinism test and the tick benchmark: floors,
// shelves, an elevator, fifty items, arrows and plans of every kind.
#pragma once

#include <string>
#include <vector>

#include "sim/sim.h"
#include "world/level_text.h"
#include "world/map_file.h"

inline std::string busy_level_text() {
    std::vector<std::string> rows(31, std::string(51, '.'));
    auto paint = [&](int c0, int r0, int c1, int r1, char ch) {
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) rows[r][c] = ch;
    };
    paint(0, 26, 50, 30, '#');
    paint(4, 19, 12, 20, '#');
    paint(34, 19, 46, 20, '#');
    // An elevator whose riders step off the top and land on shock-absorbers,
    // and absorbers waiting for the one the builders will make.
    rows[25][15] = 'B';
    rows[21][15] = 'T';
    paint(12, 26, 14, 26, 'A');
    paint(16, 26, 18, 26, 'A');
    paint(37, 26, 39, 26, 'A');
    paint(41, 26, 43, 26, 'A');
    rows[14][25] = 'S';
    int items = 0;
    const char kinds[] = "mmimimmimi";
    for (int c = 1; c <= 49; c += 2) {
        if (c == 15 || c == 25 || c == 45) continue;
        rows[25][c] = kinds[items % 10];
        ++items;
    }
    rows[25][46] = 'x';
    ++items;
    for (int c = 5; c <= 12; ++c) rows[18][c] = c == 8 ? 'x' : kinds[items % 10], ++items;
    for (int c = 34; c <= 46 && items < 50; ++c) rows[18][c] = c == 40 ? 'x' : 'i', ++items;
    std::string text =
        "[settings]\nbeetles = 20\ntime = 999\nsurvivors = 1\ndirection = 0\n"
        "to_builder = 99\nto_armoured = 99\nto_medic = 99\nurgent_turn = 99\n"
        "dence_balls = 99\n[front]\n";
    for (const auto& r : rows) text += r + "\n";
    return text;
}

// Loads the level on planet 1 and lays out the player's orders and plans.
inline bool load_busy_level() {
    map_data map;
    std::string error;
    if (!parse_level_text(busy_level_text(), map, error)) return false;
    map_planet = 1;
    map_level = 1;
    level_start_from_map(map, 0);
    order_layer[2][25] = order_right;
    order_layer[48][25] = order_left;
    for (int c = 20; c <= 22; ++c) plan_layer[c][26] = plan_boring;
    plan_layer[31][26] = plan_boring;
    plan_layer[44][25] = plan_bridge;
    plan_layer[34][25] = plan_dynamite;
    plan_layer[8][25] = plan_dynamite;
    plan_layer[28][26] = plan_absorber;
    plan_layer[40][25] = plan_elevator_base;
    plan_layer[40][21] = plan_elevator_top;
    return true;
}

// The player's clicks, by tick: transformations and orders on the dropped
// beetles.
inline void busy_level_input(int tick) {
    switch (tick) {
    case 2400: transform_beetle(0, tool_to_builder); break;
    case 2500: transform_beetle(1, tool_to_builder); break;
    case 2600: transform_beetle(2, tool_to_armoured); break;
    case 2700: transform_beetle(3, tool_to_builder); break;
    case 2900: give_dence_balls(4); break;
    case 3000: urgent_turn(5); break;
    case 3100: transform_beetle(6, tool_to_medic); break;
    case 3300: transform_beetle(7, tool_to_builder); break;
    default: break;
    }
}
