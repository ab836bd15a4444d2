// Images: decoding by content, frames cut from sheets, blank and grabbed
// images, and the handle table shared with sounds.
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstring>

#include "runtime/internal.h"

namespace {

std::vector<rt_image> images(1);
std::vector<uint8_t> handle_kinds(1, rt_kind_free); // handle 0 is never given out

// Larger pictures are refused rather than risking a huge allocation.
constexpr long long max_pixels = 64ll * 1024 * 1024;

bool sane_size(long long w, long long h, long long frames) {
    return w > 0 && h > 0 && frames > 0 && w <= 16384 && h <= 16384 && w * h * frames <= max_pixels;
}

uint32_t be32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// The size from a PNG header, without decoding anything.
bool png_size(const std::vector<uint8_t>& bytes, int& w, int& h) {
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (bytes.size() < 33 || std::memcmp(bytes.data(), sig, 8) != 0) return false;
    if (std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return false;
    uint32_t pw = be32(bytes.data() + 16), ph = be32(bytes.data() + 20);
    if (!sane_size(pw, ph, 1)) return false;
    w = static_cast<int>(pw);
    h = static_cast<int>(ph);
    return true;
}

// Every chunk up to IEND must lie inside the data: fed through SDL, libpng
// would otherwise spend minutes skipping a chunk that claims gigabytes.
bool png_chunks_fit(const std::vector<uint8_t>& bytes) {
    size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const uint32_t length = be32(bytes.data() + at);
        if (length > bytes.size() - at - 12) return false;
        if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) return true;
        at += 12 + static_cast<size_t>(length);
    }
    return false;
}

// TGA has no signature; its header's size must be sane and fit the data
// (a run-length packet holds at most 128 pixels), so a few damaged bytes
// cannot ask the decoder for gigabytes.
bool tga_plausible(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 18) return false;
    const int type = bytes[2], bits = bytes[16];
    const long long w = bytes[12] | (bytes[13] << 8), h = bytes[14] | (bytes[15] << 8);
    const long long data = static_cast<long long>(bytes.size()) - 18 - bytes[0];
    if (!sane_size(w, h, 1) || data <= 0 || bits == 0) return false;
    if (type >= 1 && type <= 3) return w * h * ((bits + 7) / 8) <= data;
    if (type >= 9 && type <= 11) return w * h <= data * 128;
    return false;
}

// The frame size from a JPEG's start-of-frame segment, which must be sane
// before the decoder allocates the picture.
bool jpeg_size_sane(const std::vector<uint8_t>& bytes) {
    size_t at = 2;
    while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
        const int marker = bytes[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        const size_t length = (static_cast<size_t>(bytes[at + 2]) << 8) | bytes[at + 3];
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                           marker != 0xCC;
        if (frame) {
            if (at + 9 > bytes.size()) return false;
            const long long h = (bytes[at + 5] << 8) | bytes[at + 6], w = (bytes[at + 7] << 8) | bytes[at + 8];
            return sane_size(w, h, 1);
        }
        if (length < 2) return false;
        at += 2 + length;
    }
    return false;
}

// Decodes PNG, JPEG or TGA data, recognised by content. Without `pixels`
// only the size is wanted.
bool decode_picture(const std::vector<uint8_t>& bytes, int& w, int& h, std::vector<uint32_t>* pixels) {
    if (bytes.empty()) return false;
    if (!pixels && png_size(bytes, w, h)) return true;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!rw) return false;
    // Only the formats the game's pictures come in: SDL_image's other
    // decoders (SVG, XCF, ...) would face every damaged file for nothing.
    SDL_Surface* s = nullptr;
    int header_w = 0, header_h = 0;
    if (IMG_isPNG(rw)) {
        // A header that claims a huge picture is refused before the decoder allocates it.
        if (png_size(bytes, header_w, header_h) && png_chunks_fit(bytes)) s = IMG_LoadPNG_RW(rw);
    } else if (IMG_isJPG(rw)) {
        if (jpeg_size_sane(bytes)) s = IMG_LoadJPG_RW(rw);
    }
    if (!s) {
        // TGA has no signature, so it is the last guess.
        SDL_RWseek(rw, 0, RW_SEEK_SET);
        if (tga_plausible(bytes)) s = IMG_LoadTyped_RW(rw, 0, "TGA");
    }
    SDL_RWclose(rw);
    if (!s) return false;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!argb) return false;
    bool ok = sane_size(argb->w, argb->h, 1);
    if (ok) {
        w = argb->w;
        h = argb->h;
        if (pixels) {
            pixels->resize(static_cast<size_t>(w) * h);
            SDL_LockSurface(argb);
            for (int y = 0; y < h; ++y)
                std::memcpy(pixels->data() + static_cast<size_t>(y) * w,
                            static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch,
                            static_cast<size_t>(w) * 4);
            SDL_UnlockSurface(argb);
        }
    }
    SDL_FreeSurface(argb);
    return ok;
}

