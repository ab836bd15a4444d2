// In-game HUD pieces: pointers, slot backs, the status panel and its screen.
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"

namespace gfx {

namespace {

void pointer_arrow(cairo_t* cr, double x, double y, double k, rgb fill_top, rgb fill_bottom) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 13 * k, y + 13 * k);
    cairo_line_to(cr, x + 7.5 * k, y + 13 * k);
    cairo_line_to(cr, x + 10.5 * k, y + 19.5 * k);
    cairo_line_to(cr, x + 7.5 * k, y + 20.5 * k);
    cairo_line_to(cr, x + 4.8 * k, y + 14.5 * k);
    cairo_line_to(cr, x, y + 18 * k);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fill_vgrad(cr, y, y + 20 * k, fill_top, fill_bottom);
    col(cr, hex(0x0a1418));
    cairo_set_line_width(cr, 1.2 * k);
    cairo_stroke(cr);
}

void pointers(sheet& s) {
    for (int f = 0; f < 3; ++f) {
        cairo_t* cr = frame_cr(s, f);
        if (f == 2) {
            radial_glow(cr, 3, 3, 14, hex(0xfff080), 0.9);
            pointer_arrow(cr, 1, 1, 1, hex(0xffffff), hex(0xffe060));
        } else {
            pointer_arrow(cr, 1, 1, 1, f == 0 ? hex(0xe8fff8) : hex(0xffffff), f == 0 ? hud_accent : mix(hud_accent, {1, 1, 1}, 0.4));
        }
        cairo_destroy(cr);
    }
}

