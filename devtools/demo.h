// Recorded play input: one row per frame of mouse, camera and click, stored
// as 10000 records of 9 little-endian bytes with an end record.
#pragma once

#include <cstdint>
#include <string>

constexpr int demo_records = 10000;
constexpr int demo_record_bytes = 9;
constexpr long demo_file_bytes = static_cast<long>(demo_records) * demo_record_bytes;
constexpr int demo_end_mark = 255;
// A recording replays to the same world only from the same world stream.
constexpr uint32_t demo_world_seed = 20061;

enum : int { df_mouse_x = 0, df_mouse_y = 1, df_camera_x = 2, df_camera_y = 3, df_click = 4 };

// Field 4 is 1 for a click. Our own recordings also keep there the keys a
// replay needs to reach the same world (never 255, and never read by the
// tutorial demo, which takes only the click).
enum : int {
    dk_click = 1, dk_escape = 2, dk_speed = 4,
    dk_digit_shift = 3, dk_digit_mask = 15 << 3, // a tool key '1'..'8' as 1..8
    dk_wheel_tab = 128,                          // the wheel switched the panel tab
};

extern int demo_frames[demo_records][5];
// Rows before the first end record; all of them when the file has none.
extern int demo_length;
// Next row to replay; 0 at every level start.
extern int demo_frame;
// Frames left of the pressed demo pointer after a replayed click.
extern int demo_click_flash;

// "maps/demos/demo" + level
std::string demo_file_name(int level);

// Reads a demo into demo_frames. A missing or short file gives an empty demo
// (length 0) and false.
bool load_demo(const std::string& path);
// Decoding of the file bytes (at least demo_file_bytes of them).
bool decode_demo(const uint8_t* bytes, long size);

// The recorder keeps at most demo_records - 1 frames, so the end record fits.
void clear_demo_recording();
// `keys` is the field-4 value: dk_click and the key bits.
void record_demo_frame(int mouse_x, int mouse_y, int camera_x, int camera_y, int keys);
int recorded_demo_frames();
// Writes the recording, the end record and zero filler.
bool save_demo_recording(const std::string& path);
