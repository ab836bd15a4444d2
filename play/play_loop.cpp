#include "play/play_loop.h"

#include <algorithm>

#include "audio/music.h"
#include "audio/sound_table.h"
#include "config/settings.h"
#include "devtools/console.h"
#include "devtools/harness.h"
#include "play/ingame.h"
#include "play/draw.h"
#include "play/placement.h"
#include "runtime/runtime.h"
#include "sim/sim.h"
#include "world/map_file.h"
#include "world/world.h"

namespace {

// mission_result is taken when the mission first ends; the fade-out ticks
// that follow must not change the outcome the player saw.
bool result_fixed = false;

void read_input() {
    play_input& in = play.in;
    in.mouse_x = std::clamp(mouse_x(), 0, screen_width - 1);
    in.mouse_y = std::clamp(mouse_y(), 0, screen_height - 1);
    in.click = mouse_hit(1);
    play.live_click = in.click;
    in.right_held = mouse_down(2);
    in.previous_wheel = in.wheel;
    in.wheel = mouse_z();
    in.typed = get_char();
    in.escape = key_hit(vk_escape);
    in.speed_key = key_hit(vk_f);
}

int shake_step(int camera) {
    const int top = to_int(shake * 2);
    // The world stream: a replayed demo must see the same picture offsets,
    // and shake moves the camera that placement clicks are measured from.
    const int r = rand_range(1, top);
    return to_int(static_cast<float>(r) - shake + static_cast<float>(camera));
}

void recount() {
    mushrooms_left = 0;
    insects_left = 0;
    play.hovered_beetle = no_beetle;
    const int wx = play.in.mouse_x + camera_x, wy = play.in.mouse_y + camera_y;
    for (int b = 0; b < max_beetles; ++b) {
        if (beetles[b][b_kind] == kind_none) continue;
        if (wx > beetles[b][b_x] && wx < beetles[b][b_x] + 32 && wy > beetles[b][b_y] &&
            wy < beetles[b][b_y] + 32)
            play.hovered_beetle = b;
        {
            // Whatever the beetle has become, what it carries is not yet gathered.
            if (beetles[b][b_cargo] == cargo_mushroom) mushrooms_left += 1;
            if (beetles[b][b_cargo] == cargo_insect) insects_left += 1;
        }
    }
}

void end_mission() {
    if (mission_over == 0 && !result_fixed) {
        mission_result = compute_mission_result();
        result_fixed = true;
    }
    mission_over = 1;
    target_light = 0;
}

int exit_checks() {
    int exit = exit_none;
    if (restart_now == 1) exit = exit_restart;
    else if (leave_to_menu == 1) exit = exit_menu;
    else if (mission_over == 1 && light_level == 0) {
        if (!result_fixed) mission_result = compute_mission_result();
        result_fixed = true;
        exit = exit_results;
    } else if (restart_pending == 1 && light_level == 0) exit = exit_restart;
    else if (play.shutdown_requested && light_level == 0) exit = exit_shutdown;
    if (exit != exit_none) silence_mission();
    return exit;
}

void end_conditions() {
    beetles_alive = 0;
    for (int b = 0; b < max_beetles; ++b)
        if (beetles[b][b_kind] != kind_none) beetles_alive += 1;
    // A menu choice ends the mission outside these rules; its outcome is
    // fixed here, on the frame it was made.
    if (mission_over == 1 && !result_fixed) {
        mission_result = compute_mission_result();
        result_fixed = true;
    }
    if (demo_playing == 1) return;
    if (beetles_dropped == level_settings[ls_beetles] &&
        beetles_alive < level_settings[ls_min_alive]) {
        if (mission_over == 0) play_sound(snd_alldead, effects_channel_a);
        end_mission();
    }
    if (mission_timer == 0 && status_text == "ACTION") end_mission();
    if (mushrooms_left == 0 && insects_left == 0) {
        // Completed only when this ends the mission with something delivered:
        // resources lost on the way leave nothing to gather either.
        const bool first = mission_over == 0;
        end_mission();
        if (first && mission_result == 2 && current_level >= 0 && current_level < 10)
            level_status[current_level] = 1;
    }
    if (current_planet == 0 && current_level == 0 && mission_over == 0) {
        for (int b = 0; b < 5; ++b) {
            if (beetles[b][b_cargo] != cargo_mushroom) continue;
            mushrooms_delivered = 1;
            end_mission();
            level_status[0] = 1;
            break;
        }
    }
}

void keys() {
    if (demo_playing) return;
    if (play.in.escape > 0) {
        if (lesson_open == 1) close_lesson();
        else if (menu_open == 0) {
            if (!exit_pending()) open_ingame_menu();
        } else if (!play.menu_chosen) {
            close_ingame_menu();
        }
    }
    if (play.in.speed_key > 0) {
        play_sound(snd_click2, effects_channel_a);
        game_speed = game_speed == 0 ? 1 : 0;
    }
}

}  // namespace

void clamp_camera() {
    if (camera_x > 800) camera_x = 800;
    if (camera_x < 1) camera_x = 0;
    if (camera_y > 360) camera_y = 360;
    if (camera_y < 1) camera_y = 0;
}

