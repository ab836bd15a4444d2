// The world tick and everything it moves: the saucer's landing and drops,
// beetles, items, orders, construction, delivery, hazards and the effect
// lists. Everything works on the global tables of world/world.h; nothing here
// draws (the play screen installs the draw hooks below).
#pragma once

#include "world/world.h"

// One fixed step of the whole simulation.
void world_tick();
// The saucer's landing sequence and the drops; the first step of world_tick.
void saucer_step();

// Re-tiles rock after a change of the terrain and removes what no longer holds.
void settle_terrain();

// Deaths, each with its falling body and sounds.
void kill_beetle(int b);
void kill_insect(int item);
void kill_hostile(int item);
void drop_mushroom(int item);

// An aura and count + 1 sparkles (colour set 0..2) on beetle b.
void burst(int b, int count, int set);
// One dust particle somewhere in cell (c, r).
void debris_at(int c, int r);
// Blows the ring of cells around world point (px, py) out of the rock.
void explode(int px, int py);

// Once per drawn frame, also while the world tick is paused. The logic always
// runs; the draw hooks are called only when draw is true.
void update_charges(bool draw);
void update_effects(bool draw);

// Operations on a selected beetle, for the tool panel. Each returns true when
// it acted. Tools 12..15 transform to builder, armoured, medic, laborer.
bool transform_beetle(int b, int tool);
bool urgent_turn(int b);
bool give_dence_balls(int b);
// Takes carried Dence Balls back into the stock.
bool take_dence_balls(int b);

// Tools that act on beetles.
enum : int {
    tool_to_builder = 12, tool_to_armoured = 13, tool_to_medic = 14, tool_to_laborer = 15,
    tool_urgent_turn = 17, tool_dence_balls = 19, tool_comands_cleaner = 23,
};

// Beetle states.
enum : int {
    st_landing = 0, st_getting_up = 1, st_turning = 2, st_walking = 3, st_working = 4,
    st_finishing = 5, st_elevator = 6, st_ready = 7, st_lifted = 8, st_gliding = 9,
};

// Drawing of the effect lists is the play screen's; it installs these hooks.
// Each record is handed over before it moves in this frame. A null hook draws
// nothing.
struct effect_draw_hooks {
    void (*charge)(const charge& c);
    void (*effect)(const effect& e);
    void (*sparkle)(const sparkle& s);
    void (*dust)(const dust_particle& d);
};
extern effect_draw_hooks effect_drawing;
