#include <algorithm>

#include "runtime/runtime.h"
#include "sim/steps.h"

namespace {

constexpr int deadly_impact = 6;   // greatest landing speed a beetle survives
constexpr float hop_vy = -4.5f;
constexpr float edge_turn_vy = -2.0f;
constexpr float walk_edge_right = 1568;
constexpr float item_edge_right = 1600;

void start_turn(float* bt) {
    bt[b_state] = st_turning;
    bt[b_frame] = 20;
}

void slow_queue(int b) {
    float* bt = beetles[b];
    for (int j = 0; j < max_beetles; ++j) {
        if (j == b) continue;
        float* other = beetles[j];
        if (other[b_kind] == kind_none) continue;
        if (other[b_dir] != bt[b_dir]) continue;
        if (bt[b_queue_delay] != 0 || other[b_queue_delay] != 0) continue;
        if (!(other[b_x] > bt[b_x] - 8 && other[b_x] < bt[b_x] + 24)) continue;
        if (other[b_y] != bt[b_y]) continue;
        other[b_queue_delay] = static_cast<float>((rand_range(1, 50) + 30) * 2);
    }
}

void turn_item(float* it, int old_x) {
    it[i_mode] = 1;
    it[i_frame] = 12;
    it[i_x] = static_cast<float>(old_x);
}

void animate_item(float* it) {
    bool hostile = it[i_type] == item_hostile;
    if (it[i_mode] == 0) {
        it[i_sub] += 1;
        if (it[i_sub] >= 2) {
            it[i_sub] = 0;
            it[i_frame] += 1;
            if (it[i_frame] >= 12) it[i_frame] = 0;
        }
        if (it[i_sub] == 1) it[i_x] += dir_sign(it[i_dir]) * (hostile ? 2.0f : 1.0f);
    } else if (it[i_mode] == 1) {
        it[i_sub] += 1;
        if (it[i_sub] >= 2) {
            it[i_sub] = 0;
            it[i_frame] += 1;
        }
        if (it[i_frame] >= 18) {
            it[i_mode] = 2;
            it[i_dir] = flipped_dir(it[i_dir]);
        }
    } else if (it[i_mode] == 2) {
        it[i_sub] += 1;
        if (it[i_sub] >= 2) {
            it[i_sub] = 0;
            it[i_frame] -= 1;
        }
        if (it[i_frame] <= 11) {
            it[i_mode] = 0;
            it[i_sub] = 1;
            it[i_frame] = 0;
        }
    }
}

void fall_item(float* it, int old_y, float left, float right) {
    // Above the top of the world there is nothing to stand on, but gravity
    // still pulls a jumper back in.
    if (it[i_y] <= 0) {
        it[i_vy] += gravity;
        return;
    }
    if (solid_at(it[i_x] + left, it[i_y] + 31) || solid_at(it[i_x] + right, it[i_y] + 31)) {
        it[i_vy] = standing_vy;
        it[i_y] = static_cast<float>(old_y);
    } else {
        it[i_vy] += gravity;
    }
}

bool buried(const float* it) {
    return solid_at(it[i_x] + 2, it[i_y] + 16) && solid_at(it[i_x] + 29, it[i_y] + 16);
}

void creature_step(int i, int old_x, int old_y) {
    float* it = items[i];
    animate_item(it);
    fall_item(it, old_y, 2, 29);
    float x = it[i_x], y = it[i_y];
    bool going_left = it[i_dir] == 0;

    if (it[i_mode] == 0 &&
        (going_left ? solid_at(x + 2, y) : solid_at(x + 29, y))) {
        turn_item(it, old_x);
        it[i_vy] = 0.1f;
    }
    if (y > 0 && it[i_mode] == 0 &&
        (going_left ? !solid_at(x, y + 32) : !solid_at(x + 31, y + 32)))
        turn_item(it, old_x);
    if (it[i_x] <= 0 || it[i_x] >= item_edge_right) {
        turn_item(it, old_x);
        // Back inside, or a creature standing on the edge turns for ever.
        it[i_x] = std::clamp(it[i_x], 1.0f, item_edge_right - 1);
    }
    if (it[i_y] > 0 && buried(it)) {
        if (it[i_type] == item_insect) {
            kill_insect(i);
        } else {
            it[i_y] -= 32;
            it[i_vy] = -5;
        }
    }
}

} // namespace

