#include "world/level_text.h"

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Settings by name; the tool names follow the panel's slots.
const char* const setting_names[30] = {
    "bridge", "elevator", "boring", "insects_cloac", "dynamite", "absorber", "tool6", "tool7",
    "tool8", "tool9", "tool10", "plan_cleaner", "to_builder", "to_armoured", "to_medic",
    "to_laborer", "navigation", "urgent_turn", "tool18", "dence_balls", "tool20", "tool21",
    "tool22", "comands_cleaner", "beetles", "time", "survivors", "direction", "night", "rain",
};

struct legend_entry { char ch; int code; };
const legend_entry default_legend[] = {
    {'.', 0}, {'#', 31}, {'H', 32}, {'%', 33}, {'=', 39}, {'B', 40}, {'T', 41}, {'A', 42},
    {'S', 64}, {'m', 65}, {'i', 66}, {'x', 67},
};

std::string trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
    return s.substr(a, b - a);
}

std::string strip_comment(const std::string& s) {
    const size_t at = s.find(" #");
    if (!s.empty() && s[0] == '#') return "";
    return at == std::string::npos ? s : s.substr(0, at);
}

bool parse_int(const std::string& s, int& out) {
    if (s.empty()) return false;
    size_t i = 0;
    if (s[0] == '-' || s[0] == '+') i = 1;
    if (i >= s.size()) return false;
    long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
        if (v > 2147483647L) return false;
    }
    out = static_cast<int>(s[0] == '-' ? -v : v);
    return true;
}

int setting_index(const std::string& name) {
    for (int i = 0; i < 30; ++i)
        if (name == setting_names[i]) return i;
    int n = 0;
    if (name.rfind("setting", 0) == 0 && parse_int(name.substr(7), n) && n >= 0 && n < 30)
        return n;
    return -1;
}

}  // namespace

bool parse_level_text(const std::string& text, map_data& out, std::string& error) {
    std::memset(&out, 0, sizeof out);
    std::map<char, int> legend;
    for (const auto& e : default_legend) legend[e.ch] = e.code;

    std::istringstream in(text);
    std::string raw, section;
    std::vector<std::string> front_rows, back_rows;
    int line_no = 0, decoration = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(line_no) + ": " + why;
        return false;
    };
    while (std::getline(in, raw)) {
        ++line_no;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (section == "front" || section == "back") {
            // Grid rows keep their characters; '#' is rock here, not a comment.
            const std::string t = trim(raw);
            if (t.size() > 2 && t.front() == '[' && t.back() == ']') {
                section = t.substr(1, t.size() - 2);
                continue;
            }
            if (t.empty()) continue;
            auto& rows = section == "front" ? front_rows : back_rows;
            if (static_cast<int>(rows.size()) >= world_rows) return fail("more than 31 rows");
            if (static_cast<int>(raw.size()) > world_cols) return fail("row longer than 51 cells");
            rows.push_back(raw);
            continue;
        }
        const std::string line = trim(strip_comment(raw));
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            if (section != "settings" && section != "legend" && section != "front" &&
                section != "back" && section != "decorations" && section != "level")
                return fail("unknown section [" + section + "]");
            continue;
        }
        if (section == "settings" || section == "legend") {
            const size_t eq = line.find('=');
            if (eq == std::string::npos) return fail("expected name = value");
            const std::string key = trim(line.substr(0, eq));
            int value = 0;
            if (!parse_int(trim(line.substr(eq + 1)), value)) return fail("bad number");
            if (section == "settings") {
                const int idx = setting_index(key);
                if (idx < 0) return fail("unknown setting '" + key + "'");
                out.settings[idx] = value;
            } else {
                if (key.size() != 1) return fail("legend keys are single characters");
                if (value < 0 || value > 255) return fail("tile codes are 0..255");
                legend[key[0]] = value;
            }
        } else if (section == "decorations") {
            std::istringstream fields(line);
            int x = 0, y = 0, pic = 0;
            if (!(fields >> x >> y >> pic)) return fail("expected x y picture");
            if (decoration >= max_decorations) return fail("more than 100 decorations");
            out.decorations[decoration][0] = x;
            out.decorations[decoration][1] = y;
            out.decorations[decoration][2] = pic;
            ++decoration;
        } else if (section == "level") {
            continue;  // free-form notes (name, theme) for designers
        } else {
            return fail("text outside a section");
        }
    }
    auto fill = [&](const std::vector<std::string>& rows, uint8_t (&grid)[world_cols][world_rows],
                    const char* which) {
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c) {
                const auto it = legend.find(rows[r][c]);
                if (it == legend.end()) {
                    error = std::string(which) + " row " + std::to_string(r) + ": unknown cell '" +
                            rows[r][c] + "'";
                    return false;
                }
                grid[c][r] = static_cast<uint8_t>(it->second);
            }
        return true;
    };
    if (front_rows.empty()) {
        error = "no [front] section";
        return false;
    }
    return fill(front_rows, out.front, "front") && fill(back_rows, out.back, "back");
}

std::string level_text_from_map(const map_data& map) {
    std::map<int, char> chars;
    for (const auto& e : default_legend) chars[e.code] = e.ch;
    std::string extra;
    // Characters handed out to codes the default legend lacks.
    const std::string pool =
        "abcdefghjklnopqrstuvwyzCDEFGIJKLMNOPQRUVWXYZ0123456789!$&*+-/:;<>?@^_`{|}~()',\"\\";
    size_t next = 0;
    auto char_for = [&](int code) {
        auto it = chars.find(code);
        if (it != chars.end()) return it->second;
        const char ch = next < pool.size() ? pool[next++] : '?';
        chars[code] = ch;
        extra += std::string(1, ch) + " = " + std::to_string(code) + "\n";
        return ch;
    };
    std::string front, back;
    for (int r = 0; r < world_rows; ++r) {
        for (int c = 0; c < world_cols; ++c) front += char_for(map.front[c][r]);
        front += '\n';
    }
    for (int r = 0; r < world_rows; ++r) {
        for (int c = 0; c < world_cols; ++c) back += char_for(map.back[c][r]);
        back += '\n';
    }
    std::ostringstream out;
    out << "[settings]\n";
    for (int i = 0; i < 30; ++i) out << setting_names[i] << " = " << map.settings[i] << "\n";
    if (!extra.empty()) out << "\n[legend]\n" << extra;
    out << "\n[front]\n" << front << "\n[back]\n" << back;
    out << "\n[decorations]\n";
    // Rows up to the last used one, free rows included, so positions survive.
    int last = -1;
    for (int n = 0; n < max_decorations; ++n)
        if (map.decorations[n][0] != 0 || map.decorations[n][1] != 0 || map.decorations[n][2] != 0)
            last = n;
    for (int n = 0; n <= last; ++n)
        out << map.decorations[n][0] << " " << map.decorations[n][1] << " "
            << map.decorations[n][2] << "\n";
    return out.str();
}

bool load_level_text_file(const std::string& path, map_data& out, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::stringstream buf;
    buf << in.rdbuf();
    return parse_level_text(buf.str(), out, error);
}
