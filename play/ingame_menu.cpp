#include "audio/sound_table.h"
#include "config/settings.h"
#include "play/ingame.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

namespace {

struct menu_entry {
    const char* text;
    int y;
    int r, g, b;
};
constexpr menu_entry entries[4] = {
    {"Abort Current Mission", 444, 255, 255, 255},
    {"Complete Current Mission", 464, 255, 255, 255},
    {"Restart Mission", 484, 255, 255, 255},
    {"Shutdown Game", 504, 255, 128, 128},
};

void menu_row_under_pointer() {
    const int x = play.in.mouse_x, y = play.in.mouse_y;
    play.menu_row = no_slot;
    if (x > 16 && x < 200 && y >= 443 && y < 520) play.menu_row = (y - 443) / 20;
}

}  // namespace

bool exit_pending() { return mission_over == 1 || restart_pending == 1 || play.shutdown_requested; }

void open_ingame_menu() {
    play_sound(snd_click2, effects_channel_a);
    menu_open = 1;
    play.menu_chosen = false;
    target_light = 150;
}

void close_ingame_menu() {
    menu_open = 0;
    // Closing must never undo a fade-out that is already under way.
    target_light = exit_pending() ? 0 : 255;
}

void draw_ingame_menu() {
    menu_row_under_pointer();
    if (!drawing_enabled()) return;
    const draw_state before = get_draw_state();
    if (play.menu_row != no_slot) {
        set_color(255, 255, 255);
        set_alpha(0.5f);
        draw_image(gfx.hinttab, 123, static_cast<float>(play.menu_row * 20 + 452), 0);
        set_alpha(1);
    }
    for (const menu_entry& e : entries) {
        set_alpha(0.5f);
        set_color(0, 0, 0);
        draw_text(19, e.y + 3, e.text, 0, 1);
        set_alpha(1);
        set_color(e.r, e.g, e.b);
        draw_text(16, e.y, e.text, 0, 1);
    }
    set_color(before.r, before.g, before.b);
    set_alpha(1);
}

void ingame_menu_click() {
    if (play.menu_chosen) return;
    switch (play.menu_row) {
        case 0:
            mission_over = 1;
            if (current_level >= 0 && current_level < 10) level_status[current_level] = 0;
            mushrooms_delivered = 0;
            insects_delivered = 0;
            target_light = 0;
            break;
        case 1:
            if ((mushrooms_delivered != 0 || insects_delivered != 0) && current_level >= 0 &&
                current_level < 10)
                level_status[current_level] = 2;
            mission_over = 1;
            target_light = 0;
            break;
        case 2:
            restart_pending = 1;
            target_light = 0;
            break;
        case 3:
            play.shutdown_requested = true;
            target_light = 0;
            break;
        default:
            close_ingame_menu();
            return;
    }
    play.menu_chosen = true;
}
