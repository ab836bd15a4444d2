// State of the play screen that lives only while a level runs: the frame's
// input snapshot, camera scrolling, the panel and placement, and the pictures
// the play screen draws with.
#pragma once

constexpr int no_beetle = 255;
constexpr int no_slot = 255;

struct play_input {
    int mouse_x = 0, mouse_y = 0;
    int click = 0;      // left clicks since the previous frame
    int right_held = 0;
    int wheel = 0, previous_wheel = 0;
    int typed = 0;      // next typed character, 0 if none
    int escape = 0, speed_key = 0; // presses this frame
};

struct play_frame_state {
    long frame_counter = 0;
    play_input in;
    int saved_camera_x = 0, saved_camera_y = 0;
    float scroll_speed = 3.0f;
    int drag = 0, drag_mouse_x = 0, drag_mouse_y = 0, drag_camera_x = 0, drag_camera_y = 0;
    int hovered_beetle = no_beetle;
    int mouse_zone = 0;
    int hovered_slot = no_slot, previous_slot = no_slot;
    float panel_pulse = 0;
    int placing = 0, anchor_col = 0, anchor_row = 0;
    int beetle_marker = 0;
    int valid = 0;
    int status_page = 0, page_timer = 0;
    float screen_fade = 0;
    int screen_frame = 1;
    int pointer_cycle = 0, pointer_level_frames = 0;
    float hint_offset = 0, hint_speed = 0, hint_text_x = 681;
    int hint_timer = 0;
    int live_click = 0;  // the player's own clicks, also while a demo drives the pointer
    int menu_row = no_slot;
    bool menu_chosen = false; // a choice was made: the menu takes nothing more
    bool shutdown_requested = false;
};
extern play_frame_state play;

// Pictures used in play; 0 (missing) draws nothing.
struct play_images {
    int tiles, far_plane, big_images, sun; // environment set of the planet
    int bplane1, bplane2, haze[3], raindrops, rain, ufo_light, ufo;
    int obj, obj2, obj3, particle, bubble, additions, drill, talk, talk_icons, point;
    int mouse, mouse1, demo_mouse;
    int elemback, elemback1, icons, build_star, tab, hinttab, selectbuild;
    int animations, lcd, item, panelback;
    int lesson_panel, demo_band, star, smoke, boomstrip;
};
extern play_images gfx;

// Loads the shared play pictures once and the environment set of the planet.
void load_play_images(int planet);