int beetle_vertical(int b, int old_y) {
    float* bt = beetles[b];
    float x = bt[b_x];
    int impact = 0, depth = 0;
    if (solid_at(x + 2, bt[b_y] + 31) || solid_at(x + 29, bt[b_y] + 31)) {
        impact = depth = static_cast<int>(bt[b_vy]);
        bt[b_vy] = standing_vy;
        bt[b_y] = static_cast<float>(old_y);
    } else if (solid_at(x + 2, bt[b_y]) || solid_at(x + 29, bt[b_y])) {
        impact = depth = static_cast<int>(bt[b_vy]);
        bt[b_vy] = standing_vy;
        bt[b_y] += depth;
    } else {
        bt[b_vy] += gravity;
    }
    float below = bt[b_y] + 32 + depth;
    if (front_at(x + 2, below) == tile_absorber || front_at(x + 29, below) == tile_absorber)
        impact = 1;
    if (impact != 0 && bt[b_state] != st_landing && impact > deadly_impact) {
        bt[b_y] += depth;
        kill_beetle(b);
    }
    return impact;
}

bool walk_step(int b, int old_x) {
    float* bt = beetles[b];
    float slow = 1;
    if (bt[b_queue_delay] > 0) {
        slow = 2;
        bt[b_queue_delay] -= 1;
    }
    bt[b_frame] += 0.5f / slow;
    if (bt[b_frame] > 19) bt[b_frame] = 0;
    bt[b_x] += dir_sign(bt[b_dir]) * bt[b_speed] / slow;

    if (bt[b_x] <= 0 || bt[b_x] >= walk_edge_right) {
        start_turn(bt);
        // Put back inside, so the turned beetle cannot turn again on the spot.
        bt[b_x] = std::clamp(static_cast<float>(old_x), 1.0f, walk_edge_right - 1);
        bt[b_vy] = edge_turn_vy;
        return true;
    }

    float x = bt[b_x], y = bt[b_y];
    if (front_at(x + 1, y + 32) == tile_elevator_base && front_at(x + 30, y + 32) == tile_elevator_base)
        bt[b_state] = st_elevator;

    if (solid_at(x + 2, y + 2) || solid_at(x + 29, y + 2) || solid_at(x + 2, y + 28) ||
        solid_at(x + 29, y + 28)) {
        float sign = dir_sign(bt[b_dir]);
        bt[b_x] -= sign * bt[b_speed] * 2;
        x = bt[b_x];
        if (solid_at(x + 4, y + 32) || solid_at(x + 27, y + 32)) {
            int row_above = static_cast<int>(y / 32 - 1);
            int ahead = static_cast<int>((x + 16) / 32 + sign);
            int here = static_cast<int>((x + 16) / 32);
            if (cell_at(terrain_front, ahead, row_above) != tile_empty ||
                cell_at(terrain_front, here, row_above) != tile_empty)
                start_turn(bt);
            else
                bt[b_vy] = hop_vy;
        }
    }
    slow_queue(b);
    return false;
}

void item_step(int i) {
    float* it = items[i];
    int old_x = static_cast<int>(it[i_x]);
    int old_y = static_cast<int>(it[i_y]);
    it[i_y] += it[i_vy];
    if (it[i_y] > 928) {
        for (int f = 0; f < item_fields; ++f) it[f] = 0;
        return;
    }
    if (it[i_type] == item_insect || it[i_type] == item_hostile) {
        creature_step(i, old_x, old_y);
    } else if (it[i_type] == item_mushroom) {
        fall_item(it, old_y, 0, 31);
        if (it[i_y] > 0 && buried(it)) drop_mushroom(i);
    }
}
