// Level compiler: readable level text <-> the binary map file.
//   levelc compile LEVEL.txt OUT.map
//   levelc decompile IN.map OUT.txt
#include <cstdio>
#include <fstream>
#include <string>

#include "world/level_text.h"
#include "world/map_file.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: levelc compile LEVEL.txt OUT.map | decompile IN.map OUT.txt\n");
        return 2;
    }
    const std::string mode = argv[1];
    map_data map;
    if (mode == "compile") {
        std::string error;
        if (!load_level_text_file(argv[2], map, error)) {
            std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
            return 1;
        }
        if (!write_map_file(argv[3], map)) {
            std::fprintf(stderr, "cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    if (mode == "decompile") {
        if (!read_map_file(argv[2], map)) {
            std::fprintf(stderr, "%s: missing or shorter than a map file\n", argv[2]);
            return 1;
        }
        std::ofstream out(argv[3]);
        out << level_text_from_map(map);
        return out ? 0 : 1;
    }
    std::fprintf(stderr, "levelc: unknown mode %s\n", mode.c_str());
    return 2;
}
