#include "frontend/menu.h"

#include <cmath>

#include "audio/music.h"
#include "audio/sound_table.h"
#include "config/settings.h"
#include "devtools/harness.h"
#include "frontend/options.h"
#include "frontend/resources.h"
#include "frontend/screens.h"
#include "runtime/runtime.h"
#include "world/world.h"

int menu_page = 0;
int menu_hover = 0;
int start_requested = 0;
std::vector<menu_sparkle> menu_sparkles;

namespace {

struct menu_area {
    int page, item, x0, x1, y0, y1;
};

const menu_area menu_areas[] = {
    {0, 1, 97, 399, 375, 453},   {0, 2, 407, 708, 347, 422},
    {0, 3, 119, 413, 461, 545},  {0, 4, 428, 727, 434, 513},
    {1, 5, 401, 549, 191, 219},  {1, 6, 401, 549, 221, 249},
    {1, 7, 401, 549, 251, 279},  {1, 8, 401, 489, 281, 309},
    {1, 9, 321, 349, 331, 359},  {1, 10, 321, 349, 361, 389},
    {1, 11, 321, 349, 391, 419}, {1, 12, 401, 429, 431, 459},
    {1, 13, 401, 429, 461, 489}, {1, 14, 481, 527, 491, 537},
    {1, 15, 526, 572, 491, 537}, {2, 16, 401, 549, 321, 349},
    {2, 17, 401, 429, 351, 379}, {2, 18, 481, 527, 371, 417},
    {2, 19, 526, 572, 371, 417},
};

// The four buttons: sheet frame (hover frame is the next one) and place.
struct menu_button {
    int frame, x, y;
};
const menu_button menu_buttons[4] = {{0, 90, 370}, {2, 400, 340}, {4, 110, 460}, {6, 420, 430}};

int previous_hover = 0;
long menu_frame = 0;

void draw_menu_buttons() {
    draw_image(res.menu_back, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        const menu_button& b = menu_buttons[i];
        draw_image(res.menu_keys, b.x, b.y, b.frame);
        if (menu_hover == i + 1) draw_image(res.menu_keys, b.x, b.y, b.frame + 1);
    }
}

// Continue: only a campaign file that reads back whole is taken.
void continue_campaign() {
    read_campaign();
    if (no_saved_game == 1) {
        play_sound(snd_unable_build, effects_channel_a);
        return;
    }
    play_sound(snd_click2, effects_channel_a);
    start_requested = 1;
    write_settings();
}

// Returns next_exit for the Exit button, else next_menu.
int menu_action(int item) {
    switch (item) {
    case 1:
        menu_page = 2;
        play_sound(snd_click2, effects_channel_a);
        break;
    case 2: continue_campaign(); break;
    case 3:
        play_sound(snd_click2, effects_channel_a);
        return next_exit;
    case 4:
        backup_options();
        menu_page = 1;
        play_sound(snd_click2, effects_channel_a);
        break;
    default: page_action(item, front_in.mouse_x); break;
    }
    return next_menu;
}

}  // namespace

int menu_item_at(int page, int x, int y) {
    int found = 0;
    for (const menu_area& a : menu_areas)
        if (a.page == page && x >= a.x0 && x <= a.x1 && y >= a.y0 && y <= a.y1) found = a.item;
    return found;
}

void spawn_sparkle() {
    menu_sparkle s{};
    s.x = static_cast<float>(rand_cosmetic(1, 800));
    s.y = -64;
    s.phase = rand_cosmetic(1, 100) + 150;
    s.scale = static_cast<float>(rand_cosmetic(1, 8)) / 10.0f + 0.2f;
    s.alpha = static_cast<float>(rand_cosmetic(1, 4)) / 10.0f + 0.3f;
    s.rotation = rand_cosmetic(1, 360);
    menu_sparkles.push_back(s);
}

void update_sparkles(bool draw) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < menu_sparkles.size(); ++i) {
        menu_sparkle s = menu_sparkles[i];
        const bool gone = s.y > 620;  // still drawn this last time
        if (draw) {
            set_scale(s.scale, s.scale);
            set_alpha(s.alpha);
            set_rotation(static_cast<float>(s.rotation));
            draw_image(res.star, s.x, s.y, 0);
        }
        s.x += static_cast<float>(2 * cos_deg(s.phase));
        s.phase += 1;
        s.y += 2 * s.scale;
        s.rotation = static_cast<int>(std::lround(s.rotation + 5 * sin_deg(s.phase)));
        if (!gone) menu_sparkles[kept++] = s;
    }
    menu_sparkles.resize(kept);
    set_rotation(0);
    set_alpha(1);
    set_scale(1, 1);
}

void enter_main_menu() {
    current_screen = "menu";
    read_settings();
    menu_sparkles.clear();
    music_track = 5;
    start_music();
    light_level = 0;
    target_light = 255;
    menu_page = 0;
    start_requested = 0;
    menu_hover = 0;
    previous_hover = 0;
    menu_frame = 0;
    for (int k = 0; k < 201; ++k) {
        if (k % 3 == 0) spawn_sparkle();
        update_sparkles(false);
    }
}

int main_menu_frame() {
    const int l = static_cast<int>(light_level);
    set_color(l, l, l);
    take_input_snapshot();
    cls();
    draw_menu_buttons();
    update_sparkles(true);
    if (menu_page == 1) draw_options_page();
    if (menu_page == 2) draw_new_game_page();
    draw_front_pointer();
    if (menu_frame % 5 == 0) spawn_sparkle();
    menu_frame += 1;
    flip(-1);

    menu_hover = menu_item_at(menu_page, front_in.mouse_x, front_in.mouse_y);
    if (menu_page == 0 && menu_hover != previous_hover && menu_hover != 0)
        play_sound(snd_click1, effects_channel_a);
    previous_hover = menu_hover;

    // Once the hand-over is decided the buttons are inert, so a stray click
    // during the fade cannot replace the campaign just chosen.
    if (front_clicked() && menu_hover != 0 && start_requested == 0) {
        request_pointer_flash();
        if (menu_action(menu_hover) == next_exit) return next_exit;
    }
    if (key_down(vk_escape)) menu_page = 0;

    if (start_requested == 1) {
        target_light = 0;
        if (light_level == 0) {
            music_track = no_sound;
            start_music();
            return next_selection;
        }
    }
    fade_light();
    apply_volumes();
    return next_menu;
}

int run_main_menu() {
    enter_main_menu();
    while (!quit_requested()) {
        const int next = main_menu_frame();
        if (next != next_menu) return next;
    }
    return next_exit;
}
