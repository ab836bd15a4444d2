// gfxgen OUT_DIR [--only TEXT] [--contact-sheet DIR [--zoom N] [--frames FIRST COUNT]]
// Draws every picture of the game into OUT_DIR (the playable folder's gfx/).
// --contact-sheet writes, for each picture, an enlarged overview with frame
// numbers, for judging the artwork by eye.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "generators.h"

namespace {

void checker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = 0; i * 8 < w; ++i) {
            double v = ((i + j) % 2) ? 0.32 : 0.26;
            cairo_set_source_rgb(cr, v, v, v + 0.03);
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

bool contact_sheet(const gfx_entry& e, const std::string& dir, int zoom_override, int first, int count) {
    gfx::sheet s = gfx::render(e);
    int big = std::max(e.cell_w, e.cell_h);
    int zoom = zoom_override > 0 ? zoom_override : big <= 12 ? 6 : big <= 32 ? 3 : big <= 64 ? 2 : 1;
    first = std::clamp(first, 0, e.frames - 1);
    int frames = std::min(count > 0 ? count : e.frames, e.frames - first);
    int cw = e.cell_w * zoom + 6, ch = e.cell_h * zoom + 18;
    int cols = std::max(1, std::min(frames, 1600 / cw));
    int rows = (frames + cols - 1) / cols;
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * cw, rows * ch);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    for (int i = 0; i < frames; ++i) {
        int f = first + i;
        double x = (i % cols) * cw + 3, y = (i / cols) * ch + 14;
        checker(cr, x, y, e.cell_w * zoom, e.cell_h * zoom);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, zoom, zoom);
        cairo_set_source_surface(cr, s.surface, -gfx::frame_x(s, f), -gfx::frame_y(s, f));
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, 0, 0, e.cell_w, e.cell_h);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.6);
        cairo_move_to(cr, x, y - 3);
        cairo_show_text(cr, std::to_string(f).c_str());
    }
    cairo_destroy(cr);
    std::string name = e.path;
    std::replace(name.begin(), name.end(), '/', '_');
    bool ok = gfx::write_png(out, dir + "/" + name + ".png");
    cairo_surface_destroy(out);
    gfx::free_sheet(s);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, only, sheets;
    int zoom = 0, first = 0, count = 0;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--only" && i + 1 < argc) only = argv[++i];
        else if (a == "--contact-sheet" && i + 1 < argc) sheets = argv[++i];
        else if (a == "--zoom" && i + 1 < argc) zoom = std::atoi(argv[++i]);
        else if (a == "--scene" && i + 2 < argc) {
            std::string file = argv[++i];
            return gfx::write_scene(file, std::atoi(argv[++i])) ? 0 : 1;
        }
        else if (a == "--frames" && i + 2 < argc) {
            first = std::atoi(argv[++i]);
            count = std::atoi(argv[++i]);
        }
        else if (!a.empty() && a[0] != '-' && out.empty()) out = a;
        else {
            std::fprintf(stderr, "usage: gfxgen OUT_DIR [--only TEXT] [--contact-sheet DIR]\n");
            return 2;
        }
    }
    if (out.empty() && sheets.empty()) {
        std::fprintf(stderr, "usage: gfxgen OUT_DIR [--only TEXT] [--contact-sheet DIR]\n");
        return 2;
    }
    int failures = 0;
    if (!out.empty()) failures += gfx::generate_all(out, only);
    if (!sheets.empty()) {
        for (const gfx_entry& e : gfx_manifest)
            if (only.empty() || std::string(e.path).find(only) != std::string::npos)
                if (!contact_sheet(e, sheets, zoom, first, count)) ++failures;
        gfx::reset_sources();
    }
    return failures == 0 ? 0 : 1;
}
