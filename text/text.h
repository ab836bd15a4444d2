// Bitmap text: a proportional font in two sizes and a fixed-pitch digit font.
// Both routines draw with whatever drawing state the caller has set.
#pragma once

#include <string>

extern float glyph_widths[90];
extern int font_large;  // gfx/hud/newfont.xtc, 16x16 cells
extern int font_small;  // gfx/hud/newfont2.xtc, 12x16 cells
extern int font_digits; // gfx/hud/num.xtc, 15x25 cells

// Where glyphs go; tests swap it to record the positions.
using glyph_draw_fn = void (*)(int image, float x, float y, int frame);
extern glyph_draw_fn glyph_draw;

void init_glyph_widths();
// Loads the three font images (after the working folder is set).
void load_fonts();

// Width in pixels of a text in style 0 (large) or 1 (small).
float text_width(const std::string& text, int style);
// align 0 left, 1 centred, 2 right; style 0 large, 1 small.
void draw_text(float x, int y, const std::string& text, int align, int style);
void draw_digits(int x, int y, const std::string& text, int align);
