// The pieces of one beetle's and one item's step, shared between the rule
// files of sim/. Not for use outside sim/.
#pragma once

#include "sim/sim.h"

constexpr float standing_vy = 1.0f; // exact: several rules test it with ==

// Cell probes at world points; outside the world reads as empty.
inline int32_t front_at(float px, float py) {
    return cell_at(terrain_front, cell_of(px), cell_of(py));
}
inline bool solid_at(float px, float py) { return front_at(px, py) != tile_empty; }
inline float dir_sign(float dir) { return dir * 2.0f - 1.0f; }
inline float flipped_dir(float dir) { return dir == 0.0f ? 1.0f : 0.0f; }
inline bool on_ground(const float* bt) { return bt[b_vy] == standing_vy; }

// movement.cpp
// Ground, ceiling, gravity, shock-absorber and fall death; returns the impact.
int beetle_vertical(int b, int old_y);
// State 3. Returns true when the beetle turned at the world edge, which skips
// the order cells and the plan search for this tick.
bool walk_step(int b, int old_x);
void item_step(int i);

// orders.cpp
void order_cells(int b);
void glide_step(int b, int impact);

// construction.cpp
void plan_search(int b);
void work_step(int b);
void finish_step(int b);
void elevator_step(int b);

// delivery.cpp
void saucer_return(int b);
void ready_step(int b);
void lift_step(int b);
void pick_up(int b, int item);

// hazards.cpp
void hostile_contact(int b, int item);

// effects.cpp: dust made by a builder at work and on its site.
void work_dust(int b);
void site_dust(int c, int r);
