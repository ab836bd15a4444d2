// Shared pieces of the tile sets: the rock texture and the edge-tile renderer.
#pragma once

#include "generators.h"

namespace gfx {

// Which sides of a cell are open (air or sky) and how the rock meets them.
struct edge_shape {
    bool up = false, left = false, right = false, down = false;
    int inner = 0;      // 1..4: open notch in the top-left, top-right, bottom-left, bottom-right corner
    int variant = 0;    // column variant: changes the wobble of the surface
    int tx = 0, ty = 0; // where in the 128 by 128 texture the cell samples its body
    bool back = false;  // back layer: darker, unlit, no grass
    bool puddle = false;
};

// Rock body colour. tx, ty: position in the 4 by 4 cell texture (any integers,
// wrapped); lx, ly: position inside the cell. Cell borders always blend to the
// same 32-pixel pattern, so any two rock cells meet without a seam.
rgb rock_colour(int set, bool back, int tx, int ty, int lx, int ly);

// Draws one edge (or full) rock tile into frame `frame` of the sheet.
void render_edge_tile(sheet& s, int frame, int set, const edge_shape& shape);

// Insets of the open sides at the cell borders (same for every tile, so edges line up).
constexpr double top_inset(bool back) { return back ? 3.0 : 6.0; }
constexpr double side_inset = 2.0;
constexpr double bottom_inset = 3.0;

}  // namespace gfx
