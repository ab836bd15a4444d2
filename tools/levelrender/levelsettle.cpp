// Gives a level text the rock edges the game would give it:
//   levelsettle LEVEL.txt [OUT.txt] [--force]
// Lists rock that would crumble and, unless --force, leaves the file alone
// when there is any.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/levelrender/settle_text.h"
#include "world/level_text.h"

int main(int argc, char** argv) {
    std::string in_path, out_path;
    bool force = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--force") force = true;
        else if (in_path.empty()) in_path = arg;
        else if (out_path.empty()) out_path = arg;
        else in_path.clear();
    }
    if (in_path.empty()) {
        std::fprintf(stderr, "usage: levelsettle LEVEL.txt [OUT.txt] [--force]\n");
        return 2;
    }
    if (out_path.empty()) out_path = in_path;
    std::ifstream in(in_path);
    std::stringstream text;
    text << in.rdbuf();
    map_data map;
    std::string error;
    if (!in || !parse_level_text(text.str(), map, error)) {
        std::fprintf(stderr, "%s: %s\n", in_path.c_str(), in ? error.c_str() : "cannot open");
        return 1;
    }
    const auto lost = settle_map(map);
    for (const auto& cell : lost)
        std::fprintf(stderr, "%s: rock at column %d, row %d crumbles\n", in_path.c_str(), cell.col, cell.row);
    if (!lost.empty() && !force) return 1;
    const std::string settled = settled_level_text(text.str(), map);
    if (settled.empty()) {
        std::fprintf(stderr, "%s: its [legend] uses characters levelsettle writes (a-r, 1-4, ( ) { } < > L J u v); rename them\n",
                     in_path.c_str());
        return 1;
    }
    std::ofstream out(out_path);
    out << settled;
    return out ? 0 : 1;
}
