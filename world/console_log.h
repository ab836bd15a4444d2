// The 20-line log shown by the developer console; the level start writes its
// scan report here.
#pragma once

#include <string>

constexpr int console_line_count = 20;
extern std::string console_lines[console_line_count];

// Scrolls the log up by one line and writes text into the last line.
void console_log(const std::string& text);
void clear_console_log();
