// Tile set codes beyond plain rock: built parts (39..42), editor markers
// (64..67) and the back layer (80..127).
#include <algorithm>
#include <cmath>

#include "tiles.h"

namespace gfx {

namespace {

const rgb wood_dark = hex(0x4a2c16), wood = hex(0x8a5a30), wood_light = hex(0xc89258);
const rgb steel_dark = hex(0x2c3440), steel = hex(0x6c7a8c), steel_light = hex(0xc4d2e0);
const rgb beam_glow = hex(0x7ff4ff);

void plank_row(cairo_t* cr, double y, double h) {
    cairo_rectangle(cr, 0, y, 32, h);
    fill_vgrad(cr, y, y + h, wood_light, wood_dark);
    cairo_new_path(cr);
    col(cr, wood_dark, 0.9);
    cairo_set_line_width(cr, 1);
    for (double x : {10.5, 21.5}) {
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y + h);
    }
    cairo_stroke(cr);
    col(cr, hex(0x2a1a10));
    for (double x : {4.0, 16.0, 27.0}) {
        cairo_arc(cr, x, y + 2, 0.7, 0, 2 * pi);
        cairo_fill(cr);
    }
}

void bridge_tile(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.4);
    col(cr, wood_dark);
    cairo_move_to(cr, 3, 7);
    cairo_line_to(cr, 16, 20);
    cairo_line_to(cr, 29, 7);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.2);
    col(cr, wood);
    cairo_move_to(cr, 3, 7);
    cairo_line_to(cr, 16, 20);
    cairo_line_to(cr, 29, 7);
    cairo_stroke(cr);
    plank_row(cr, 0, 7);
}

void elevator_foot(cairo_t* cr) {
    rounded_rect(cr, 1, 3, 30, 29, 4);
    fill_vgrad(cr, 3, 32, steel_light, steel_dark);
    col(cr, steel_dark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    rounded_rect(cr, 5, 12, 22, 14, 2);
    col(cr, hex(0x1a2028));
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 7 + i * 7, 15, 4, 8);
        col(cr, beam_glow, 0.35 + 0.2 * i);
        cairo_fill(cr);
    }
    ellipse(cr, 16, 4, 11, 2.5);
    col(cr, beam_glow, 0.9);
    cairo_fill(cr);
    for (double x : {4.0, 28.0}) {
        cairo_arc(cr, x, 29, 1, 0, 2 * pi);
        col(cr, steel_light);
        cairo_fill(cr);
    }
}

void elevator_top(cairo_t* cr) {
    col(cr, steel_dark);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 6, 8);
    cairo_line_to(cr, 11, 18);
    cairo_move_to(cr, 26, 8);
    cairo_line_to(cr, 21, 18);
    cairo_stroke(cr);
    ellipse(cr, 16, 18, 7, 2.5);
    col(cr, beam_glow, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    rounded_rect(cr, 0, 1, 32, 8, 3);
    fill_vgrad(cr, 1, 9, steel_light, steel_dark);
    col(cr, steel_dark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, 9, 4, 14, 2);
    col(cr, beam_glow, 0.9);
    cairo_fill(cr);
}

void absorber_casing(cairo_t* cr) {
    rounded_rect(cr, 0.5, 1, 31, 31, 3);
    fill_vgrad(cr, 1, 32, steel, steel_dark);
    col(cr, hex(0x1a1e24));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, 4, 4, 24, 24);
    col(cr, hex(0x141820));
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.6);
    col(cr, hex(0xd8c060));
    cairo_move_to(cr, 8, 6);
    for (int i = 0; i < 6; ++i) cairo_line_to(cr, (i % 2) ? 8 : 24, 9 + i * 3.5);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {  // warning stripes on the rim
        cairo_move_to(cr, 2 + i * 8, 1);
        cairo_line_to(cr, 6 + i * 8, 1);
        cairo_line_to(cr, 4 + i * 8, 4);
        cairo_line_to(cr, 0 + i * 8, 4);
        col(cr, hex(0xf0c030));
        cairo_fill(cr);
    }
}

void marker(cairo_t* cr, rgb c, int kind) {
    rounded_rect(cr, 1.5, 1.5, 29, 29, 5);
    col(cr, scale(c, 0.35), 0.55);
    cairo_fill_preserve(cr);
    col(cr, c);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    switch (kind) {
        case 0:  // saucer drop point
            ellipse(cr, 16, 14, 11, 4);
            col(cr, hex(0xc8d0dc));
            cairo_fill(cr);
            ellipse(cr, 16, 11, 5, 4);
            col(cr, hex(0x90e8ff));
            cairo_fill(cr);
            cairo_move_to(cr, 12, 20);
            cairo_line_to(cr, 16, 27);
            cairo_line_to(cr, 20, 20);
            col(cr, hex(0xffe070), 0.8);
            cairo_fill(cr);
            break;
        case 1: draw_mushroom_icon(cr, 16, 17, 22, 0); break;
        case 2: draw_grub_icon(cr, 16, 17, 24); break;
        default:
            star_path(cr, 16, 16, 11, 5, 7, 0.2);
            col(cr, hex(0x6a2a90));
            cairo_fill(cr);
            cairo_move_to(cr, 17, 6);
            cairo_line_to(cr, 12, 17);
            cairo_line_to(cr, 17, 16);
            cairo_line_to(cr, 14, 27);
            col(cr, hex(0xfff080));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
            break;
    }
}

