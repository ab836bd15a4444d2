// The services layer every other part of the game is written against: an
// 800x600 immediate-mode display, images cut into frames, polled input, two
// seeded random streams, little-endian binary files and four-channel sound.
// Only this folder talks to SDL.
#pragma once

#include <cstdint>
#include <string>

// ---------------------------------------------------------------- back ends
enum backend_kind {
    backend_window = 0,    // a real window (full screen unless windowed)
    backend_offscreen = 1, // software renderer into an 800x600 buffer, no window
    backend_none = 2,      // no pixel work at all; every call is accepted
};

constexpr int screen_width = 800;
constexpr int screen_height = 600;

// Chooses the back end; call before open_graphics.
void set_backend(int kind, bool windowed);
int current_backend();
// True when pixels are drawn (window or offscreen).
bool drawing_enabled();

// ---------------------------------------------------------------- display
bool open_graphics(int width, int height, int depth, int rate);
void close_graphics();
void hide_pointer();
void cls();
// Shows the back buffer; sync -1 paces to 60 frames a second in a window.
// Also pumps window events and runs the frame hook (below).
void flip(int sync);
int millisecs();

// Called by flip after each presented frame; the harness hangs its frame
// counting, scripted input, screenshots and dumps here.
using frame_hook_fn = void (*)();
void set_frame_hook(frame_hook_fn fn);

// The window's close button or the system asked the game to end.
bool quit_requested();

// Copies the presented 800x600 picture as 0x00RRGGBB pixels (row-major).
// Returns false when there are no pixels (no-draw back end).
bool read_screen(uint32_t* out_pixels);
bool save_screen_png(const std::string& path);

// ---------------------------------------------------------------- drawing state
void set_color(int r, int g, int b);
void set_alpha(float a);
void set_blend(int mode); // 3 alpha blending, 4 additive light
void set_scale(float sx, float sy);
void set_rotation(float degrees);
void set_viewport(int x, int y, int width, int height);

struct draw_state {
    int r, g, b;
    float alpha;
    int blend;
    float scale_x, scale_y;
    float rotation;
    int clip_x, clip_y, clip_w, clip_h;
};
draw_state get_draw_state();

// ---------------------------------------------------------------- drawing
void draw_image(int image, float x, float y, int frame);
void draw_rect(float x, float y, float width, float height);

// ---------------------------------------------------------------- images
// Handles are positive integers; 0 is the null handle that draws nothing.
int load_image(const std::string& path, int flags = -1);
int load_anim_image(const std::string& path, int cell_w, int cell_h, int first, int count,
                    int flags = -1);
void mid_handle_image(int image);
int create_image(int width, int height, int frames, int flags = -1);
void grab_image(int image, int x, int y, int frame);
void free_handle(int handle);
int image_width(int image);
int image_height(int image);
int image_frames(int image);
// A frame's pixel (0xAARRGGBB); 0 outside or without pixels. For tests and tools.
uint32_t image_pixel(int image, int frame, int x, int y);

// ---------------------------------------------------------------- input
// Windows virtual-key codes.
enum : int {
    vk_backspace = 8, vk_enter = 13, vk_escape = 27, vk_space = 32,
    vk_left = 37, vk_up = 38, vk_right = 39, vk_down = 40,
    vk_0 = 48, vk_f = 70, vk_console = 192,
};
int key_down(int code);
int key_hit(int code);
int get_char();
void flush_keys();
int mouse_x();
int mouse_y();
int mouse_z();
int mouse_hit(int button);
int mouse_down(int button);
// Reads pending window events into the input state (flip does it too).
void poll_events();

// Synthetic input, as if it came from the window (scripted play, tests).
void inject_mouse_move(int x, int y);
void inject_mouse_button(int button, bool down);
void inject_key(int code, bool down);
void inject_char(int ch);
void inject_wheel(int notches);
void reset_input();

// ---------------------------------------------------------------- numbers and text
enum rng_stream : int { rng_world = 0, rng_cosmetic = 1 };
void seed_rnd(uint32_t seed);                     // seeds both streams
void seed_stream(int stream, uint32_t seed);
uint64_t stream_state(int stream);                // for determinism checks
int rand_range(int a, int b);                     // world stream, closed range
int rand_cosmetic(int a, int b);                  // cosmetic stream, closed range
int rand_stream(int stream, int a, int b);

double sin_deg(double degrees);
double cos_deg(double degrees);
int to_int(double v); // truncates toward zero
std::string int_text(int v);
std::string float_text(float v);
int text_to_int(const std::string& s);
std::string char_text(int code);
std::string substring(const std::string& text, int start, int length);

// ---------------------------------------------------------------- files
// Streams are positive integers; 0 is the null stream.
int read_file(const std::string& path);
int write_file(const std::string& path);
void close_stream(int stream);
// True once a read ran past the end of the file (the value read was 0).
bool stream_failed(int stream);
int read_byte(int stream);
void write_byte(int stream, int v);
int read_short(int stream);
void write_short(int stream, int v);
int32_t read_int(int stream);
void write_int(int stream, int32_t v);
void delete_file(const std::string& path);
// Replaces `to` with `from` in one step (same folder), for saves that never
// leave a half-written file behind.
bool rename_file(const std::string& from, const std::string& to);
bool file_exists(const std::string& path);
long file_size(const std::string& path); // -1 when missing
// Turns "\" into "/" and, when the exact name is missing, finds the file
// case-insensitively one folder level at a time.
std::string resolve_path(const std::string& path);

// ---------------------------------------------------------------- sound
// The game's four channels are named for the sound log.
int load_sound(const std::string& path, int flags); // 0 once, 1 looping
int alloc_channel();
void free_channel(int channel);
void name_channel(int channel, const char* name);
void play_sound(int sound, int channel);
void cue_sound(int sound, int channel);
void resume_channel(int channel);
void stop_channel(int channel);
void set_channel_volume(int channel, float volume);
float channel_volume(int channel);
// Sound handle -> its path ("" for null). Channel -> path playing or cued.
std::string sound_path(int sound);
std::string channel_sound(int channel);
bool channel_playing(int channel);

// One line per sound call: "<frame> <call> <path or -> <channel>". Play and
// cue give the sound's path, resume and stop the path the channel holds,
// volume the volume ("0.75"); the channel is its name, else its number.
void open_sound_log(const std::string& path);
void close_sound_log();

// The frame number the sound log and the harness use.
void set_frame_number(long n);
long frame_number();
