// Helpers for the artwork tests: decoding the written PNG files and reading
// frames of freshly rendered sheets.
#pragma once

#include <png.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "generators.h"

namespace gfxtest {

struct image {
    int w = 0, h = 0;
    std::vector<std::uint8_t> rgba;
    bool ok = false;
    const std::uint8_t* at(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * w + x) * 4]; }
};

inline image decode_png(const std::string& path) {
    image img;
    png_image p{};
    p.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&p, path.c_str())) return img;
    p.format = PNG_FORMAT_RGBA;
    img.w = static_cast<int>(p.width);
    img.h = static_cast<int>(p.height);
    img.rgba.resize(PNG_IMAGE_SIZE(p));
    img.ok = png_image_finish_read(&p, nullptr, img.rgba.data(), 0, nullptr) != 0;
    return img;
}

// A fresh directory under the system temp folder, removed by the caller;
// named by process so tests running side by side never share one.
inline std::filesystem::path temp_dir(const std::string& tag) {
    auto base = std::filesystem::temp_directory_path() /
                ("zembra_gfx_" + tag + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    return base;
}

// Straight-alpha pixel of a frame of a rendered sheet.
struct px {
    double r, g, b, a;
};
inline px pixel(const gfx::sheet& s, int frame, int x, int y) {
    double v[4];
    gfx::get_pixel(s.surface, gfx::frame_x(s, frame) + x, gfx::frame_y(s, frame) + y, v);
    return {v[0], v[1], v[2], v[3]};
}

// Bounding rows/columns of the opaque part of a frame (alpha above 0.3);
// returns false for an empty frame.
struct box {
    int x0, y0, x1, y1;
};
inline bool ink_box(const gfx::sheet& s, int frame, box& b, double min_alpha = 0.3) {
    b = {s.cell_w, s.cell_h, -1, -1};
    for (int y = 0; y < s.cell_h; ++y)
        for (int x = 0; x < s.cell_w; ++x)
            if (pixel(s, frame, x, y).a > min_alpha) {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
            }
    return b.x1 >= 0;
}

}  // namespace gfxtest
