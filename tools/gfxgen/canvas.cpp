#include "canvas.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace gfx {

rgb mix(rgb a, rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
rgb scale(rgb a, double k) {
    return {std::clamp(a.r * k, 0.0, 1.0), std::clamp(a.g * k, 0.0, 1.0), std::clamp(a.b * k, 0.0, 1.0)};
}
rgb hex(std::uint32_t v) { return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0}; }

// Wide sheets are wrapped so no texture side exceeds what small GPUs accept.
static int columns_for(int cell_w, int frames) {
    int cols = std::max(1, 2048 / cell_w);
    return std::min(cols, frames);
}

sheet make_sheet(int cell_w, int cell_h, int frames) {
    sheet s;
    s.cell_w = cell_w;
    s.cell_h = cell_h;
    s.frames = frames;
    s.cols = columns_for(cell_w, frames);
    s.rows = (frames + s.cols - 1) / s.cols;
    s.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, s.cols * cell_w, s.rows * cell_h);
    return s;
}

sheet make_sheet(const gfx_entry& e) { return make_sheet(e.cell_w, e.cell_h, e.frames); }

void free_sheet(sheet& s) {
    if (s.surface) cairo_surface_destroy(s.surface);
    s.surface = nullptr;
}

int frame_x(const sheet& s, int frame) { return (frame % s.cols) * s.cell_w; }
int frame_y(const sheet& s, int frame) { return (frame / s.cols) * s.cell_h; }

cairo_t* frame_cr(const sheet& s, int frame) {
    cairo_t* cr = cairo_create(s.surface);
    cairo_translate(cr, frame_x(s, frame), frame_y(s, frame));
    cairo_rectangle(cr, 0, 0, s.cell_w, s.cell_h);
    cairo_clip(cr);
    return cr;
}

std::uint64_t rng::next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double rng::uniform() { return (next() >> 11) * (1.0 / 9007199254740992.0); }
double rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
int rng::between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1)); }

std::uint64_t hash_str(const char* s) {
    std::uint64_t h = 1469598103934665603ull;
    for (; *s; ++s) h = (h ^ static_cast<unsigned char>(*s)) * 1099511628211ull;
    return h;
}

static double lattice(int x, int y, std::uint64_t seed) {
    std::uint64_t h = seed ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) * 0x9E3779B1ull) ^
                      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) * 0x85EBCA77C2B2AE63ull);
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return (h >> 11) * (1.0 / 9007199254740992.0);
}

static int wrap(int v, int p) { return p > 0 ? ((v % p) + p) % p : v; }

double vnoise(double x, double y, int px, int py, std::uint64_t seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    double a = lattice(wrap(ix, px), wrap(iy, py), seed);
    double b = lattice(wrap(ix + 1, px), wrap(iy, py), seed);
    double c = lattice(wrap(ix, px), wrap(iy + 1, py), seed);
    double d = lattice(wrap(ix + 1, px), wrap(iy + 1, py), seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double fbm(double x, double y, int px, int py, int octaves, std::uint64_t seed) {
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * vnoise(x, y, px, py, seed + o * 7919);
        norm += amp;
        amp *= 0.5;
        x *= 2;
        y *= 2;
        px = px > 0 ? px * 2 : 0;
        py = py > 0 ? py * 2 : 0;
    }
    return sum / norm;
}

void put_pixel(cairo_surface_t* s, int x, int y, rgb c, double a) {
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    a = std::clamp(a, 0.0, 1.0);
    auto ch = [&](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * a * 255)); };
    std::uint32_t px = (static_cast<std::uint32_t>(std::lround(a * 255)) << 24) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
    unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    reinterpret_cast<std::uint32_t*>(row)[x] = px;
}

void get_pixel(cairo_surface_t* s, int x, int y, double rgba[4]) {
    unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    std::uint32_t px = reinterpret_cast<std::uint32_t*>(row)[x];
    double a = (px >> 24) / 255.0;
    rgba[3] = a;
    for (int i = 0; i < 3; ++i) {
        double v = ((px >> (16 - 8 * i)) & 255) / 255.0;
        rgba[i] = a > 0 ? std::min(1.0, v / a) : 0.0;
    }
}

void col(cairo_t* cr, rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * pi);
    cairo_restore(cr);
}

void radial_glow(cairo_t* cr, double cx, double cy, double r, rgb c, double a_centre) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a_centre);
    cairo_pattern_add_color_stop_rgba(p, 0.35, c.r, c.g, c.b, a_centre * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void oval_glow(cairo_t* cr, double cx, double cy, double rx, double ry, rgb c, double a_centre) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    radial_glow(cr, 0, 0, 1, c, a_centre);
    cairo_restore(cr);
}

void fill_vgrad(cairo_t* cr, double y0, double y1, rgb top, rgb bottom, double a) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void star_path(cairo_t* cr, double cx, double cy, double r_out, double r_in, int points, double rot) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double r = (i % 2) ? r_in : r_out;
        double a = rot + i * pi / points - pi / 2;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

double fit_size(cairo_t* cr, const char* text, double size, double max_w, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    return ext.width > max_w ? size * max_w / ext.width : size;
}

static void text_path_centred(cairo_t* cr, const char* text, double cx, double cy, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    cairo_move_to(cr, cx - ext.x_bearing - ext.width / 2, cy - ext.y_bearing - ext.height / 2);
    cairo_text_path(cr, text);
}

void text_centred(cairo_t* cr, const char* text, double cx, double cy, double size, bool bold) {
    cairo_new_path(cr);
    text_path_centred(cr, text, cx, cy, size, bold);
    cairo_fill(cr);
}

void text_outline_centred(cairo_t* cr, const char* text, double cx, double cy, double size, rgb fill_top,
                          rgb fill_bottom, rgb outline, double outline_w) {
    cairo_new_path(cr);
    text_path_centred(cr, text, cx, cy, size, true);
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    col(cr, outline);
    cairo_set_line_width(cr, outline_w);
    cairo_stroke_preserve(cr);
    fill_vgrad(cr, y1, y2, fill_top, fill_bottom);
    cairo_new_path(cr);
}

bool write_png(cairo_surface_t* s, const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    cairo_surface_flush(s);
    return cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace gfx