void camera_control() {
    const play_input& in = play.in;
    if (saucer[s_phase] == 0) {
        camera_x = to_int(saucer[s_x] - 400);
        camera_y = to_int(saucer[s_y] - 300);
        clamp_camera();
        return;
    }
    bool moving = false;
    const float speed = play.scroll_speed;
    if (in.mouse_x > 798 || key_down(vk_right)) {
        camera_x = to_int(camera_x + speed);
        moving = true;
    }
    if (in.mouse_x < 1 || key_down(vk_left)) {
        camera_x = to_int(camera_x - speed);
        moving = true;
    }
    if (in.mouse_y > 598 || key_down(vk_down)) {
        camera_y = to_int(camera_y + speed);
        moving = true;
    }
    if (in.mouse_y < 1 || key_down(vk_up)) {
        camera_y = to_int(camera_y - speed);
        moving = true;
    }
    play.scroll_speed = moving ? play.scroll_speed + 0.5f : 3.0f;

    if (!in.right_held) {
        play.drag = 0;
    } else if (play.drag == 0) {
        play.drag = 1;
        play.drag_mouse_x = in.mouse_x;
        play.drag_mouse_y = in.mouse_y;
        play.drag_camera_x = camera_x;
        play.drag_camera_y = camera_y;
    }
    if (play.drag) {
        camera_x = play.drag_camera_x - (in.mouse_x - play.drag_mouse_x);
        camera_y = play.drag_camera_y - (in.mouse_y - play.drag_mouse_y);
    }
    clamp_camera();
}

int compute_mission_result() {
    int result = (mushrooms_delivered == 0 && insects_delivered == 0) ? 1 : 2;
    if (beetles_alive < level_settings[ls_min_alive]) result = 0;
    if (mission_timer == 0) result = 1;
    return result;
}

void start_play_state() {
    const int wheel = play.in.wheel;
    play = play_frame_state{};
    play.in.wheel = wheel; // the wheel is a position; a new level must not see a jump
    play.in.previous_wheel = wheel;
    result_fixed = false;
    mission_result = 0;
    lesson_open = 0;
    reset_world_drawing();
}

int play_frame() {
    play.frame_counter += 1;
    const int light = to_int(light_level);
    set_color(light, light, light);
    harness_frame_start();
    read_input();
    demo_replay();
    clamp_camera();

    play.saved_camera_x = camera_x;
    play.saved_camera_y = camera_y;
    if (shake > 0) {
        camera_x = shake_step(camera_x);
        camera_y = shake_step(camera_y);
        shake -= 0.2f;
        clamp_camera();
    }
    const int shaken_x = camera_x, shaken_y = camera_y;
    cursor_cell(play.in.mouse_x, play.in.mouse_y);
    recount();

    cls();
    draw_world();
    draw_placement_preview();
    set_color(light, light, light);
    update_effects(drawing_enabled());
    draw_status_panel();
    draw_hud_buttons();
    if (lesson_open == 1) draw_lesson();
    if (menu_open == 1) draw_ingame_menu();
    else play.menu_row = no_slot;
    if (console_open == 1) {
        run_console(play.in.typed, play.in.mouse_x, play.in.mouse_y, cursor_row - play.anchor_row);
        if (key_down(vk_console)) {
            flush_keys();
            console_open = 0;
        }
    }
    draw_demo_overlay();
    if (saucer[s_phase] != 0) {
        draw_pointer();
        set_color(light, light, light);
    }
    fade_light();
    flip(-1);

    if (menu_open != 1 && lesson_open != 1)
        for (int t = 0; t < 2 * game_speed + 1; ++t) world_tick();

    // The shake moved only the picture. A camera set from outside while the
    // frame was presented (scripted input) is kept.
    if (camera_x == shaken_x && camera_y == shaken_y) {
        camera_x = play.saved_camera_x;
        camera_y = play.saved_camera_y;
    }
    if (menu_open != 1 && lesson_open != 1) camera_control();

    if (console_open == 0) {
        if (key_down(vk_console)) {
            flush_keys();
            console_open = 1;
        } else {
            select_tool_by_key(play.in.typed);
        }
    }
    find_mouse_zone();
    handle_wheel();
    if (play.in.click == 1) {
        // What opens on this click must not also take it.
        const int menu_was_open = menu_open, lesson_was_open = lesson_open;
        click_dispatch();
        if (menu_was_open == 1 && menu_open == 1 && light_level != 255) ingame_menu_click();
        if (lesson_was_open == 1 && lesson_open == 1 && light_level != 255) close_lesson();
    }

    int exit = exit_checks();
    if (exit != exit_none) return exit;
    end_conditions();
    demo_skip();
    keys();
    apply_volumes();
    if (quit_requested()) {
        silence_mission();
        return exit_shutdown;
    }
    return exit_none;
}

int run_level() {
    current_screen = "play";
    set_play_event_handler(play_script_event);
    install_effect_drawing();
    load_play_images(current_planet);
    map_planet = current_planet;
    map_level = current_level;
    demo_playing = 0;
    bool first_start = true;
    while (true) {
        if (!level_start_world(difficulty)) {
            harness_event(event_mission_end);
            return exit_menu;
        }
        level_was_played = true;
        demo_level_start(first_start);
        first_start = false;
        const bool lesson_demo = demo_playing == 1;
        start_play_state();
        start_level_sounds();
        harness_start_counting();
        int exit = exit_none;
        while (exit == exit_none) exit = play_frame();
        // The lesson demo handing over to the real level is no mission end:
        // the player's mission is the one that follows.
        if (!(lesson_demo && exit == exit_restart)) harness_event(event_mission_end);
        if (exit != exit_restart) return exit;
    }
}
