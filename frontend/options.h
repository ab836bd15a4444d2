// The options page and the new-game page of the main menu.
#pragma once

// The nine settings of the options page, kept while it is open so Cancel
// can put them back.
struct options_settings {
    float music_volume, effects_volume, ambient_volume;
    int sound_quality, background_drawing, show_tips, weather, ingame_speed_control,
        fast_computer;
};
extern options_settings options_backup;

void draw_options_page();
void draw_new_game_page();

// Acts on a click on page item 5 to 19 (mouse x picks a row's value).
void page_action(int item, int mouse_x);

// The settings of the options page into and out of the backup.
void backup_options();
void restore_options();
// Fast Computer on or off, and the three settings it carries with it.
void toggle_fast_computer();
// A new campaign from the new-game page's choices; game.cfg is left alone
// until the campaign is first saved.
void start_new_campaign();
