#include "sim/steps.h"

namespace {

constexpr int settle_passes = 4;
constexpr int last_col = world_cols - 1; // 50
constexpr int last_row = world_rows - 1; // 30

bool is_rock(int code) { return code >= 1 && code <= tile_rock_last; }
bool rock_at(int c, int r) { return is_rock(cell_at(terrain_front, c, r)); }

// Which sides of a rock cell touch rock: 1 above, 2 left, 4 right, 8 below.
// Beyond column 49 and row 29 the field counts as rock.
int rock_mask(int c, int r) {
    int mask = 0;
    if (r == 0 || rock_at(c, r - 1)) mask |= 1;
    if (c == 0 || rock_at(c - 1, r)) mask |= 2;
    if (c == last_col - 1 || (c < last_col && rock_at(c + 1, r))) mask |= 4;
    if (r == last_row - 1 || (r < last_row && rock_at(c, r + 1))) mask |= 8;
    return mask;
}

// The rock tile for a mask, or 0 when rock with these sides cannot hold.
int tile_for_mask(int mask, int c) {
    switch (mask) {
    case 15: return 1;
    case 12: return 21 + 2 * (c % 2);
    case 10: return 22 + 2 * (c % 2);
    case 14: return 17 + (c % 4);
    case 7: return 29 + (c % 2);
    case 3: return 28;
    case 5: return 27;
    case 13: return 25;
    case 11: return 26;
    default: return 0;
    }
}

void crumble(int c, int r) {
    set_cell(terrain_front, c, r, tile_empty);
    set_cell(plan_layer, c, r, plan_none);
    for (int k = 0; k < 5; ++k) debris_at(c, r);
}

void dust_column(int c, int from_row, int to_row) {
    for (int r = from_row; r <= to_row; ++r)
        for (int k = 0; k < 5; ++k) debris_at(c, r);
}

void retile_rock() {
    for (int c = 0; c < world_cols; ++c) {
        for (int r = 0; r < world_rows; ++r) {
            int code = terrain_front[c][r];
            if (code < 1 || code > 31) continue;
            int tile = tile_for_mask(rock_mask(c, r), c);
            if (tile == 0)
                crumble(c, r);
            else
                terrain_front[c][r] = tile;
        }
    }
}

void settle_elevator_base(int c, int r) {
    set_cell(terrain_front, c, r, tile_empty);
    for (int top = r; top >= 0; --top) {
        if (terrain_front[c][top] != tile_elevator_top) continue;
        terrain_front[c][top] = tile_empty;
        plan_layer[c][top] = plan_none;
        dust_column(c, top, r);
        return;
    }
}

void settle_elevator_top(int c, int r) {
    for (int below = r + 1; below < world_rows; ++below) {
        int code = terrain_front[c][below];
        if (code == tile_empty) continue;
        if (code == tile_elevator_base) return;
        terrain_front[c][r] = tile_empty;
        plan_layer[c][r] = plan_none;
        dust_column(c, r, below);
        return;
    }
}

// A missing neighbour beyond the sides holds a bridge up.
bool bridge_side_empty(int c, int r) {
    return cell_inside(c, r) && terrain_front[c][r] == tile_empty;
}

void settle_constructions() {
    for (int c = 0; c < world_cols; ++c) {
        for (int r = 0; r < world_rows; ++r) {
            int code = terrain_front[c][r];
            bool empty_below = cell_at(terrain_front, c, r + 1) == tile_empty;
            if (code == tile_absorber && empty_below) {
                crumble(c, r);
            } else if (code == tile_bridge && bridge_side_empty(c - 1, r) && bridge_side_empty(c + 1, r)) {
                crumble(c, r);
            } else if (code == tile_elevator_base && empty_below) {
                settle_elevator_base(c, r);
            } else if (code == tile_elevator_top) {
                settle_elevator_top(c, r);
            }
        }
    }
}

// The inside of the rock gets its repeating 4 x 4 texture.
void texture_rock() {
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r)
            if (terrain_front[c][r] >= 1 && terrain_front[c][r] <= 16)
                terrain_front[c][r] = (r % 4) * 4 + (c % 4) + 1;
}

} // namespace

void settle_terrain() {
    // Each pass can expose more loose rock, so a collapse spreads a few cells.
    for (int pass = 0; pass < settle_passes; ++pass) retile_rock();
    settle_constructions();
    texture_rock();
}
