// The rotating star map behind the selection screen with the route pieces
// flown so far.
#pragma once

// Star field turned by `clock` degrees, the light flare and the planet map.
void draw_star_map(float clock);
// The revealed route pieces, pulsing with `clock`.
void draw_routes(float clock);
