// The beetles (gfx/obj3.xtc): four kinds, two directions, a walk cycle, a turn
// and a landing pose, plus the laborer carrying a load. Each beetle is a small
// 3D model (shell, pronotum, head, six legs) turned about its vertical axis, so
// the turn frames flow from side view to front view.
#include <algorithm>
#include <cmath>
#include <vector>

#include "generators.h"

namespace gfx {

namespace {

struct kind_look {
    rgb light, base, dark, under;
};

const kind_look looks[4] = {
    {hex(0xffd68a), hex(0xd9882a), hex(0x6e360c), hex(0x2c1a10)},  // laborer
    {hex(0xa8dcff), hex(0x2f84c8), hex(0x103764), hex(0x1c2430)},  // builder
    {hex(0xeef3f8), hex(0x7c8896), hex(0x262c36), hex(0x1c1f24)},  // armoured
    {hex(0xffffff), hex(0xe6e8ee), hex(0x7c8090), hex(0x3a3a44)},  // medic
};

struct pose {
    double phi;  // 0 side view facing right, pi/2 facing the viewer
    double cx, gy, lift;
};

struct pt {
    double x, y, z;
};

pt project(const pose& p, double a, double l, double h) {
    double c = std::cos(p.phi), s = std::sin(p.phi);
    return {p.cx + a * c - l * s, p.gy - h - p.lift, a * s + l * c};
}

void blob(cairo_t* cr, const pose& p, double a, double l, double h, double ra, double rl, double rh, const kind_look& k,
          double light_shift = 0) {
    pt c = project(p, a, l, h);
    double hw = std::hypot(ra * std::cos(p.phi), rl * std::sin(p.phi));
    ellipse(cr, c.x, c.y, hw, rh);
    double hx = c.x + hw * 0.35 * std::cos(p.phi), hy = c.y - rh * 0.45;
    cairo_pattern_t* g = cairo_pattern_create_radial(hx, hy, 0.5, c.x, c.y, std::max(hw, rh) * 1.15);
    rgb l0 = mix(k.light, k.base, light_shift);
    cairo_pattern_add_color_stop_rgb(g, 0, l0.r, l0.g, l0.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, k.base.r, k.base.g, k.base.b);
    cairo_pattern_add_color_stop_rgb(g, 1, k.dark.r, k.dark.g, k.dark.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    col(cr, scale(k.dark, 0.55), 0.95);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

struct leg {
    double a, l, phase;
};

void draw_leg(cairo_t* cr, const pose& p, const leg& lg, double walk, bool tucked, bool splayed, rgb c) {
    double sw = 3.2 * std::sin(walk + lg.phase);
    double up = std::max(0.0, std::cos(walk + lg.phase)) * 2.2;
    if (tucked) {
        sw = 1.2 * std::sin(walk * 2 + lg.phase);
        up = 4.5;
    }
    double spread = splayed ? 2.3 : 1.8;
    pt hip = project(p, lg.a, lg.l, 5.5);
    pt knee = project(p, lg.a * 1.35 + (lg.a >= 0 ? 1.5 : -1.5) + sw * 0.5, lg.l * 1.55, 6.5 + up * 0.5);
    pt foot = project(p, lg.a * (splayed ? 1.5 : 1.25) + sw, lg.l * spread, up);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, hip.x, hip.y);
    cairo_line_to(cr, knee.x, knee.y);
    cairo_line_to(cr, foot.x, foot.y);
    col(cr, c);
    cairo_set_line_width(cr, 1.7);
    cairo_stroke(cr);
}

void draw_beetle(cairo_t* cr, int kind, int f, bool carrying) {
    const kind_look& k = looks[kind - 1];
    const bool builder = kind == 2;
    pose p{0, 24, 37, 0};
    double walk = 0;
    bool landing = f == 25;
    if (f < 20) {
        walk = 2 * pi * f / 20;
        p.lift = 0.5 * std::abs(std::sin(walk));
    } else if (f < 25) {
        p.phi = (f - 20) * pi / 8;
    } else {
        p.phi = pi / 2;
        p.lift = -1.5;
    }
    if (builder) p.lift += 3.5 + (f < 20 ? 0.8 * std::sin(walk) : 0);
    const rgb leg_col = kind == 4 ? hex(0x5a5a66) : scale(k.under, 0.9);

    std::vector<leg> legs;
    for (int i = 0; i < 3; ++i)
        for (int side = -1; side <= 1; side += 2) {
            double phase = ((i % 2 == 0) == (side > 0)) ? 0 : pi;
            legs.push_back({7.0 - 7.0 * i, 5.5 * side, phase});
        }
    auto leg_z = [&](const leg& lg) { return project(p, lg.a, lg.l, 6).z; };
    for (const leg& lg : legs)
        if (leg_z(lg) < 0) draw_leg(cr, p, lg, walk, builder, landing, scale(leg_col, 0.7));

    // the load rides on the back, behind the shell's front edge
    if (carrying) {
        pt c = project(p, -3, 0, 22.5);
        rounded_rect(cr, c.x - 7, c.y - 6, 14, 11, 4);
        fill_vgrad(cr, c.y - 6, c.y + 5, hex(0xc89a5a), hex(0x6e4a22));
        col(cr, hex(0x3a2410));
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
        ellipse(cr, c.x + 1.5, c.y - 6, 4.5, 2.6);
        col(cr, hex(0x9ef07a));
        cairo_fill(cr);
        cairo_move_to(cr, c.x - 6, c.y - 1);
        cairo_line_to(cr, c.x + 6, c.y - 1);
        col(cr, hex(0x3a2410), 0.8);
        cairo_stroke(cr);
    }

    // builder's rotor sits on a mast behind the shell
    if (builder) {
        pt base = project(p, -1, 0, 19), top = project(p, -1, 0, 24.5);
        cairo_move_to(cr, base.x, base.y);
        cairo_line_to(cr, top.x, top.y);
        col(cr, hex(0x30343c));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        double spin = f < 20 ? f * 2 * pi / 5 : f * 0.9;
        double hw = 2 + 9 * std::abs(std::cos(spin));
        ellipse(cr, top.x, top.y, hw, 1.3);
        col(cr, hex(0xdfe6ee), 0.85);
        cairo_fill(cr);
        ellipse(cr, top.x, top.y, 11, 1.8);
        col(cr, hex(0xdfe6ee), 0.18);
        cairo_fill(cr);
        cairo_arc(cr, top.x, top.y, 1.5, 0, 2 * pi);
        col(cr, hex(0xff5a3a));
        cairo_fill(cr);
    }

    // underside, shell, pronotum
    blob(cr, p, -1, 0, 7.5, 11, 7, 5, {k.under, k.under, scale(k.under, 0.6), k.under}, 0.6);
    for (const leg& lg : legs)
        if (leg_z(lg) >= 0) draw_leg(cr, p, lg, walk, builder, landing, leg_col);
    blob(cr, p, -2, 0, 12.5, 12.5, 9, 8.5, k);

    // shell seam and kind marks
    {
        cairo_save(cr);
        pt c = project(p, -2, 0, 12.5);
        double hw = std::hypot(12.5 * std::cos(p.phi), 9 * std::sin(p.phi));
        ellipse(cr, c.x, c.y, hw - 0.4, 8.1);
        cairo_clip(cr);
        cairo_set_line_width(cr, 0.9);
        col(cr, scale(k.dark, 0.8), 0.8);
        for (int i = 0; i <= 16; ++i) {
            double a = -13 + i * 1.2;
            double h = 12 + 8.5 * std::sqrt(std::max(0.0, 1 - (a + 2) * (a + 2) / 156.0));
            pt s = project(p, a, 0, h - 0.3);
            if (i == 0) cairo_move_to(cr, s.x, s.y);
            else cairo_line_to(cr, s.x, s.y);
        }
        cairo_stroke(cr);
        if (kind == 1) {  // a pale band across the shell
            pt s = project(p, -4, 0, 12.5);
            cairo_rectangle(cr, s.x - 1.6 * std::max(0.3, std::cos(p.phi)) - 0.4, s.y - 10, 3.2 * std::max(0.3, std::cos(p.phi)) + 0.8, 20);
            col(cr, k.light, 0.35);
            cairo_fill(cr);
        }
        if (kind == 3) {  // armour plates and rivets
            for (double a : {-8.0, -3.0, 2.0}) {
                cairo_move_to(cr, project(p, a, 0, 3).x, c.y + 9);
                cairo_line_to(cr, project(p, a + 1.5, 0, 22).x, c.y - 9);
            }
            col(cr, scale(k.dark, 0.9), 0.9);
            cairo_set_line_width(cr, 1.1);
            cairo_stroke(cr);
            for (double a : {-10.5, -5.5, -0.5, 4.5}) {
                pt s = project(p, a, 5, 10);
                cairo_arc(cr, s.x, s.y, 0.8, 0, 2 * pi);
                col(cr, k.light);
                cairo_fill(cr);
            }
        }
        if (kind == 4) {  // red cross on the side (or the back, seen from the front)
            pt s = project(p, -3, 6, 13.5);
            double w = 2.2 * std::max(0.5, std::cos(p.phi));
            cairo_rectangle(cr, s.x - w * 2.2, s.y - 1.4, w * 4.4, 2.8);
            cairo_rectangle(cr, s.x - w * 0.65, s.y - 4.4, w * 1.3, 8.8);
            col(cr, hex(0xe02424));
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    blob(cr, p, 8.5, 0, 9.5, 4.2, 6.5, 5, {mix(k.light, k.base, 0.4), scale(k.base, 0.85), k.dark, k.under});

    // head with eyes, antennae and kind gear
    const kind_look head{hex(0x6a5a52), hex(0x2e2420), hex(0x120c0a), k.under};
    blob(cr, p, 12.5, 0, 8, 4.6, 4.6, 4.4, kind == 4 ? kind_look{hex(0xb0b0bc), hex(0x6a6a78), hex(0x30303a), k.under} : head);
    for (int side = -1; side <= 1; side += 2) {
        pt base = project(p, 13.5, 2.0 * side, 11.5);
        pt tip = project(p, 19.5, 4.5 * side + (landing ? 3 * side : 0), 19.5);
        pt mid = project(p, 15, 3.5 * side, 18);
        cairo_move_to(cr, base.x, base.y);
        cairo_curve_to(cr, mid.x, mid.y, mid.x, mid.y, tip.x, tip.y);
        col(cr, hex(0x1a1210));
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
        cairo_arc(cr, tip.x, tip.y, 1.0, 0, 2 * pi);
        cairo_fill(cr);
        pt eye = project(p, 15.5, 2.4 * side, 9.2);
        pt hc = project(p, 12.5, 0, 8);
        if (eye.z - hc.z > -0.5) {
            ellipse(cr, eye.x, eye.y, 1.5, 1.7);
            col(cr, {1, 1, 1});
            cairo_fill(cr);
            pt pupil = project(p, 16.5, 2.5 * side, 9.0);
            cairo_arc(cr, pupil.x, pupil.y, 0.8, 0, 2 * pi);
            col(cr, hex(0x101010));
            cairo_fill(cr);
        }
    }
    if (kind == 2) {  // hard hat
        pt c = project(p, 12.5, 0, 11);
        ellipse(cr, c.x, c.y, 5.3, 2.8);
        col(cr, hex(0xffcc22));
        cairo_fill(cr);
        ellipse(cr, c.x, c.y + 1.2, 6.5, 1.1);
        col(cr, hex(0xd89a10));
        cairo_fill(cr);
        // a spanner held ahead, working with the walk cycle
        double swing = f < 20 ? 0.5 * std::sin(walk * 2) : 0;
        pt h0 = project(p, 15, -3, 5.5), h1 = project(p, 21 + 2 * std::cos(swing), -3, 5.5 + 5 * std::sin(swing));
        cairo_move_to(cr, h0.x, h0.y);
        cairo_line_to(cr, h1.x, h1.y);
        col(cr, hex(0x9aa4b0));
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        cairo_arc(cr, h1.x, h1.y, 1.8, 0, 2 * pi);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    if (kind == 3) {  // horn
        pt b = project(p, 15, 0, 11), t = project(p, 19.5, 0, 15);
        cairo_move_to(cr, b.x - 1.2, b.y);
        cairo_line_to(cr, t.x, t.y);
        cairo_line_to(cr, b.x + 1.2, b.y + 1);
        col(cr, hex(0xc8d0d8));
        cairo_fill(cr);
    }
    if (kind == 4) {  // cap with a cross
        pt c = project(p, 12, 0, 11.5);
        ellipse(cr, c.x, c.y, 4.2, 2.4);
        col(cr, {1, 1, 1});
        cairo_fill(cr);
        cairo_rectangle(cr, c.x - 1.6, c.y - 0.5, 3.2, 1);
        cairo_rectangle(cr, c.x - 0.5, c.y - 1.6, 1, 3.2);
        col(cr, hex(0xe02424));
        cairo_fill(cr);
    }
}

}  // namespace

void draw_beetles(sheet& s, const gfx_entry&) {
    for (int frame = 0; frame < 260; ++frame) {
        bool carrying = frame >= 208;
        int kind = carrying ? 1 : frame / 52 + 1;
        int dir = (frame % 52) / 26, f = frame % 26;
        cairo_t* cr = frame_cr(s, frame);
        if (dir == 0) {  // facing left: the same beetle mirrored
            cairo_translate(cr, 48, 0);
            cairo_scale(cr, -1, 1);
        }
        draw_beetle(cr, kind, f, carrying);
        cairo_destroy(cr);
    }
}

void draw_beetle_icon(cairo_t* cr, int kind, double cx, double cy, double k, bool carrying) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, k, k);
    cairo_translate(cr, -24, -24);
    draw_beetle(cr, kind, 5, carrying);
    cairo_restore(cr);
}

void draw_soul(cairo_t* cr) {
    // a pale, glowing beetle shape with a halo
    radial_glow(cr, 24, 26, 20, hex(0xbfe8ff), 0.45);
    ellipse(cr, 22, 28, 11, 7.5);
    col(cr, hex(0xe8f6ff), 0.75);
    cairo_fill(cr);
    cairo_arc(cr, 34, 29, 4, 0, 2 * pi);
    col(cr, hex(0xe8f6ff), 0.7);
    cairo_fill(cr);
    ellipse(cr, 24, 14, 7, 2.2);
    col(cr, hex(0xfff2a0), 0.9);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    col(cr, hex(0xe8f6ff), 0.5);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 16 + i * 6, 34);
        cairo_curve_to(cr, 15 + i * 6, 38, 18 + i * 6, 40, 16 + i * 6, 44);
        cairo_stroke(cr);
    }
}

}  // namespace gfx
