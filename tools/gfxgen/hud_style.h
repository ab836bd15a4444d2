// One look for every panel, button and pointer: dark slate panels in a steel
// rim, a teal accent and an amber highlight.
#pragma once

#include "canvas.h"

namespace gfx {

inline const rgb hud_panel = hex(0x1e2c3a);
inline const rgb hud_panel_dark = hex(0x0c141e);
inline const rgb hud_metal_light = hex(0x9aaabb);
inline const rgb hud_metal_dark = hex(0x3a4656);
inline const rgb hud_accent = hex(0x36c8b8);
inline const rgb hud_glow = hex(0x8afff0);
inline const rgb hud_amber = hex(0xffc040);

// A framed panel: steel rim, slate face, accent line.
void hud_panel_rect(cairo_t* cr, double x, double y, double w, double h, double r);
// A rounded button face with a caption.
void hud_button(cairo_t* cr, double x, double y, double w, double h, const char* caption, double size, bool hover,
                bool inactive);

}  // namespace gfx
