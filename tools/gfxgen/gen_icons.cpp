// Tool icons (gfx/hud/icons.xtc, frame = tool number; 9 lesson, 10 menu) and
// the two panel tab badges (gfx/hud/build_star.xtc).
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"

namespace gfx {

namespace {

void outline(cairo_t* cr, double w = 1.5) {
    col(cr, hex(0x081014));
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
}

void arrow_path(cairo_t* cr, double x0, double x1, double y, double h) {
    double dir = x1 > x0 ? 1 : -1, head = 10 * dir;
    cairo_move_to(cr, x0, y - h / 2);
    cairo_line_to(cr, x1 - head, y - h / 2);
    cairo_line_to(cr, x1 - head, y - h);
    cairo_line_to(cr, x1, y);
    cairo_line_to(cr, x1 - head, y + h);
    cairo_line_to(cr, x1 - head, y + h / 2);
    cairo_line_to(cr, x0, y + h / 2);
    cairo_close_path(cr);
}

void icon(cairo_t* cr, int tool) {
    const rgb wood = hex(0xc8904a), green = hex(0x7ae05a);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (tool) {
        case 0:  // bridge
            cairo_move_to(cr, 10, 26);
            cairo_curve_to(cr, 22, 34, 42, 34, 54, 26);
            col(cr, hex(0xe8d0a0));
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            for (int i = 0; i < 5; ++i) {
                rounded_rect(cr, 10 + i * 9, 34, 8, 8, 1.5);
                fill_vgrad(cr, 34, 42, wood, scale(wood, 0.55));
                outline(cr, 1);
            }
            for (double x : {10.0, 54.0}) {
                cairo_rectangle(cr, x - 2, 22, 4, 22);
                col(cr, scale(wood, 0.6));
                cairo_fill(cr);
            }
            break;
        case 1:  // gravitation elevator
            cairo_rectangle(cr, 24, 14, 16, 32);
            col(cr, hex(0x7ff4ff), 0.45);
            cairo_fill(cr);
            arrow_path(cr, 0, 0, 0, 0);
            cairo_new_path(cr);
            cairo_move_to(cr, 32, 12);
            cairo_line_to(cr, 42, 24);
            cairo_line_to(cr, 36, 24);
            cairo_line_to(cr, 36, 40);
            cairo_line_to(cr, 28, 40);
            cairo_line_to(cr, 28, 24);
            cairo_line_to(cr, 22, 24);
            cairo_close_path(cr);
            fill_vgrad(cr, 12, 40, hex(0xffffff), hex(0x36c8e8));
            outline(cr);
            for (double y : {10.0, 46.0}) {
                rounded_rect(cr, 16, y, 32, 6, 2);
                fill_vgrad(cr, y, y + 6, hex(0xc4d2e0), hex(0x4a5668));
                outline(cr, 1);
            }
            break;
        case 2:  // boring: a drill bit
            cairo_move_to(cr, 14, 26);
            cairo_line_to(cr, 34, 26);
            cairo_line_to(cr, 54, 32);
            cairo_line_to(cr, 34, 38);
            cairo_line_to(cr, 14, 38);
            cairo_close_path(cr);
            fill_vgrad(cr, 26, 38, hex(0xfff0b0), hex(0xb08020));
            outline(cr);
            cairo_set_line_width(cr, 1.5);
            col(cr, hex(0x6a4a10));
            for (int i = 0; i < 4; ++i) {
                cairo_move_to(cr, 20 + i * 8, 26);
                cairo_line_to(cr, 26 + i * 8, 38);
            }
            cairo_stroke(cr);
            rounded_rect(cr, 8, 24, 8, 16, 2);
            fill_vgrad(cr, 24, 40, hex(0x9aaabb), hex(0x3a4656));
            outline(cr, 1);
            break;
        case 3:  // insect trap: a cage round a maggot
            draw_grub_icon(cr, 32, 34, 30);
            cairo_set_line_width(cr, 2);
            col(cr, hex(0xd0d8e0));
            for (int i = 0; i < 6; ++i) {
                cairo_move_to(cr, 14 + i * 7.2, 18);
                cairo_line_to(cr, 14 + i * 7.2, 48);
            }
            cairo_stroke(cr);
            cairo_move_to(cr, 12, 18);
            cairo_curve_to(cr, 16, 6, 48, 6, 52, 18);
            cairo_stroke(cr);
            cairo_rectangle(cr, 10, 47, 44, 4);
            col(cr, hex(0x8090a0));
            cairo_fill(cr);
            break;
        case 4:  // dynamite
            cairo_save(cr);
            cairo_translate(cr, 32, 36);
            cairo_rotate(cr, -0.35);
            for (int i = 0; i < 3; ++i) {
                rounded_rect(cr, -11 + i * 7.5, -14, 7, 26, 2);
                fill_vgrad(cr, -14, 12, hex(0xff6a50), hex(0x8a1810));
                outline(cr, 1);
            }
            cairo_move_to(cr, 0, -14);
            cairo_curve_to(cr, 4, -20, -4, -24, 3, -28);
            col(cr, hex(0x2a2a2a));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
            radial_glow(cr, 3, -28, 7, hex(0xffe060), 1);
            cairo_restore(cr);
            break;
        case 5:  // shock-absorber
            cairo_move_to(cr, 32, 26);
            for (int i = 0; i < 7; ++i) cairo_line_to(cr, (i % 2) ? 22 : 42, 28 + i * 3);
            col(cr, hex(0xe0e0d0));
            cairo_set_line_width(cr, 2.4);
            cairo_stroke(cr);
            rounded_rect(cr, 16, 16, 32, 10, 5);
            fill_vgrad(cr, 16, 26, hex(0xff8a5a), hex(0xa83018));
            outline(cr);
            rounded_rect(cr, 14, 46, 36, 6, 2);
            fill_vgrad(cr, 46, 52, hex(0x9aaabb), hex(0x3a4656));
            outline(cr, 1);
            break;
        case 9:  // lesson: an open book
            for (int side = -1; side <= 1; side += 2) {
                cairo_move_to(cr, 32, 20);
                cairo_curve_to(cr, 32 + side * 8, 15, 32 + side * 16, 15, 32 + side * 22, 18);
                cairo_line_to(cr, 32 + side * 22, 46);
                cairo_curve_to(cr, 32 + side * 16, 43, 32 + side * 8, 43, 32, 48);
                cairo_close_path(cr);
                fill_vgrad(cr, 15, 48, hex(0xfffaf0), hex(0xd8ccb0));
                outline(cr, 1.2);
                for (int l = 0; l < 4; ++l) {
                    cairo_move_to(cr, 32 + side * 5, 25 + l * 5);
                    cairo_line_to(cr, 32 + side * 18, 24 + l * 5);
                }
                col(cr, hex(0x6a7a8a));
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
            break;
        case 10:  // menu: three bars
            for (int i = 0; i < 3; ++i) {
                rounded_rect(cr, 18, 21 + i * 9, 28, 5, 2.5);
                fill_vgrad(cr, 21 + i * 9, 26 + i * 9, hex(0xffffff), hud_accent);
                outline(cr, 1);
            }
            break;
        case 11:  // plan cleaner: an eraser over a blueprint
            rounded_rect(cr, 12, 14, 36, 30, 3);
            col(cr, hex(0x2a5aa0));
            cairo_fill(cr);
            col(cr, hex(0xa8d0ff), 0.7);
            cairo_set_line_width(cr, 1);
            for (int i = 1; i < 4; ++i) {
                cairo_move_to(cr, 12 + i * 9, 14);
                cairo_line_to(cr, 12 + i * 9, 44);
            }
            cairo_stroke(cr);
            cairo_save(cr);
            cairo_translate(cr, 38, 40);
            cairo_rotate(cr, -0.6);
            rounded_rect(cr, -12, -6, 24, 12, 2);
            fill_vgrad(cr, -6, 6, hex(0xffa0b0), hex(0xc04060));
            outline(cr);
            cairo_restore(cr);
            break;
        case 12: draw_beetle_icon(cr, 2, 32, 30, 1.25, false); break;
        case 13: draw_beetle_icon(cr, 3, 32, 30, 1.25, false); break;
        case 14: draw_beetle_icon(cr, 4, 32, 30, 1.25, false); break;
        case 15: draw_beetle_icon(cr, 1, 32, 30, 1.25, true); break;
        case 16:  // navigation
            arrow_path(cr, 30, 10, 24, 8);
            fill_vgrad(cr, 16, 32, hex(0xd8ffc0), green);
            outline(cr);
            arrow_path(cr, 34, 54, 40, 8);
            fill_vgrad(cr, 32, 48, hex(0xd8ffc0), green);
            outline(cr);
            break;
        case 17:  // urgent turn
            cairo_arc(cr, 32, 32, 13, pi * 0.15, pi * 1.25);
            col(cr, hex(0x081014));
            cairo_set_line_width(cr, 9);
            cairo_stroke(cr);
            cairo_arc(cr, 32, 32, 13, pi * 0.15, pi * 1.25);
            col(cr, hex(0xffd060));
            cairo_set_line_width(cr, 6);
            cairo_stroke(cr);
            cairo_move_to(cr, 38, 50);
            cairo_line_to(cr, 50, 36);
            cairo_line_to(cr, 33, 36);
            cairo_close_path(cr);
            col(cr, hex(0xffd060));
            cairo_fill_preserve(cr);
            outline(cr);
            break;
        case 19: {  // Dence Balls
            const double b[3][2] = {{22, 40}, {42, 40}, {32, 23}};
            for (const auto& p : b) {
                cairo_arc(cr, p[0], p[1], 10, 0, 2 * pi);
                cairo_pattern_t* g = cairo_pattern_create_radial(p[0] - 3, p[1] - 3, 1, p[0], p[1], 10);
                cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 1, 1);
                cairo_pattern_add_color_stop_rgb(g, 1, 0.15, 0.45, 0.85);
                cairo_set_source(cr, g);
                cairo_fill_preserve(cr);
                cairo_pattern_destroy(g);
                outline(cr, 1);
            }
            break;
        }
        case 23:  // commands cleaner: an arrow struck out
            arrow_path(cr, 12, 50, 32, 8);
            fill_vgrad(cr, 24, 40, hex(0xd8ffc0), green);
            outline(cr);
            cairo_move_to(cr, 16, 16);
            cairo_line_to(cr, 48, 48);
            col(cr, hex(0x081014));
            cairo_set_line_width(cr, 8);
            cairo_stroke(cr);
            cairo_move_to(cr, 16, 16);
            cairo_line_to(cr, 48, 48);
            col(cr, hex(0xff5040));
            cairo_set_line_width(cr, 5);
            cairo_stroke(cr);
            break;
        default:  // unused slot
            cairo_arc(cr, 32, 32, 6, 0, 2 * pi);
            col(cr, hud_metal_light, 0.6);
            cairo_fill(cr);
            break;
    }
}

void badge(cairo_t* cr, bool orders, bool active) {
    rgb light = active ? hex(0xfff0a0) : hex(0xb8c4d0), dark = active ? hex(0xc07a10) : hex(0x4a5666);
    if (active) radial_glow(cr, 37.5, 37.5, 37, hex(0xffd060), 0.5);
    star_path(cr, 37.5, 37.5, 33, 24, 8, 0);
    fill_vgrad(cr, 4, 71, light, dark);
    outline(cr, 1.5);
    cairo_arc(cr, 37.5, 37.5, 20, 0, 2 * pi);
    fill_vgrad(cr, 17, 58, active ? hex(0x2a4a5a) : hud_panel, hud_panel_dark);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 37.5 - 20, 37.5 - 20);
    cairo_scale(cr, 40.0 / 64, 40.0 / 64);
    if (orders) {
        icon(cr, 16);
    } else {  // a spanner
        cairo_move_to(cr, 16, 48);
        cairo_line_to(cr, 40, 24);
        col(cr, active ? hex(0xffffff) : hex(0xb8c4d0));
        cairo_set_line_width(cr, 8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_arc(cr, 43, 21, 9, 0, 2 * pi);
        cairo_fill(cr);
        cairo_arc(cr, 47, 17, 5, 0, 2 * pi);
        col(cr, active ? hex(0x2a4a5a) : hud_panel);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void draw_icons(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    for (int f = 0; f < e.frames; ++f) {
        cairo_t* cr = frame_cr(s, f);
        if (path == "gfx/hud/build_star.xtc") badge(cr, f < 2, f % 2 == 1);
        else icon(cr, f);
        cairo_destroy(cr);
    }
}

}  // namespace gfx
