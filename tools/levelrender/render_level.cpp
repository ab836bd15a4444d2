#include "tools/levelrender/render_level.h"

#include <cairo.h>

#include <cstring>

#include "runtime/runtime.h"

namespace {

struct render_images {
    int tiles = 0, big_images = 0, far_plane = 0, sky_day = 0, sky_night = 0;
    int obj = 0, obj2 = 0, ufo = 0;
};
render_images img;

int load_sheet(const std::string& path, int w, int h, int frames, bool centred) {
    const int handle = load_anim_image(path, w, h, 0, frames);
    if (handle != 0 && centred) mid_handle_image(handle);
    return handle;
}

bool night_of(const map_data& map) { return map.settings[28] == 1; }

// The game scrolls the sky and far plane by parallax; a still picture of the
// whole level stretches them over it instead so the views join.
void draw_backdrop(const map_data& map, int cam_x, int cam_y, bool winter) {
    const bool night = night_of(map);
    set_scale(level_pixels_w / 900.0f, level_pixels_h / 672.0f);
    draw_image(night || winter ? img.sky_night : img.sky_day, -cam_x, -cam_y, 0);
    set_scale(1, 1);
    if (night) set_color(128, 128, 255);
    for (int x = 0; x < level_pixels_w; x += 1024)
        draw_image(img.far_plane, x - cam_x, level_pixels_h - 320 - cam_y, 0);
    for (const auto& d : map.decorations)
        if (d[2] >= 1 && d[2] <= 7) draw_image(img.big_images, d[0] - cam_x, d[1] - cam_y, d[2] - 1);
}

void draw_layer(const uint8_t (&layer)[world_cols][world_rows], int cam_x, int cam_y) {
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r)
            if (layer[c][r] != 0) draw_image(img.tiles, c * 32 - cam_x, r * 32 - cam_y, layer[c][r]);
}

// Items as the level start makes them, over their editor glyphs, and the
// saucer where it comes to rest (28 pixels above its landing height).
void draw_markers(const map_data& map, int cam_x, int cam_y) {
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            const int x = c * 32 - cam_x, y = r * 32 - cam_y;
            switch (map.front[c][r]) {
            case 64: draw_image(img.ufo, c * 32 + 16 - cam_x, (r - 2) * 32 - 28 - cam_y, 0); break;
            case 65: draw_image(img.obj2, x - 8, y - 8, 0); break;
            case 66: draw_image(img.obj, x - 8, y - 8, 0); break;
            case 67: draw_image(img.obj, x - 8, y, 38); break;
            default: break;
            }
        }
}

void draw_view(const map_data& map, int cam_x, int cam_y, bool winter) {
    cls();
    set_alpha(1);
    set_blend(3);
    set_color(255, 255, 255);
    draw_backdrop(map, cam_x, cam_y, winter);
    if (night_of(map)) set_color(128, 128, 255);
    draw_layer(map.back, cam_x, cam_y);
    set_color(255, 255, 255);
    draw_layer(map.front, cam_x, cam_y);
    draw_markers(map, cam_x, cam_y);
}

int winter_flag = 0;

}  // namespace

int environment_set_of(int planet) {
    switch (planet) {
    case 0: case 4: case 9: return 0;
    case 2: case 3: case 8: return 2;
    default: return 1;
    }
}

int planet_of_map_name(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (name.size() < 9 || name.compare(0, 3, "map") != 0 || name.compare(name.size() - 4, 4, ".map") != 0)
        return -1;
    const std::string digits = name.substr(3, name.size() - 7);
    if (digits.size() < 2 || digits.size() > 3) return -1;
    for (char ch : digits)
        if (ch < '0' || ch > '9') return -1;
    return std::stoi(digits.substr(0, digits.size() - 1));
}

bool load_render_images(int env_set) {
    const std::string n = std::to_string(env_set);
    img.tiles = load_sheet("gfx/land" + n + ".xtc", 32, 32, 128, false);
    img.big_images = load_sheet("gfx/env/bigimages" + n + ".xtc", 185, 185, 7, true);
    img.far_plane = load_sheet("gfx/env/mplane" + n + ".xtc", 1024, 320, 1, false);
    img.sky_day = load_sheet("gfx/env/bplane1.xtc", 900, 672, 1, false);
    img.sky_night = load_sheet("gfx/env/bplane2.xtc", 900, 672, 1, false);
    img.obj = load_sheet("gfx/obj.xtc", 48, 48, 76, false);
    img.obj2 = load_sheet("gfx/obj2.xtc", 48, 48, 5, false);
    img.ufo = load_sheet("gfx/ufo.xtc", 148, 96, 23, true);
    winter_flag = env_set == 2;
    return img.tiles != 0;
}

std::vector<uint32_t> render_level(const map_data& map) {
    std::vector<uint32_t> out(static_cast<size_t>(level_pixels_w) * level_pixels_h, 0);
    std::vector<uint32_t> view(static_cast<size_t>(screen_width) * screen_height);
    for (int cam_y = 0; cam_y < level_pixels_h; cam_y += screen_height)
        for (int cam_x = 0; cam_x < level_pixels_w; cam_x += screen_width) {
            draw_view(map, cam_x, cam_y, winter_flag != 0);
            flip(0);
            if (!read_screen(view.data())) return {};
            for (int y = 0; y < screen_height && cam_y + y < level_pixels_h; ++y) {
                const int w = std::min(screen_width, level_pixels_w - cam_x);
                std::memcpy(&out[static_cast<size_t>(cam_y + y) * level_pixels_w + cam_x],
                            &view[static_cast<size_t>(y) * screen_width], w * sizeof(uint32_t));
            }
        }
    return out;
}

bool write_png(const std::string& path, const std::vector<uint32_t>& pixels, int width, int height) {
    if (pixels.size() != static_cast<size_t>(width) * height) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y)
        std::memcpy(data + static_cast<size_t>(y) * stride, &pixels[static_cast<size_t>(y) * width],
                    width * sizeof(uint32_t));
    cairo_surface_mark_dirty(surface);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}
