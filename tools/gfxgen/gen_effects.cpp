// Effect pictures: glow, dust, sparkles, explosion, bubbles, the tractor beam
// slice, snow flake and speech bubbles.
#include <algorithm>
#include <cmath>
#include <string>

#include "generators.h"

namespace gfx {

namespace {

void beam_slice(sheet& s) {
    // drawn 151 times a pixel apart, so each slice is faint
    for (int x = 0; x < s.cell_w; ++x) {
        double t = (x + 0.5) / s.cell_w * 2 - 1;
        double a = std::pow(std::max(0.0, 1 - t * t), 1.5) * 0.22;
        for (int y = 0; y < s.cell_h; ++y) put_pixel(s.surface, x, y, mix(hex(0xb0fff0), {1, 1, 1}, 1 - std::abs(t)), a);
    }
    cairo_surface_mark_dirty(s.surface);
}

void explosion(sheet& s) {
    // drawn additively and scaled up: a white-hot core that swells, turns
    // orange and breaks into fading wisps
    for (int f = 0; f < 41; ++f) {
        double t = f / 40.0;
        cairo_t* cr = frame_cr(s, f);
        double rad = 6 + 24 * std::sqrt(t);
        double fade = t < 0.15 ? 1 : std::max(0.0, 1 - (t - 0.15) / 0.85);
        rgb core = mix(hex(0xfffff0), hex(0xff7a20), std::min(1.0, t * 2.2));
        rgb edge = mix(hex(0xffb040), hex(0x802008), t);
        cairo_pattern_t* g = cairo_pattern_create_radial(32, 32, 0, 32, 32, rad);
        cairo_pattern_add_color_stop_rgba(g, 0, core.r, core.g, core.b, fade);
        cairo_pattern_add_color_stop_rgba(g, 0.5, edge.r, edge.g, edge.b, fade * 0.7);
        cairo_pattern_add_color_stop_rgba(g, 1, edge.r, edge.g, edge.b, 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, 32, 32, rad, 0, 2 * pi);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        rng r(9100);
        for (int i = 0; i < 14; ++i) {
            double a = r.range(0, 2 * pi), sp = r.range(0.5, 1.0);
            double d = rad * 0.9 * sp + 4;
            double pr = r.range(2, 5) * (1 - t * 0.6);
            radial_glow(cr, 32 + std::cos(a) * d, 32 + std::sin(a) * d, pr * 2, edge, fade * 0.8);
        }
        if (f < 6) radial_glow(cr, 32, 32, 30, {1, 1, 1}, 0.9 - f * 0.15);
        cairo_destroy(cr);
    }
}

void bubble(sheet& s) {
    for (int f = 0; f < s.frames; ++f) {
        cairo_t* cr = frame_cr(s, f);
        double ph = 2 * pi * (f % 19) / 19.0;
        double rx = 27 + 1.2 * std::sin(ph), ry = 27 - 1.2 * std::sin(ph);
        ellipse(cr, 32, 29, rx, ry);
        cairo_pattern_t* g = cairo_pattern_create_radial(32, 29, rx * 0.5, 32, 29, rx);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.7, 0.9, 1, 0.05);
        cairo_pattern_add_color_stop_rgba(g, 0.85, 0.6, 0.85, 1, 0.25);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.95, 1, 0.7);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        // a rainbow sheen that slides round the rim
        cairo_arc(cr, 32, 29, rx - 2, ph, ph + 1.4);
        col(cr, hex(0xffa0e0), 0.5);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_arc(cr, 32, 29, rx - 2, ph + 1.4, ph + 2.6);
        col(cr, hex(0xa0ffd0), 0.45);
        cairo_stroke(cr);
        ellipse(cr, 22, 17, 6, 3.5);
        col(cr, {1, 1, 1}, 0.75);
        cairo_fill(cr);
        cairo_destroy(cr);
    }
}

