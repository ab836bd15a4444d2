// Back ends, the window, page flipping and pacing, screenshots.
#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "runtime/internal.h"

uint32_t rt_back[screen_width * screen_height];
uint32_t rt_shown[screen_width * screen_height];

namespace {

struct display_state {
    int backend = backend_offscreen;
    bool windowed = false;
    bool opened = false;
    bool quit = false;
    bool in_hook = false;
    frame_hook_fn hook = nullptr;
    long frame = 0;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    uint64_t last_present_ns = 0;
};

display_state disp;

uint64_t now_ns() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return static_cast<uint64_t>(duration_cast<nanoseconds>(steady_clock::now() - start).count());
}

void close_window() {
    if (disp.texture) SDL_DestroyTexture(disp.texture);
    if (disp.renderer) SDL_DestroyRenderer(disp.renderer);
    if (disp.window) SDL_DestroyWindow(disp.window);
    disp.texture = nullptr;
    disp.renderer = nullptr;
    disp.window = nullptr;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool open_window() {
    // Full screen gives the desktop back when another program takes the focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, disp.windowed ? "0" : "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;

    Uint32 flags = disp.windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
    disp.window = SDL_CreateWindow("The Zembra Zeri", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   screen_width, screen_height, flags);
    if (!disp.window) {
        close_window();
        return false;
    }
    disp.renderer = SDL_CreateRenderer(disp.window, -1,
                                       SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!disp.renderer) disp.renderer = SDL_CreateRenderer(disp.window, -1, 0);
    if (!disp.renderer) {
        close_window();
        return false;
    }
    // The renderer letterboxes the 800x600 picture and maps mouse events back
    // into game pixels for us.
    SDL_RenderSetLogicalSize(disp.renderer, screen_width, screen_height);
    disp.texture = SDL_CreateTexture(disp.renderer, SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, screen_width, screen_height);
    if (!disp.texture) {
        close_window();
        return false;
    }
    SDL_SetWindowMinimumSize(disp.window, 200, 150);
    SDL_StartTextInput();
    return true;
}

void present_window(int sync) {
    SDL_UpdateTexture(disp.texture, nullptr, rt_shown, screen_width * 4);
    SDL_SetRenderDrawColor(disp.renderer, 0, 0, 0, 255);
    SDL_RenderClear(disp.renderer);
    SDL_RenderCopy(disp.renderer, disp.texture, nullptr, nullptr);
    SDL_RenderPresent(disp.renderer);

    if (sync != 0) {
        // When the retrace did not hold us back (no vsync, or a faster
        // display), space frames 1/60 s apart by the clock.
        const uint64_t frame_ns = 1000000000ull / 60;
        uint64_t now = now_ns();
        uint64_t due = disp.last_present_ns + frame_ns;
        if (disp.last_present_ns != 0 && now + 1000000 < due) {
            std::this_thread::sleep_for(std::chrono::nanoseconds(due - now));
            now = now_ns();
        }
        // After a long stall, start counting afresh instead of rushing.
        if (disp.last_present_ns == 0 || now > due + frame_ns) disp.last_present_ns = now;
        else disp.last_present_ns = std::max(due, now - frame_ns / 2);
    } else {
        disp.last_present_ns = now_ns();
    }
}

} // namespace

void set_backend(int kind, bool windowed) {
    if (kind < backend_window || kind > backend_none) kind = backend_offscreen;
    disp.backend = kind;
    disp.windowed = windowed;
}

int current_backend() { return disp.backend; }

bool drawing_enabled() { return disp.backend != backend_none; }

bool rt_window_open() { return disp.window != nullptr; }

void rt_request_quit() { disp.quit = true; }

bool quit_requested() { return disp.quit; }

bool open_graphics(int, int, int, int) {
    // Only one size is supported; the arguments are the game's way of asking for it.
    if (disp.opened && (disp.window != nullptr) == (disp.backend == backend_window)) return true;
    close_graphics();
    std::memset(rt_back, 0, sizeof rt_back);
    std::memset(rt_shown, 0, sizeof rt_shown);
    rt_reset_draw_state();
    if (disp.backend == backend_window && !open_window()) return false;
    disp.opened = true;
    disp.quit = false;
    disp.last_present_ns = 0;
    return true;
}

void close_graphics() {
    if (disp.window) close_window();
    disp.opened = false;
}

void hide_pointer() {
    if (disp.window) SDL_ShowCursor(SDL_DISABLE);
}

void flip(int sync) {
    if (drawing_enabled()) std::memcpy(rt_shown, rt_back, sizeof rt_shown);
    if (disp.window) present_window(sync);
    poll_events();
    if (disp.hook && !disp.in_hook) {
        disp.in_hook = true;
        disp.hook();
        disp.in_hook = false;
    }
}

int millisecs() { return static_cast<int>(now_ns() / 1000000ull); }

void set_frame_hook(frame_hook_fn fn) { disp.hook = fn; }

void set_frame_number(long n) { disp.frame = n; }

long frame_number() { return disp.frame; }

bool read_screen(uint32_t* out_pixels) {
    if (!drawing_enabled() || !out_pixels) return false;
    for (int i = 0; i < screen_width * screen_height; ++i) out_pixels[i] = rt_shown[i] & 0x00FFFFFFu;
    return true;
}

bool save_screen_png(const std::string& path) {
    if (!drawing_enabled()) return false;
    std::vector<uint32_t> pixels(screen_width * screen_height);
    read_screen(pixels.data());
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), screen_width, screen_height, 32,
                                                        screen_width * 4, SDL_PIXELFORMAT_RGB888);
    if (!s) return false;
    bool ok = IMG_SavePNG(s, resolve_path(path).c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}
