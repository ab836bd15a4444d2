// Drawing steps of the play screen. Each leaves the drawing state at the
// world tint, alpha 1, alpha blending, scale 1 and rotation 0. Steps that also
// correct the world (counts, broken elevators, stale plans) do so even when
// no pixels are drawn.
#pragma once

void reset_world_drawing();
// Background, tiles, creatures, saucer, charges, weather, constructions,
// plans, orders and bubbles, in that order.
void draw_world();
void draw_status_panel();
void draw_hud_buttons();
void draw_pointer();
