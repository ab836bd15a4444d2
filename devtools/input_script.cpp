#include "devtools/input_script.h"

#include <algorithm>
#include <sstream>

namespace {

bool parse_long(const std::string& s, long& out) {
    if (s.empty() || s.size() > 12) return false;
    size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i == s.size()) return false;
    long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    out = s[0] == '-' ? -v : v;
    return true;
}

bool parse_int_in(const std::string& s, int lo, int hi, int& out) {
    long v = 0;
    if (!parse_long(s, v) || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

std::string unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char n = s[i + 1];
            if (n == 'n') { out += '\r'; ++i; continue; }
            if (n == 'b') { out += '\b'; ++i; continue; }
            if (n == 's') { out += ' '; ++i; continue; }
            if (n == '\\') { out += '\\'; ++i; continue; }
        }
        out += s[i];
    }
    return out;
}

}  // namespace

bool parse_input_script(const std::string& text, std::vector<script_event>& out,
                        std::string& error) {
    out.clear();
    std::istringstream in(text);
    std::string raw;
    int line_no = 0;
    while (std::getline(in, raw)) {
        ++line_no;
        const size_t hash = raw.find('#');
        std::string line = hash == std::string::npos ? raw : raw.substr(0, hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;
        auto fail = [&](const std::string& why) {
            error = "input script line " + std::to_string(line_no) + ": " + why;
            return false;
        };
        script_event e;
        e.order = static_cast<int>(out.size());
        if (!parse_long(w[0], e.frame) || e.frame < 1) return fail("bad frame number");
        if (w.size() < 2) return fail("missing event");
        const std::string& verb = w[1];
        const size_t args = w.size() - 2;
        auto want = [&](size_t n) { return args == n; };
        if (verb == "move" || verb == "camera") {
            e.verb = verb == "move" ? sv_move : sv_camera;
            const int hi_x = verb == "move" ? 799 : 800, hi_y = verb == "move" ? 599 : 360;
            if (!want(2) || !parse_int_in(w[2], 0, hi_x, e.a) || !parse_int_in(w[3], 0, hi_y, e.b))
                return fail("expected X Y in range");
        } else if (verb == "click") {
            e.verb = sv_click;
            if (args == 2) {
                if (!parse_int_in(w[2], 0, 799, e.a) || !parse_int_in(w[3], 0, 599, e.b))
                    return fail("expected X Y in range");
                e.has_point = true;
            } else if (args != 0) {
                return fail("click takes no arguments or X Y");
            }
        } else if (verb == "rdown" || verb == "rup") {
            e.verb = verb == "rdown" ? sv_rdown : sv_rup;
            if (!want(0)) return fail(verb + " takes no arguments");
        } else if (verb == "key") {
            e.verb = sv_key;
            if (!want(1) || !parse_int_in(w[2], 1, 255, e.a)) return fail("expected a key code 1..255");
        } else if (verb == "hold") {
            e.verb = sv_hold;
            if (!want(2) || !parse_int_in(w[2], 1, 255, e.a) || !parse_int_in(w[3], 1, 1000000, e.b))
                return fail("expected CODE N");
        } else if (verb == "wheel") {
            e.verb = sv_wheel;
            if (!want(1) || !parse_int_in(w[2], -1000, 1000, e.a)) return fail("expected notches");
        } else if (verb == "type") {
            e.verb = sv_type;
            // The text is the rest of the line after the verb, as written.
            const size_t at = line.find("type");
            std::string rest = line.substr(at + 4);
            if (!rest.empty() && (rest[0] == ' ' || rest[0] == '\t')) rest.erase(0, 1);
            while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\r')) rest.pop_back();
            e.text = unescape(rest);
        } else if (verb == "tool") {
            e.verb = sv_tool;
            if (!want(1) || !parse_int_in(w[2], 0, 23, e.a)) return fail("expected a tool 0..23");
        } else if (verb == "cell") {
            e.verb = sv_cell;
            if (!want(2) || !parse_int_in(w[2], 0, 50, e.a) || !parse_int_in(w[3], 0, 30, e.b))
                return fail("expected C R in the world");
        } else if (verb == "beetle") {
            e.verb = sv_beetle;
            if (!want(1) || !parse_int_in(w[2], 0, 19, e.a)) return fail("expected a beetle row 0..19");
        } else {
            return fail("unknown event '" + verb + "'");
        }
        out.push_back(e);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const script_event& x, const script_event& y) { return x.frame < y.frame; });
    return true;
}
