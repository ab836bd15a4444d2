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

// Exact round(x / 255) for x in 0..255*255.
inline uint32_t div255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

inline int global_alpha() {
    return static_cast<int>(std::lround(std::clamp(rs.alpha, 0.0f, 1.0f) * 255.0f));
}

inline bool additive() { return rs.blend == 4; }

inline bool white() { return rs.r == 255 && rs.g == 255 && rs.b == 255; }

// Blends one source colour (already tinted) with coverage a (0..255).
inline void put_pixel(uint32_t& dst, uint32_t sr, uint32_t sg, uint32_t sb, uint32_t a, bool add) {
    uint32_t dr = (dst >> 16) & 255, dg = (dst >> 8) & 255, db = dst & 255;
    if (add) {
        dr = std::min<uint32_t>(255, dr + div255(sr * a));
        dg = std::min<uint32_t>(255, dg + div255(sg * a));
        db = std::min<uint32_t>(255, db + div255(sb * a));
    } else {
        uint32_t na = 255 - a;
        dr = div255(sr * a + dr * na);
        dg = div255(sg * a + dg * na);
        db = div255(sb * a + db * na);
    }
    dst = (dr << 16) | (dg << 8) | db;
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
    int ga = global_alpha();
    if (ga == 0) return;
    bool add = additive();

    if (fi.opaque && ga == 255 && !add && white()) {
        for (int y = y0; y < y1; ++y)
            std::memcpy(&rt_back[y * screen_width + x0], &px[(y - oy) * img.width + (x0 - ox)],
                        static_cast<size_t>(x1 - x0) * 4);
        return;
    }
    bool tint = !white();
    uint32_t cr = rs.r, cg = rs.g, cb = rs.b;
    for (int y = y0; y < y1; ++y) {
        const uint32_t* src = &px[(y - oy) * img.width + (x0 - ox)];
        uint32_t* dst = &rt_back[y * screen_width + x0];
        for (int x = x0; x < x1; ++x, ++src, ++dst) {
            uint32_t p = *src;
            uint32_t a = p >> 24;
            if (a == 0) continue;
            if (ga != 255) a = div255(a * ga);
            uint32_t sr = (p >> 16) & 255, sg = (p >> 8) & 255, sb = p & 255;
            if (tint) {
                sr = div255(sr * cr);
                sg = div255(sg * cg);
                sb = div255(sb * cb);
            }
            if (a == 255 && !add) *dst = (sr << 16) | (sg << 8) | sb;
            else put_pixel(*dst, sr, sg, sb, a, add);
        }
    }
}

inline void texel(const uint32_t* px, int w, int h, int x, int y, float wt, float& a, float& r, float& g,
                  float& b) {
    if (x < 0 || y < 0 || x >= w || y >= h || wt <= 0.0f) return;
    uint32_t p = px[y * w + x];
    float pa = static_cast<float>(p >> 24) * wt;
    a += pa;
    r += static_cast<float>((p >> 16) & 255) * pa;
    g += static_cast<float>((p >> 8) & 255) * pa;
    b += static_cast<float>(p & 255) * pa;
}

