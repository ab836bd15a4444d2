#include "frontend/options.h"

#include <string>

#include "audio/sound_table.h"
#include "config/settings.h"
#include "frontend/menu.h"
#include "frontend/resources.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

options_settings options_backup{};

namespace {

struct page_label {
    const char* text;
    int shadow_x, shadow_y, x, y, align;
};

const page_label options_labels[] = {
    {"Music Volume", 222, 202, 220, 200, 0},
    {"Effects Volume", 222, 232, 220, 230, 0},
    {"Amblient Volume", 222, 262, 220, 260, 0},
    {"Sound Quality", 222, 292, 220, 290, 0},
    {"Background drawing", 552, 342, 550, 340, 2},
    {"Show Tips", 552, 372, 550, 370, 2},
    {"Weather", 552, 402, 550, 400, 2},
    {"Ingame Speed Control", 222, 442, 220, 440, 0},
    {"Fast Computer", 220, 472, 220, 470, 0},
};

const page_label new_game_labels[] = {
    {"Game Difficlity", 222, 332, 220, 330, 0},
    {"Skip Tutorial Planet", 222, 362, 220, 360, 0},
};

int light() { return static_cast<int>(light_level); }

void tint(int divisor) {
    const int l = light() / divisor;
    set_color(l, l, l);
}

void draw_labels(const page_label* labels, int count) {
    for (int i = 0; i < count; ++i) {
        const page_label& p = labels[i];
        set_color(0, 0, 0);
        draw_text(p.shadow_x, p.shadow_y, p.text, p.align, 0);
        tint(1);
        draw_text(p.x, p.y, p.text, p.align, 0);
    }
}

// Buttons 0 to value are on, so the first button stays lit at value 0.
void draw_value_row(int count, int y, int value) {
    for (int i = 0; i < count; ++i) draw_image(res.radio_button, 400 + 30 * i, y, i <= value ? 1 : 0);
}

void draw_switch(int x, int y, int value) { draw_image(res.radio_button, x, y, value == 1 ? 1 : 0); }

void draw_ok_cancel(int y, int ok_item, int cancel_item) {
    tint(menu_hover == ok_item ? 1 : 2);
    draw_image(res.ok_cancel, 480, y, 0);
    tint(menu_hover == cancel_item ? 1 : 2);
    draw_image(res.ok_cancel, 525, y, 1);
    tint(1);
}

int row_value(int mouse_x) { return (mouse_x - 400) / 30; }

void click() { play_sound(snd_click2, effects_channel_a); }

}  // namespace

void draw_options_page() {
    tint(2);
    draw_image(res.panel1, 195, 110, 0);
    tint(1);
    draw_image(res.menu_keys, 170, 80, 6);
    draw_labels(options_labels, 9);
    tint(1);
    draw_value_row(5, 190, static_cast<int>(music_volume));
    draw_value_row(5, 220, static_cast<int>(effects_volume));
    draw_value_row(5, 250, static_cast<int>(ambient_volume));
    draw_value_row(3, 280, sound_quality);
    draw_switch(320, 330, background_drawing);
    draw_switch(320, 360, show_tips);
    draw_switch(320, 390, weather);
    draw_switch(400, 430, ingame_speed_control);
    draw_switch(400, 460, fast_computer);
    draw_ok_cancel(490, 14, 15);
}

void draw_new_game_page() {
    tint(2);
    draw_image(res.panel2, 195, 240, 0);
    tint(1);
    draw_image(res.menu_keys, 170, 210, 1);
    draw_labels(new_game_labels, 2);
    tint(1);
    draw_value_row(5, 320, difficulty);
    draw_switch(400, 350, skip_tutorial);
    draw_ok_cancel(370, 18, 19);
}

void backup_options() {
    options_backup = {music_volume,       effects_volume, ambient_volume,
                      sound_quality,      background_drawing, show_tips,
                      weather,            ingame_speed_control, fast_computer};
}

void restore_options() {
    const options_settings& b = options_backup;
    music_volume = b.music_volume;
    effects_volume = b.effects_volume;
    ambient_volume = b.ambient_volume;
    sound_quality = b.sound_quality;
    background_drawing = b.background_drawing;
    show_tips = b.show_tips;
    weather = b.weather;
    ingame_speed_control = b.ingame_speed_control;
    fast_computer = b.fast_computer;
}

void toggle_fast_computer() {
    const int on = fast_computer == 1 ? 0 : 1;
    fast_computer = on;
    sound_quality = on ? 2 : 0;
    background_drawing = on;
    weather = on;
}

void start_new_campaign() {
    campaign_insects = campaign_mushrooms = campaign_gold = 0;
    current_planet = skip_tutorial == 1 ? 1 : 0;
    current_level = 0;
    map_planet = current_planet;
    map_level = 0;
    for (int& s : level_status) s = 0;
    for (int& r : route_taken) r = 255;
}

void page_action(int item, int mouse_x) {
    const int value = row_value(mouse_x);
    switch (item) {
    case 5: music_volume = static_cast<float>(value); click(); break;
    case 6: effects_volume = static_cast<float>(value); click(); break;
    case 7:
        ambient_volume = static_cast<float>(value);
        // Heard on the channel whose volume just changed.
        play_sound(snd_click2, ambient_channel);
        break;
    case 8: sound_quality = value; click(); break;
    case 9: background_drawing = 1 - background_drawing; click(); break;
    case 10: show_tips = 1 - show_tips; click(); break;
    case 11: weather = 1 - weather; click(); break;
    case 12: ingame_speed_control = 1 - ingame_speed_control; click(); break;
    case 13: click(); toggle_fast_computer(); break;
    case 14:
        play_sound(snd_dead4, effects_channel_b);
        write_settings();
        menu_page = 0;
        break;
    case 15:
        play_sound(snd_dead3, effects_channel_b);
        restore_options();
        menu_page = 0;
        break;
    case 16: difficulty = value; click(); break;
    case 17: skip_tutorial = 1 - skip_tutorial; click(); break;
    case 18:
        write_settings();
        play_sound(snd_dead4, effects_channel_b);
        start_requested = 1;
        start_new_campaign();
        break;
    case 19:
        play_sound(snd_dead3, effects_channel_b);
        menu_page = 0;
        break;
    default: break;
    }
}
