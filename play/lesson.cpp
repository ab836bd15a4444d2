#include "audio/sound_table.h"
#include "config/settings.h"
#include "play/ingame.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"
#include "world/world.h"

namespace {

constexpr int lesson_lines = 50;
constexpr int line_height = 16;
constexpr int text_area_height = 290;
constexpr int wait_frames = 500;
constexpr int pause_frames = 900;
constexpr float scroll_step = 0.7f;

}  // namespace

void open_lesson() {
    lesson_open = 1;
    target_light = 250;
    lesson_offset = 0;
    lesson_counter = 0;
    lesson_phase = 0;
}

void close_lesson() {
    lesson_open = 0;
    target_light = exit_pending() ? 0 : 255;
}

void draw_lesson() {
    const bool draw = drawing_enabled();
    const int page = current_level;
    const bool has_page = page >= 0 && page < 7;
    if (draw) {
        set_color(255, 255, 255);
        draw_image(gfx.lesson_panel, 66, 11, 0);
        set_viewport(99, 51, 504, 289);
    }
    for (int j = 0; j < lesson_lines && has_page; ++j) {
        const std::string& line = lesson_text[page][j];
        const float top = lesson_offset + static_cast<float>(j * line_height);
        if (line != "#") {
            if (draw) {
                set_color(0, 0, 0);
                draw_text(348, to_int(53 + top), line, 1, 1);
                set_color(255, 255, 255);
                draw_text(346, to_int(51 + top), line, 1, 1);
            }
            continue;
        }
        // A page whose end is visible from the start never scrolls.
        if (lesson_offset == 0 && top < text_area_height) lesson_counter = 0;
        if (lesson_phase == 1 && top < text_area_height) lesson_phase = 2;
    }
    if (draw) set_viewport(0, 0, 800, 600);
    if (lesson_phase == 0) {
        lesson_counter += 1;
        if (lesson_counter >= wait_frames) {
            lesson_phase = 1;
            lesson_counter = 0;
        }
    } else if (lesson_phase == 1) {
        lesson_offset -= scroll_step;
    } else {
        lesson_counter += 1;
        if (lesson_counter >= pause_frames) {
            lesson_phase = 0;
            lesson_offset = 0;
            lesson_counter = 0;
        }
    }
    const int l = to_int(light_level);
    set_color(l, l, l);
}
