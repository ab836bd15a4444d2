// Shared set-up for the runtime tests: a fresh offscreen display, a scratch
// folder, and small pictures written to disk.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "runtime/internal.h"
#include "runtime/runtime.h"

namespace test_rt {

inline std::string scratch_dir(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() /
               ("zembra_rt_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

// Writes a picture of w x h pixels given as 0xAARRGGBB by `at`.
inline bool write_picture(const std::string& path, int w, int h, const std::function<uint32_t(int, int)>& at,
                          bool jpeg = false) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<uint32_t*>(s->pixels)[y * (s->pitch / 4) + x] = at(x, y);
    int rc = jpeg ? IMG_SaveJPG(s, path.c_str(), 95) : IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    return rc == 0;
}

inline void write_bytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline std::vector<uint32_t> screen() {
    std::vector<uint32_t> px(screen_width * screen_height);
    read_screen(px.data());
    return px;
}

inline uint32_t at(const std::vector<uint32_t>& px, int x, int y) { return px[y * screen_width + x]; }

inline int red(uint32_t p) { return (p >> 16) & 255; }
inline int green(uint32_t p) { return (p >> 8) & 255; }
inline int blue(uint32_t p) { return p & 255; }

// Every test starts from a black offscreen display with the default state.
class display_test : public ::testing::Test {
  protected:
    void SetUp() override {
        set_backend(backend_offscreen, false);
        open_graphics(800, 600, 0, 60);
        rt_set_fast_paths(true);
        rt_reset_draw_state();
        cls();
        flip(0);
    }
    void TearDown() override {
        rt_set_fast_paths(true);
        rt_reset_draw_state();
        set_backend(backend_offscreen, false);
    }
};

} // namespace test_rt
