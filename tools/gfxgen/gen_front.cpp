// Main menu background, menu buttons and the game's logo.
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"

namespace gfx {

namespace {

void space(cairo_t* cr, int w, int h, std::uint64_t seed) {
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.02, 0.02, 0.08);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.08, 0.06, 0.2);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.1, 0.28);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    rng r(seed);
    for (int i = 0; i < 14; ++i)
        radial_glow(cr, r.range(0, w), r.range(0, h * 0.7), r.range(60, 160),
                    mix(hex(0x5030a0), hex(0x208090), r.uniform()), 0.12);
    for (int i = 0; i < 500; ++i) {
        double x = r.range(0, w), y = r.range(0, h), b = r.uniform();
        cairo_arc(cr, x, y, 0.4 + b * b * 1.3, 0, 2 * pi);
        col(cr, {1, 1, 1}, 0.3 + 0.7 * b);
        cairo_fill(cr);
    }
}

void title(cairo_t* cr, double cx, double cy, double size, double max_w) {
    cairo_save(cr);
    oval_glow(cr, cx, cy, size * 4.5, size * 1.3, hex(0x40d0c0), 0.25);
    size = fit_size(cr, "The Zembra Zeri", size, max_w, true);
    text_outline_centred(cr, "The Zembra Zeri", cx, cy, size, hex(0xfff4b0), hex(0xf08a20), hex(0x1a0c04), size * 0.16);
    cairo_restore(cr);
}

void logo(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    oval_glow(cr, 280, 100, 275, 98, hex(0x3060c0), 0.35);
    draw_beetle_icon(cr, 1, 280, 40, 1.6, false);
    title(cr, 280, 110, 56, 520);
    col(cr, hud_glow, 0.8);
    text_centred(cr, "a colony of beetles far from home", 280, 158, 15, false);
    cairo_destroy(cr);
}

void menu_background(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    space(cr, 800, 600, 321);
    // the planet's rim along the bottom of the screen
    ellipse(cr, 400, 1050, 900, 520);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 530, 0, 600);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.25, 0.55, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.15, 0.1);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    col(cr, hex(0x9affd0), 0.6);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // a big moon behind the title
    cairo_arc(cr, 130, 150, 90, 0, 2 * pi);
    fill_vgrad(cr, 60, 240, hex(0x8a7ab0), hex(0x2a2040));
    cairo_new_path(cr);
    rng r(77);
    for (int i = 0; i < 9; ++i) {
        double a = r.range(0, 2 * pi), d = r.range(0, 70);
        cairo_arc(cr, 130 + std::cos(a) * d, 150 + std::sin(a) * d, r.range(5, 14), 0, 2 * pi);
        col(cr, hex(0x1a1430), 0.35);
        cairo_fill(cr);
    }
    // the saucer hovering over the colony
    cairo_move_to(cr, 620, 250);
    cairo_line_to(cr, 700, 250);
    cairo_line_to(cr, 770, 560);
    cairo_line_to(cr, 550, 560);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(0, 250, 0, 540);
    cairo_pattern_add_color_stop_rgba(beam, 0, 0.7, 1, 0.95, 0.35);
    cairo_pattern_add_color_stop_rgba(beam, 1, 0.7, 1, 0.95, 0);
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
    draw_ufo_frame(cr, 660, 240, 1.3, 0.6);
    // the colony walks along the rim, below the buttons
    for (int i = 0; i < 4; ++i) {
        double x = 585 + i * 44, rim = 1050 - 520 * std::sqrt(1 - std::pow((x - 400) / 900, 2));
        draw_beetle_icon(cr, 1 + i, x, rim - 13, 1.0, false);
    }
    title(cr, 430, 120, 64, 640);
    col(cr, hud_glow, 0.85);
    text_centred(cr, "Guide the colony. Gather the fuel. Find the way home.", 430, 185, 16, false);
    cairo_destroy(cr);
}

}  // namespace

void draw_front(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/hud/logo1.xtc") return logo(s);
    if (path == "gfx/hud/vorn/menu.xtc") return menu_background(s);
    const char* captions[12] = {"New game", "New game", "Continue", "Continue", "Exit",    "Exit",
                                "Options",  "Options",  "",         "Results",  "Go!",     "Go!"};
    for (int f = 0; f < 12; ++f) {
        cairo_t* cr = frame_cr(s, f);
        if (f == 9) {  // the results title plaque
            hud_button(cr, 20, 14, 280, 70, captions[f], 34, false, false);
        } else if (f >= 10) {
            hud_button(cr, 8, 12, 300, 76, captions[f], 38, f == 11, f == 10);
        } else {
            hud_button(cr, 8, 6, 302, 78, captions[f], 32, f % 2 == 1, false);
        }
        cairo_destroy(cr);
    }
}

}  // namespace gfx
