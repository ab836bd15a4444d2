// Drawing helpers shared by every picture generator: sheets of frames on cairo
// image surfaces, a seeded random stream, periodic noise and a few shapes.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "world/gfx_manifest.h"

namespace gfx {

constexpr double pi = 3.14159265358979323846;

struct rgb {
    double r, g, b;
};

rgb mix(rgb a, rgb b, double t);
rgb scale(rgb a, double k);
rgb hex(std::uint32_t v);

// A picture: frames laid out left to right, top to bottom.
struct sheet {
    cairo_surface_t* surface = nullptr;
    int cell_w = 0, cell_h = 0, frames = 0, cols = 0, rows = 0;
};

sheet make_sheet(const gfx_entry& e);
sheet make_sheet(int cell_w, int cell_h, int frames);
void free_sheet(sheet& s);
// A cairo context translated and clipped to one frame; destroy it after use.
cairo_t* frame_cr(const sheet& s, int frame);
int frame_x(const sheet& s, int frame);
int frame_y(const sheet& s, int frame);

// Deterministic random stream (splitmix64).
struct rng {
    std::uint64_t state;
    explicit rng(std::uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    std::uint64_t next();
    double uniform();                    // [0, 1)
    double range(double lo, double hi);  // [lo, hi)
    int between(int lo, int hi);         // [lo, hi]
};
std::uint64_t hash_str(const char* s);

// Value noise in [0, 1], periodic with (px, py) lattice cells.
double vnoise(double x, double y, int px, int py, std::uint64_t seed);
// Fractal sum of octaves; the period is given in lattice cells of the first octave.
double fbm(double x, double y, int px, int py, int octaves, std::uint64_t seed);

// Raw pixel access on an image surface (straight alpha in, premultiplied stored).
void put_pixel(cairo_surface_t* s, int x, int y, rgb c, double a);
void get_pixel(cairo_surface_t* s, int x, int y, double rgba[4]);

// Shapes and paints.
void col(cairo_t* cr, rgb c, double a = 1.0);
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void radial_glow(cairo_t* cr, double cx, double cy, double r, rgb c, double a_centre);
// The same, squashed into an ellipse (for glows that must fade out inside a wide picture).
void oval_glow(cairo_t* cr, double cx, double cy, double rx, double ry, rgb c, double a_centre);
// Fill the current path with a vertical gradient and keep the path.
void fill_vgrad(cairo_t* cr, double y0, double y1, rgb top, rgb bottom, double a = 1.0);
void star_path(cairo_t* cr, double cx, double cy, double r_out, double r_in, int points, double rot);
// The largest size up to `size` at which the text is at most max_w wide.
double fit_size(cairo_t* cr, const char* text, double size, double max_w, bool bold);
// Centred text using the DejaVu family through cairo's toy font API.
void text_centred(cairo_t* cr, const char* text, double cx, double cy, double size, bool bold);
void text_outline_centred(cairo_t* cr, const char* text, double cx, double cy, double size, rgb fill_top,
                          rgb fill_bottom, rgb outline, double outline_w);

bool write_png(cairo_surface_t* s, const std::string& path);

}  // namespace gfx
