#include "world/console_log.h"

std::string console_lines[console_line_count];

void console_log(const std::string& text) {
    for (int i = 0; i + 1 < console_line_count; ++i) console_lines[i] = console_lines[i + 1];
    console_lines[console_line_count - 1] = text;
}

void clear_console_log() {
    for (auto& line : console_lines) line.clear();
}
