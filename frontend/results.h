// The mission's booking into the campaign and its animated tally of score and
// gold. OK saves the campaign; the caller returns to the star map.
#pragma once

constexpr int results_rows = 5;   // tally rows before the gold line
constexpr int retired_target = -1; // a count the counter never reaches

struct results_state {
    int result = 0;          // mission_result the screen was opened with
    int mushrooms = 0, insects = 0, seconds_left = 0, originality = 0, alive = 0;
    int total = 0, gold = 0; // gold earned by this mission
    int background = 0;
    int failure_title = 0;
    int screen_clock = 0;
    int row = -1, row_target = 0, counter = 0, row_delay = 0, tick = 0;
    int counter_x = 900, counter_y = 900;
    int score = 0;
    int leaving = 0;
};
extern results_state results;

// Books the mission ended with `result` (0 beetles lost, 1 failed, 2 success)
// and runs the screen until OK has faded it out.
void run_results(int result);

// The same, stopping after max_frames frames; true once OK has led out.
bool run_results_frames(int result, long max_frames);

// Steps of the screen, exposed for tests.
void results_enter(int result);
// One frame; true when the screen has been left.
bool results_frame();
