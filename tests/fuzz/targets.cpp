#include "tests/fuzz/targets.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "config/settings.h"
#include "devtools/demo.h"
#include "devtools/input_script.h"
#include "runtime/runtime.h"
#include "world/level_text.h"
#include "world/map_file.h"
#include "world/world.h"

namespace {

// abort() rather than an exception: the fuzzer reports it with the input.
void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// The readers take a path, so each input goes through a private file.
std::string input_file(const char* name, const uint8_t* data, size_t size) {
    const std::string path = "/tmp/zembra_fuzz_" + std::to_string(::getpid()) + "_" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    check(f != nullptr, "temporary file");
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path;
}

bool in_range(int v, int lo, int hi) { return v >= lo && v <= hi; }

// A table code held in a float; -1 when it is not a whole number.
int code_of(float v) { return static_cast<float>(static_cast<int>(v)) == v ? static_cast<int>(v) : -1; }

void check_world_tables() {
    int items_used = 0;
    for (int n = 0; n < max_items; ++n) {
        const int t = code_of(items[n][i_type]);
        check(in_range(t, item_none, item_hostile), "item kind");
        if (t != item_none) ++items_used;
    }
    check(items_used <= max_items, "item count");
    check(mushrooms_left + insects_left <= items_used, "counts match the items");
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            check(terrain_front[c][r] < marker_saucer || terrain_front[c][r] > marker_hostile,
                  "markers are consumed");
            check(plan_layer[c][r] == 0 && order_layer[c][r] == 0, "plans and orders cleared");
        }
    check(in_range(level_settings[ls_beetles], 0, max_beetles), "beetle count clamped");
    for (int b = 0; b < max_beetles; ++b) check(code_of(beetles[b][b_kind]) == kind_none, "no beetles yet");
}

}  // namespace

int fuzz_map_file(const uint8_t* data, size_t size) {
    map_data map;
    if (!decode_map(data, static_cast<long>(size), map)) {
        check(size < static_cast<size_t>(map_file_size), "a whole map decodes");
        return 0;
    }
    std::vector<uint8_t> again(map_file_size);
    encode_map(map, again.data());
    check(std::memcmp(again.data(), data, map_file_size) == 0, "map bytes round-trip");
    reset_world_tables();
    seed_rnd(1);
    map_planet = data[0] % 11;
    map_level = data[1] % 10;
    level_start_from_map(map, data[2] % 5);
    check_world_tables();
    return 0;
}

int fuzz_config_file(const uint8_t* data, size_t size) {
    const std::string path = input_file("config.cfg", data, size);
    read_settings(path);
    std::remove(path.c_str());
    check(music_volume >= 0 && music_volume <= 4, "music volume");
    check(effects_volume >= 0 && effects_volume <= 4, "effects volume");
    check(ambient_volume >= 0 && ambient_volume <= 4, "ambient volume");
    check(in_range(sound_quality, 0, 2) && in_range(difficulty, 0, 4), "quality and difficulty");
    for (int v : {background_drawing, show_tips, weather, ingame_speed_control, fast_computer,
                  skip_tutorial})
        check(in_range(v, 0, 1), "switches");
    return 0;
}

int fuzz_campaign_file(const uint8_t* data, size_t size) {
    const std::string path = input_file("game.cfg", data, size);
    current_planet = 0;
    current_level = 0;
    read_campaign(path);
    // A refused file stays on disk untouched.
    FILE* f = std::fopen(path.c_str(), "rb");
    check(f != nullptr, "the campaign file is left on disk");
    std::fclose(f);
    std::remove(path.c_str());
    if (no_saved_game == 0) {
        check(size >= 100, "a short campaign is refused");
        check(in_range(current_planet, 0, 10) && in_range(current_level, 0, 9), "planet and level");
        for (int i = 0; i < 10; ++i) {
            check(in_range(level_status[i], 0, 2), "level status");
            check(in_range(route_taken[i], 0, 9) || route_taken[i] == 255, "route");
        }
    }
    return 0;
}

int fuzz_input_script(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<script_event> events;
    std::string error;
    if (!parse_input_script(text, events, error)) {
        check(!error.empty(), "a refusal names the line");
        return 0;
    }
    for (size_t i = 0; i < events.size(); ++i) {
        const script_event& e = events[i];
        check(e.frame >= 1, "frames start at 1");
        check(i == 0 || events[i - 1].frame <= e.frame, "events sorted by frame");
        check(e.verb >= sv_move && e.verb <= sv_beetle, "verb");
        if (e.verb == sv_move || (e.verb == sv_click && e.has_point))
            check(in_range(e.a, 0, 799) && in_range(e.b, 0, 599), "screen point");
        if (e.verb == sv_cell) check(in_range(e.a, 0, 50) && in_range(e.b, 0, 30), "cell");
        if (e.verb == sv_tool) check(in_range(e.a, 0, 23), "tool");
        if (e.verb == sv_beetle) check(in_range(e.a, 0, 19), "beetle row");
        if (e.verb == sv_key || e.verb == sv_hold) check(in_range(e.a, 1, 255), "key code");
    }
    return 0;
}