// Scaled and rotated draw: every screen pixel in the frame's transformed
// bounding box is mapped back into the frame and sampled bilinearly.
void blit_transformed(const rt_image& img, const uint32_t* px, const rt_frame_info& fi, float x,
                      float y) {
    float sx = rs.scale_x, sy = rs.scale_y;
    if (sx == 0.0f || sy == 0.0f) return;
    int ga = global_alpha();
    if (ga == 0) return;
    double rad = static_cast<double>(rs.rotation) * 3.14159265358979323846 / 180.0;
    float cs = static_cast<float>(std::cos(rad)), sn = static_cast<float>(std::sin(rad));

    // Screen bounds of the visible box, one pixel wider for the filter.
    float minx = 1e30f, miny = 1e30f, maxx = -1e30f, maxy = -1e30f;
    const float bx[2] = {static_cast<float>(fi.box_x0) - 1, static_cast<float>(fi.box_x1) + 1};
    const float by[2] = {static_cast<float>(fi.box_y0) - 1, static_cast<float>(fi.box_y1) + 1};
    for (float u : bx)
        for (float v : by) {
            float px_ = (u - img.handle_x) * sx, py_ = (v - img.handle_y) * sy;
            float X = x + px_ * cs - py_ * sn, Y = y + px_ * sn + py_ * cs;
            minx = std::min(minx, X);
            maxx = std::max(maxx, X);
            miny = std::min(miny, Y);
            maxy = std::max(maxy, Y);
        }
    area c = clip_area();
    int x0 = std::max(c.x0, static_cast<int>(std::floor(minx)));
    int x1 = std::min(c.x1, static_cast<int>(std::ceil(maxx)) + 1);
    int y0 = std::max(c.y0, static_cast<int>(std::floor(miny)));
    int y1 = std::min(c.y1, static_cast<int>(std::ceil(maxy)) + 1);
    if (x0 >= x1 || y0 >= y1) return;

    bool add = additive();
    float k = static_cast<float>(ga) / (255.0f * 255.0f);
    float tr = rs.r / 255.0f, tg = rs.g / 255.0f, tb = rs.b / 255.0f;
    float du = cs / sx, dv = -sn / sy;
    int w = img.width, h = img.height;
    for (int Y = y0; Y < y1; ++Y) {
        float dy = static_cast<float>(Y) + 0.5f - y;
        float dx0 = static_cast<float>(x0) + 0.5f - x;
        float u0 = (cs * dx0 + sn * dy) / sx + img.handle_x;
        float v0 = (-sn * dx0 + cs * dy) / sy + img.handle_y;
        uint32_t* dst = &rt_back[Y * screen_width];
        for (int X = x0; X < x1; ++X) {
            float n = static_cast<float>(X - x0);
            float fu = u0 + du * n - 0.5f, fv = v0 + dv * n - 0.5f;
            float fiu = std::floor(fu), fiv = std::floor(fv);
            int iu = static_cast<int>(fiu), iv = static_cast<int>(fiv);
            if (iu < -1 || iv < -1 || iu >= w || iv >= h) continue;
            float ax = fu - fiu, ay = fv - fiv;
            float a = 0, r = 0, g = 0, b = 0;
            texel(px, w, h, iu, iv, (1 - ax) * (1 - ay), a, r, g, b);
            texel(px, w, h, iu + 1, iv, ax * (1 - ay), a, r, g, b);
            texel(px, w, h, iu, iv + 1, (1 - ax) * ay, a, r, g, b);
            texel(px, w, h, iu + 1, iv + 1, ax * ay, a, r, g, b);
            if (a <= 0.0f) continue;
            // Premultiplied source, tinted and faded.
            float sa = a * ga / (255.0f * 255.0f);
            float pr = r * k * tr, pg = g * k * tg, pb = b * k * tb;
            uint32_t d = dst[X];
            float dr = static_cast<float>((d >> 16) & 255), dg = static_cast<float>((d >> 8) & 255),
                  db = static_cast<float>(d & 255);
            if (add) {
                dr += pr;
                dg += pg;
                db += pb;
            } else {
                dr = pr + dr * (1.0f - sa);
                dg = pg + dg * (1.0f - sa);
                db = pb + db * (1.0f - sa);
            }
            auto to8 = [](float v) { return static_cast<uint32_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
            dst[X] = (to8(dr) << 16) | (to8(dg) << 8) | to8(db);
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
    int ga = global_alpha();
    if (ga == 0) return;
    bool add = additive();
    uint32_t cr = rs.r, cg = rs.g, cb = rs.b;
    uint32_t solid = (cr << 16) | (cg << 8) | cb;
    for (int yy = y0; yy < y1; ++yy) {
        uint32_t* dst = &rt_back[yy * screen_width];
        if (ga == 255 && !add) {
            std::fill(dst + x0, dst + x1, solid);
            continue;
        }
        for (int xx = x0; xx < x1; ++xx) put_pixel(dst[xx], cr, cg, cb, static_cast<uint32_t>(ga), add);
    }
}
