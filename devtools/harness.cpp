#include "devtools/harness.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "runtime/runtime.h"
#include "world/world.h"

harness_options harness;
std::string current_screen = "loading";
bool level_was_played = false;

namespace {

bool counting = false;
long presented = 0;
// Scripted events by frame, in file order within a frame.
std::multimap<long, script_event> pending;
play_event_handler play_handler = nullptr;
demo_writer demo_write = nullptr;
bool demo_written = false;
// Keys pressed by "key" (one frame) and "hold" (N frames): code -> last frame.
std::map<int, long> held_keys;

bool parse_long_value(const std::string& s, long& out) {
    if (s.empty() || s.size() > 12) return false;
    long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    out = v;
    return true;
}

bool parse_frame_file(const std::string& value, std::pair<long, std::string>& out) {
    const size_t colon = value.find(':');
    if (colon == std::string::npos || colon + 1 >= value.size()) return false;
    long f = 0;
    if (!parse_long_value(value.substr(0, colon), f)) return false;
    out = {f, value.substr(colon + 1)};
    return true;
}

void apply_low_level(const script_event& e) {
    switch (e.verb) {
        case sv_move: inject_mouse_move(e.a, e.b); break;
        case sv_click:
            if (e.has_point) inject_mouse_move(e.a, e.b);
            inject_mouse_button(1, true);
            inject_mouse_button(1, false);
            break;
        case sv_rdown: inject_mouse_button(2, true); break;
        case sv_rup: inject_mouse_button(2, false); break;
        case sv_key:
            inject_key(e.a, true);
            held_keys[e.a] = e.frame;
            break;
        case sv_hold:
            inject_key(e.a, true);
            held_keys[e.a] = e.frame + e.b - 1;
            break;
        case sv_wheel: inject_wheel(e.a); break;
        case sv_type:
            for (unsigned char c : e.text) inject_char(c);
            break;
        default:
            break;
    }
}

// Input for frame `f`: releases keys whose time is up, then applies the
// events of f, and lets the play screen prepare pointer-resting events of f+1.
void apply_frame_input(long f) {
    for (auto it = held_keys.begin(); it != held_keys.end();) {
        if (it->second < f) {
            inject_key(it->first, false);
            it = held_keys.erase(it);
        } else {
            ++it;
        }
    }
    // Play-screen events wait for the top of their frame (harness_frame_start),
    // since they set the camera the whole frame must see.
    auto range = pending.equal_range(f);
    for (auto it = range.first; it != range.second;) {
        if (it->second.verb >= sv_camera) {
            ++it;
            continue;
        }
        const script_event e = it->second;
        it = pending.erase(it);
        apply_low_level(e);
    }
}

void frame_hook() {
    if (!counting) return;
    presented += 1;
    set_frame_number(presented);
    for (const auto& shot : harness.screenshots)
        if (shot.first == presented) save_screen_png(shot.second);
    for (const auto& d : harness.dump_at)
        if (d.first == presented) write_state_dump(d.second);
    if (harness.frames >= 0 && presented >= harness.frames) harness_finish();
    apply_frame_input(presented + 1);
}

void write_json_float(std::ostringstream& out, float v) {
    if (v != v || v > 3.4e38f || v < -3.4e38f) {
        out << "null";
        return;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    out << buf;
}

}  // namespace

bool parse_harness_args(int argc, char** argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        auto bad = [&](const std::string& why) {
            error = "zembra: " + opt + ": " + why;
            return false;
        };
        std::string v;
        if (opt == "--data") {
            if (!value(harness.data_dir) || harness.data_dir.empty()) return bad("needs a folder");
        } else if (opt == "--windowed") {
            harness.windowed = true;
        } else if (opt == "--headless") {
            harness.headless = true;
        } else if (opt == "--no-draw") {
            harness.no_draw = true;
        } else if (opt == "--seed") {
            long s = 0;
            if (!value(v) || !parse_long_value(v, s) || s > 4294967295L)
                return bad("needs a whole number 0..4294967295");
            harness.has_seed = true;
            harness.seed = static_cast<uint32_t>(s);
        } else if (opt == "--play") {
            long p = 0, l = 0;
            std::string lv;
            if (!value(v) || !value(lv) || !parse_long_value(v, p) || !parse_long_value(lv, l) ||
                p > 10 || l > 9)
                return bad("needs a planet row 0..10 and a level 0..9");
            harness.play = true;
            harness.play_planet = static_cast<int>(p);
            harness.play_level = static_cast<int>(l);
        } else if (opt == "--input") {
            if (!value(harness.input_file)) return bad("needs a file");
        } else if (opt == "--demo") {
            if (!value(harness.demo_file)) return bad("needs a file");
        } else if (opt == "--record-demo") {
            if (!value(harness.record_demo_file)) return bad("needs a file");
        } else if (opt == "--frames") {
            if (!value(v) || !parse_long_value(v, harness.frames)) return bad("needs a frame count");
        } else if (opt == "--until") {
            if (!value(harness.until) || (harness.until != "mission-end" && harness.until != "results"))
                return bad("needs mission-end or results");
        } else if (opt == "--dump") {
            if (!value(harness.dump_file)) return bad("needs a file");
        } else if (opt == "--dump-at" || opt == "--screenshot") {
            std::pair<long, std::string> ff;
            if (!value(v) || !parse_frame_file(v, ff)) return bad("needs FRAME:FILE");
            (opt == "--dump-at" ? harness.dump_at : harness.screenshots).push_back(ff);
        } else if (opt == "--sound-log") {
            if (!value(harness.sound_log)) return bad("needs a file");
        } else {
            error = "zembra: unknown option " + opt;
            return false;
        }
    }
    if (harness.no_draw && !harness.headless) {
        error = "zembra: --no-draw: only with --headless";
        return false;
    }
    if (harness.no_draw && !harness.screenshots.empty()) {
        error = "zembra: --screenshot: no pixels are drawn with --no-draw";
        return false;
    }
    if (!harness.demo_file.empty() && !harness.play) {
        error = "zembra: --demo: only with --play";
        return false;
    }
    return true;
}

