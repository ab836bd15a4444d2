// Large background decorations of each environment (gfx/env/bigimagesN.xtc,
// seven 185 by 185 pictures drawn centred behind the tiles).
#include <cmath>

#include "generators.h"

namespace gfx {

namespace {

constexpr double C = 92.5;

void round_tree(cairo_t* cr, rng& r, rgb trunk, rgb leaf, bool snow) {
    cairo_move_to(cr, C - 9, 185);
    cairo_curve_to(cr, C - 6, 140, C - 8, 110, C - 3, 80);
    cairo_line_to(cr, C + 4, 80);
    cairo_curve_to(cr, C + 8, 110, C + 6, 140, C + 11, 185);
    cairo_close_path(cr);
    fill_vgrad(cr, 80, 185, scale(trunk, 1.2), scale(trunk, 0.7));
    cairo_new_path(cr);
    for (int i = 0; i < 16; ++i) {
        double a = r.range(0, 2 * pi), d = r.range(0, 38);
        double x = C + std::cos(a) * d * 1.2, y = 70 + std::sin(a) * d * 0.8, rad = r.range(16, 30);
        cairo_arc(cr, x, y, rad, 0, 2 * pi);
        double k = 0.7 + 0.4 * (1 - (y - 30) / 90.0);
        col(cr, scale(leaf, k * r.range(0.85, 1.05)));
        cairo_fill(cr);
        if (snow) {
            ellipse(cr, x, y - rad * 0.6, rad * 0.8, rad * 0.35);
            col(cr, hex(0xf0f6ff), 0.9);
            cairo_fill(cr);
        }
    }
}

void pine(cairo_t* cr, rgb trunk, rgb leaf, bool snow) {
    cairo_rectangle(cr, C - 5, 150, 10, 35);
    col(cr, trunk);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        double y = 20 + i * 26, w = 22 + i * 12;
        cairo_move_to(cr, C, y);
        cairo_line_to(cr, C + w, y + 40);
        cairo_line_to(cr, C - w, y + 40);
        cairo_close_path(cr);
        fill_vgrad(cr, y, y + 40, scale(leaf, 1.15), scale(leaf, 0.7));
        cairo_new_path(cr);
        if (snow) {
            cairo_move_to(cr, C, y + 2);
            cairo_line_to(cr, C + w * 0.8, y + 33);
            cairo_curve_to(cr, C + w * 0.3, y + 26, C - w * 0.3, y + 30, C - w * 0.8, y + 33);
            cairo_close_path(cr);
            col(cr, hex(0xf4f8ff), 0.92);
            cairo_fill(cr);
        }
    }
}

void crystals(cairo_t* cr, rng& r, rgb c) {
    radial_glow(cr, C, 140, 80, c, 0.25);
    for (int i = 0; i < 7; ++i) {
        double x = C + r.range(-45, 45), h = r.range(60, 140), w = r.range(9, 16), lean = r.range(-18, 18);
        cairo_move_to(cr, x - w, 185);
        cairo_line_to(cr, x - w + lean * 0.6, 185 - h * 0.85);
        cairo_line_to(cr, x + lean, 185 - h);
        cairo_line_to(cr, x + w + lean * 0.6, 185 - h * 0.85);
        cairo_line_to(cr, x + w, 185);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(x - w, 0, x + w, 0);
        rgb a = scale(c, 1.3), b = scale(c, 0.55);
        cairo_pattern_add_color_stop_rgba(g, 0, a.r, a.g, a.b, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 0.5, c.r, c.g, c.b, 0.85);
        cairo_pattern_add_color_stop_rgba(g, 1, b.r, b.g, b.b, 0.9);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        col(cr, {1, 1, 1}, 0.35);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

void arch(cairo_t* cr, rgb stone) {
    cairo_move_to(cr, 15, 185);
    cairo_curve_to(cr, 10, 90, 40, 30, C, 30);
    cairo_curve_to(cr, 145, 30, 175, 90, 170, 185);
    cairo_line_to(cr, 135, 185);
    cairo_curve_to(cr, 138, 110, 120, 75, C, 75);
    cairo_curve_to(cr, 65, 75, 47, 110, 50, 185);
    cairo_close_path(cr);
    fill_vgrad(cr, 30, 185, scale(stone, 1.2), scale(stone, 0.6));
    col(cr, scale(stone, 0.45));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void giant_mushroom(cairo_t* cr, rgb cap, rgb stem) {
    cairo_move_to(cr, C - 12, 185);
    cairo_curve_to(cr, C - 16, 140, C - 6, 100, C - 8, 80);
    cairo_line_to(cr, C + 8, 80);
    cairo_curve_to(cr, C + 6, 100, C + 16, 140, C + 12, 185);
    cairo_close_path(cr);
    fill_vgrad(cr, 80, 185, stem, scale(stem, 0.6));
    cairo_new_path(cr);
    cairo_move_to(cr, 15, 90);
    cairo_curve_to(cr, 20, 20, 165, 20, 170, 90);
    cairo_curve_to(cr, 120, 78, 65, 78, 15, 90);
    cairo_close_path(cr);
    fill_vgrad(cr, 30, 90, scale(cap, 1.3), scale(cap, 0.6));
    cairo_new_path(cr);
    rng r(88);
    for (int i = 0; i < 8; ++i) {
        ellipse(cr, r.range(40, 145), r.range(45, 75), r.range(4, 9), r.range(3, 6));
        col(cr, {1, 1, 0.9}, 0.6);
        cairo_fill(cr);
    }
}

void monolith(cairo_t* cr, rgb stone, rgb glow) {
    cairo_move_to(cr, C - 28, 185);
    cairo_line_to(cr, C - 20, 25);
    cairo_line_to(cr, C + 6, 10);
    cairo_line_to(cr, C + 26, 30);
    cairo_line_to(cr, C + 30, 185);
    cairo_close_path(cr);
    fill_vgrad(cr, 10, 185, scale(stone, 1.15), scale(stone, 0.55));
    cairo_new_path(cr);
    cairo_set_line_width(cr, 2.5);
    col(cr, glow, 0.8);
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, C, 60 + i * 30, 7 + (i % 2) * 4, 0, 2 * pi);
        cairo_stroke(cr);
    }
}

void tentacle_plant(cairo_t* cr, rng& r, rgb c, rgb tip) {
    for (int i = 0; i < 6; ++i) {
        double x0 = C + r.range(-25, 25), x1 = C + r.range(-80, 80), y1 = r.range(20, 70);
        cairo_move_to(cr, x0, 185);
        cairo_curve_to(cr, x0, 120, x1 * 0.5 + C * 0.5, 90, x1, y1);
        col(cr, scale(c, r.range(0.7, 1.1)));
        cairo_set_line_width(cr, r.range(6, 11));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        radial_glow(cr, x1, y1, 14, tip, 0.8);
        cairo_arc(cr, x1, y1, 5, 0, 2 * pi);
        col(cr, tip);
        cairo_fill(cr);
    }
}

void boulders(cairo_t* cr, rng& r, rgb stone, bool snow) {
    for (int i = 0; i < 6; ++i) {
        double x = C + r.range(-55, 55), rad = r.range(20, 42), y = 185 - rad * 0.7;
        ellipse(cr, x, y, rad * 1.2, rad);
        fill_vgrad(cr, y - rad, y + rad, scale(stone, 1.2), scale(stone, 0.55));
        cairo_new_path(cr);
        if (snow) {
            ellipse(cr, x, y - rad * 0.7, rad * 0.9, rad * 0.35);
            col(cr, hex(0xf4f8ff), 0.95);
            cairo_fill(cr);
        }
    }
}

}  // namespace

void draw_bigimages(sheet& s, const gfx_entry& e) {
    const int set = e.env_set;
    const land_palette& p = palette(set);
    // background pieces sit in the distance: muted toward the sky colour
    rgb stone = mix(p.rock_mid, p.sky_top, 0.25);
    for (int f = 0; f < 7; ++f) {
        cairo_t* cr = frame_cr(s, f);
        rng r(8000 + set * 10 + f);
        if (set == 0) {
            switch (f) {
                case 0: round_tree(cr, r, hex(0x5a3a22), hex(0x3f7a2c), false); break;
                case 1: pine(cr, hex(0x4a3020), hex(0x2a5a30), false); break;
                case 2: giant_mushroom(cr, hex(0xc04030), hex(0xe8dcc0)); break;
                case 3: arch(cr, stone); break;
                case 4: boulders(cr, r, stone, false); break;
                case 5: round_tree(cr, r, hex(0x6a4a2a), hex(0x6a9a30), false); break;
                default: monolith(cr, stone, hex(0xffd070)); break;
            }
        } else if (set == 1) {
            switch (f) {
                case 0: crystals(cr, r, p.accent); break;
                case 1: tentacle_plant(cr, r, hex(0x2a8a7a), hex(0xb0ffe8)); break;
                case 2: monolith(cr, stone, p.top_light); break;
                case 3: arch(cr, stone); break;
                case 4: giant_mushroom(cr, hex(0x6a40c0), hex(0xc0e8e0)); break;
                case 5: crystals(cr, r, hex(0x60c0ff)); break;
                default: boulders(cr, r, stone, false); break;
            }
        } else {
            switch (f) {
                case 0: pine(cr, hex(0x3a2a20), hex(0x2a4a48), true); break;
                case 1: crystals(cr, r, hex(0xa8e4ff)); break;
                case 2: boulders(cr, r, stone, true); break;
                case 3: arch(cr, mix(stone, hex(0xe0ecf8), 0.3)); break;
                case 4: round_tree(cr, r, hex(0x4a3a30), hex(0x6a7a80), true); break;
                case 5: pine(cr, hex(0x3a2a20), hex(0x3a5a50), true); break;
                default: monolith(cr, stone, hex(0x9fe8ff)); break;
            }
        }
        cairo_destroy(cr);
    }
}

}  // namespace gfx
