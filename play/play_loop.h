// The in-game loop: one pass per displayed frame, from the input snapshot to
// the exits of a level.
#pragma once

#include "play/play_state.h"

struct script_event;

enum level_exit : int {
    exit_none = -1,     // keep playing
    exit_results = 0,   // mission over: on to the results
    exit_menu = 1,      // back to the main menu
    exit_shutdown = 2,  // end of the program
    exit_restart = 3,   // the level starts again
};

// Level entry for (current_planet, current_level): the environment artwork,
// the level start and the loop, restarts included. Returns exit_results,
// exit_menu or exit_shutdown. A level whose map cannot be read is refused
// with exit_menu.
int run_level();

// The play side of the level start (after the world tables are rebuilt).
void start_play_state();
// One frame; exit_none while the level goes on.
int play_frame();

// Steps of the frame, exposed for tests.
void camera_control();
void clamp_camera();
int compute_mission_result();

// Expansion of the harness's camera, tool, cell and beetle script events.
void play_script_event(const script_event& e, bool early);
