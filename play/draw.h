// Drawing steps of the play screen. Each leaves the drawing state at the
// world tint, alpha 1, alpha blending, scale 1 and rotation 0. Steps that also
// correct the world (counts, broken elevators, stale plans) do so even when
// no pixels are drawn.
#pragma once

#include <string>

void reset_world_drawing();
// Background, tiles, creatures, saucer, charges, weather, constructions,
// plans, orders and bubbles, in that order.
void draw_world();
void draw_status_panel();
void draw_hud_buttons();
void draw_pointer();

// What the mission clock shows this frame: "mm:ss" and its colour.
struct clock_face {
    std::string text;
    int r, g, b;
};
clock_face mission_clock(int seconds, int light);
