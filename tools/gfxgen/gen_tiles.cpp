// Front rock tiles of the three environment sets (codes 1..42, 64..67).
#include <algorithm>
#include <cmath>

#include "tiles.h"

namespace gfx {

namespace {

double smooth(double e0, double e1, double x) {
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

int wrap128(int v) { return ((v % 128) + 128) % 128; }

// Stones of the 128-pixel texture: a fixed scatter, wrapped.
struct stone {
    double x, y, r;
};
constexpr int stone_count = 11;

const stone* stones(int set) {
    static stone table[3][stone_count];
    static bool made[3] = {false, false, false};
    if (!made[set]) {
        rng r(900 + set);
        for (auto& st : table[set]) st = {r.range(0, 128), r.range(0, 128), r.range(3.0, 6.5)};
        made[set] = true;
    }
    return table[set];
}

}  // namespace

rgb rock_colour(int set, bool back, int tx, int ty, int lx, int ly) {
    const land_palette& p = palette(set);
    tx = wrap128(tx);
    ty = wrap128(ty);
    // Near the cell border every tile fades to one 32-pixel pattern, so any
    // two rock cells meet without a seam; inside, the 128-pixel texture shows.
    double bx = std::min(lx, 31 - lx) + 0.5, by = std::min(ly, 31 - ly) + 0.5;
    double w = smooth(0, 3.5, bx) * smooth(0, 3.5, by);
    std::uint64_t seed = 1000 + set * 17 + (back ? 5 : 0);
    // fine grain hides where the two patterns meet; broad blotches would show the grid
    double v32 = 0.5 + 0.5 * (fbm(lx / 6.4, ly / 6.4, 5, 5, 3, seed + 1) - 0.5);
    double v128 = fbm(tx / 6.4, ty / 6.4, 20, 20, 3, seed);
    double broad = fbm(tx / 32.0, ty / 32.0, 4, 4, 2, seed + 3) - 0.5;
    double v = v32 + (v128 - v32) * w + broad * 0.35 * w;
    double t = std::clamp(0.5 + (v - 0.5) * 1.15, 0.0, 1.0);
    if (back) t = 0.32 + 0.3 * t;
    rgb c = t < 0.5 ? mix(p.rock_dark, p.rock_mid, t * 2) : mix(p.rock_mid, p.rock_light, (t - 0.5) * 2);
    // stones, kept away from the cell borders
    const stone* st = stones(set);
    for (int i = 0; i < stone_count; ++i) {
        double dx = tx - st[i].x, dy = ty - st[i].y;
        dx -= 128 * std::round(dx / 128);
        dy -= 128 * std::round(dy / 128);
        double d = std::hypot(dx, dy * 1.3) / st[i].r;
        if (d < 1.15) {
            double k = smooth(1.15, 0.85, d) * w * (back ? 0.4 : 0.75);
            double lit = std::clamp(0.5 - (dx + dy) / (st[i].r * 2.8), 0.0, 1.0);
            rgb sc = mix(scale(p.stone, 0.7), scale(p.stone, 1.25), lit);
            if (d > 0.85) sc = mix(c, p.rock_dark, 0.6);  // seam round the stone
            c = mix(c, sc, k);
        }
    }
    if (back) c = mix(scale(c, 0.4), p.sky_top, 0.12);
    return c;
}

void render_edge_tile(sheet& s, int frame, int set, const edge_shape& sp) {
    const land_palette& p = palette(set);
    const int ox = frame_x(s, frame), oy = frame_y(s, frame);
    const double S = top_inset(sp.back), L = side_inset, B = bottom_inset, R = 9;
    const double amp[4] = {1.0, -0.7, 1.4, 0.5};
    const double a = amp[sp.variant & 3];
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double wob_x = std::sin(pi * px / 32), wob_y = std::sin(pi * py / 32);
            double top = S + a * wob_x + 0.6 * std::sin(2 * pi * px / 32) * (sp.variant % 2 ? 1 : -1);
            double lft = L + 0.8 * a * wob_y, rgt = 32 - L - 0.8 * a * wob_y, bot = 32 - B - 0.7 * a * wob_x;
            const double big = 1e9;
            double d_up = sp.up ? py - top : big;
            double d = big;
            if (sp.up) d = std::min(d, d_up);
            if (sp.left) d = std::min(d, px - lft);
            if (sp.right) d = std::min(d, rgt - px);
            if (sp.down) d = std::min(d, bot - py);
            auto corner = [&](bool on, double cx, double cy, bool xl, bool yl) {
                if (!on) return;
                bool in_x = xl ? px < cx : px > cx, in_y = yl ? py < cy : py > cy;
                if (in_x && in_y) d = std::min(d, R - std::hypot(px - cx, py - cy));
            };
            corner(sp.up && sp.left, L + R, S + R, true, true);
            corner(sp.up && sp.right, 32 - L - R, S + R, false, true);
            corner(sp.down && sp.left, L + R, 32 - B - R, true, false);
            corner(sp.down && sp.right, 32 - L - R, 32 - B - R, false, false);
            if (sp.inner == 1) d = std::min(d, std::max(px - L, py - S));
            if (sp.inner == 2) d = std::min(d, std::max(32 - L - px, py - S));
            if (sp.inner == 3) d = std::min(d, std::max(px - L, 32 - B - py));
            if (sp.inner == 4) d = std::min(d, std::max(32 - L - px, 32 - B - py));
            double cover = std::clamp(d + 0.5, 0.0, 1.0);
            if (cover <= 0) {
                put_pixel(s.surface, ox + x, oy + y, {0, 0, 0}, 0);
                continue;
            }
            rgb c = rock_colour(set, sp.back, sp.tx + x, sp.ty + y, x, y);
            // soft shading toward the open sides: lit from above, shadowed below
            if (d < 6) {
                double k = 1 - d / 6;
                bool near_top = sp.up && d_up < 6 && d_up <= d + 0.01;
                c = near_top ? mix(c, sp.back ? scale(p.rock_light, 0.6) : p.rock_light, 0.35 * k)
                             : mix(c, p.rock_dark, 0.45 * k);
            }
            if (d < 1.6) c = mix(c, scale(p.rock_dark, 0.7), 0.6 * (1 - d / 1.6));
            // grass, moss or snow along a top surface
            if (sp.up && !sp.back) {
                double along = d_up;
                bool upper = true;
                if (d < d_up - 0.01) {  // on the rounded corner: only its upper half carries cover
                    along = d;
                    upper = py < S + R * 0.55;
                }
                double band = (set == 2 ? 6.5 : 4.5) + 2.0 * fbm(px / 8.0, 0.5, 4, 1, 2, 77 + set);
                if (upper && along < band) {
                    double g = along / band;
                    double n = fbm(px / 4.0, py / 4.0, 8, 8, 2, 90 + set);
                    rgb gc = g < 0.35 ? mix(p.top_light, p.top_mid, g / 0.35) : mix(p.top_mid, p.top_dark, (g - 0.35) / 0.65);
                    gc = scale(gc, 0.88 + 0.24 * n);
                    double edge = smooth(band, band - 1.2, along);
                    c = mix(c, gc, edge);
                }
            }
            if (sp.puddle && sp.up) {
                double pd = d_up;
                if (pd < 3.5 && px > 5 && px < 27) c = mix(c, mix(p.sky_bottom, p.sky_top, 0.5), 0.55 * (1 - pd / 3.5));
            }
            put_pixel(s.surface, ox + x, oy + y, c, cover);
        }
    cairo_surface_mark_dirty(s.surface);

