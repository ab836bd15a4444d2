// The developer console of the play screen: the 20-line log (written also by
// the level start), a few readouts, an input line and five commands.
#pragma once

#include <string>

#include "world/console_log.h"

constexpr int console_input_limit = 80;

extern int console_open;
extern std::string console_input;
extern std::string console_word;
extern int console_scan_pos;
extern int console_blink;

// Takes the next word of console_input into console_word: a space ends it
// and is skipped, "%" ends it and is kept.
void next_console_word();
// One typed character: printable ones join the line, Enter runs it,
// Backspace removes the last character.
void console_type(int ch);
// Draws the console and takes this frame's typed character. The readouts
// show the pointer, the selected tool and the placement extent.
void run_console(int typed, int mouse_x, int mouse_y, int place_extent);
