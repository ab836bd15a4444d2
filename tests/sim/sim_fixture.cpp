#include "sim_fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "audio/sound_table.h"
#include "config/settings.h"
#include "runtime/runtime.h"
#include "world/level_text.h"
#include "world/map_file.h"

namespace {

std::string scratch_dir() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("zembra_sim_" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir;
}

// A sound the runtime accepts: the header is all it needs to hand out a handle.
int fake_sound(const std::string& name) {
    std::string path = scratch_dir() + "/" + name;
    std::ofstream out(path, std::ios::binary);
    const char header[12] = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    out.write(header, sizeof header);
    out.close();
    return load_sound(path, 0);
}

std::string log_path() { return scratch_dir() + "/sounds.log"; }

} // namespace

std::string level_text(const std::vector<std::string>& rows, const std::string& settings) {
    std::string text = "[settings]\n" + settings + "\n[front]\n";
    for (const auto& r : rows) text += r + "\n";
    return text;
}

std::vector<std::string> empty_rows() { return std::vector<std::string>(31, std::string(51, '.')); }

void paint(std::vector<std::string>& rows, int c0, int r0, int c1, int r1, char ch) {
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) rows[r][c] = ch;
}

void sim_test::SetUpTestSuite() {
    set_backend(backend_none, false);
    if (snd_wah != 0) return;
    effects_channel_a = alloc_channel();
    effects_channel_b = alloc_channel();
    name_channel(effects_channel_a, "effects_a");
    name_channel(effects_channel_b, "effects_b");
    snd_wah = fake_sound("wah.wav");
    snd_transform = fake_sound("transform.wav");
    snd_pickup = fake_sound("pickup.wav");
    snd_dead1 = fake_sound("dead1.wav");
    snd_dead2 = fake_sound("dead2.wav");
    snd_dead3 = fake_sound("dead3.wav");
    snd_dead4 = fake_sound("dead4.wav");
    snd_down = fake_sound("down.wav");
    snd_perforator = fake_sound("perforator.wav");
    snd_explosion = fake_sound("explosion.wav");
    snd_bbegin = fake_sound("bbegin.wav");
    snd_bubble = fake_sound("bubble.wav");
    snd_electrocute = fake_sound("electrocute.wav");
}

void sim_test::SetUp() {
    reset_world_tables();
    seed_rnd(20240611);
    difficulty = 0;
    heard_.clear();
    open_sound_log(log_path());
}

void sim_test::TearDown() { close_sound_log(); }

void sim_test::load(const std::string& text, int planet, int difficulty_level) {
    map_data map;
    std::string error;
    ASSERT_TRUE(parse_level_text(text, map, error)) << error;
    map_planet = planet;
    map_level = 1;
    difficulty = difficulty_level;
    level_start_from_map(map, difficulty_level);
}

void sim_test::load_quiet(const std::vector<std::string>& rows, const std::string& settings) {
    load(level_text(rows, settings));
    saucer[s_x] = -1000;
    saucer[s_y] = -1000;
    saucer[s_phase] = 3;
}

int sim_test::add_beetle(float x, float y, int dir, int kind, int state) {
    for (int b = 0; b < max_beetles; ++b) {
        if (beetles[b][b_kind] != kind_none) continue;
        float* bt = beetles[b];
        for (int f = 0; f < beetle_fields; ++f) bt[f] = 0;
        bt[b_x] = x;
        bt[b_y] = y;
        bt[b_kind] = static_cast<float>(kind);
        bt[b_dir] = static_cast<float>(dir);
        bt[b_vy] = 1.0f;
        bt[b_state] = static_cast<float>(state);
        bt[b_speed] = 0.8f;
        return b;
    }
    ADD_FAILURE() << "no free beetle row";
    return 0;
}

int sim_test::add_item(float x, float y, int type, int dir) {
    for (int i = 0; i < max_items; ++i) {
        if (items[i][i_type] != item_none) continue;
        for (int f = 0; f < item_fields; ++f) items[i][f] = 0;
        items[i][i_x] = x;
        items[i][i_y] = y;
        items[i][i_type] = static_cast<float>(type);
        items[i][i_dir] = static_cast<float>(dir);
        return i;
    }
    ADD_FAILURE() << "no free item row";
    return 0;
}

void sim_test::ticks(int n) {
    for (int k = 0; k < n; ++k) world_tick();
}

std::vector<std::string> sim_test::sounds() {
    close_sound_log();
    std::ifstream in(log_path());
    std::string line;
    std::vector<std::string> out;
    while (std::getline(in, line)) {
        // "<frame> play <path> <channel>": keep the file name.
        auto slash = line.rfind('/');
        auto space = line.rfind(' ');
        if (slash == std::string::npos || space == std::string::npos || space < slash) continue;
        out.push_back(line.substr(slash + 1, space - slash - 1));
    }
    open_sound_log(log_path());
    heard_.insert(heard_.end(), out.begin(), out.end());
    return out;
}

bool sim_test::played(const std::string& name) {
    sounds();
    for (const auto& s : heard_)
        if (s == name) return true;
    return false;
}

float* beetle(int b) { return beetles[b]; }
float* item(int i) { return items[i]; }

int count_effects(int kind) {
    int n = 0;
    for (const auto& e : effects)
        if (e.kind == kind) ++n;
    return n;
}
