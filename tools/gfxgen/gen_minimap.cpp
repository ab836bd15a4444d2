// Level previews: 3 by 3 mini tiles and 20 by 20 decoration icons, derived
// from the full-size tile sets and decorations so the previews match the
// levels; the preview backgrounds and the preview frame.
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"

namespace gfx {

namespace {

void mini_tiles(sheet& s) {
    const rgb markers[4] = {hex(0xe0f8ff), hex(0xff4a3a), hex(0x8aff5a), hex(0xd060ff)};
    for (int set = 0; set < 3; ++set) {
        const sheet& land = source(("gfx/land" + std::to_string(set) + ".xtc").c_str());
        for (int code = 1; code < 126; ++code) {
            int frame = code + 126 * set, ox = frame_x(s, frame), oy = frame_y(s, frame);
            for (int my = 0; my < 3; ++my)
                for (int mx = 0; mx < 3; ++mx) {
                    if (code >= 64 && code <= 67) {
                        put_pixel(s.surface, ox + mx, oy + my, markers[code - 64], (mx == 1 || my == 1) ? 1 : 0.6);
                        continue;
                    }
                    // premultiplied average of the matching third of the tile
                    double sum[4] = {0, 0, 0, 0};
                    int n = 0;
                    for (int y = my * 32 / 3; y < (my + 1) * 32 / 3; ++y)
                        for (int x = mx * 32 / 3; x < (mx + 1) * 32 / 3; ++x) {
                            double p[4];
                            get_pixel(land.surface, frame_x(land, code) + x, frame_y(land, code) + y, p);
                            for (int i = 0; i < 3; ++i) sum[i] += p[i] * p[3];
                            sum[3] += p[3];
                            ++n;
                        }
                    double a = sum[3] / n;
                    rgb c = a > 0 ? rgb{sum[0] / sum[3], sum[1] / sum[3], sum[2] / sum[3]} : rgb{0, 0, 0};
                    put_pixel(s.surface, ox + mx, oy + my, scale(c, 1.15), a > 0.35 ? 1.0 : a * 2);
                }
        }
    }
    cairo_surface_mark_dirty(s.surface);
}

void mini_decorations(sheet& s) {
    for (int set = 0; set < 3; ++set) {
        const sheet& big = source(("gfx/env/bigimages" + std::to_string(set) + ".xtc").c_str());
        for (int pic = 0; pic < 7; ++pic) {
            cairo_t* cr = frame_cr(s, pic + 7 * set);
            cairo_scale(cr, 20.0 / 185, 20.0 / 185);
            cairo_set_source_surface(cr, big.surface, -frame_x(big, pic), -frame_y(big, pic));
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
            cairo_rectangle(cr, 0, 0, 185, 185);
            cairo_fill(cr);
            cairo_destroy(cr);
        }
    }
}

void backgrounds(sheet& s) {
    for (int f = 0; f < 2; ++f) {
        cairo_t* cr = frame_cr(s, f);
        cairo_rectangle(cr, 0, 0, 150, 90);
        if (f == 0) fill_vgrad(cr, 0, 90, hex(0x4a88d0), hex(0xd8ecf4));
        else fill_vgrad(cr, 0, 90, hex(0x080c24), hex(0x2a2a5a));
        cairo_new_path(cr);
        rng r(130 + f);
        if (f == 1)
            for (int i = 0; i < 40; ++i) {
                cairo_rectangle(cr, r.between(0, 149), r.between(0, 60), 1, 1);
                col(cr, {1, 1, 1}, r.range(0.3, 0.9));
                cairo_fill(cr);
            }
        cairo_move_to(cr, 0, 90);
        for (int x = 0; x <= 150; x += 3) cairo_line_to(cr, x, 62 + 8 * fbm(x / 25.0, 0.5, 0, 0, 3, 140));
        cairo_line_to(cr, 150, 90);
        cairo_close_path(cr);
        col(cr, f ? hex(0x1a1a3a) : hex(0x6a8aa8), 0.6);
        cairo_fill(cr);
        cairo_destroy(cr);
    }
}

void preview_frame(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    rounded_rect(cr, 1, 1, 164, 104, 8);
    cairo_rectangle(cr, 158, 8, -150, 90);
    fill_vgrad(cr, 1, 105, hud_metal_light, hud_metal_dark);
    col(cr, hex(0x0a1016));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 7.5, 7.5, 151, 91);
    col(cr, hud_accent, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_destroy(cr);
}

}  // namespace

void draw_minimap(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/miniland.xtc") mini_tiles(s);
    else if (path == "gfx/mmbigimages.xtc") mini_decorations(s);
    else if (path == "gfx/minimap.xtc") backgrounds(s);
    else preview_frame(s);
}

}  // namespace gfx