bool load_harness_script(std::string& error) {
    if (harness.input_file.empty()) return true;
    std::ifstream in(harness.input_file);
    if (!in) {
        error = "zembra: --input: cannot read " + harness.input_file;
        return false;
    }
    std::stringstream buf;
    buf << in.rdbuf();
    std::vector<script_event> events;
    if (!parse_input_script(buf.str(), events, error)) {
        error = "zembra: --input: " + error;
        return false;
    }
    for (const auto& e : events) pending.emplace(e.frame, e);
    return true;
}

void harness_start_counting() {
    if (counting) return;
    counting = true;
    presented = 0;
    set_frame_number(0);
    set_frame_hook(frame_hook);
    apply_frame_input(1);
}

bool harness_counting() { return counting; }

void harness_frame_start() {
    if (!counting || play_handler == nullptr) return;
    const long f = presented + 1;
    // Expansions may add input to this very frame: deliver until none is left.
    while (true) {
        auto range = pending.equal_range(f);
        auto it = range.first;
        while (it != range.second && it->second.verb < sv_camera) ++it;
        if (it == range.second) break;
        const script_event e = it->second;
        pending.erase(it);
        play_handler(e, false);
    }
    // Low-level input the expansions added for this frame.
    auto range = pending.equal_range(f);
    for (auto it = range.first; it != range.second;) {
        const script_event e = it->second;
        it = pending.erase(it);
        apply_low_level(e);
    }
    // A pointer rests on its target a frame before the click.
    auto next = pending.equal_range(f + 1);
    for (auto it = next.first; it != next.second; ++it)
        if (it->second.verb == sv_cell || it->second.verb == sv_beetle) play_handler(it->second, true);
}

void harness_event(int kind) {
    if ((kind == event_mission_end && harness.until == "mission-end") ||
        (kind == event_results && harness.until == "results"))
        harness_finish();
    if (kind == event_mission_end && !demo_written && !harness.record_demo_file.empty() &&
        demo_write != nullptr) {
        demo_write(harness.record_demo_file);
        demo_written = true;
    }
}

void set_play_event_handler(play_event_handler fn) { play_handler = fn; }

void harness_insert_event(const script_event& e) { pending.emplace(e.frame, e); }

void set_demo_writer(demo_writer fn) { demo_write = fn; }

void harness_finish() {
    if (!demo_written && !harness.record_demo_file.empty() && demo_write != nullptr) {
        demo_write(harness.record_demo_file);
        demo_written = true;
    }
    if (!harness.dump_file.empty()) write_state_dump(harness.dump_file);
    close_sound_log();
    std::printf("frames=%ld screen=%s result=%s mushrooms=%d insects=%d alive=%d\n", presented,
                current_screen.c_str(),
                level_was_played ? std::to_string(mission_result).c_str() : "-",
                mushrooms_delivered, insects_delivered, beetles_alive);
    std::fflush(stdout);
    close_graphics();
    std::exit(0);
}

// ---------------------------------------------------------------- state dump

std::string state_dump_json();  // defined in state_dump.cpp

bool write_state_dump(const std::string& path) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) return false;
    out << state_dump_json();
    return static_cast<bool>(out);
}

// Shared by the dump writer.
void json_float(std::ostringstream& out, float v) { write_json_float(out, v); }
