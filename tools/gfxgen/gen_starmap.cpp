// The star map of the planet and level selection: the map picture with its
// planets and panels, the route lines revealed piece by piece, the rotating
// star field, the flare and the jump marker.
#include <algorithm>
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"
#include "starmap_data.h"

namespace gfx {

namespace {

void planet_ball(cairo_t* cr, const planet& p) {
    double cx = (p.x1 + p.x2) / 2.0, cy = (p.y1 + p.y2) / 2.0;
    double r = std::min(p.x2 - p.x1, p.y2 - p.y1) / 2.0 - 1;
    rgb light, base, dark;
    if (p.set < 0) {
        light = hex(0xfff4c0), base = hex(0xf0a030), dark = hex(0x6a2a08);
        radial_glow(cr, cx, cy, r * 2.2, hex(0xffc060), 0.5);
    } else {
        const land_palette& pal = palette(p.set);
        light = mix(pal.top_light, {1, 1, 1}, 0.3), base = mix(pal.top_mid, pal.rock_mid, 0.4), dark = scale(pal.rock_dark, 0.7);
        radial_glow(cr, cx, cy, r * 1.6, pal.top_mid, 0.25);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(g, 0.55, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // surface bands
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_clip(cr);
    rng rr(hash_str(p.name));
    for (int i = 0; i < 4; ++i) {
        ellipse(cr, cx + rr.range(-r, r) * 0.6, cy + rr.range(-r, r) * 0.7, r * rr.range(0.3, 0.7), r * rr.range(0.08, 0.18));
        col(cr, p.set == 2 ? rgb{1, 1, 1} : light, 0.35);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (p.set == 1) {
        ellipse(cr, cx, cy, r * 1.5, r * 0.3);
        col(cr, light, 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void counter_plate(cairo_t* cr, double x, int what) {
    rounded_rect(cr, x, 24, 96, 36, 10);
    col(cr, hud_panel_dark, 0.75);
    cairo_fill_preserve(cr);
    col(cr, hud_accent, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    double ix = x + 16, iy = 42;
    if (what == 0) draw_mushroom_icon(cr, ix, iy - 2, 26, 0);
    else if (what == 1) draw_grub_icon(cr, ix, iy - 2, 26);
    else {
        cairo_arc(cr, ix, iy, 10, 0, 2 * pi);
        fill_vgrad(cr, iy - 10, iy + 10, hex(0xfff0a0), hex(0xb07810));
        col(cr, hex(0x5a3a08));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        col(cr, hex(0x7a5010));
        text_centred(cr, "G", ix, iy, 11, true);
    }
}

void map_picture(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    // faint nebula over the star field, mostly see-through
    for (int y = 0; y < 600; y += 2)
        for (int x = 0; x < 800; x += 2) {
            double n = fbm(x / 160.0, y / 160.0, 0, 0, 4, 1212);
            double a = std::clamp((n - 0.5) * 1.2, 0.0, 0.35);
            rgb c = mix(hex(0x3a2080), hex(0x1a6a7a), fbm(x / 300.0, y / 300.0, 0, 0, 2, 99));
            cairo_rectangle(cr, x, y, 2, 2);
            col(cr, c, a);
            cairo_fill(cr);
        }
    // faint hints of every route, so the map reads as a chart
    for (const segment& sg : segments) {
        const planet &a = planets[sg.from], &b = planets[sg.to];
        cairo_move_to(cr, (a.x1 + a.x2) / 2.0, (a.y1 + a.y2) / 2.0);
        cairo_line_to(cr, (b.x1 + b.x2) / 2.0, (b.y1 + b.y2) / 2.0);
    }
    for (int from : {6, 8, 9}) {
        const planet &a = planets[from], &b = planets[10];
        cairo_move_to(cr, (a.x1 + a.x2) / 2.0, (a.y1 + a.y2) / 2.0);
        cairo_line_to(cr, (b.x1 + b.x2) / 2.0, (b.y1 + b.y2) / 2.0);
    }
    const double dash[2] = {2, 6};
    cairo_set_dash(cr, dash, 2, 0);
    col(cr, {1, 1, 1}, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (const planet& p : planets) planet_ball(cr, p);
    // totals, level list frame, info panel and the back button
    counter_plate(cr, 22, 0);
    counter_plate(cr, 125, 1);
    counter_plate(cr, 228, 2);
    rounded_rect(cr, 12, 196, 176, 210, 12);
    col(cr, hud_panel_dark, 0.55);
    cairo_fill_preserve(cr);
    col(cr, hud_accent, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    rounded_rect(cr, 176, 246, 290, 108, 10);
    col(cr, hud_panel_dark, 0.6);
    cairo_fill_preserve(cr);
    col(cr, hud_accent, 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    hud_button(cr, 11, 541, 113, 38, "Back", 18, false, false);
    cairo_destroy(cr);
}

void route_lines(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    for (const segment& sg : segments) {
        const planet &a = planets[sg.from], &b = planets[sg.to];
        double ax = (a.x1 + a.x2) / 2.0 - lines_x, ay = (a.y1 + a.y2) / 2.0 - lines_y;
        double bx = (b.x1 + b.x2) / 2.0 - lines_x, by = (b.y1 + b.y2) / 2.0 - lines_y;
        cairo_save(cr);
        cairo_rectangle(cr, sg.x1 + 1, sg.y1 + 1, sg.x2 - sg.x1 - 2, sg.y2 - sg.y1 - 2);
        cairo_clip(cr);
        for (int pass = 0; pass < 3; ++pass) {
            cairo_move_to(cr, ax, ay);
            cairo_line_to(cr, bx, by);
            const double w[3] = {7, 3.5, 1.4};
            const double al[3] = {0.25, 0.7, 1};
            col(cr, pass == 2 ? rgb{1, 1, 1} : hud_glow, al[pass]);
            cairo_set_line_width(cr, w[pass]);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
        // chevrons along the way, pointing to the destination
        double len = std::hypot(bx - ax, by - ay), ux = (bx - ax) / len, uy = (by - ay) / len;
        for (double t = 0; t < len; t += 16) {
            double x = ax + ux * t, y = ay + uy * t;
            cairo_move_to(cr, x - ux * 4 - uy * 4, y - uy * 4 + ux * 4);
            cairo_line_to(cr, x, y);
            cairo_line_to(cr, x - ux * 4 + uy * 4, y - uy * 4 - ux * 4);
        }
        col(cr, hud_amber, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
}

void star_field(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    col(cr, hex(0x03030a));
    cairo_paint(cr);
    rng r(4040);
    const double c = s.cell_w / 2.0;
    for (int i = 0; i < 10; ++i)
        radial_glow(cr, r.range(0, s.cell_w), r.range(0, s.cell_h), r.range(100, 260),
                    mix(hex(0x402080), hex(0x105a70), r.uniform()), 0.18);
    for (int i = 0; i < 1600; ++i) {
        double a = r.range(0, 2 * pi), d = std::sqrt(r.uniform()) * c * 1.02, b = r.uniform();
        double x = c + std::cos(a) * d, y = c + std::sin(a) * d;
        if (b > 0.97) radial_glow(cr, x, y, 5, hex(0xd0e0ff), 0.5);
        cairo_arc(cr, x, y, 0.35 + b * b * 1.2, 0, 2 * pi);
        col(cr, mix(hex(0xffffff), r.uniform() < 0.5 ? hex(0xffd8a0) : hex(0xa0c8ff), r.uniform() * 0.6), 0.35 + 0.65 * b);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
}

void flare(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    // drawn additively behind the map: a soft light, not a sun
    radial_glow(cr, 256, 256, 256, hex(0xffb070), 0.3);
    radial_glow(cr, 256, 256, 70, hex(0xfff0d0), 0.5);
    for (int i = 0; i < 6; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 256, 256);
        cairo_rotate(cr, i * pi / 6 + 0.2);
        ellipse(cr, 0, 0, 250, 3);
        cairo_pattern_t* g = cairo_pattern_create_linear(-250, 0, 250, 0);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.8, 0);
        cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 0.95, 0.85, 0.18);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.8, 0);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
}

void launch_marker(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    radial_glow(cr, 24, 24, 24, hud_amber, 0.5);
    cairo_arc(cr, 24, 24, 15, 0, 2 * pi);
    col(cr, hud_amber);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        double a = i * pi / 2 + pi / 4;
        cairo_move_to(cr, 24 + std::cos(a) * 18, 24 + std::sin(a) * 18);
        cairo_line_to(cr, 24 + std::cos(a) * 23, 24 + std::sin(a) * 23);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 24, 13);
    cairo_line_to(cr, 31, 24);
    cairo_line_to(cr, 26, 24);
    cairo_line_to(cr, 26, 33);
    cairo_line_to(cr, 22, 33);
    cairo_line_to(cr, 22, 24);
    cairo_line_to(cr, 17, 24);
    cairo_close_path(cr);
    col(cr, {1, 1, 1});
    cairo_fill(cr);
    cairo_destroy(cr);
}

}  // namespace

void draw_starmap(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/hud/vorn/menuplanet.xtc") map_picture(s);
    else if (path == "gfx/hud/menuplanet_lines.xtc") route_lines(s);
    else if (path == "gfx/hud/vorn/stars_back.xtc") star_field(s);
    else if (path == "gfx/hud/vorn/flare.xtc") flare(s);
    else launch_marker(s);
}

}  // namespace gfx
