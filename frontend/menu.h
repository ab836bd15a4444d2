// The main menu: four picture buttons over drifting sparkles, with the
// options and new-game pages drawn over it.
#pragma once

#include <vector>

extern int menu_page;        // 0 none, 1 options, 2 new game
extern int menu_hover;       // item under the pointer, 0 for none
extern int start_requested;  // 1: hand over to the selection screen

struct menu_sparkle {
    float x, y;
    int phase;  // degrees
    float scale, alpha;
    int rotation;  // degrees
};
extern std::vector<menu_sparkle> menu_sparkles;

// Runs the menu from its entry to its hand-over: next_selection, or
// next_exit for the Exit button (or a closed window).
int run_main_menu();

// Entry: settings read, music, fade-in from black, sparkles pre-run.
void enter_main_menu();
// One frame; next_menu while the menu stays.
int main_menu_frame();

// The item whose area holds (x, y) on the given page (0 the menu buttons);
// the last match wins, 0 for none. Areas include their edges.
int menu_item_at(int page, int x, int y);

void spawn_sparkle();
// Moves every sparkle one frame, drawing it first when asked.
void update_sparkles(bool draw);
