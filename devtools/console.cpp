#include "devtools/console.h"

#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

int console_open = 0;
std::string console_input;
std::string console_word;
int console_scan_pos = 0;
int console_blink = 0;

namespace {

bool typeable(int ch) {
    return (ch >= 40 && ch <= 63) || (ch >= 65 && ch <= 90) || (ch >= 97 && ch <= 122) || ch == 32;
}

int next_number() {
    next_console_word();
    return text_to_int(console_word);
}

// Writes only inside the table: a typo in the index must not reach other data.
template <int N>
void set_entry(int32_t (&table)[N]) {
    const int index = next_number();
    const int value = next_number();
    if (index < 0 || index >= N) return;
    table[index] = value;
    console_log("Succerfly.");
    console_log("");
}

void run_command() {
    console_input += "%";
    console_scan_pos = 0;
    next_console_word();
    if (console_word == "exit") {
        leave_to_menu = 1;
    } else if (console_word == "help") {
        console_log("");
        console_log("exit - Close game");
        console_log("restart - Restart current Level");
    } else if (console_word == "restart") {
        restart_now = 1;
    } else if (console_word == "set") {
        set_entry(level_settings);
    } else if (console_word == "setelement") {
        set_entry(tool_counts);
    }
    console_input.clear();
}

}  // namespace

void next_console_word() {
    console_word.clear();
    const int n = static_cast<int>(console_input.size());
    while (console_scan_pos < 79 && console_scan_pos < n) {
        const char ch = console_input[static_cast<size_t>(console_scan_pos)];
        if (ch == ' ') {
            console_scan_pos += 1;
            return;
        }
        if (ch == '%') return;
        console_word += ch;
        console_scan_pos += 1;
    }
}

void console_type(int ch) {
    if (ch == 13) {
        run_command();
    } else if (ch == 8) {
        if (!console_input.empty()) console_input.pop_back();
    } else if (typeable(ch) && static_cast<int>(console_input.size()) < console_input_limit) {
        console_input += static_cast<char>(ch);
    }
}

void run_console(int typed, int mouse_x, int mouse_y, int place_extent) {
    if (drawing_enabled()) {
        set_color(0, 0, 0);
        set_alpha(0.5f);
        draw_rect(0, 578, 800, 16);
        draw_rect(0, 308, 800, 263);
        set_alpha(1);
        set_color(255, 255, 255);
        for (int i = 0; i < console_line_count; ++i) draw_text(10, 310 + 13 * i, console_lines[i], 0, 0);
        draw_text(790, 318, "X:" + int_text(mouse_x), 2, 0);
        draw_text(790, 331, "Y:" + int_text(mouse_y), 2, 0);
        draw_text(790, 344, "curicon:" + int_text(current_tool), 2, 0);
        draw_text(790, 357, "placemode:" + int_text(place_extent), 2, 0);
        draw_text(10, 580, "> " + console_input + (console_blink < 5 ? "_" : ""), 0, 0);
    }
    if (typed != 0) console_type(typed);
    console_blink = (console_blink + 1) % 10;
    const int l = to_int(light_level);
    set_color(l, l, l);
}