void twinkle(cairo_t* cr, double cx, double cy, double r, rgb c) {
    radial_glow(cr, cx, cy, r, c, 0.6);
    star_path(cr, cx, cy, r * 0.95, r * 0.18, 4, 0);
    col(cr, mix(c, {1, 1, 1}, 0.6), 0.95);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.16, 0, 2 * pi);
    col(cr, {1, 1, 1});
    cairo_fill(cr);
}

void flake(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    radial_glow(cr, 8, 8, 8, {1, 1, 1}, 0.7);
    cairo_set_line_width(cr, 1);
    col(cr, {1, 1, 1}, 0.9);
    for (int i = 0; i < 3; ++i) {
        double a = i * pi / 3;
        cairo_move_to(cr, 8 - 5 * std::cos(a), 8 - 5 * std::sin(a));
        cairo_line_to(cr, 8 + 5 * std::cos(a), 8 + 5 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void speech(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    rounded_rect(cr, 2, 2, 60, 38, 12);
    cairo_move_to(cr, 14, 38);
    cairo_line_to(cr, 8, 52);
    cairo_line_to(cr, 24, 39);
    fill_vgrad(cr, 2, 52, hex(0xffffff), hex(0xd8e4f0));
    col(cr, hex(0x2a3a4a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void talk_icons(sheet& s) {
    for (int f = 0; f < 4; ++f) {
        cairo_t* cr = frame_cr(s, f);
        if (f == 0) draw_mushroom_icon(cr, 12, 11, 20, 0);
        if (f == 1) draw_grub_icon(cr, 12, 11, 22);
        if (f == 2) {  // unused slot: a plain question dot
            cairo_arc(cr, 12, 12, 5, 0, 2 * pi);
            col(cr, hex(0x8090a0));
            cairo_fill(cr);
        }
        if (f == 3) {  // Dence Balls: three glossy spheres
            const double b[3][2] = {{8, 15}, {16, 15}, {12, 8}};
            for (const auto& p : b) {
                cairo_arc(cr, p[0], p[1], 4.5, 0, 2 * pi);
                cairo_pattern_t* g = cairo_pattern_create_radial(p[0] - 1.5, p[1] - 1.5, 0.5, p[0], p[1], 4.5);
                cairo_pattern_add_color_stop_rgb(g, 0, 0.9, 0.97, 1);
                cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.45, 0.85);
                cairo_set_source(cr, g);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
            }
        }
        cairo_destroy(cr);
    }
}

}  // namespace

void draw_effects(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/ufolight.xtc") return beam_slice(s);
    if (path == "gfx/boomstrip.xtc") return explosion(s);
    if (path == "gfx/bubble.xtc") return bubble(s);
    if (path == "gfx/hud/point.xtc") return flake(s);
    if (path == "gfx/talk1.xtc") return speech(s);
    if (path == "gfx/talkicons.xtc") return talk_icons(s);
    cairo_t* cr = cairo_create(s.surface);
    if (path == "gfx/particle.xtc") {
        radial_glow(cr, 32, 32, 32, hex(0xfff4d8), 1.0);
    } else if (path == "gfx/smoke.xtc") {
        // drawn additively in the light colour: a soft, lumpy grey puff
        cairo_surface_flush(s.surface);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                double d = std::hypot(x - 15.5, y - 15.5) / 16;
                double n = fbm(x / 6.0, y / 6.0, 0, 0, 3, 31);
                double a = std::clamp(1 - d * (1.1 - 0.5 * n), 0.0, 1.0);
                put_pixel(s.surface, x, y, hex(0x8a8070), a * a * 0.8);
            }
        cairo_surface_mark_dirty(s.surface);
    } else if (path == "gfx/star.xtc") {
        const rgb sets[3] = {hex(0xfff0b0), hex(0x90d0ff), hex(0xc8ffff)};
        for (int f = 0; f < 3; ++f) {
            cairo_save(cr);
            cairo_translate(cr, f * 24, 0);
            twinkle(cr, 12, 12, 11, sets[f]);
            cairo_restore(cr);
        }
    } else if (path == "gfx/hud/star.xtc") {
        twinkle(cr, 16, 16, 15, hex(0xd0e4ff));
    }
    cairo_destroy(cr);
}

}  // namespace gfx