int new_image(int w, int h, int frames, bool with_pixels, uint32_t fill) {
    int handle = rt_new_handle(rt_kind_image);
    if (static_cast<size_t>(handle) >= images.size()) images.resize(handle + 1);
    rt_image& img = images[handle];
    img = rt_image{};
    img.in_use = true;
    img.width = w;
    img.height = h;
    img.frames = frames;
    img.info.assign(frames, rt_frame_info{fill >> 24 == 255, 0, 0, w, h});
    if (fill >> 24 == 0) img.info.assign(frames, rt_frame_info{false, 0, 0, 0, 0});
    if (with_pixels) img.pixels.assign(static_cast<size_t>(w) * h * frames, fill);
    return handle;
}

} // namespace

// ---------------------------------------------------------------- handles
int rt_new_handle(rt_handle_kind kind) {
    handle_kinds.push_back(kind);
    return static_cast<int>(handle_kinds.size() - 1);
}

rt_handle_kind rt_handle_kind_of(int handle) {
    if (handle <= 0 || static_cast<size_t>(handle) >= handle_kinds.size()) return rt_kind_free;
    return static_cast<rt_handle_kind>(handle_kinds[handle]);
}

void rt_release_handle(int handle) {
    if (handle > 0 && static_cast<size_t>(handle) < handle_kinds.size()) handle_kinds[handle] = rt_kind_free;
}

void free_handle(int handle) {
    switch (rt_handle_kind_of(handle)) {
    case rt_kind_image: rt_free_image(handle); break;
    case rt_kind_sound: rt_free_sound(handle); break;
    default: return;
    }
    rt_release_handle(handle);
}

// ---------------------------------------------------------------- image table
rt_image* rt_find_image(int handle) {
    if (rt_handle_kind_of(handle) != rt_kind_image || static_cast<size_t>(handle) >= images.size())
        return nullptr;
    rt_image& img = images[handle];
    return img.in_use ? &img : nullptr;
}

void rt_free_image(int handle) {
    if (rt_find_image(handle)) images[handle] = rt_image{};
}

const uint32_t* rt_frame_pixels(const rt_image& img, int frame) {
    return img.pixels.data() + static_cast<size_t>(frame) * img.width * img.height;
}

void rt_update_frame_info(rt_image& img, int frame) {
    if (img.pixels.empty() || frame < 0 || frame >= img.frames) return;
    const uint32_t* px = rt_frame_pixels(img, frame);
    rt_frame_info fi{true, img.width, img.height, 0, 0};
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            uint32_t a = px[y * img.width + x] >> 24;
            if (a != 255) fi.opaque = false;
            if (a == 0) continue;
            fi.box_x0 = std::min(fi.box_x0, x);
            fi.box_y0 = std::min(fi.box_y0, y);
            fi.box_x1 = std::max(fi.box_x1, x + 1);
            fi.box_y1 = std::max(fi.box_y1, y + 1);
        }
    if (fi.box_x0 >= fi.box_x1) fi.box_x0 = fi.box_y0 = fi.box_x1 = fi.box_y1 = 0;
    img.info[frame] = fi;
}