// Small back-layer decorations on a clear cell.
void scatter(cairo_t* cr, int set, int k) {
    const land_palette& p = palette(set);
    rng r(5000 + set * 100 + k);
    rgb leaf = set == 2 ? hex(0x5a7a70) : set == 1 ? hex(0x2a8a80) : hex(0x2f6a24);
    switch (k) {
        case 0:  // bush
            for (int i = 0; i < 7; ++i) {
                ellipse(cr, r.range(7, 25), r.range(18, 27), r.range(4, 7), r.range(3, 6));
                col(cr, scale(leaf, r.range(0.5, 0.8)));
                cairo_fill(cr);
            }
            if (set == 2) {
                ellipse(cr, 16, 17, 10, 3);
                col(cr, hex(0xdfe8f4), 0.8);
                cairo_fill(cr);
            }
            break;
        case 1:  // tuft
            cairo_set_line_width(cr, 1);
            for (int i = 0; i < 9; ++i) {
                double x = r.range(8, 24);
                cairo_move_to(cr, x, 32);
                cairo_line_to(cr, x + r.range(-4, 4), r.range(18, 26));
                col(cr, scale(leaf, r.range(0.45, 0.75)));
                cairo_stroke(cr);
            }
            break;
        case 2:  // rock pile
            for (int i = 0; i < 5; ++i) {
                ellipse(cr, r.range(6, 26), r.range(25, 29), r.range(3, 6), r.range(2, 4));
                col(cr, scale(p.stone, r.range(0.4, 0.6)));
                cairo_fill(cr);
            }
            break;
        case 3:  // post with a sign
            cairo_rectangle(cr, 15, 12, 2.5, 20);
            col(cr, scale(wood, 0.55));
            cairo_fill(cr);
            rounded_rect(cr, 7, 10, 18, 8, 1.5);
            col(cr, scale(wood, 0.65));
            cairo_fill(cr);
            break;
        case 4:  // crystal cluster
            for (int i = 0; i < 4; ++i) {
                double x = 10 + i * 4, h = r.range(8, 16);
                cairo_move_to(cr, x - 2, 32);
                cairo_line_to(cr, x + r.range(-1, 1), 32 - h);
                cairo_line_to(cr, x + 2, 32);
                col(cr, scale(p.accent, 0.6), 0.85);
                cairo_fill(cr);
            }
            break;
        case 5:  // hanging lantern
            cairo_move_to(cr, 16, 0);
            cairo_line_to(cr, 16, 12);
            col(cr, hex(0x303030));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            radial_glow(cr, 16, 16, 10, hex(0xffd070), 0.5);
            rounded_rect(cr, 13, 12, 6, 8, 1.5);
            col(cr, hex(0xffe090));
            cairo_fill(cr);
            break;
        case 6:  // hanging vines
            cairo_set_line_width(cr, 1.2);
            for (int i = 0; i < 4; ++i) {
                double x = 6 + i * 7;
                cairo_move_to(cr, x, 0);
                cairo_curve_to(cr, x + 3, 8, x - 3, 16, x + 1, r.range(18, 30));
                col(cr, scale(leaf, 0.6));
                cairo_stroke(cr);
            }
            break;
        default:  // bones of some old creature
            cairo_set_line_width(cr, 2);
            col(cr, hex(0x8a8474));
            for (int i = 0; i < 4; ++i) {
                cairo_arc(cr, 16, 30, 5 + i * 3, pi * 1.1, pi * 1.9);
                cairo_stroke(cr);
            }
            break;
    }
}

}  // namespace

void draw_tile_extras(sheet& s, int set) {
    auto with = [&](int frame, auto fn) {
        cairo_t* cr = frame_cr(s, frame);
        fn(cr);
        cairo_destroy(cr);
    };
    with(39, bridge_tile);
    with(40, elevator_foot);
    with(41, elevator_top);
    with(42, absorber_casing);
    if (set == 2) {  // winter: a thin cap of snow on the built parts
        for (int frame : {39, 41, 42}) with(frame, [&](cairo_t* cr) {
                rounded_rect(cr, 1, frame == 42 ? 0 : frame == 41 ? 0 : -1, 30, 2.5, 1.2);
                col(cr, hex(0xf4f8ff), 0.95);
                cairo_fill(cr);
            });
    }
    const rgb marks[4] = {hex(0x80d0ff), hex(0xff7060), hex(0x80f060), hex(0xd070ff)};
    for (int k = 0; k < 4; ++k) with(64 + k, [&](cairo_t* cr) { marker(cr, marks[k], k); });
}

