// Gathers the seed corpora of the fuzzers: the committed text seeds, the
// build's maps and small pictures, and settings files written the way the
// game writes them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/settings.h"
#include "world/level_text.h"
#include "world/map_file.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

void copy_into(const fs::path& from, const fs::path& dir, const std::string& name) {
    fs::copy_file(from, dir / name, fs::copy_options::overwrite_existing);
}

void write_bytes(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> read_bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: fuzz_make_seeds SEEDS_DIR GAME_DIR OUT_DIR\n");
        return 2;
    }
    const fs::path seeds = argv[1], game = argv[2], out = argv[3];
    for (const char* t : {"map", "config", "campaign", "input_script", "level_text", "image", "demo"})
        fs::create_directories(out / t);

    // Committed seeds, each in its target's folder.
    for (const auto& dir : fs::directory_iterator(seeds))
        if (dir.is_directory())
            for (const auto& f : fs::directory_iterator(dir.path()))
                copy_into(f.path(), out / dir.path().filename(), f.path().filename().string());

    // Level texts compile to map seeds.
    int maps = 0;
    for (const auto& f : fs::directory_iterator(seeds / "level_text")) {
        map_data m;
        std::string error;
        if (!load_level_text_file(f.path().string(), m, error)) continue;
        std::vector<uint8_t> bytes(map_file_size);
        encode_map(m, bytes.data());
        write_bytes(out / "map" / ("text_" + f.path().stem().string() + ".map"), bytes);
        ++maps;
    }
    // The build's own maps, also as level text.
    if (fs::exists(game / "maps"))
        for (const auto& f : fs::directory_iterator(game / "maps")) {
            if (f.path().extension() != ".map") continue;
            copy_into(f.path(), out / "map", f.path().filename().string());
            map_data m;
            if (read_map_file(f.path().string(), m))
                std::ofstream(out / "level_text" / (f.path().stem().string() + ".txt"))
                    << level_text_from_map(m);
            ++maps;
        }
    if (fs::exists(game / "maps" / "demos"))
        for (const auto& f : fs::directory_iterator(game / "maps" / "demos"))
            if (f.is_regular_file()) copy_into(f.path(), out / "demo", f.path().filename().string());

    // Pictures: the small ones keep the fuzzer fast; the first two bytes of
    // an image seed are the cell size the target cuts with.
    int pictures = 0;
    if (fs::exists(game / "gfx"))
        for (const auto& f : fs::recursive_directory_iterator(game / "gfx")) {
            if (!f.is_regular_file() || f.file_size() > 12000 || pictures >= 40) continue;
            std::vector<uint8_t> bytes = read_bytes(f.path());
            bytes.insert(bytes.begin(), {31, 31});
            write_bytes(out / "image" / ("gfx_" + std::to_string(pictures++)), bytes);
        }

    // Settings and campaign files as the game writes them, whole and cut short.
    default_settings();
    write_settings((out / "config" / "defaults").string());
    difficulty = 4;
    music_volume = 0;
    write_settings((out / "config" / "changed").string());
    std::vector<uint8_t> cfg = read_bytes(out / "config" / "defaults");
    cfg.resize(18);
    write_bytes(out / "config" / "truncated", cfg);
    current_planet = 3;
    current_level = 2;
    campaign_gold = 40;
    route_taken[0] = 1;
    write_campaign((out / "campaign" / "saved").string());
    std::vector<uint8_t> camp = read_bytes(out / "campaign" / "saved");
    camp.resize(60);
    write_bytes(out / "campaign" / "truncated", camp);

    std::printf("seeds: %d maps, %d pictures\n", maps, pictures);
    return 0;
}
