// The Flying Saucer (gfx/ufo.xtc): 23 frames of one loop of its running lights.
#include <cmath>

#include "generators.h"

namespace gfx {

void draw_ufo_frame(cairo_t* cr, double cx, double cy, double k, double phase) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, k, k);
    // underside glow and hatch
    radial_glow(cr, 0, 18, 34, hex(0x90fff0), 0.35 + 0.1 * std::sin(phase * 2));
    ellipse(cr, 0, 14, 30, 9);
    fill_vgrad(cr, 5, 23, hex(0x707c8c), hex(0x262c36));
    cairo_new_path(cr);
    ellipse(cr, 0, 17, 12, 4);
    col(cr, hex(0xb0fff4), 0.75 + 0.2 * std::sin(phase));
    cairo_fill(cr);
    // dome with a beetle pilot
    ellipse(cr, 0, -12, 27, 24);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, -30, -40, 60, 36);
    cairo_pattern_t* g = cairo_pattern_create_radial(-9, -24, 2, 0, -10, 30);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.9, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 0.4, 0.45, 0.8, 0.95, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.3, 0.5, 0.9);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    ellipse(cr, 2, -10, 9, 7);
    col(cr, hex(0xd9882a), 0.85);
    cairo_fill(cr);
    cairo_arc(cr, 11, -13, 4, 0, 2 * pi);
    col(cr, hex(0x2e2420), 0.9);
    cairo_fill(cr);
    ellipse(cr, -10, -26, 6, 3);
    col(cr, {1, 1, 1}, 0.7);
    cairo_fill(cr);
    cairo_restore(cr);
    // the hull
    ellipse(cr, 0, 0, 72, 17);
    cairo_pattern_t* h = cairo_pattern_create_linear(0, -17, 0, 17);
    cairo_pattern_add_color_stop_rgb(h, 0, 0.92, 0.95, 1);
    cairo_pattern_add_color_stop_rgb(h, 0.45, 0.62, 0.68, 0.78);
    cairo_pattern_add_color_stop_rgb(h, 0.55, 0.42, 0.47, 0.56);
    cairo_pattern_add_color_stop_rgb(h, 1, 0.2, 0.23, 0.3);
    cairo_set_source(cr, h);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(h);
    col(cr, hex(0x1c2028));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    ellipse(cr, 0, -2, 66, 10);
    col(cr, {1, 1, 1}, 0.25);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // running lights: a bright spot travels round the rim
    const int n = 11;
    for (int i = 0; i < n; ++i) {
        double a = pi * (i + 0.5) / n;  // front half of the rim
        double x = -std::cos(a) * 62, y = std::sin(a) * 9 + 2;
        double lit = 0.5 + 0.5 * std::cos(phase - i * 2 * pi / n);
        lit = lit * lit * lit;
        rgb c = (i % 2) ? hex(0xffd040) : hex(0x60ff90);
        radial_glow(cr, x, y, 4 + 5 * lit, c, 0.4 + 0.6 * lit);
        cairo_arc(cr, x, y, 2.2, 0, 2 * pi);
        col(cr, mix(scale(c, 0.45), {1, 1, 1}, lit * 0.7));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void draw_ufo(sheet& s, const gfx_entry&) {
    for (int f = 0; f < 23; ++f) {
        cairo_t* cr = frame_cr(s, f);
        draw_ufo_frame(cr, 74, 52, 1.0, 2 * pi * f / 23);
        cairo_destroy(cr);
    }
}

}  // namespace gfx