    // little things sticking out into the air, kept off the cell borders
    cairo_t* cr = frame_cr(s, frame);
    rng r(hash_str("tile-deco") + set * 131 + frame * 7 + sp.variant);
    if (sp.up && !sp.back) {
        double top_at = top_inset(false);
        for (double x = 3.5; x < 28.5; x += r.range(1.6, 3.2)) {
            double base = top_at + a * std::sin(pi * x / 32) + 0.6 * std::sin(2 * pi * x / 32) * (sp.variant % 2 ? 1 : -1) + 0.8;
            if (sp.left && x < L + R - 1) continue;
            if (sp.right && x > 32 - L - R + 1) continue;
            if (set == 0) {
                double h = r.range(2.0, 5.5), lean = r.range(-1.5, 1.5);
                cairo_move_to(cr, x - 0.7, base);
                cairo_line_to(cr, x + lean, base - h);
                cairo_line_to(cr, x + 0.7, base);
                col(cr, mix(p.top_mid, p.top_light, r.uniform()));
                cairo_fill(cr);
            } else if (set == 1) {
                if (r.uniform() < 0.3) {
                    ellipse(cr, x, base - 0.5, r.range(1.2, 2.2), r.range(1.0, 1.8));
                    col(cr, mix(p.top_mid, p.top_light, r.uniform()));
                    cairo_fill(cr);
                }
                if (r.uniform() < 0.08) {
                    double h = r.range(3, 5);
                    cairo_move_to(cr, x - 1.2, base);
                    cairo_line_to(cr, x, base - h);
                    cairo_line_to(cr, x + 1.2, base);
                    col(cr, p.accent, 0.9);
                    cairo_fill(cr);
                }
            } else if (r.uniform() < 0.35) {
                ellipse(cr, x, base - 0.6, r.range(1.5, 3.0), r.range(0.8, 1.6));
                col(cr, p.top_light);
                cairo_fill(cr);
            }
        }
    }
    if (sp.down && !sp.back) {
        double bot_at = 32 - bottom_inset;
        for (double x = 5; x < 27; x += r.range(3, 6)) {
            if (sp.left && x < L + R) continue;
            if (sp.right && x > 32 - L - R) continue;
            double h = r.range(1.5, 3.2);
            if (set == 2) {
                cairo_move_to(cr, x - 1.1, bot_at - 0.8);
                cairo_line_to(cr, x, bot_at + h);
                cairo_line_to(cr, x + 1.1, bot_at - 0.8);
                col(cr, p.under, 0.9);
                cairo_fill(cr);
            } else {
                cairo_move_to(cr, x, bot_at - 1);
                cairo_curve_to(cr, x + 0.8, bot_at + h * 0.4, x - 0.8, bot_at + h * 0.7, x + 0.3, bot_at + h);
                cairo_set_line_width(cr, set == 1 ? 1.2 : 0.9);
                col(cr, p.under, set == 1 ? 0.85 : 1.0);
                cairo_stroke(cr);
            }
        }
    }
    cairo_destroy(cr);
}

namespace {

// Full rock cells that are never re-tiled: 31 plain, 32 hard, 33..38 glowing vein.
void full_rock(sheet& s, int frame, int set, int tx, int ty) {
    edge_shape sp;
    sp.tx = tx;
    sp.ty = ty;
    render_edge_tile(s, frame, set, sp);
}

void hard_rock(sheet& s, int frame, int set) {
    full_rock(s, frame, set, 40, 72);
    const land_palette& p = palette(set);
    const int ox = frame_x(s, frame), oy = frame_y(s, frame);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double px[4];
            get_pixel(s.surface, ox + x, oy + y, px);
            double bx = std::min(x, 31 - x), by = std::min(y, 31 - y);
            double k = smooth(1, 6, std::min(bx, by));
            rgb c = {px[0], px[1], px[2]};
            rgb dark = mix(scale(p.rock_dark, 0.8), {0.12, 0.13, 0.16}, 0.5);
            double n = fbm(x / 6.0, y / 6.0, 0, 0, 3, 4242 + set);
            c = mix(c, scale(dark, 0.8 + 0.6 * n), 0.75 * k);
            // a bevel: light on the upper left of the core, dark on the lower right
            if (bx > 2 && by > 2 && (bx < 4 || by < 4)) c = mix(c, (x + y < 31) ? p.rock_light : scale(dark, 0.6), 0.35 * k);
            put_pixel(s.surface, ox + x, oy + y, c, px[3]);
        }
    cairo_surface_mark_dirty(s.surface);
    cairo_t* cr = frame_cr(s, frame);
    cairo_set_line_width(cr, 0.8);
    col(cr, scale(p.rock_light, 0.9), 0.45);
    cairo_move_to(cr, 9, 10);
    cairo_line_to(cr, 14, 15);
    cairo_line_to(cr, 13, 21);
    cairo_move_to(cr, 14, 15);
    cairo_line_to(cr, 21, 17);
    cairo_stroke(cr);
    cairo_destroy(cr);
}

void glowing_rock(sheet& s, int frame, int set, double glow) {
    full_rock(s, frame, set, 88, 24);
    const land_palette& p = palette(set);
    cairo_t* cr = frame_cr(s, frame);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    auto vein = [&]() {  // a forked crack across the middle of the cell
        cairo_move_to(cr, 6, 24);
        cairo_line_to(cr, 11, 21);
        cairo_line_to(cr, 13, 16);
        cairo_line_to(cr, 18, 14);
        cairo_line_to(cr, 21, 9);
        cairo_line_to(cr, 26, 7);
        cairo_move_to(cr, 18, 14);
        cairo_line_to(cr, 21, 19);
        cairo_line_to(cr, 26, 21);
        cairo_move_to(cr, 13, 16);
        cairo_line_to(cr, 10, 11);
    };
    vein();
    cairo_set_line_width(cr, 5);
    col(cr, p.accent, 0.12 + 0.25 * glow);
    cairo_stroke(cr);
    vein();
    cairo_set_line_width(cr, 2.2);
    col(cr, p.accent, 0.55 + 0.45 * glow);
    cairo_stroke(cr);
    vein();
    cairo_set_line_width(cr, 0.8);
    col(cr, mix(p.accent, {1, 1, 1}, 0.7), 0.4 + 0.6 * glow);
    cairo_stroke(cr);
    const double nodes[3][2] = {{18, 14}, {11, 21}, {24, 20}};
    for (const auto& n : nodes) {
        radial_glow(cr, n[0], n[1], 4 + 3 * glow, mix(p.accent, {1, 1, 1}, 0.4), 0.25 + 0.5 * glow);
        star_path(cr, n[0], n[1], 2.6, 1.0, 4, 0.3);
        col(cr, mix(p.accent, {1, 1, 1}, 0.5 + 0.4 * glow));
        cairo_fill(cr);
    }
    cairo_destroy(cr);
}

}  // namespace

