// A sample screen put together from the generated pictures, for judging how
// tiles, sprites and backgrounds work together (gfxgen --scene FILE SET).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "generators.h"

namespace gfx {

namespace {

constexpr int cols = 26, rows = 19;

// The same neighbour rule the game uses to pick edge tiles.
int settle_code(const int rock[cols][rows], int c, int r) {
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= cols || y >= rows || rock[x][y]; };
    int mask = (at(c, r - 1) ? 1 : 0) + (at(c - 1, r) ? 2 : 0) + (at(c + 1, r) ? 4 : 0) + (at(c, r + 1) ? 8 : 0);
    switch (mask) {
        case 15: return (r % 4) * 4 + (c % 4) + 1;
        case 12: return 21 + 2 * (c % 2);
        case 10: return 22 + 2 * (c % 2);
        case 14: return 17 + (c % 4);
        case 7: return 29 + (c % 2);
        case 3: return 28;
        case 5: return 27;
        case 13: return 25;
        case 11: return 26;
        default: return 0;
    }
}

void blit(cairo_t* cr, const sheet& s, int frame, double x, double y) {
    cairo_set_source_surface(cr, s.surface, x - frame_x(s, frame), y - frame_y(s, frame));
    cairo_rectangle(cr, x, y, s.cell_w, s.cell_h);
    cairo_fill(cr);
}

}  // namespace

bool write_scene(const std::string& file, int set) {
    const std::string n = std::to_string(set);
    const sheet& land = source(("gfx/land" + n + ".xtc").c_str());
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    cairo_t* cr = cairo_create(out);
    blit(cr, source(set == 2 ? "gfx/env/bplane2.xtc" : "gfx/env/bplane1.xtc"), 0, 0, 0);
    if (set != 2) {
        const sheet& sun = source(("gfx/env/sun" + n + ".xtc").c_str());
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source_surface(cr, sun.surface, 300 - sun.cell_w / 2, 200 - sun.cell_h / 2);
        cairo_paint_with_alpha(cr, 0.5);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        blit(cr, source("gfx/env/haze_3.xtc"), 0, 0, 100);
    }
    blit(cr, source(("gfx/env/mplane" + n + ".xtc").c_str()), 0, 0, 330);
    const sheet& big = source(("gfx/env/bigimages" + n + ".xtc").c_str());
    for (int i = 0; i < 4; ++i) blit(cr, big, i, 60 + i * 190, 250 - (i % 2) * 40);
    // a cave: rock everywhere except a hollow and the open sky above row 6
    int rock[cols][rows] = {};
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            bool sky = r < 6 + (c > 8 && c < 14 ? 3 : 0);
            bool hollow = r >= 9 && r <= 13 && c >= 3 && c <= 21;
            bool ledge = r == 12 && c >= 8 && c <= 11;
            rock[c][r] = !(sky || hollow) || ledge;
        }
    rock[16][8] = 1;
    rock[17][8] = 1;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r) {
            if (r >= 9 && r <= 13 && c >= 3 && c <= 21) blit(cr, land, 80 + (r % 4) * 4 + (c % 4), c * 32, r * 32);
            if (r == 8 && c >= 3 && c <= 8) blit(cr, land, 112 + c % 4, c * 32, r * 32);
        }
    blit(cr, land, 120, 5 * 32, 13 * 32);
    blit(cr, land, 125, 18 * 32, 9 * 32);
    const sheet& obj = source("gfx/obj.xtc");
    const sheet& beetles = source("gfx/obj3.xtc");
    blit(cr, obj, 3, 6 * 32 - 8, 13 * 32 - 8);
    blit(cr, obj, 38 + 19 + 4, 18 * 32 - 8, 13 * 32);
    blit(cr, source("gfx/obj2.xtc"), 1, 14 * 32 - 8, 13 * 32 - 8);
    blit(cr, beetles, 7, 9 * 32 - 8, 13 * 32 - 5);
    blit(cr, beetles, 52 + 26 + 3, 12 * 32 - 8, 13 * 32 - 8);
    blit(cr, beetles, 104 + 10, 15 * 32 - 8, 13 * 32 - 5);
    blit(cr, beetles, 156 + 26 + 12, 4 * 32 - 8, 13 * 32 - 5);
    blit(cr, beetles, 208 + 26 + 5, 10 * 32 - 8, 8 * 32 - 5);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            if (rock[c][r]) blit(cr, land, settle_code(rock, c, r), c * 32, r * 32);
    blit(cr, land, 33, 2 * 32, 16 * 32);
    blit(cr, land, 32, 3 * 32, 16 * 32);
    blit(cr, land, 39, 22 * 32, 5 * 32);
    const sheet& add = source("gfx/additions.xtc");
    blit(cr, add, 0, 22 * 32 - 8, 5 * 32 - 30);
    blit(cr, add, 11, 12 * 32 - 8, 12 * 32 - 8);
    draw_ufo_frame(cr, 300, 120, 1.0, 1.0);
    cairo_destroy(cr);
    if (const char* z = std::getenv("GFXGEN_SCENE_CROP")) {  // x,y of a 400 by 300 part, shown twice as large
        int cx = 0, cy = 0;
        std::sscanf(z, "%d,%d", &cx, &cy);
        cairo_surface_t* big = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
        cairo_t* bc = cairo_create(big);
        cairo_scale(bc, 2, 2);
        cairo_set_source_surface(bc, out, -cx, -cy);
        cairo_pattern_set_filter(cairo_get_source(bc), CAIRO_FILTER_NEAREST);
        cairo_paint(bc);
        cairo_destroy(bc);
        cairo_surface_destroy(out);
        out = big;
    }
    bool ok = write_png(out, file);
    cairo_surface_destroy(out);
    reset_sources();
    return ok;
}

}  // namespace gfx
