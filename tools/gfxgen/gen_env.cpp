// Sky planes, haze, far mountains, suns and rain (gfx/env/).
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "generators.h"

namespace gfx {

namespace {

double smooth(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void day_sky(sheet& s) {
    const int w = s.cell_w, h = s.cell_h;
    const rgb top = hex(0x3a78c8), mid = hex(0x7ab4e8), low = hex(0xe4f0f4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double t = y / double(h - 1);
            rgb c = t < 0.6 ? mix(top, mid, t / 0.6) : mix(mid, low, (t - 0.6) / 0.4);
            double cloud = fbm(x / 120.0, y / 50.0, 0, 0, 5, 77);
            double k = smooth(0.52, 0.75, cloud) * (0.35 + 0.65 * smooth(0.0, 0.5, t));
            c = mix(c, mix(hex(0xffffff), hex(0xc8d8e8), smooth(0.6, 0.9, cloud)), k * 0.85);
            put_pixel(s.surface, x, y, c, 1);
        }
    cairo_surface_mark_dirty(s.surface);
}

void night_sky(sheet& s) {
    const int w = s.cell_w, h = s.cell_h;
    const rgb top = hex(0x070a1e), mid = hex(0x1c2050), low = hex(0x4a4a80);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double t = y / double(h - 1);
            rgb c = t < 0.7 ? mix(top, mid, t / 0.7) : mix(mid, low, (t - 0.7) / 0.3);
            // a faint aurora band
            double band = std::exp(-std::pow((y - 180 - 60 * std::sin(x / 140.0)) / 50.0, 2));
            double n = fbm(x / 60.0, y / 200.0, 0, 0, 3, 12);
            c = mix(c, hex(0x4af0b0), band * n * 0.35);
            put_pixel(s.surface, x, y, c, 1);
        }
    cairo_surface_mark_dirty(s.surface);
    cairo_t* cr = cairo_create(s.surface);
    rng r(55);
    for (int i = 0; i < 420; ++i) {
        double x = r.range(0, w), y = r.range(0, h * 0.8), b = r.uniform();
        double rad = 0.4 + b * b * 1.2;
        if (b > 0.9) radial_glow(cr, x, y, rad * 4, hex(0xc8d8ff), 0.35);
        cairo_arc(cr, x, y, rad, 0, 2 * pi);
        col(cr, mix(hex(0xffffff), hex(0xffe8c0), r.uniform()), 0.4 + 0.6 * b);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
}

void haze(sheet& s, int layer) {
    const int w = s.cell_w, h = s.cell_h;
    const int cells = 12;  // lattice cells across the width: the band repeats every 900 pixels
    const double cw = w / double(cells);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double n = fbm(x / cw, y / (cw * 0.5), cells, 0, 5, 400 + layer);
            double env = std::sin(pi * y / h);
            env = env * env;
            double a = smooth(0.35, 0.75, n) * env * (0.55 - 0.1 * layer);
            rgb c = mix(hex(0xffffff), hex(0xc0d4e8), y / double(h));
            put_pixel(s.surface, x, y, c, a);
        }
    cairo_surface_mark_dirty(s.surface);
}

void mountains(sheet& s, int set) {
    const land_palette& p = palette(set);
    cairo_t* cr = cairo_create(s.surface);
    const int w = s.cell_w, h = s.cell_h;
    for (int layer = 0; layer < 3; ++layer) {
        double base = 40 + layer * 45;
        rgb c = mix(mix(p.sky_top, p.rock_mid, 0.45), scale(p.rock_dark, 1.1), layer / 2.0);
        if (set == 0) c = mix(c, hex(0x2a5a3a), 0.4 + 0.2 * layer);
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= w; x += 2) {
            double n = fbm(x / 90.0, layer * 3.3, 0, 0, 4, 600 + set * 10 + layer);
            double y = base + (set == 1 ? 30 : 70) * (1 - n) * (1.3 - layer * 0.3);
            if (set == 1) y -= std::pow(std::max(0.0, std::sin(x / 37.0 + layer) * std::sin(x / 91.0)), 8) * 60;
            cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        fill_vgrad(cr, base, h, c, scale(c, 0.75));
        cairo_new_path(cr);
        if (set == 2 && layer < 2) {  // snow caps: lighten the upper part of the ridge
            cairo_move_to(cr, 0, h);
            for (int x = 0; x <= w; x += 2) {
                double n = fbm(x / 90.0, layer * 3.3, 0, 0, 4, 600 + set * 10 + layer);
                cairo_line_to(cr, x, base + 70 * (1 - n) * (1.3 - layer * 0.3));
            }
            cairo_line_to(cr, w, h);
            cairo_close_path(cr);
            cairo_pattern_t* g = cairo_pattern_create_linear(0, base, 0, base + 120);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.85);
            cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
        if (set == 0 && layer == 2) {  // a fringe of trees on the nearest ridge
            rng r(610);
            for (int x = 0; x < w; x += 7) {
                double n = fbm(x / 90.0, layer * 3.3, 0, 0, 4, 600 + set * 10 + layer);
                double y = base + 70 * (1 - n) * (1.3 - layer * 0.3);
                double th = r.range(10, 22);
                cairo_move_to(cr, x - 4, y + 3);
                cairo_line_to(cr, x, y - th);
                cairo_line_to(cr, x + 4, y + 3);
                col(cr, scale(c, 0.8));
                cairo_fill(cr);
            }
        }
        if (set == 1 && layer == 1) {  // crystal spires glinting
            rng r(620);
            for (int i = 0; i < 9; ++i) {
                double x = r.range(0, w), y = r.range(110, 160), hh = r.range(30, 70);
                cairo_move_to(cr, x - 6, y + 20);
                cairo_line_to(cr, x, y - hh);
                cairo_line_to(cr, x + 6, y + 20);
                col(cr, mix(p.accent, c, 0.55), 0.9);
                cairo_fill(cr);
            }
        }
    }
    cairo_destroy(cr);
}

void sun(sheet& s, int set) {
    cairo_t* cr = cairo_create(s.surface);
    const double c = s.cell_w / 2.0;
    if (set == 1) {  // a ringed giant instead of a sun
        radial_glow(cr, c, c, c, hex(0xff90d0), 0.5);
        cairo_arc(cr, c, c, 42, 0, 2 * pi);
        fill_vgrad(cr, c - 42, c + 42, hex(0xffd0f0), hex(0x9040a0));
        cairo_new_path(cr);
        ellipse(cr, c, c, 80, 16);
        col(cr, hex(0xffe0f8), 0.8);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    } else {
        // drawn additively at half strength: a small hot core in a wide corona
        rgb glow = set == 0 ? hex(0xffc860) : hex(0xd8ecff);
        radial_glow(cr, c, c, c, glow, 0.45);
        radial_glow(cr, c, c, 48, mix(glow, {1, 1, 1}, 0.5), 0.8);
        cairo_arc(cr, c, c, set == 0 ? 20 : 16, 0, 2 * pi);
        col(cr, set == 0 ? hex(0xfff8d8) : hex(0xffffff));
        cairo_fill(cr);
    }
    cairo_destroy(cr);
}

void raindrops(sheet& s) {
    for (int f = 0; f < 3; ++f) {
        cairo_t* cr = frame_cr(s, f);
        double k = 1 + f * 0.5;
        ellipse(cr, 4, 6.5, 1.5 * k, 0.8);
        col(cr, hex(0xd8ecff), 0.7);
        cairo_fill(cr);
        for (int i = -1; i <= 1; ++i) {
            cairo_arc(cr, 4 + i * 1.6 * k, 5.5 - k * (1.2 - std::abs(i) * 0.4), 0.6, 0, 2 * pi);
            col(cr, hex(0xeaf4ff), 0.85);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
    }
}

void rain(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    cairo_move_to(cr, 5.5, 1);
    cairo_line_to(cr, 2.5, 31);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 32);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.85, 0.92, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.85, 0.92, 1, 0.8);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    cairo_destroy(cr);
}

}  // namespace

void draw_env(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    auto has = [&](const char* t) { return path.find(t) != std::string::npos; };
    if (has("bplane1")) day_sky(s);
    else if (has("bplane2")) night_sky(s);
    else if (has("haze_")) haze(s, path[path.size() - 5] - '1');
    else if (has("mplane")) mountains(s, e.env_set);
    else if (has("sun")) sun(s, e.env_set);
    else if (has("raindrops")) raindrops(s);
    else if (has("rain")) rain(s);
}

}  // namespace gfx
