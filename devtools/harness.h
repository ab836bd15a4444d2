// The command line for tests, benchmarks and reviewers: back end choice,
// seeds, scripted input, frame limits, screenshots, state dumps, sound log.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "devtools/input_script.h"

struct harness_options {
    std::string data_dir;
    bool windowed = false;
    bool headless = false;
    bool no_draw = false;
    bool has_seed = false;
    uint32_t seed = 0;
    bool play = false;
    int play_planet = 0, play_level = 0;
    std::string input_file, demo_file, record_demo_file;
    long frames = -1;
    std::string until;  // "", "mission-end", "results"
    std::string dump_file;
    std::vector<std::pair<long, std::string>> dump_at;
    std::vector<std::pair<long, std::string>> screenshots;
    std::string sound_log;
};

extern harness_options harness;
// The screen the player is on, for dumps and the exit line.
extern std::string current_screen;
// Set once a level has been started; the exit line reports its values.
extern bool level_was_played;

// Parses argv into `harness`. Returns false with a one-line message naming
// the option when an option is unknown or a value malformed.
bool parse_harness_args(int argc, char** argv, std::string& error);

// Reads the --input script; false with a message when it cannot be read.
bool load_harness_script(std::string& error);

// Frame counting starts here: the next presented frame is frame 1. Scripted
// input of frame 1 is applied at once.
void harness_start_counting();
bool harness_counting();
// Called by the play screen at the top of each in-game frame, before the
// input is read: delivers the frame's play-screen events.
void harness_frame_start();

// Events of the game the harness can stop at.
enum harness_event_kind : int { event_mission_end = 0, event_results = 1 };
void harness_event(int kind);

// Play-screen events (camera, tool, cell, beetle) are expanded by the play
// screen: it is called with the event of the frame about to start, and with
// `early` true one frame before for events that rest the pointer first.
using play_event_handler = void (*)(const script_event& e, bool early);
void set_play_event_handler(play_event_handler fn);
// Adds a low-level event (the play screen's expansion of tool/cell/beetle).
void harness_insert_event(const script_event& e);

// Writes the dump, the demo recording and the exit line, then ends the program.
[[noreturn]] void harness_finish();

// The state dump as JSON text.
std::string state_dump_json();
bool write_state_dump(const std::string& path);

// Called by the demo recorder when the first level's loop ends.
using demo_writer = bool (*)(const std::string& path);
void set_demo_writer(demo_writer fn);