// ---------------------------------------------------------------- loading
int load_anim_image(const std::string& path, int cell_w, int cell_h, int first, int count, int) {
    if (cell_w <= 0 || cell_h <= 0 || first < 0 || count <= 0) return 0;
    std::vector<uint8_t> bytes;
    if (!rt_read_whole_file(path, bytes)) return 0;
    bool with_pixels = drawing_enabled();
    int w = 0, h = 0;
    std::vector<uint32_t> sheet;
    if (!decode_picture(bytes, w, h, with_pixels ? &sheet : nullptr)) return 0;

    // Cells that would reach past the picture are not there.
    int cols = w / cell_w, rows = h / cell_h;
    long long cells = static_cast<long long>(cols) * rows;
    long long frames = std::min<long long>(count, cells - first);
    if (frames <= 0 || !sane_size(cell_w, cell_h, frames)) return 0;

    int handle = new_image(cell_w, cell_h, static_cast<int>(frames), false, 0);
    rt_image& img = images[handle];
    if (!with_pixels) {
        img.info.assign(img.frames, rt_frame_info{true, 0, 0, cell_w, cell_h});
        return handle;
    }
    img.pixels.resize(static_cast<size_t>(cell_w) * cell_h * img.frames);
    for (int k = 0; k < img.frames; ++k) {
        int cell = first + k;
        int cx = (cell % cols) * cell_w, cy = (cell / cols) * cell_h;
        uint32_t* out = img.pixels.data() + static_cast<size_t>(k) * cell_w * cell_h;
        for (int y = 0; y < cell_h; ++y)
            std::memcpy(out + static_cast<size_t>(y) * cell_w, sheet.data() + static_cast<size_t>(cy + y) * w + cx,
                        static_cast<size_t>(cell_w) * 4);
        rt_update_frame_info(img, k);
    }
    return handle;
}

int load_image(const std::string& path, int flags) {
    std::vector<uint8_t> bytes;
    if (!rt_read_whole_file(path, bytes)) return 0;
    int w = 0, h = 0;
    if (!decode_picture(bytes, w, h, nullptr)) return 0;
    if (!drawing_enabled()) {
        int handle = new_image(w, h, 1, false, 0);
        images[handle].info.assign(1, rt_frame_info{true, 0, 0, w, h});
        return handle;
    }
    return load_anim_image(path, w, h, 0, 1, flags);
}

void mid_handle_image(int image) {
    if (rt_image* img = rt_find_image(image)) {
        img->handle_x = static_cast<float>(img->width / 2);
        img->handle_y = static_cast<float>(img->height / 2);
    }
}

int create_image(int width, int height, int frames, int) {
    if (!sane_size(width, height, frames)) return 0;
    return new_image(width, height, frames, drawing_enabled(), 0xFF000000u);
}

void grab_image(int image, int x, int y, int frame) {
    rt_image* img = rt_find_image(image);
    if (!img || img->pixels.empty() || frame < 0 || frame >= img->frames) return;
    uint32_t* out = img->pixels.data() + static_cast<size_t>(frame) * img->width * img->height;
    for (int j = 0; j < img->height; ++j)
        for (int i = 0; i < img->width; ++i) {
            long long sx = static_cast<long long>(x) + i, sy = static_cast<long long>(y) + j;
            bool inside = sx >= 0 && sy >= 0 && sx < screen_width && sy < screen_height;
            uint32_t p = inside ? rt_back[sy * screen_width + sx] : 0;
            out[j * img->width + i] = 0xFF000000u | (p & 0x00FFFFFFu);
        }
    rt_update_frame_info(*img, frame);
}

int image_width(int image) {
    const rt_image* img = rt_find_image(image);
    return img ? img->width : 0;
}

int image_height(int image) {
    const rt_image* img = rt_find_image(image);
    return img ? img->height : 0;
}

int image_frames(int image) {
    const rt_image* img = rt_find_image(image);
    return img ? img->frames : 0;
}

uint32_t image_pixel(int image, int frame, int x, int y) {
    const rt_image* img = rt_find_image(image);
    if (!img || img->pixels.empty() || frame < 0 || frame >= img->frames) return 0;
    if (x < 0 || y < 0 || x >= img->width || y >= img->height) return 0;
    return rt_frame_pixels(*img, frame)[y * img->width + x];
}
