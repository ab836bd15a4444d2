#include "tools/levelrender/settle_text.h"

#include <sstream>

#include "sim/sim.h"
#include "world/world.h"

namespace {

// Settled rock by code: the interior texture (1..16) and the edge tiles
// (17..30), each with a character of its own so the level reads back exactly.
struct edge_char { int code; char ch; };
constexpr edge_char edge_chars[] = {
    {1, 'a'}, {2, 'b'}, {3, 'c'}, {4, 'd'}, {5, 'e'}, {6, 'f'}, {7, 'g'}, {8, 'h'},
    {9, 'j'}, {10, 'k'}, {11, 'l'}, {12, 'n'}, {13, 'o'}, {14, 'p'}, {15, 'q'}, {16, 'r'},
    {17, '1'}, {18, '2'}, {19, '3'}, {20, '4'}, {21, '('}, {22, ')'}, {23, '{'}, {24, '}'},
    {25, '<'}, {26, '>'}, {27, 'L'}, {28, 'J'}, {29, 'u'}, {30, 'v'},
};

char grid_char(int code) {
    switch (code) {
    case 0: return '.';
    case 31: return '#';
    case 32: return 'H';
    case 33: return '%';
    case 39: return '=';
    case 40: return 'B';
    case 41: return 'T';
    case 42: return 'A';
    case 64: return 'S';
    case 65: return 'm';
    case 66: return 'i';
    case 67: return 'x';
    default: break;
    }
    for (const auto& e : edge_chars)
        if (e.code == code) return e.ch;
    return '?';
}

bool is_legend_line_of_ours(const std::string& line) {
    for (const auto& e : edge_chars)
        if (line == std::string(1, e.ch) + " = " + std::to_string(e.code)) return true;
    return false;
}

}  // namespace

std::vector<crumbled_cell> settle_map(map_data& map) {
    // Markers are not rock; keep them out of the way while the rule runs.
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            const int code = map.front[c][r];
            terrain_front[c][r] = code >= 64 && code <= 67 ? 0 : code;
            plan_layer[c][r] = 0;
        }
    settle_terrain();
    std::vector<crumbled_cell> lost;
    for (int c = 0; c < world_cols; ++c)
        for (int r = 0; r < world_rows; ++r) {
            const int before = map.front[c][r];
            if (before >= 64 && before <= 67) continue;
            if (before != 0 && terrain_front[c][r] == 0) lost.push_back({c, r});
            map.front[c][r] = static_cast<uint8_t>(terrain_front[c][r]);
        }
    return lost;
}

std::string settled_level_text(const std::string& text, const map_data& map) {
    // Legend lines of the designer's own (not the edge tiles) are kept.
    std::vector<std::string> lines, own_legend;
    {
        std::istringstream in(text);
        std::string line, section;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line[0] == '[') section = line.substr(1, line.find(']') - 1);
            else if (section == "legend" && !line.empty() && line[0] != '#' && !is_legend_line_of_ours(line)) {
                // A designer's character that clashes with ours would change
                // meaning on the way back: leave such a level untouched.
                for (const auto& e : edge_chars)
                    if (line[0] == e.ch) return "";
                own_legend.push_back(line);
            }
            lines.push_back(line);
        }
    }
    std::ostringstream out;
    std::string section;
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
            if (section == "legend") continue;
            if (section == "front") {
                out << "[legend]                # edge tiles written by levelsettle\n";
                for (const auto& e : edge_chars) out << e.ch << " = " << e.code << "\n";
                for (const auto& own : own_legend) out << own << "\n";
                out << "\n" << line << "\n";
                for (int r = 0; r < world_rows; ++r) {
                    for (int c = 0; c < world_cols; ++c) out << grid_char(map.front[c][r]);
                    out << "\n";
                }
                out << "\n";
                continue;
            }
        }
        if (section == "front" || section == "legend") continue;
        out << line << "\n";
    }
    return out.str();
}
