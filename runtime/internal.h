// Shared state between the runtime's own files. Nothing outside runtime/
// includes this, except the runtime's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/runtime.h"

union SDL_Event;

// The back buffer the software renderer draws into and the copy taken at the
// last flip. Pixels are 0x00RRGGBB; the top byte is don't-care while drawing
// and masked off whenever pixels leave the runtime.
extern uint32_t rt_back[screen_width * screen_height];
extern uint32_t rt_shown[screen_width * screen_height];

// ---------------------------------------------------------------- images
struct rt_frame_info {
    bool opaque;             // every pixel has alpha 255
    int box_x0, box_y0;      // bounding box of the pixels with alpha > 0,
    int box_x1, box_y1;      // x1/y1 exclusive; empty when x0 >= x1
};

struct rt_image {
    bool in_use;
    int width, height, frames;
    float handle_x, handle_y;
    std::vector<uint32_t> pixels; // frames * width * height, 0xAARRGGBB; empty without pixels
    std::vector<rt_frame_info> info;
};

rt_image* rt_find_image(int handle);
const uint32_t* rt_frame_pixels(const rt_image& img, int frame);
void rt_update_frame_info(rt_image& img, int frame);

// Images and sounds share one handle space so free_handle knows which is which.
enum rt_handle_kind : uint8_t { rt_kind_free = 0, rt_kind_image = 1, rt_kind_sound = 2 };
int rt_new_handle(rt_handle_kind kind);
rt_handle_kind rt_handle_kind_of(int handle);
void rt_release_handle(int handle);
void rt_free_image(int handle);
void rt_free_sound(int handle);

// ---------------------------------------------------------------- renderer
// Tests switch the fast paths off to compare them with the general path.
void rt_set_fast_paths(bool on);
// Resets colour, alpha, blend, scale, rotation and clip to their defaults.
void rt_reset_draw_state();

// ---------------------------------------------------------------- input and window
void rt_input_event(const SDL_Event& ev);
void rt_request_quit();
bool rt_window_open();

// ---------------------------------------------------------------- sound
// True when sounds go to a real mixer rather than the silent stand-in.
bool rt_audio_mixer();
// Closes the audio device; the next sound call chooses the driver afresh.
// Loaded sounds keep their handles but play nothing until loaded again.
void rt_close_audio();

// ---------------------------------------------------------------- files
// Whole file as bytes (after resolve_path); false when it cannot be read.
bool rt_read_whole_file(const std::string& path, std::vector<uint8_t>& out);
