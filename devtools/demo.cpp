#include "devtools/demo.h"

#include <vector>

#include "runtime/runtime.h"

int demo_frames[demo_records][5];
int demo_length = 0;
int demo_frame = 0;
int demo_click_flash = 0;

namespace {

std::vector<int> recording; // five values a frame

int u16(const uint8_t* p) { return p[0] | (p[1] << 8); }

}  // namespace

std::string demo_file_name(int level) { return "maps/demos/demo" + std::to_string(level); }

bool decode_demo(const uint8_t* bytes, long size) {
    demo_length = 0;
    if (bytes == nullptr || size < demo_file_bytes) {
        for (auto& row : demo_frames) row[0] = row[1] = row[2] = row[3] = 0, row[4] = demo_end_mark;
        return false;
    }
    bool ended = false;
    for (int i = 0; i < demo_records; ++i) {
        const uint8_t* p = bytes + static_cast<long>(i) * demo_record_bytes;
        for (int f = 0; f < 4; ++f) demo_frames[i][f] = u16(p + 2 * f);
        demo_frames[i][df_click] = p[8];
        if (!ended && p[8] == demo_end_mark) ended = true;
        if (!ended) demo_length = i + 1;
    }
    return true;
}

bool load_demo(const std::string& path) {
    const std::string real = resolve_path(path);
    if (file_size(real) < demo_file_bytes) return decode_demo(nullptr, 0);
    const int s = read_file(real);
    if (s == 0) return decode_demo(nullptr, 0);
    std::vector<uint8_t> bytes(static_cast<size_t>(demo_file_bytes));
    for (auto& b : bytes) b = static_cast<uint8_t>(read_byte(s));
    const bool short_read = stream_failed(s);
    close_stream(s);
    if (short_read) return decode_demo(nullptr, 0);
    return decode_demo(bytes.data(), demo_file_bytes);
}

void clear_demo_recording() { recording.clear(); }

void record_demo_frame(int mouse_x, int mouse_y, int camera_x, int camera_y, int keys) {
    if (recorded_demo_frames() >= demo_records - 1) return;
    recording.insert(recording.end(), {mouse_x, mouse_y, camera_x, camera_y, keys == demo_end_mark ? 0 : keys & 0xFF});
}

int recorded_demo_frames() { return static_cast<int>(recording.size() / 5); }

bool save_demo_recording(const std::string& path) {
    const int s = write_file(path);
    if (s == 0) return false;
    const int n = recorded_demo_frames();
    for (int i = 0; i < demo_records; ++i) {
        for (int f = 0; f < 4; ++f) write_short(s, i < n ? recording[i * 5 + f] & 0xFFFF : 0);
        write_byte(s, i < n ? recording[i * 5 + 4] : i == n ? demo_end_mark : 0);
    }
    close_stream(s);
    return true;
}
