// The star map between missions: the current planet's levels, the campaign's
// totals, jumps to neighbouring planets and the end of the campaign.
#pragma once

constexpr int last_planet = 10; // no route leads out of it
constexpr int jump_cost = 20;   // mushrooms and insects each

enum selection_exit : int {
    selection_stay = -1,
    selection_menu = 0,      // game.cfg saved
    selection_level = 1,     // current_level set to the chosen level
    selection_game_over = 2, // nothing left to play, no jump affordable
    selection_victory = 3,   // the last planet was reached
};

// What the screen remembers between frames; not saved.
struct selection_state {
    int selected_level = 0;
    float list_scroll_target = 0, list_scroll = 0;
    int jump_target = 0; // planet row, 0 none (row 0 is never a target)
    int game_over = 0;
    int leaving = 0;     // selection_menu or selection_level once chosen, else selection_stay
    float slide = 0, tooltip_alpha = 0, screen_clock = 0, saucer_frame = 0;
    int blink = 0;       // 40-frame cycle in step with the pointer's
};
extern selection_state selection;

// Runs the screen until it has faded out; returns a selection_exit.
int run_selection();

// The same, stopping after max_frames presented frames (selection_stay then).
int run_selection_frames(long max_frames);

// Steps of the screen, exposed for tests.
void selection_enter();
int selection_frame();

bool can_jump();
// First planet row whose box holds the point (inclusive), -1 for none.
int planet_at(int x, int y);
bool is_neighbour(int from, int to);
// Some level of the current planet can still be started.
bool playable_level_left();
bool down_arrow_shown();
// Books a jump to selection.jump_target and sets the screen up for the new planet.
void carry_out_jump();
