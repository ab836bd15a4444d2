// The overlays of the play screen: the in-game menu, the lesson page, the
// demo's caption and replay, and the drawing of the effect lists.
#pragma once

// A level exit is on its way (mission over, restart, shutdown): the screen
// keeps fading out whatever opens or closes.
bool exit_pending();

void open_ingame_menu();
void close_ingame_menu();
// Finds the row under the pointer and draws the menu.
void draw_ingame_menu();
// A click while the menu is open, using the row of the last drawing.
void ingame_menu_click();

void open_lesson();
void close_lesson();
// Draws the page of the current level and runs its scrolling.
void draw_lesson();

// The level start's part of the demo: the tutorial demo, the harness replay
// and the recorder. `first_start` is true for the first start of a level entry.
void demo_level_start(bool first_start);
// Takes this frame's pointer, camera and click from the demo, and records
// the frame when recording.
void demo_replay();
void draw_demo_overlay();
// The player's own click or Escape ends the tutorial demo.
void demo_skip();
// True while recorded input replaces the player's (tutorial demo or harness).
bool demo_drives_input();

void install_effect_drawing();