void hint_ring(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    cairo_arc(cr, 16, 16, 11, 0, 2 * pi);
    col(cr, hex(0xfff0a0), 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        double a = i * pi / 2;
        cairo_move_to(cr, 16 + std::cos(a) * 8, 16 + std::sin(a) * 8);
        cairo_line_to(cr, 16 + std::cos(a) * 15, 16 + std::sin(a) * 15);
    }
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void demo_pointer(sheet& s) {
    // mid-handled: the tip is at the centre of the frame
    for (int f = 0; f < 2; ++f) {
        cairo_t* cr = frame_cr(s, f);
        if (f == 1) {
            radial_glow(cr, 27.5, 35, 22, hex(0xfff080), 0.8);
            cairo_arc(cr, 27.5, 35, 12, 0, 2 * pi);
            col(cr, hex(0xffffff), 0.9);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
        pointer_arrow(cr, 27.5 + f, 35 + f, 1.6, hex(0xffffff), f ? hex(0xffd040) : hud_accent);
        cairo_destroy(cr);
    }
}

void lcd_back(sheet& s) {
    for (int f = 0; f < 3; ++f) {
        cairo_t* cr = frame_cr(s, f);
        cairo_rectangle(cr, 0, 0, 94, 94);
        fill_vgrad(cr, 0, 94, hex(0x0e3a34), hex(0x06201c));
        cairo_new_path(cr);
        // a faint picture of what the page counts
        cairo_save(cr);
        cairo_push_group(cr);
        if (f == 0) {
            ellipse(cr, 44, 50, 22, 15);
            cairo_arc(cr, 68, 52, 8, 0, 2 * pi);
            col(cr, hud_glow);
            cairo_fill(cr);
        } else if (f == 1) {
            draw_mushroom_icon(cr, 47, 42, 60, 0);
        } else {
            draw_grub_icon(cr, 47, 44, 62);
        }
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.22);
        cairo_restore(cr);
        const char* title[3] = {"BEETLES", "FUEL", "INSECTS"};
        col(cr, hud_glow, 0.85);
        text_centred(cr, title[f], 47, 88, 9, true);
        for (int y = 0; y < 94; y += 2) {
            cairo_rectangle(cr, 0, y, 94, 1);
            col(cr, {0, 0, 0}, 0.18);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
    }
}

void lcd_noise(sheet& s) {
    for (int f = 0; f < s.frames; ++f) {
        rng r(2000 + f);
        int ox = frame_x(s, f), oy = frame_y(s, f);
        double band = r.range(0, 94);
        for (int y = 0; y < 94; ++y) {
            double line = std::exp(-std::pow((y - band) / 6.0, 2));
            for (int x = 0; x < 94; ++x) {
                double n = r.uniform();
                double a = 0.15 * n + 0.5 * line * n + ((y % 3) == 0 ? 0.1 : 0);
                put_pixel(s.surface, ox + x, oy + y, mix(hud_glow, {1, 1, 1}, n * 0.5), a);
            }
        }
    }
    cairo_surface_mark_dirty(s.surface);
}

void slot_back(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    fill_vgrad(cr, cy - r, cy + r, hud_metal_light, hud_metal_dark);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - 3.5, 0, 2 * pi);
    fill_vgrad(cr, cy - r, cy + r, hud_panel_dark, hud_panel);
    col(cr, hud_accent, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void speed_button(sheet& s) {
    for (int f = 0; f < 2; ++f) {
        cairo_t* cr = frame_cr(s, f);
        rounded_rect(cr, 2, 2, 60, 28, 13);
        fill_vgrad(cr, 2, 30, hud_metal_light, hud_metal_dark);
        cairo_new_path(cr);
        rounded_rect(cr, 5, 5, 54, 22, 10);
        fill_vgrad(cr, 5, 27, hud_panel_dark, hud_panel);
        cairo_new_path(cr);
        rgb c = f ? hex(0xffc040) : hud_glow;
        for (int i = 0; i <= f; ++i) {
            double x = f ? 22 + i * 12 : 28;
            cairo_move_to(cr, x, 9);
            cairo_line_to(cr, x + 10, 16);
            cairo_line_to(cr, x, 23);
            cairo_close_path(cr);
            col(cr, c);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
    }
}

void panel_back(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    // frame with a window over the status screen at (9, 52), 94 by 94
    rounded_rect(cr, 2, 40, 108, 158, 10);
    cairo_rectangle(cr, 103, 52, -94, 94);  // reversed: cut the window out
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fill_vgrad(cr, 40, 198, hud_metal_light, hud_metal_dark);
    col(cr, hex(0x0c1418));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    rounded_rect(cr, 7.5, 50.5, 97, 97, 3);
    col(cr, hud_accent, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // display for the clock and the status line
    rounded_rect(cr, 10, 152, 92, 42, 6);
    fill_vgrad(cr, 152, 194, hud_panel_dark, hud_panel);
    col(cr, hud_accent, 0.45);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double x : {8.0, 104.0})
        for (double y : {46.0, 190.0}) {
            cairo_arc(cr, x, y, 1.8, 0, 2 * pi);
            col(cr, hud_metal_light);
            cairo_fill(cr);
        }
    cairo_destroy(cr);
}

void tab(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    rounded_rect(cr, 2, 3, 92, 51, 14);
    fill_vgrad(cr, 3, 54, hex(0xf4fff8), hex(0x9adcd0));
    col(cr, hud_accent);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void select_frame(sheet& s) {
    cairo_t* cr = cairo_create(s.surface);
    col(cr, hex(0xfff060));
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double a = 6, b = 42, l = 9;
    for (int cx = 0; cx < 2; ++cx)
        for (int cy = 0; cy < 2; ++cy) {
            double x = cx ? b : a, y = cy ? b : a, dx = cx ? -l : l, dy = cy ? -l : l;
            cairo_move_to(cr, x + dx, y);
            cairo_line_to(cr, x, y);
            cairo_line_to(cr, x, y + dy);
        }
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void hint_box(sheet& s, bool alt) {
    cairo_t* cr = cairo_create(s.surface);
    rounded_rect(cr, 1, 1, 238, 28, 12);
    fill_vgrad(cr, 1, 29, alt ? hex(0xe0f0ff) : hex(0xf0d890), alt ? hex(0xa0c0e0) : hex(0xc09848));
    col(cr, alt ? hud_accent : hex(0x8a6a2a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_destroy(cr);
}

}  // namespace

void draw_hud(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/mouse.xtc") return pointers(s);
    if (path == "gfx/mouse1.xtc") return hint_ring(s);
    if (path == "gfx/hud/mouse.xtc") return demo_pointer(s);
    if (path == "gfx/hud/animations.xtc") return lcd_back(s);
    if (path == "gfx/hud/lcd.xtc") return lcd_noise(s);
    if (path == "gfx/hud/elemback1.xtc") return speed_button(s);
    if (path == "gfx/hud/panelback.xtc") return panel_back(s);
    if (path == "gfx/hud/tab.xtc") return tab(s);
    if (path == "gfx/hud/selectbuild.xtc") return select_frame(s);
    if (path == "gfx/hud/hinttab.xtc") return hint_box(s, false);
    if (path == "gfx/hud/hinttab2.xtc") return hint_box(s, true);
    cairo_t* cr = cairo_create(s.surface);
    if (path == "gfx/hud/item.xtc") {
        cairo_arc(cr, 5, 5, 4, 0, 2 * pi);
        cairo_pattern_t* g = cairo_pattern_create_radial(4, 4, 0.5, 5, 5, 4);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.65, 0.7);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    } else if (path == "gfx/hud/elemback.xtc") {
        slot_back(cr, 28, 28, 26);
    } else if (path == "gfx/hud/statusback.xtc") {
        rounded_rect(cr, 2, 2, 60, 60, 8);
        fill_vgrad(cr, 2, 62, hud_metal_light, hud_metal_dark);
    } else if (path == "gfx/hud/rects.xtc") {
        const rgb c[3] = {hud_accent, hex(0xffc040), hex(0xff6050)};
        for (int f = 0; f < 3; ++f) {
            rounded_rect(cr, f * 20 + 2, 2, 16, 16, 3);
            col(cr, c[f], 0.8);
            cairo_fill(cr);
        }
    }
    cairo_destroy(cr);
}

}  // namespace gfx
