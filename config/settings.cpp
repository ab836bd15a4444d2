#include "config/settings.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "world/world.h"

float music_volume = 3, effects_volume = 4, ambient_volume = 4;
int sound_quality = 2, background_drawing = 1, show_tips = 1, weather = 1,
    ingame_speed_control = 1, fast_computer = 1, difficulty = 1, skip_tutorial = 0;

int current_planet = 0, current_level = 0;
int campaign_insects = 0, campaign_mushrooms = 0, campaign_gold = 0;
int route_taken[10] = {255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
int no_saved_game = 0;

namespace {

// Reads up to `count` little-endian integers; returns how many were whole.
int read_ints(const std::string& path, int32_t* out, int count) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return -1;
    int n = 0;
    unsigned char b[4];
    while (n < count && in.read(reinterpret_cast<char*>(b), 4)) {
        out[n++] = static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                        (static_cast<uint32_t>(b[3]) << 24));
    }
    return n;
}

// Written beside the real file and renamed over it, so a crash while saving
// leaves either the old file or the new one, never half of one.
void write_ints_atomically(const std::string& path, const int32_t* values, int count) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return;
        for (int i = 0; i < count; ++i) {
            const uint32_t u = static_cast<uint32_t>(values[i]);
            const char b[4] = {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff),
                               static_cast<char>((u >> 16) & 0xff),
                               static_cast<char>((u >> 24) & 0xff)};
            out.write(b, 4);
        }
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) std::remove(temp.c_str());
}

int clamp_int(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

void default_settings() {
    music_volume = 3;
    effects_volume = 4;
    ambient_volume = 4;
    sound_quality = 2;
    background_drawing = 1;
    show_tips = 1;
    weather = 1;
    ingame_speed_control = 1;
    fast_computer = 1;
    difficulty = 1;
    skip_tutorial = 0;
}

void read_settings(const std::string& path) {
    default_settings();
    int32_t v[11];
    const int n = read_ints(path, v, 11);
    if (n <= 0) return;
    float* volumes[3] = {&music_volume, &effects_volume, &ambient_volume};
    for (int i = 0; i < 3 && i < n; ++i) *volumes[i] = static_cast<float>(clamp_int(v[i], 0, 4));
    if (n > 3) sound_quality = clamp_int(v[3], 0, 2);
    int* switches[6] = {&background_drawing, &show_tips, &weather, &ingame_speed_control,
                        &fast_computer, nullptr};
    for (int i = 0; i < 5; ++i)
        if (n > 4 + i) *switches[i] = clamp_int(v[4 + i], 0, 1);
    if (n > 9) difficulty = clamp_int(v[9], 0, 4);
    if (n > 10) skip_tutorial = clamp_int(v[10], 0, 1);
}

void write_settings(const std::string& path) {
    const int32_t v[11] = {static_cast<int32_t>(std::lround(music_volume)),
                           static_cast<int32_t>(std::lround(effects_volume)),
                           static_cast<int32_t>(std::lround(ambient_volume)),
                           sound_quality, background_drawing, show_tips, weather,
                           ingame_speed_control, fast_computer, difficulty, skip_tutorial};
    write_ints_atomically(path, v, 11);
}

void read_campaign(const std::string& path) {
    no_saved_game = 0;
    int32_t v[25];
    const int n = read_ints(path, v, 25);
    bool valid = n == 25;
    if (valid) {
        valid = v[0] >= 0 && v[0] <= 10 && v[1] >= 0 && v[1] <= 9;
        for (int i = 0; i < 10 && valid; ++i) valid = v[5 + i] >= 0 && v[5 + i] <= 2;
        for (int i = 0; i < 10 && valid; ++i)
            valid = (v[15 + i] >= 0 && v[15 + i] <= 9) || v[15 + i] == 255;
    }
    // A damaged file counts as no saved game and is left as it is.
    if (!valid) {
        no_saved_game = 1;
        return;
    }
    current_planet = v[0];
    current_level = v[1];
    campaign_insects = v[2];
    campaign_mushrooms = v[3];
    campaign_gold = v[4];
    for (int i = 0; i < 10; ++i) level_status[i] = v[5 + i];
    for (int i = 0; i < 10; ++i) route_taken[i] = v[15 + i];
    map_planet = current_planet;
    map_level = current_level;
}

void write_campaign(const std::string& path) {
    int32_t v[25] = {current_planet, current_level, campaign_insects, campaign_mushrooms,
                     campaign_gold};
    for (int i = 0; i < 10; ++i) v[5 + i] = level_status[i];
    for (int i = 0; i < 10; ++i) v[15 + i] = route_taken[i];
    write_ints_atomically(path, v, 25);
}

void delete_campaign(const std::string& path) { std::remove(path.c_str()); }
