// Creatures and resources: the leaf-beetle maggot and the hostile creature
// (gfx/obj.xtc) and the fuel mushrooms (gfx/obj2.xtc).
#include <algorithm>
#include <cmath>

#include "generators.h"

namespace gfx {

namespace {

void shaded_ball(cairo_t* cr, double x, double y, double rx, double ry, rgb light, rgb base, rgb dark) {
    ellipse(cr, x, y, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - rx * 0.35, y - ry * 0.45, 0.3, x, y, std::max(rx, ry) * 1.1);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// The maggot facing right, ground at y = gy. wave: crawl phase; turn: 0 side view, 1 front view.
void grub(cairo_t* cr, double cx, double gy, double wave, double turn, double size) {
    const int n = 7;
    const double k = size / 32.0;
    const rgb light = hex(0xd8f890), base = hex(0x8cc83c), dark = hex(0x3e6a18);
    double c = std::cos(turn * pi / 2);
    // tail first, so the head is drawn over the body
    for (int i = 0; i < n; ++i) {
        double t = i / double(n - 1);  // 0 tail .. 1 head
        double r = (3.2 + 2.6 * std::sin(pi * (0.25 + 0.65 * t))) * k;
        double hump = std::max(0.0, std::sin(wave - t * 2 * pi)) * 2.2 * k;
        double stretch = 1 + 0.08 * std::sin(wave - t * 2 * pi);
        double x = cx + (-12 + 22 * t) * k * stretch * c;
        double y = gy - r - hump;
        shaded_ball(cr, x, y, r * (0.95 + 0.25 * (1 - c)), r, light, base, dark);
        if (i < n - 1) {
            ellipse(cr, x + 0.4 * r * c, y, r * 0.15 + 0.4, r * 0.8);
            col(cr, dark, 0.35);
            cairo_fill(cr);
        }
    }
    // head
    double hx = cx + 11.5 * k * c, hy = gy - 5.2 * k;
    shaded_ball(cr, hx, hy, 4.2 * k, 4.0 * k, hex(0xf0b070), hex(0xb86a2a), hex(0x5a2a0a));
    for (int side = -1; side <= 1; side += 2) {
        double ex = hx + 1.6 * k * c + side * 1.7 * k * (1 - c), ey = hy - 1.2 * k;
        if (side < 0 && c > 0.7) continue;
        cairo_arc(cr, ex, ey, 0.9 * k + 0.2, 0, 2 * pi);
        col(cr, hex(0x101010));
        cairo_fill(cr);
        cairo_arc(cr, ex - 0.3, ey - 0.4, 0.35, 0, 2 * pi);
        col(cr, {1, 1, 1});
        cairo_fill(cr);
    }
    // stubby legs under the front segments
    col(cr, dark);
    cairo_set_line_width(cr, 1.0 * k + 0.3);
    for (int i = 0; i < 3; ++i) {
        double x = cx + (3 + i * 2.6) * k * c + std::sin(wave + i) * 0.6;
        cairo_move_to(cr, x, gy - 2.5 * k);
        cairo_line_to(cr, x + 0.8 * c, gy);
        cairo_stroke(cr);
    }
}

// The hostile creature facing right, ground at gy: a spiked crawler crackling with charge.
void hostile(cairo_t* cr, double cx, double gy, double step, double turn, rng& r) {
    double c = std::cos(turn * pi / 2);
    double bob = std::abs(std::sin(step)) * 1.5;
    double bx = cx, by = gy - 12 - bob;
    // legs: four jointed spikes
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 4; ++i) {
        double a = -9 + i * 6;
        double sw = 3 * std::sin(step + i * pi / 2);
        double hx = bx + a * 0.7 * c, fx = bx + (a * 1.2 + sw) * (0.3 + 0.7 * c) + (1 - c) * (i - 1.5) * 6;
        cairo_move_to(cr, hx, by + 4);
        cairo_line_to(cr, (hx + fx) / 2 + (a < 0 ? -2 : 2), by + 3 - std::max(0.0, std::cos(step + i * pi / 2)) * 2);
        cairo_line_to(cr, fx, gy);
        col(cr, hex(0x1a0c24));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    // spikes round the back
    for (int i = 0; i < 9; ++i) {
        double a = pi + i * pi / 8;
        double x0 = bx + std::cos(a) * 9 * (0.45 + 0.55 * c + 0.3 * (1 - c)), y0 = by + std::sin(a) * 8;
        double x1 = bx + std::cos(a) * 15 * (0.45 + 0.55 * c + 0.3 * (1 - c)), y1 = by + std::sin(a) * 13.5;
        cairo_move_to(cr, x0 - 1.8 * std::sin(a), y0 + 1.8 * std::cos(a));
        cairo_line_to(cr, x1, y1);
        cairo_line_to(cr, x0 + 1.8 * std::sin(a), y0 - 1.8 * std::cos(a));
        col(cr, hex(0x4a1a6a));
        cairo_fill_preserve(cr);
        col(cr, hex(0xc070ff), 0.8);
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
    }
    shaded_ball(cr, bx, by, 11 * (0.8 + 0.2 * c), 9, hex(0xb060e0), hex(0x5a1e82), hex(0x1e0830));
    // glowing veins
    cairo_set_line_width(cr, 0.9);
    col(cr, hex(0xffe860), 0.7);
    cairo_move_to(cr, bx - 6 * c, by - 5);
    cairo_line_to(cr, bx - 2 * c, by - 1);
    cairo_line_to(cr, bx - 4 * c, by + 3);
    cairo_stroke(cr);
    // angry eyes and fangs
    for (int side = -1; side <= 1; side += 2) {
        if (side < 0 && c > 0.8) continue;
        double ex = bx + 6 * c + side * 3.5 * (1 - c), ey = by - 1;
        radial_glow(cr, ex, ey, 3.5, hex(0xff4020), 0.8);
        ellipse(cr, ex, ey, 1.6, 1.2);
        col(cr, hex(0xffe0a0));
        cairo_fill(cr);
    }
    cairo_move_to(cr, bx + 8 * c - 1.5, by + 5);
    cairo_line_to(cr, bx + 8 * c, by + 8.5);
    cairo_line_to(cr, bx + 8 * c + 1.5, by + 5);
    col(cr, {1, 1, 1});
    cairo_fill(cr);
    // electric arcs, different in every frame
    for (int a = 0; a < 3; ++a) {
        double ang = r.range(pi * 0.85, pi * 2.15), len = r.range(10, 17);  // never through the floor
        double x = bx + std::cos(ang) * 6, y = by + std::sin(ang) * 5;
        cairo_move_to(cr, x, y);
        for (int s = 1; s <= 4; ++s) {
            double d = len * s / 4;
            cairo_line_to(cr, bx + std::cos(ang) * (6 + d) + r.range(-2.5, 2.5),
                          by + std::sin(ang) * (5 + d * 0.8) + r.range(-2.5, 2.5));
        }
        col(cr, hex(0x80f0ff), 0.35);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke_preserve(cr);
        col(cr, hex(0xf8ffff), 0.95);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

}  // namespace

void draw_grub_icon(cairo_t* cr, double cx, double cy, double size) { grub(cr, cx - size * 0.05, cy + size * 0.25, 0.8, 0, size); }

void draw_mushroom_icon(cairo_t* cr, double cx, double cy, double size, int variant) {
    const rgb caps[5][3] = {
        {hex(0xff8a70), hex(0xd8281c), hex(0x6a0a08)},
        {hex(0xffd070), hex(0xf08a18), hex(0x7a3a06)},
        {hex(0x9ee4ff), hex(0x2a8ad8), hex(0x0c2c6a)},
        {hex(0xf0a0ff), hex(0xa040d0), hex(0x400c60)},
        {hex(0xfff8a0), hex(0xe0c830), hex(0x6a5a08)},
    };
    const rgb* cap = caps[std::clamp(variant, 0, 4)];
    double k = size / 32.0;
    double gy = cy + 14 * k;
    radial_glow(cr, cx, cy - 2 * k, 16 * k, cap[0], 0.35);
    // stem
    cairo_move_to(cr, cx - 3.2 * k, gy);
    cairo_curve_to(cr, cx - 3.8 * k, gy - 6 * k, cx - 2.2 * k, gy - 10 * k, cx - 2.6 * k, gy - 13 * k);
    cairo_line_to(cr, cx + 2.6 * k, gy - 13 * k);
    cairo_curve_to(cr, cx + 2.2 * k, gy - 10 * k, cx + 3.8 * k, gy - 6 * k, cx + 3.2 * k, gy);
    cairo_close_path(cr);
    fill_vgrad(cr, gy - 13 * k, gy, hex(0xfff6e0), hex(0xc8b090));
    col(cr, hex(0x6a5a40), 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    // cap
    double cw = (variant == 4 ? 8 : 11) * k, ch = (variant == 2 ? 9 : 7) * k, ctop = gy - 12 * k;
    cairo_move_to(cr, cx - cw, ctop + 1 * k);
    cairo_curve_to(cr, cx - cw, ctop - ch * 1.3, cx + cw, ctop - ch * 1.3, cx + cw, ctop + 1 * k);
    cairo_curve_to(cr, cx + cw * 0.5, ctop + 2.5 * k, cx - cw * 0.5, ctop + 2.5 * k, cx - cw, ctop + 1 * k);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - cw * 0.3, ctop - ch * 0.7, 0.5, cx, ctop, cw * 1.2);
    cairo_pattern_add_color_stop_rgb(g, 0, cap[0].r, cap[0].g, cap[0].b);
    cairo_pattern_add_color_stop_rgb(g, 0.55, cap[1].r, cap[1].g, cap[1].b);
    cairo_pattern_add_color_stop_rgb(g, 1, cap[2].r, cap[2].g, cap[2].b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    col(cr, cap[2], 0.9);
    cairo_stroke(cr);
    // spots
    const double spots[4][3] = {{-5, -3, 1.6}, {1, -5.5, 1.3}, {5.5, -2, 1.2}, {-1, -1.5, 0.9}};
    for (const auto& s : spots) {
        ellipse(cr, cx + s[0] * k * cw / (11 * k), ctop + s[1] * k, s[2] * k, s[2] * k * 0.8);
        col(cr, {1, 1, 1}, variant == 2 ? 0.5 : 0.85);
        cairo_fill(cr);
    }
    if (variant == 4) {  // a second, smaller mushroom beside the first
        draw_mushroom_icon(cr, cx + 8 * k, cy + 5 * k, size * 0.45, 1);
    }
}

void draw_obj(sheet& s, const gfx_entry&) {
    for (int frame = 0; frame < 76; ++frame) {
        bool creature = frame >= 38;
        int local = frame % 38, dir = local / 19, f = local % 19;
        cairo_t* cr = frame_cr(s, frame);
        if (dir == 0) {
            cairo_translate(cr, 48, 0);
            cairo_scale(cr, -1, 1);
        }
        double turn = f >= 12 ? (f - 12) / 6.0 : 0;
        double phase = f < 12 ? 2 * pi * f / 12 : 0;
        if (creature) {
            rng r(7000 + frame);
            hostile(cr, 24, 32, phase, turn, r);
        } else {
            grub(cr, 24, 40, phase, turn, 32);
        }
        cairo_destroy(cr);
    }
}

void draw_mushrooms(sheet& s, const gfx_entry&) {
    for (int v = 0; v < 5; ++v) {
        cairo_t* cr = frame_cr(s, v);
        draw_mushroom_icon(cr, 24, 26, 32, v);
        cairo_destroy(cr);
    }
}

}  // namespace gfx