void draw_back_tiles(sheet& s, int set) {
    for (int k = 0; k < 16; ++k) {
        edge_shape sp;
        sp.back = true;
        sp.tx = (k % 4) * 32;
        sp.ty = (k / 4) * 32;
        render_edge_tile(s, 80 + k, set, sp);
    }
    struct open_case {
        int code;
        bool up, left, right, down;
        int inner;
    };
    const open_case cases[] = {
        {96, true, false, false, false, 0},  {97, false, false, false, true, 0}, {98, false, true, false, false, 0},
        {99, false, false, true, false, 0},  {100, true, true, false, false, 0}, {101, true, false, true, false, 0},
        {102, false, true, false, true, 0},  {103, false, false, true, true, 0}, {104, false, false, false, false, 1},
        {105, false, false, false, false, 2}, {106, false, false, false, false, 3}, {107, false, false, false, false, 4},
    };
    for (const open_case& c : cases) {
        edge_shape sp;
        sp.back = true;
        sp.up = c.up;
        sp.left = c.left;
        sp.right = c.right;
        sp.down = c.down;
        sp.inner = c.inner;
        sp.variant = c.code % 4;
        sp.tx = (c.code % 4) * 32;
        sp.ty = ((c.code / 4) % 4) * 32;
        render_edge_tile(s, c.code, set, sp);
    }
    // back wall with a feature
    for (int k = 0; k < 4; ++k) {
        edge_shape sp;
        sp.back = true;
        sp.tx = k * 32;
        sp.ty = 64;
        render_edge_tile(s, 108 + k, set, sp);
        // features stay clear of the cell's border, so the wall around them joins as usual
        cairo_t* cr = frame_cr(s, 108 + k);
        cairo_translate(cr, 4, 4);
        cairo_scale(cr, 0.75, 0.75);
        if (k == 0) scatter(cr, set, 6);
        if (k == 1) scatter(cr, set, 4);
        if (k == 2) {
            rounded_rect(cr, 11, 0, 10, 32, 2);
            fill_vgrad(cr, 0, 32, scale(wood, 0.7), scale(wood_dark, 0.8));
            cairo_new_path(cr);
            rounded_rect(cr, 2, 2, 28, 5, 1.5);
            col(cr, scale(wood, 0.6));
            cairo_fill(cr);
        }
        if (k == 3) {
            cairo_move_to(cr, 14, 0);
            cairo_line_to(cr, 18, 10);
            cairo_line_to(cr, 13, 20);
            cairo_line_to(cr, 17, 32);
            col(cr, palette(set).sky_bottom, 0.35);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
        cairo_destroy(cr);
    }
    // ledges open to the sky, where rain splashes
    for (int k = 0; k < 4; ++k) {
        edge_shape sp;
        sp.back = true;
        sp.up = true;
        sp.puddle = true;
        sp.variant = k;
        sp.tx = k * 32;
        sp.ty = 96;
        render_edge_tile(s, 112 + k, set, sp);
    }
    // pillar and beam pieces
    for (int k = 0; k < 4; ++k) {
        cairo_t* cr = frame_cr(s, 116 + k);
        const land_palette& p = palette(set);
        rgb c0 = scale(p.rock_mid, 0.55), c1 = scale(p.rock_dark, 0.6);
        if (k < 3) {
            double y0 = k == 0 ? 6 : 0, y1 = k == 2 ? 26 : 32;
            cairo_rectangle(cr, 9, y0, 14, y1 - y0);
            cairo_pattern_t* g = cairo_pattern_create_linear(9, 0, 23, 0);
            cairo_pattern_add_color_stop_rgb(g, 0, c1.r, c1.g, c1.b);
            cairo_pattern_add_color_stop_rgb(g, 0.4, c0.r, c0.g, c0.b);
            cairo_pattern_add_color_stop_rgb(g, 1, c1.r, c1.g, c1.b);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            if (k != 1) {
                rounded_rect(cr, 5, k == 0 ? 2 : 26, 22, 5, 1.5);
                col(cr, c0);
                cairo_fill(cr);
            }
        } else {
            cairo_rectangle(cr, 0, 8, 32, 10);
            fill_vgrad(cr, 8, 18, c0, c1);
            cairo_new_path(cr);
        }
        cairo_destroy(cr);
    }
    for (int k = 0; k < 8; ++k) {
        cairo_t* cr = frame_cr(s, 120 + k);
        scatter(cr, set, k);
        cairo_destroy(cr);
    }
}

}  // namespace gfx
