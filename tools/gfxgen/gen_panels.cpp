// Front-end panels and small controls, and the shared panel and button look.
#include <cmath>
#include <string>

#include "generators.h"
#include "hud_style.h"

namespace gfx {

void hud_panel_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    rounded_rect(cr, x, y, w, h, r);
    fill_vgrad(cr, y, y + h, hud_metal_light, hud_metal_dark);
    col(cr, hex(0x0a1016));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    rounded_rect(cr, x + 5, y + 5, w - 10, h - 10, r - 3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(g, 0, hud_panel.r, hud_panel.g, hud_panel.b, 0.96);
    cairo_pattern_add_color_stop_rgba(g, 1, hud_panel_dark.r, hud_panel_dark.g, hud_panel_dark.b, 0.96);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    col(cr, hud_accent, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (double cx : {x + 10, x + w - 10})
        for (double cy : {y + 10, y + h - 10}) {
            cairo_arc(cr, cx, cy, 2, 0, 2 * pi);
            col(cr, hud_metal_light);
            cairo_fill(cr);
        }
}

void hud_button(cairo_t* cr, double x, double y, double w, double h, const char* caption, double size, bool hover,
                bool inactive) {
    rounded_rect(cr, x, y, w, h, h / 2);
    fill_vgrad(cr, y, y + h, hover ? hex(0xe8f4ff) : hud_metal_light, hover ? hex(0x5a7090) : hud_metal_dark);
    col(cr, hex(0x0a1016));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    rounded_rect(cr, x + 5, y + 5, w - 10, h - 10, (h - 10) / 2);
    rgb top = hover ? hex(0x2a6a78) : hud_panel, bottom = hover ? hex(0x103040) : hud_panel_dark;
    fill_vgrad(cr, y + 5, y + h - 5, top, bottom);
    col(cr, hover ? hud_glow : hud_accent, 0.8);
    cairo_set_line_width(cr, hover ? 2 : 1.2);
    cairo_stroke(cr);
    rounded_rect(cr, x + 12, y + 8, w - 24, h * 0.22, h * 0.11);
    col(cr, {1, 1, 1}, hover ? 0.22 : 0.12);
    cairo_fill(cr);
    rgb text_top = inactive ? hex(0x8a9098) : hover ? hex(0xffffff) : hex(0xfff0c0);
    rgb text_bottom = inactive ? hex(0x5a6068) : hover ? hud_glow : hud_amber;
    size = fit_size(cr, caption, size, w - h, true);
    text_outline_centred(cr, caption, x + w / 2, y + h / 2 + 1, size, text_top, text_bottom, hex(0x081014), 4);
}

namespace {

void check_cross(cairo_t* cr, bool ok) {
    cairo_arc(cr, 24, 24, 21, 0, 2 * pi);
    fill_vgrad(cr, 3, 45, hud_metal_light, hud_metal_dark);
    cairo_new_path(cr);
    cairo_arc(cr, 24, 24, 17, 0, 2 * pi);
    fill_vgrad(cr, 7, 41, ok ? hex(0x3aa050) : hex(0xb03a30), ok ? hex(0x145a20) : hex(0x5a1410));
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (ok) {
        cairo_move_to(cr, 15, 24);
        cairo_line_to(cr, 22, 31);
        cairo_line_to(cr, 33, 16);
    } else {
        cairo_move_to(cr, 17, 17);
        cairo_line_to(cr, 31, 31);
        cairo_move_to(cr, 31, 17);
        cairo_line_to(cr, 17, 31);
    }
    col(cr, {1, 1, 1});
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
}

void radio(cairo_t* cr, bool on) {
    cairo_arc(cr, 16, 16, 13, 0, 2 * pi);
    fill_vgrad(cr, 3, 29, hud_metal_light, hud_metal_dark);
    cairo_new_path(cr);
    cairo_arc(cr, 16, 16, 10, 0, 2 * pi);
    col(cr, hud_panel_dark);
    cairo_fill(cr);
    if (on) {
        radial_glow(cr, 16, 16, 12, hud_glow, 0.6);
        cairo_arc(cr, 16, 16, 6.5, 0, 2 * pi);
        cairo_pattern_t* g = cairo_pattern_create_radial(14, 14, 0.5, 16, 16, 6.5);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, hud_accent.r, hud_accent.g, hud_accent.b);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void list_arrow(cairo_t* cr, bool up, bool hover) {
    cairo_save(cr);
    if (!up) {
        cairo_translate(cr, 0, 35);
        cairo_scale(cr, 1, -1);
    }
    if (hover) radial_glow(cr, 30, 20, 28, hud_glow, 0.4);
    cairo_move_to(cr, 30, 4);
    cairo_line_to(cr, 55, 30);
    cairo_line_to(cr, 5, 30);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fill_vgrad(cr, 4, 30, hover ? hex(0xffffff) : hud_glow, hover ? hud_amber : hud_accent);
    col(cr, hex(0x081014));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void draw_panels(sheet& s, const gfx_entry& e) {
    const std::string path = e.path;
    if (path == "gfx/hud/okcancel.xtc" || path == "gfx/hud/radiobutton.xtc" || path == "gfx/hud/arrows.xtc" ||
        path == "gfx/hud/loadpercents.xtc") {
        for (int f = 0; f < e.frames; ++f) {
            cairo_t* cr = frame_cr(s, f);
            if (path == "gfx/hud/okcancel.xtc") check_cross(cr, f == 0);
            else if (path == "gfx/hud/radiobutton.xtc") radio(cr, f == 1);
            else if (path == "gfx/hud/arrows.xtc") list_arrow(cr, f < 2, f % 2 == 1);
            else {
                rounded_rect(cr, 3, 3, 18, 26, 4);
                col(cr, hud_metal_dark);
                cairo_fill_preserve(cr);
                col(cr, hud_metal_light);
                cairo_set_line_width(cr, 1.5);
                cairo_stroke(cr);
                if (f == 1) {
                    rounded_rect(cr, 6, 6, 12, 20, 3);
                    fill_vgrad(cr, 6, 26, hud_glow, hud_accent);
                    cairo_new_path(cr);
                }
            }
            cairo_destroy(cr);
        }
        return;
    }
    cairo_t* cr = cairo_create(s.surface);
    const double w = e.cell_w, h = e.cell_h;
    if (path == "gfx/hud/planettab.xtc") {
        rounded_rect(cr, 1, 1, 86, 24, 8);
        cairo_move_to(cr, 84, 8);
        cairo_line_to(cr, 98, 20);
        cairo_line_to(cr, 84, 20);
        fill_vgrad(cr, 1, 25, hex(0xfff6dc), hex(0xd8c088));
        col(cr, hex(0x6a5020));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    } else if (path == "gfx/hud/menupanel11.xtc") {
        // the lesson page: a wide sheet whose text area is (33, 40, 504, 289)
        hud_panel_rect(cr, 1, 1, w - 2, h - 2, 16);
        rounded_rect(cr, 28, 36, 514, 297, 8);
        col(cr, hex(0x061018), 0.7);
        cairo_fill_preserve(cr);
        col(cr, hud_accent, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        col(cr, hud_amber);
        text_centred(cr, "LESSON", w / 2, 20, 14, true);
        col(cr, hud_glow, 0.7);
        text_centred(cr, "click to continue", w / 2, h - 14, 10, false);
    } else {
        hud_panel_rect(cr, 1, 1, w - 2, h - 2, std::min(16.0, h / 4));
    }
    cairo_destroy(cr);
}

}  // namespace gfx
