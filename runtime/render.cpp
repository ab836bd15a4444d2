// The software renderer: drawing state, clearing, images and rectangles,
// all into the 800x600 back buffer.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "runtime/internal.h"

namespace {

struct render_state {
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int blend = 3;
    float scale_x = 1.0f, scale_y = 1.0f;
    float rotation = 0.0f;
    int clip_x = 0, clip_y = 0, clip_w = screen_width, clip_h = screen_height;
    bool fast_paths = true;
};

render_state rs;

// Coverage 0..255 as a factor 0..256, so 255 keeps a colour exactly.
inline uint32_t to256(uint32_t a) { return a + (a >> 7); }

inline int global_alpha256() {
    return static_cast<int>(std::lround(std::clamp(rs.alpha, 0.0f, 1.0f) * 256.0f));
}

inline bool additive() { return rs.blend == 4; }

inline bool white() { return rs.r == 255 && rs.g == 255 && rs.b == 255; }

// Every channel of 0x00RRGGBB times f/256 (f 0..256), red and blue in one multiply.
inline uint32_t scale_rgb(uint32_t c, uint32_t f) {
    uint32_t rb = (((c & 0xFF00FFu) * f) >> 8) & 0xFF00FFu;
    uint32_t g = (((c & 0x00FF00u) * f) >> 8) & 0x00FF00u;
    return rb | g;
}

// Channel-wise sum, saturating at 255.
inline uint32_t add_sat(uint32_t d, uint32_t s) {
    uint32_t rb = (d & 0xFF00FFu) + (s & 0xFF00FFu);
    uint32_t g = (d & 0x00FF00u) + (s & 0x00FF00u);
    rb |= 0x1000100u - ((rb >> 8) & 0x10001u);
    g |= 0x10000u - ((g >> 8) & 0x100u);
    return (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

// The drawing colour as per-channel factors 0..256.
struct tint {
    uint32_t r, g, b;
    bool on;
};

inline tint current_tint() {
    return {to256(static_cast<uint32_t>(rs.r)), to256(static_cast<uint32_t>(rs.g)),
            to256(static_cast<uint32_t>(rs.b)), !white()};
}

inline uint32_t apply_tint(uint32_t c, const tint& t) {
    return ((((c >> 16) & 255) * t.r >> 8) << 16) | ((((c >> 8) & 255) * t.g >> 8) << 8) |
           ((c & 255) * t.b >> 8);
}

// Writes a premultiplied source p of coverage a256 onto d.
inline uint32_t compose(uint32_t d, uint32_t p, uint32_t a256, bool add) {
    return add ? add_sat(d, p) : add_sat(scale_rgb(d, 256 - a256), p);
}

// The screen area a draw may touch: the clip rectangle.
struct area {
    int x0, y0, x1, y1;
};

area clip_area() { return {rs.clip_x, rs.clip_y, rs.clip_x + rs.clip_w, rs.clip_y + rs.clip_h}; }

inline int snap(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

// Untransformed draw of a frame whose top-left lands on (ox, oy).
void blit_plain(const rt_image& img, const uint32_t* px, const rt_frame_info& fi, int ox, int oy) {
    area c = clip_area();
    int x0 = std::max(c.x0, ox + fi.box_x0), x1 = std::min(c.x1, ox + fi.box_x1);
    int y0 = std::max(c.y0, oy + fi.box_y0), y1 = std::min(c.y1, oy + fi.box_y1);
    if (x0 >= x1 || y0 >= y1) return;
    uint32_t ga = static_cast<uint32_t>(global_alpha256());
    if (ga == 0) return;
    bool add = additive();
    tint t = current_tint();

    if (fi.opaque && ga == 256 && !add && !t.on) {
        for (int y = y0; y < y1; ++y)
            std::memcpy(&rt_back[y * screen_width + x0], &px[(y - oy) * img.width + (x0 - ox)],
                        static_cast<size_t>(x1 - x0) * 4);
        return;
    }
    for (int y = y0; y < y1; ++y) {
        const uint32_t* src = &px[(y - oy) * img.width + (x0 - ox)];
        uint32_t* dst = &rt_back[y * screen_width + x0];
        for (int x = x0; x < x1; ++x, ++src, ++dst) {
            uint32_t p = *src;
            uint32_t a = to256(p >> 24);
            if (a == 0) continue;
            if (ga != 256) a = (a * ga) >> 8;
            uint32_t col = t.on ? apply_tint(p & 0xFFFFFFu, t) : p & 0xFFFFFFu;
            if (a == 256 && !add) *dst = col;
            else *dst = compose(*dst, scale_rgb(col, a), a, add);
        }
    }
}

// Texel (x, y) premultiplied by its alpha; transparent outside the frame.
inline uint32_t texel_pm(const uint32_t* px, int w, int h, int x, int y, uint32_t& alpha) {
    if (x < 0 || y < 0 || x >= w || y >= h) {
        alpha = 0;
        return 0;
    }
    uint32_t p = px[y * w + x];
    alpha = p >> 24;
    return scale_rgb(p & 0xFFFFFFu, to256(alpha));
}

// The run of n in [0, count) where lo <= s + d * n < hi, widened by one step
// either side; the per-pixel test catches the rest.
void span(double s, double d, double lo, double hi, int count, int& n0, int& n1) {
    if (d == 0.0) {
        if (s < lo || s >= hi) n0 = n1 = 0;
        return;
    }
    double a = (lo - s) / d, b = (hi - s) / d;
    if (a > b) std::swap(a, b);
    n0 = std::max(n0, static_cast<int>(std::max(-1.0, std::floor(a))));
    n1 = std::min(n1, static_cast<int>(std::min(static_cast<double>(count), std::ceil(b) + 1)));
    n0 = std::max(n0, 0);
}

// Scaled and rotated draw: every screen pixel in the frame's transformed
// bounding box is mapped back into the frame and sampled bilinearly.
void blit_transformed(const rt_image& img, const uint32_t* px, const rt_frame_info& fi, float x,
                      float y) {
    double sx = rs.scale_x, sy = rs.scale_y;
    if (sx == 0.0 || sy == 0.0) return;
    uint32_t ga = static_cast<uint32_t>(global_alpha256());
    if (ga == 0) return;
    double rad = static_cast<double>(rs.rotation) * 3.14159265358979323846 / 180.0;
    double cs = std::cos(rad), sn = std::sin(rad);

    // Screen bounds of the visible box, one pixel wider for the filter.
    double minx = 1e30, miny = 1e30, maxx = -1e30, maxy = -1e30;
    const double bx[2] = {fi.box_x0 - 1.0, fi.box_x1 + 1.0};
    const double by[2] = {fi.box_y0 - 1.0, fi.box_y1 + 1.0};
    for (double u : bx)
        for (double v : by) {
            double pu = (u - img.handle_x) * sx, pv = (v - img.handle_y) * sy;
            double X = x + pu * cs - pv * sn, Y = y + pu * sn + pv * cs;
            minx = std::min(minx, X);
            maxx = std::max(maxx, X);
            miny = std::min(miny, Y);
            maxy = std::max(maxy, Y);
        }
    area c = clip_area();
    int x0 = std::max(c.x0, static_cast<int>(std::floor(std::max(minx, -1.0))));
    int x1 = std::min(c.x1, static_cast<int>(std::ceil(std::min(maxx, 1e5))) + 1);
    int y0 = std::max(c.y0, static_cast<int>(std::floor(std::max(miny, -1.0))));
    int y1 = std::min(c.y1, static_cast<int>(std::ceil(std::min(maxy, 1e5))) + 1);
    if (x0 >= x1 || y0 >= y1) return;

    bool add = additive();
    tint t = current_tint();
    int w = img.width, h = img.height;
    double du = cs / sx, dv = -sn / sy;
    constexpr double one = 65536.0;
    for (int Y = y0; Y < y1; ++Y) {
        double dy = Y + 0.5 - y, dx0 = x0 + 0.5 - x;
        // Sample position of the row's first pixel, in texel space less half a texel.
        double fu = (cs * dx0 + sn * dy) / sx + img.handle_x - 0.5;
        double fv = (-sn * dx0 + cs * dy) / sy + img.handle_y - 0.5;
        int n0 = 0, n1 = x1 - x0;
        span(fu, du, -1.0, w, n1, n0, n1);
        span(fv, dv, -1.0, h, n1, n0, n1);
        if (n0 >= n1) continue;
        int64_t u = std::llround((fu + du * n0) * one), v = std::llround((fv + dv * n0) * one);
        int64_t su = std::llround(du * one), sv = std::llround(dv * one);
        uint32_t* dst = &rt_back[Y * screen_width + x0];
        for (int n = n0; n < n1; ++n, u += su, v += sv) {
            int iu = static_cast<int>(u >> 16), iv = static_cast<int>(v >> 16);
            if (iu < -1 || iv < -1 || iu >= w || iv >= h) continue;
            uint32_t fx = static_cast<uint32_t>(u >> 8) & 255, fy = static_cast<uint32_t>(v >> 8) & 255;
            // Weights summing to exactly 256, so flat areas keep their colour.
            uint32_t w11 = (fx * fy) >> 8, w10 = fx - w11, w01 = fy - w11, w00 = 256 - fx - fy + w11;
            uint32_t a00, a10, a01, a11;
            uint32_t c00 = texel_pm(px, w, h, iu, iv, a00), c10 = texel_pm(px, w, h, iu + 1, iv, a10);
            uint32_t c01 = texel_pm(px, w, h, iu, iv + 1, a01), c11 = texel_pm(px, w, h, iu + 1, iv + 1, a11);
            uint32_t a = (a00 * w00 + a10 * w10 + a01 * w01 + a11 * w11) >> 8;
            if (a == 0) continue;
            // The weights sum to at most 256, so the packed sums cannot carry.
            uint32_t rb = (c00 & 0xFF00FFu) * w00 + (c10 & 0xFF00FFu) * w10 + (c01 & 0xFF00FFu) * w01 +
                          (c11 & 0xFF00FFu) * w11;
            uint32_t g = (c00 & 0x00FF00u) * w00 + (c10 & 0x00FF00u) * w10 + (c01 & 0x00FF00u) * w01 +
                         (c11 & 0x00FF00u) * w11;
            uint32_t pm = ((rb >> 8) & 0xFF00FFu) | ((g >> 8) & 0x00FF00u);
            if (t.on) pm = apply_tint(pm, t);
            uint32_t a256 = to256(a);
            if (ga != 256) {
                pm = scale_rgb(pm, ga);
                a256 = (a256 * ga) >> 8;
            }
            dst[n] = compose(dst[n], pm, a256, add);
        }
    }
}

} // namespace

void rt_set_fast_paths(bool on) { rs.fast_paths = on; }

void rt_reset_draw_state() {
    bool fast = rs.fast_paths;
    rs = render_state{};
    rs.fast_paths = fast;
}

void set_color(int r, int g, int b) {
    rs.r = std::clamp(r, 0, 255);
    rs.g = std::clamp(g, 0, 255);
    rs.b = std::clamp(b, 0, 255);
}

void set_alpha(float a) { rs.alpha = std::isnan(a) ? 0.0f : std::clamp(a, 0.0f, 1.0f); }

void set_blend(int mode) { rs.blend = mode; }

void set_scale(float sx, float sy) {
    rs.scale_x = std::isfinite(sx) ? sx : 0.0f;
    rs.scale_y = std::isfinite(sy) ? sy : 0.0f;
}

void set_rotation(float degrees) { rs.rotation = std::isfinite(degrees) ? degrees : 0.0f; }

void set_viewport(int x, int y, int width, int height) {
    int x0 = std::clamp(x, 0, screen_width), y0 = std::clamp(y, 0, screen_height);
    long long ex = static_cast<long long>(x) + std::max(width, 0);
    long long ey = static_cast<long long>(y) + std::max(height, 0);
    int x1 = static_cast<int>(std::clamp<long long>(ex, x0, screen_width));
    int y1 = static_cast<int>(std::clamp<long long>(ey, y0, screen_height));
    rs.clip_x = x0;
    rs.clip_y = y0;
    rs.clip_w = x1 - x0;
    rs.clip_h = y1 - y0;
}

draw_state get_draw_state() {
    return {rs.r,       rs.g,       rs.b,     rs.alpha,  rs.blend,  rs.scale_x,
            rs.scale_y, rs.rotation, rs.clip_x, rs.clip_y, rs.clip_w, rs.clip_h};
}

void cls() {
    if (!drawing_enabled()) return;
    for (int y = rs.clip_y; y < rs.clip_y + rs.clip_h; ++y)
        std::memset(&rt_back[y * screen_width + rs.clip_x], 0, static_cast<size_t>(rs.clip_w) * 4);
}

void draw_image(int image, float x, float y, int frame) {
    if (!drawing_enabled() || !std::isfinite(x) || !std::isfinite(y)) return;
    const rt_image* img = rt_find_image(image);
    if (!img || frame < 0 || frame >= img->frames || img->pixels.empty()) return;
    const rt_frame_info& fi = img->info[frame];
    if (fi.box_x0 >= fi.box_x1 || fi.box_y0 >= fi.box_y1) return;
    const uint32_t* px = rt_frame_pixels(*img, frame);
    bool plain = rs.scale_x == 1.0f && rs.scale_y == 1.0f && rs.rotation == 0.0f;
    // Far-off positions cannot touch the screen; keep the integer maths safe.
    if (std::fabs(x) > 1e6f || std::fabs(y) > 1e6f) return;
    if (plain && rs.fast_paths)
        blit_plain(*img, px, fi, snap(x - img->handle_x), snap(y - img->handle_y));
    else
        blit_transformed(*img, px, fi, x, y);
}

void draw_rect(float x, float y, float width, float height) {
    if (!drawing_enabled()) return;
    float ex = x + width * rs.scale_x, ey = y + height * rs.scale_y;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(ex) || !std::isfinite(ey)) return;
    float lx = std::clamp(std::min(x, ex), -1e6f, 1e6f), hx = std::clamp(std::max(x, ex), -1e6f, 1e6f);
    float ly = std::clamp(std::min(y, ey), -1e6f, 1e6f), hy = std::clamp(std::max(y, ey), -1e6f, 1e6f);
    area c = clip_area();
    int x0 = std::max(c.x0, snap(lx)), x1 = std::min(c.x1, snap(hx));
    int y0 = std::max(c.y0, snap(ly)), y1 = std::min(c.y1, snap(hy));
    if (x0 >= x1 || y0 >= y1) return;
    uint32_t ga = static_cast<uint32_t>(global_alpha256());
    if (ga == 0) return;
    bool add = additive();
    uint32_t solid = (static_cast<uint32_t>(rs.r) << 16) | (static_cast<uint32_t>(rs.g) << 8) | rs.b;
    uint32_t pm = scale_rgb(solid, ga), keep = 256 - ga;
    for (int yy = y0; yy < y1; ++yy) {
        uint32_t* dst = &rt_back[yy * screen_width];
        if (ga == 256 && !add) {
            std::fill(dst + x0, dst + x1, solid);
            continue;
        }
        if (add)
            for (int xx = x0; xx < x1; ++xx) dst[xx] = add_sat(dst[xx], pm);
        else
            for (int xx = x0; xx < x1; ++xx) dst[xx] = scale_rgb(dst[xx], keep) + pm;
    }
}