int fuzz_level_text(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    map_data map, again;
    std::string error;
    if (!parse_level_text(text, map, error)) {
        check(!error.empty(), "a refusal says why");
        return 0;
    }
    // What the compiler accepts, the decompiler writes back the same.
    const std::string written = level_text_from_map(map);
    check(parse_level_text(written, again, error), "decompiled text compiles");
    check(std::memcmp(&map, &again, sizeof map) == 0, "level text round-trips");
    return 0;
}

int fuzz_image_file(const uint8_t* data, size_t size) {
    static bool opened = false;
    if (!opened) {
        set_backend(backend_offscreen, false);
        opened = open_graphics(800, 600, 32, 60);
        check(opened, "offscreen display");
    }
    // The first two bytes choose the cell size, as the manifest would.
    if (size < 2) return 0;
    const int cell_w = 1 + data[0] % 64, cell_h = 1 + data[1] % 64;
    const std::string path = input_file("picture.xtc", data + 2, size - 2);
    const int whole = load_image(path);
    const int cut = load_anim_image(path, cell_w, cell_h, 0, 1 + data[0] % 8);
    std::remove(path.c_str());
    for (int image : {whole, cut}) {
        if (image == 0) continue;
        check(image_width(image) > 0 && image_height(image) > 0 && image_frames(image) > 0,
              "a loaded picture has a size");
        // Draw it at the corners too, where clipping matters.
        set_rotation(static_cast<float>(data[0]));
        draw_image(image, -5, -5, image_frames(image) - 1);
        draw_image(image, 790, 590, 0);
        set_rotation(0);
        free_handle(image);
    }
    if (cut != 0) check(whole != 0, "a picture that cuts also loads whole");
    return 0;
}

int fuzz_demo_file(const uint8_t* data, size_t size) {
    const std::string path = input_file("demo", data, size);
    const bool loaded = load_demo(path);
    std::remove(path.c_str());
    if (!loaded) {
        check(demo_length == 0, "a refused demo is empty");
        check(size < static_cast<size_t>(demo_file_bytes), "a whole demo loads");
        return 0;
    }
    check(demo_length >= 0 && demo_length <= demo_records, "demo length");
    for (int i = 0; i < demo_records; ++i) {
        for (int f = df_mouse_x; f <= df_camera_y; ++f)
            check(in_range(demo_frames[i][f], 0, 65535), "16-bit fields");
        check(in_range(demo_frames[i][df_click], 0, 255), "8-bit click");
        if (i < demo_length) check(demo_frames[i][df_click] != demo_end_mark, "the end record ends the demo");
    }
    // What was read records and saves back to the same rows.
    clear_demo_recording();
    for (int i = 0; i < demo_length && i < demo_records - 1; ++i)
        record_demo_frame(demo_frames[i][0], demo_frames[i][1], demo_frames[i][2], demo_frames[i][3],
                          demo_frames[i][4]);
    const int kept = recorded_demo_frames();
    const std::string again = input_file("demo_again", data, 0);
    check(save_demo_recording(again), "a recording saves");
    std::vector<int> first(5 * static_cast<size_t>(kept));
    // The recorder keeps a click as pressed or not.
    for (int i = 0; i < kept; ++i)
        for (int f = 0; f < 5; ++f)
            first[5 * i + f] = f == df_click ? (demo_frames[i][f] == 1 ? 1 : 0) : demo_frames[i][f];
    check(load_demo(again), "a saved recording loads");
    std::remove(again.c_str());
    check(demo_length == kept, "a saved recording keeps its length");
    for (int i = 0; i < kept; ++i)
        for (int f = 0; f < 5; ++f) check(demo_frames[i][f] == first[5 * i + f], "a saved recording keeps its rows");
    return 0;
}

const fuzz_target fuzz_targets[] = {
    {"map", fuzz_map_file},
    {"config", fuzz_config_file},
    {"campaign", fuzz_campaign_file},
    {"input_script", fuzz_input_script},
    {"level_text", fuzz_level_text},
    {"image", fuzz_image_file},
    {"demo", fuzz_demo_file},
};
const int fuzz_target_count = sizeof fuzz_targets / sizeof fuzz_targets[0];
