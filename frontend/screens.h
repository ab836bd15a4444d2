// The chain of screens from the loading screen to the end of the program,
// and what every front-end screen shares: the fade, the input snapshot and
// the pointer.
#pragma once

// Runs the game until the player quits (or the harness stops it).
void run_screens();

// Taken at the top of every screen frame; screens read these, not the
// input services.
struct screen_input {
    int mouse_x, mouse_y;
    int hits;          // left-button presses since the previous frame
    int right_down;
    int previous_wheel, wheel;
    int typed;         // next typed character, 0 if none
};
extern screen_input front_in;
void take_input_snapshot();
// A click counts only when exactly one arrived since the previous frame.
inline bool front_clicked() { return front_in.hits == 1; }

// The front-end pointer; a requested flash shows the pressed frame once.
void draw_front_pointer();
void request_pointer_flash();

// What a screen hands over to.
enum screen_next : int {
    next_menu = 0,
    next_selection = 1,
    next_level = 2,
    next_results = 3,
    next_game_over = 4,
    next_victory = 5,
    next_exit = 6,
};
