// Built parts and markers drawn over the map (gfx/additions.xtc) and the
// boring animation (gfx/drillland.xtc). Frame offsets follow the drawing code:
// the cell of a 48 by 48 frame is at (8, 8), the plank's deck at row 30,
// the absorber pad at row 10, ropes on the cell centre (column 25).
#include <cmath>

#include "generators.h"

namespace gfx {

namespace {

const rgb wood_dark = hex(0x4a2c16), wood = hex(0x9a6434), wood_light = hex(0xd8a060);
const rgb rope = hex(0xc8a870), rope_dark = hex(0x6a5030);
const rgb beam = hex(0x7ff4ff);

void rope_line(cairo_t* cr, double x, double y0, double y1) {
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x, y1);
    col(cr, rope_dark);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x, y1);
    col(cr, rope);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    col(cr, rope_dark, 0.8);
    cairo_set_line_width(cr, 0.7);
    for (double y = y0 + 1; y < y1; y += 3) {  // twist
        cairo_move_to(cr, x - 1, y);
        cairo_line_to(cr, x + 1, y + 1.5);
        cairo_stroke(cr);
    }
}

void plank(cairo_t* cr) {
    // posts and a sagging hand rope, then the deck edge at row 30
    for (double x : {10.0, 38.0}) {
        cairo_rectangle(cr, x - 1.2, 17, 2.4, 14);
        col(cr, wood_dark);
        cairo_fill(cr);
        cairo_rectangle(cr, x - 0.5, 17, 1, 14);
        col(cr, wood_light, 0.7);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 0, 19);
    cairo_curve_to(cr, 4, 20, 6, 18.5, 10, 18.5);
    cairo_curve_to(cr, 20, 22.5, 28, 22.5, 38, 18.5);
    cairo_curve_to(cr, 42, 18.5, 44, 20, 48, 19);
    col(cr, rope);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 6, 29, 36, 4);
    fill_vgrad(cr, 29, 33, wood_light, wood);
    col(cr, wood_dark);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void elevator_shaft(cairo_t* cr, int part) {
    // a column of light between the foot and the top, with rising rings
    double y0 = part == 7 ? -2 : 0, y1 = part == 8 ? 40 : 48;
    cairo_rectangle(cr, 13, y0, 22, y1 - y0);
    cairo_pattern_t* g = cairo_pattern_create_linear(13, 0, 35, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, beam.r, beam.g, beam.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, beam.r, beam.g, beam.b, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, beam.r, beam.g, beam.b, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    for (double y = 6; y < 48; y += 16) {
        if (y < y0 || y > y1) continue;
        ellipse(cr, 24, y, 9, 2);
        col(cr, {1, 1, 1}, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    if (part == 7) {  // emitter ring on the foot
        ellipse(cr, 24, 11, 12, 3.5);
        col(cr, beam, 0.9);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        radial_glow(cr, 24, 11, 12, beam, 0.6);
    }
    if (part == 8) {  // receiver ring under the top
        radial_glow(cr, 24, 26, 12, beam, 0.5);
        ellipse(cr, 24, 26, 9, 2.5);
        col(cr, {1, 1, 1}, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void absorber_pad(cairo_t* cr) {
    for (double x : {15.0, 33.0}) {
        cairo_move_to(cr, x, 13);
        for (int i = 0; i < 6; ++i) cairo_line_to(cr, x + ((i % 2) ? -3 : 3), 14 + i * 1.8);
        col(cr, hex(0xd8d8c8));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    rounded_rect(cr, 8, 6, 32, 8, 4);
    fill_vgrad(cr, 6, 14, hex(0xff8a5a), hex(0xa83018));
    col(cr, hex(0x5a1808));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    rounded_rect(cr, 12, 7, 20, 2, 1);
    col(cr, {1, 1, 1}, 0.45);
    cairo_fill(cr);
}

void dynamite(cairo_t* cr) {
    // three sticks resting on row 32, the fuse rising to the top at column 25
    for (int i = 0; i < 3; ++i) {
        double x = 16 + i * 5.5;
        rounded_rect(cr, x, 14 + (i == 1 ? -2 : 0), 5.5, 18 - (i == 1 ? -2 : 0), 1.5);
        cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + 5.5, 0);
        cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.08, 0.06);
        cairo_pattern_add_color_stop_rgb(g, 0.4, 0.95, 0.3, 0.22);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.5, 0.06, 0.05);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    cairo_rectangle(cr, 15, 21, 18, 3);
    col(cr, hex(0x3a2a20));
    cairo_fill(cr);
    cairo_move_to(cr, 24.5, 12);
    cairo_curve_to(cr, 22, 8, 27, 5, 25, 0.5);
    col(cr, hex(0x2a2a2a));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void arrow(cairo_t* cr, bool left) {
    cairo_save(cr);
    if (left) {
        cairo_translate(cr, 48, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_move_to(cr, 12, 20);
    cairo_line_to(cr, 26, 20);
    cairo_line_to(cr, 26, 13);
    cairo_line_to(cr, 37, 24);
    cairo_line_to(cr, 26, 35);
    cairo_line_to(cr, 26, 28);
    cairo_line_to(cr, 12, 28);
    cairo_close_path(cr);
    fill_vgrad(cr, 13, 35, hex(0xb8ff90), hex(0x2a9a2a));
    col(cr, hex(0x0a3a0a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void draw_additions(sheet& s, const gfx_entry&) {
    for (int f = 0; f < 12; ++f) {
        cairo_t* cr = frame_cr(s, f);
        switch (f) {
            case 0: plank(cr); break;
            case 1: rope_line(cr, 25, 0, 32); break;
            case 2:  // knot where the rope hangs from the deck
                rope_line(cr, 25, 2, 44);
                ellipse(cr, 25, 4, 3, 2.2);
                col(cr, rope_dark);
                cairo_fill(cr);
                break;
            case 3:  // last piece, pegged into the ground below
                rope_line(cr, 25, 0, 30);
                cairo_move_to(cr, 21, 29);
                cairo_line_to(cr, 29, 29);
                cairo_line_to(cr, 25, 38);
                cairo_close_path(cr);
                col(cr, wood);
                cairo_fill(cr);
                break;
            case 4: draw_soul(cr); break;
            case 5: dynamite(cr); break;
            case 6: elevator_shaft(cr, 6); break;
            case 7: elevator_shaft(cr, 7); break;
            case 8: elevator_shaft(cr, 8); break;
            case 9: absorber_pad(cr); break;
            case 10: arrow(cr, true); break;
            default: arrow(cr, false); break;
        }
        cairo_destroy(cr);
    }
}

void draw_drillland(sheet& s, const gfx_entry&) {
    // a spinning bore head with cracks spreading through the cell
    for (int f = 0; f < 8; ++f) {
        cairo_t* cr = frame_cr(s, f);
        rng r(300);
        col(cr, hex(0x201408), 0.55);
        cairo_set_line_width(cr, 1.1);
        for (int c = 0; c < 7; ++c) {
            double a = r.range(0, 2 * pi), len = r.range(6, 15) * (0.4 + 0.6 * f / 7.0);
            cairo_move_to(cr, 16, 16);
            cairo_line_to(cr, 16 + std::cos(a) * len * 0.5 + r.range(-2, 2), 16 + std::sin(a) * len * 0.5 + r.range(-2, 2));
            cairo_line_to(cr, 16 + std::cos(a) * len, 16 + std::sin(a) * len);
            cairo_stroke(cr);
        }
        double spin = f * pi / 4;
        for (int b = 0; b < 3; ++b) {
            double a = spin + b * 2 * pi / 3;
            cairo_move_to(cr, 16, 16);
            cairo_arc(cr, 16, 16, 9, a, a + 0.8);
            cairo_close_path(cr);
            col(cr, hex(0xf0d070), 0.9);
            cairo_fill(cr);
        }
        cairo_arc(cr, 16, 16, 3.5, 0, 2 * pi);
        col(cr, hex(0xfff4c0));
        cairo_fill(cr);
        cairo_arc(cr, 16, 16, 11, 0, 2 * pi);
        col(cr, hex(0xffe090), 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_destroy(cr);
    }
}

}  // namespace gfx
