// Mission results backgrounds and titles, the game-over picture and the
// picture for reaching the last planet.
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"

namespace gfx {

namespace {

void sky(cairo_t* cr, double w, double h, rgb top, rgb bottom) {
    cairo_rectangle(cr, 0, 0, w, h);
    fill_vgrad(cr, 0, h, top, bottom);
    cairo_new_path(cr);
}

void ground(cairo_t* cr, double w, double y, rgb c, std::uint64_t seed) {
    cairo_move_to(cr, 0, 600);
    for (int x = 0; x <= w; x += 4) cairo_line_to(cr, x, y + 40 * fbm(x / 120.0, 0.3, 0, 0, 4, seed) - 20);
    cairo_line_to(cr, w, 600);
    cairo_close_path(cr);
    fill_vgrad(cr, y - 20, y + 160, c, scale(c, 0.4));
    cairo_new_path(cr);
}

void stars(cairo_t* cr, double w, double h, int n, std::uint64_t seed) {
    rng r(seed);
    for (int i = 0; i < n; ++i) {
        cairo_arc(cr, r.range(0, w), r.range(0, h), r.range(0.4, 1.4), 0, 2 * pi);
        col(cr, {1, 1, 1}, r.range(0.3, 0.9));
        cairo_fill(cr);
    }
}

void result_scene(sheet& s, int which) {
    cairo_t* cr = cairo_create(s.surface);
    const double w = 800, h = 525;
    if (which == 3) {  // success: the saucer lifts off in daylight
        sky(cr, w, h, hex(0x3a7ad0), hex(0xf0e0b0));
        radial_glow(cr, 640, 120, 200, hex(0xfff0a0), 0.6);
        ground(cr, w, 400, hex(0x4a8a34), 31);
        cairo_move_to(cr, 600, 180);
        cairo_line_to(cr, 680, 180);
        cairo_line_to(cr, 720, 420);
        cairo_line_to(cr, 560, 420);
        cairo_close_path(cr);
        col(cr, hex(0xc0fff0), 0.25);
        cairo_fill(cr);
        draw_ufo_frame(cr, 640, 170, 1.2, 1.0);
        for (int i = 0; i < 4; ++i) draw_beetle_icon(cr, 1 + i, 560 + i * 50, 395 - 6 * (i % 2), 1.2, i == 0);
        for (int i = 0; i < 3; ++i) draw_mushroom_icon(cr, 500 + i * 110, 430, 30, i);
    } else if (which == 2) {  // failed: grey rain, the saucer waits in vain
        sky(cr, w, h, hex(0x2a3440), hex(0x6a7480));
        ground(cr, w, 410, hex(0x3a4438), 32);
        draw_ufo_frame(cr, 640, 250, 1.1, 3.0);
        rng r(33);
        cairo_set_line_width(cr, 1);
        for (int i = 0; i < 260; ++i) {
            double x = r.range(0, w), y = r.range(0, h);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x - 3, y + 14);
            col(cr, hex(0xc0d0e0), 0.35);
            cairo_stroke(cr);
        }
    } else {  // lost: night, souls drifting up from the fallen colony
        sky(cr, w, h, hex(0x0a0a1e), hex(0x3a2050));
        stars(cr, w, h * 0.7, 160, 34);
        ground(cr, w, 420, hex(0x2a2030), 35);
        for (int i = 0; i < 6; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 500 + i * 48, 340 - (i % 3) * 70);
            cairo_rotate(cr, (i % 2 ? 1 : -1) * 0.2);
            cairo_translate(cr, -24, -24);
            draw_soul(cr);
            cairo_restore(cr);
        }
    }
    // the tally panel sits on the left: keep that side calm
    cairo_rectangle(cr, 0, 0, 470, h);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 470, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_destroy(cr);
}

void titles(sheet& s) {
    // shown at (550, 520) beside the tally panel, which covers the frame's
    // left 150 pixels: the lettering keeps to the right part
    const double cx = 312, max_w = 318;
    for (int f = 0; f < 2; ++f) {
        cairo_t* cr = frame_cr(s, f);
        const char* text = f == 0 ? "Mission Complete!" : "Mission Failed";
        oval_glow(cr, cx, 60, 165, 56, f == 0 ? hex(0xffe080) : hex(0xff6040), 0.35);
        double size = fit_size(cr, text, 50, max_w, true);
        if (f == 0) text_outline_centred(cr, text, cx, 60, size, hex(0xfffbe0), hex(0xf0a020), hex(0x2a1404), 7);
        else text_outline_centred(cr, text, cx, 60, size, hex(0xffe0d8), hex(0xd03020), hex(0x200404), 7);
        cairo_destroy(cr);
    }
}

void game_over(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    oval_glow(cr, 320, 160, 318, 158, hex(0x802020), 0.4);
    draw_ufo_frame(cr, 320, 250, 0.9, 2.0);
    double size = fit_size(cr, "GAME OVER", 88, 580, true);
    text_outline_centred(cr, "GAME OVER", 320, 120, size, hex(0xffe8c0), hex(0xc02818), hex(0x180404), 10);
    col(cr, hex(0xd8e0e8));
    text_centred(cr, "The colony has no way left to go.", 320, 200, 20, false);
    cairo_destroy(cr);
}

void victory(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    sky(cr, 800, 600, hex(0x0a0820), hex(0x5a2a40));
    stars(cr, 800, 600, 300, 90);
    radial_glow(cr, 400, 700, 560, hex(0xffb040), 0.7);
    ellipse(cr, 400, 880, 620, 420);
    fill_vgrad(cr, 460, 900, hex(0xffd070), hex(0x8a3a10));
    cairo_new_path(cr);
    cairo_move_to(cr, 360, 300);
    cairo_line_to(cr, 440, 300);
    cairo_line_to(cr, 520, 470);
    cairo_line_to(cr, 280, 470);
    cairo_close_path(cr);
    col(cr, hex(0xfff0c0), 0.25);
    cairo_fill(cr);
    draw_ufo_frame(cr, 400, 290, 1.6, 0.3);
    text_outline_centred(cr, "Home at last!", 400, 120, 64, hex(0xfffbe0), hex(0xf0a020), hex(0x2a1404), 9);
    col(cr, hex(0xffe8c0));
    text_centred(cr, "The colony has reached Zembra.", 400, 185, 22, false);
    for (int i = 0; i < 5; ++i) draw_beetle_icon(cr, 1 + i % 4, 250 + i * 75, 505 - 8 * (i % 2), 1.4, false);
    cairo_destroy(cr);
}

}  // namespace

void draw_results(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/hud/Vorn/texts.xtc") titles(s);
    else if (path == "gfx/hud/Vorn/go_text.xtc") game_over(s);
    else if (path == "gfx/hud/Vorn/victory.xtc") victory(s);
    else result_scene(s, path[path.size() - 5] - '0');
}

}  // namespace gfx
