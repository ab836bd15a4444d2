// The bitmap fonts: white glyphs with alpha, fitted to the game's advance
// widths so proportional text sets evenly (gfx/hud/newfont, newfont2, num).
#include <algorithm>
#include <string>

#include "generators.h"

namespace gfx {

namespace {

// Advance of each character '!'..'z' in the large font; the small font uses
// the same widths divided by 1.3.
constexpr double advance[90] = {
    3, 6,  10, 10, 14, 13, 3, 4,  5,  8,  10, 3,  5, 3,  9, 9,  10, 10, 9,  10, 9, 10, 10, 10, 10, 3, 3, 8, 10, 9,
    9, 13, 12, 10, 10, 11, 8, 9,  10, 9,  3,  6,  10, 8, 12, 10, 11, 9, 10, 10, 10, 9, 9, 10, 16, 11, 11, 10, 4, 10,
    4, 9,  10, 3,  9,  9,  8, 9,  9,  6,  10, 8,  3, 5,  9, 4,  14, 8,  9,  9,  9,  6, 8, 6,  9,  8,  12, 8, 8, 7,
};

void glyph(cairo_t* cr, const std::string& text, double cell_h, double adv, double size, double baseline) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    if (ext.width <= 0) return;
    double room = std::max(1.0, adv - 1.5);
    double sx = std::min(1.0, room / ext.width);
    double left = 0.5 + (room - ext.width * sx) / 2;
    cairo_save(cr);
    cairo_translate(cr, left - ext.x_bearing * sx, baseline);
    cairo_scale(cr, sx, 1);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, text.c_str());
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, cell_h);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.86, 0.88, 0.9);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

double glyph_advance(char c, bool small) {
    if (c < 33 || c > 122) return 5;
    return advance[c - 33] / (small ? 1.3 : 1.0);
}

void draw_fonts(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/hud/num.xtc") {
        for (int f = 0; f < 12; ++f) {
            cairo_t* cr = frame_cr(s, f);
            if (f < 10) glyph(cr, std::string(1, static_cast<char>('0' + f)), 25, 12, 22, 21);
            else if (f == 10) glyph(cr, ":", 25, 12, 22, 20);
            else glyph(cr, "\u221e", 25, 16, 26, 20);  // the "unlimited" sign
            cairo_destroy(cr);
        }
        return;
    }
    const bool small = path == "gfx/hud/newfont2.xtc";
    for (int f = 0; f < 90; ++f) {
        cairo_t* cr = frame_cr(s, f);
        char c = static_cast<char>(33 + f);
        glyph(cr, std::string(1, c), 16, glyph_advance(c, small), small ? 11 : 13.5, small ? 12 : 12.5);
        cairo_destroy(cr);
    }
}

}  // namespace gfx