void draw_land(sheet& s, const gfx_entry& e) {
    const int set = std::clamp(e.env_set, 0, 2);
    for (int k = 1; k <= 16; ++k) full_rock(s, k, set, ((k - 1) % 4) * 32, ((k - 1) / 4) * 32);
    for (int k = 17; k <= 20; ++k) {
        edge_shape sp;
        sp.up = true;
        sp.variant = k - 17;
        sp.tx = (k - 17) * 32;
        render_edge_tile(s, k, set, sp);
    }
    struct edge_case {
        int code;
        bool up, left, right, down;
        int variant, tx, ty;
    };
    const edge_case cases[] = {
        {21, true, true, false, false, 0, 0, 32},  {23, true, true, false, false, 1, 64, 32},
        {22, true, false, true, false, 2, 32, 64}, {24, true, false, true, false, 3, 96, 64},
        {25, false, true, false, false, 0, 0, 64}, {26, false, false, true, false, 1, 96, 96},
        {27, false, true, false, true, 2, 32, 96}, {28, false, false, true, true, 3, 64, 0},
        {29, false, false, false, true, 0, 0, 96},  {30, false, false, false, true, 1, 32, 32},
    };
    for (const edge_case& c : cases) {
        edge_shape sp;
        sp.up = c.up;
        sp.left = c.left;
        sp.right = c.right;
        sp.down = c.down;
        sp.variant = c.variant;
        sp.tx = c.tx;
        sp.ty = c.ty;
        render_edge_tile(s, c.code, set, sp);
    }
    full_rock(s, 31, set, 64, 64);
    hard_rock(s, 32, set);
    for (int k = 33; k <= 38; ++k) glowing_rock(s, k, set, (k - 33) / 5.0);
    draw_tile_extras(s, set);
    draw_back_tiles(s, set);
}

}  // namespace gfx
