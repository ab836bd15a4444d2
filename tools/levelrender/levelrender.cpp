// Draws a whole level as one picture with the game's artwork:
//   levelrender MAP.map OUT.png --data GAME_DIR [--set N]
// The environment set follows the planet row in the map's name unless --set
// gives it.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/runtime.h"
#include "tools/levelrender/render_level.h"

namespace {

std::string absolute(const std::string& path) {
    if (path.empty() || path[0] == '/') return path;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) return path;
    return std::string(cwd) + "/" + path;
}

int usage() {
    std::fprintf(stderr, "usage: levelrender MAP.map OUT.png --data GAME_DIR [--set 0|1|2]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string map_path, out_path, data_dir = ".";
    int env_set = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--data" && i + 1 < argc) {
            data_dir = argv[++i];
        } else if (arg == "--set" && i + 1 < argc) {
            env_set = std::atoi(argv[++i]);
            if (env_set < 0 || env_set > 2) return usage();
        } else if (map_path.empty()) {
            map_path = arg;
        } else if (out_path.empty()) {
            out_path = arg;
        } else {
            return usage();
        }
    }
    if (map_path.empty() || out_path.empty()) return usage();
    map_path = absolute(map_path);
    out_path = absolute(out_path);

    map_data map;
    if (!read_map_file(map_path, map)) {
        std::fprintf(stderr, "%s: missing or shorter than a map file\n", map_path.c_str());
        return 1;
    }
    if (env_set < 0) {
        const int planet = planet_of_map_name(map_path);
        env_set = environment_set_of(planet < 0 ? 0 : planet);
    }
    if (chdir(data_dir.c_str()) != 0) {
        std::fprintf(stderr, "cannot enter %s\n", data_dir.c_str());
        return 1;
    }
    set_backend(backend_offscreen, false);
    if (!open_graphics(screen_width, screen_height, 32, 60)) {
        std::fprintf(stderr, "cannot open the offscreen renderer\n");
        return 1;
    }
    if (!load_render_images(env_set)) {
        std::fprintf(stderr, "no tile set in %s/gfx (build the game's data first)\n", data_dir.c_str());
        return 1;
    }
    const auto pixels = render_level(map);
    close_graphics();
    if (!write_png(out_path, pixels, level_pixels_w, level_pixels_h)) {
        std::fprintf(stderr, "cannot write %s\n", out_path.c_str());
        return 1;
    }
    return 0;
}
