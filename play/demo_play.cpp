#include <algorithm>

#include "audio/sound_table.h"
#include "config/settings.h"
#include "devtools/demo.h"
#include "devtools/harness.h"
#include "play/ingame.h"
#include "play/play_loop.h"
#include "play/play_state.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"
#include "world/world.h"

namespace {

// The harness's --demo file drives the first start of the level entered;
// unlike the tutorial demo it keeps every rule of normal play, so a
// recording replays to the same outcome.
bool harness_replay_used = false;
bool replaying = false;
bool recording = false;
bool recording_used = false;

void use_row(int row, bool with_click) {
    play.in.mouse_x = std::clamp(demo_frames[row][df_mouse_x], 0, screen_width - 1);
    play.in.mouse_y = std::clamp(demo_frames[row][df_mouse_y], 0, screen_height - 1);
    camera_x = demo_frames[row][df_camera_x];
    camera_y = demo_frames[row][df_camera_y];
    clamp_camera();
    const int keys = demo_frames[row][df_click];
    // The tutorial demo takes only a click; the player's own keys skip it.
    if (!replaying) {
        play.in.click = with_click && keys == 1 ? 1 : 0;
        return;
    }
    play.in.click = with_click && (keys & dk_click) ? 1 : 0;
    if (!with_click) return;
    play.in.escape = (keys & dk_escape) ? 1 : 0;
    play.in.speed_key = (keys & dk_speed) ? 1 : 0;
    const int digit = (keys & dk_digit_mask) >> dk_digit_shift;
    play.in.typed = digit >= 1 && digit <= 8 ? '0' + digit : 0;
    // The wheel is replayed as one notch toward the other tab, from rest.
    play.in.previous_wheel = 0;
    play.in.wheel = (keys & dk_wheel_tab) ? (panel_tab == 0 ? 1 : -1) : 0;
}

// What of this frame's keys the recording keeps.
int recorded_keys() {
    const play_input& in = play.in;
    int keys = in.click == 1 ? dk_click : 0;
    if (in.escape > 0) keys |= dk_escape;
    if (in.speed_key > 0) keys |= dk_speed;
    if (in.typed >= '1' && in.typed <= '8') keys |= (in.typed - '0') << dk_digit_shift;
    if ((in.wheel > in.previous_wheel && panel_tab == 0) || (in.wheel < in.previous_wheel && panel_tab == 1))
        keys |= dk_wheel_tab;
    return keys;
}

bool write_recording(const std::string& path) { return save_demo_recording(path); }

// A recording session records the player, not the tutorial demo.
bool recording_wanted() { return !harness.record_demo_file.empty() && !recording_used; }

}  // namespace

bool demo_drives_input() { return demo_playing == 1 || replaying; }

void demo_level_start(bool first_start) {
    demo_frame = 0;
    demo_click_flash = 0;
    replaying = false;
    bool fixed_seed = false;
    if (first_start && !harness.demo_file.empty() && !harness_replay_used) {
        harness_replay_used = true;
        demo_playing = 0;
        replaying = load_demo(harness.demo_file);
        fixed_seed = !harness.has_seed;
    } else if (map_planet == 0 && map_level == 0 && demo_playing == 0 && !recording_wanted()) {
        // A missing or damaged demo file leaves the player in control.
        demo_playing = load_demo(demo_file_name(map_level)) ? 1 : 0;
        // The tutorial demo was recorded under this seed, whatever the command line.
        fixed_seed = demo_playing == 1;
    } else {
        demo_playing = 0;
    }
    if (!harness.record_demo_file.empty() && !recording_used) {
        recording_used = true;
        recording = true;
        clear_demo_recording();
        set_demo_writer(write_recording);
        if (!harness.has_seed) fixed_seed = true;
    }
    if (fixed_seed) {
        // Both streams, so even the look of a replay matches its recording.
        seed_stream(rng_world, demo_world_seed);
        seed_stream(rng_cosmetic, demo_world_seed + 1);
    }
}

void demo_replay() {
    if (demo_drives_input()) {
        // The end is tested on the row about to be replayed, so an end
        // record in the first row replays nothing.
        if (demo_frame >= demo_length) {
            if (replaying) {
                replaying = false;
                play.in.previous_wheel = play.in.wheel; // the live wheel from here on
            } else {
                if (demo_frame > 0) use_row(demo_frame - 1, false);
                else play.in.click = 0;
                restart_pending = 1;
                target_light = 0;
            }
        } else {
            use_row(demo_frame, true);
            if (play.in.click == 1) demo_click_flash = 20;
            demo_frame += 1;
        }
        if (demo_click_flash > 0) demo_click_flash -= 1;
    }
    if (recording) record_demo_frame(play.in.mouse_x, play.in.mouse_y, camera_x, camera_y, recorded_keys());
}

void demo_skip() {
    if (demo_playing != 1) return;
    if (play.live_click == 0 && play.in.escape == 0) return;
    if (restart_pending == 0) play_sound(snd_pickb, effects_channel_a);
    restart_pending = 1;
    target_light = 0;
}

void draw_demo_overlay() {
    if (demo_playing != 1 || !drawing_enabled()) return;
    const int l = to_int(light_level);
    set_color(l / 2, l / 2, l / 2);
    draw_image(gfx.demo_band, 192, -130, 0);
    draw_image(gfx.demo_band, 192, 530, 0);
    set_alpha(1);
    set_color(l, l, l);
    if (current_planet >= 0 && current_planet < planet_count)
        draw_text(400, 10, planet_names[current_planet], 1, 0);
    set_color(to_int(l / 1.3), to_int(l / 1.2), to_int(l / 1.3));
    if (current_planet >= 0 && current_planet < 10 && current_level >= 0 && current_level < 10)
        draw_text(400, 30, level_names[current_planet][current_level], 1, 1);
    set_color(l, l, l);
    draw_text(400, 550, "Lesson mode...", 1, 1);
    draw_text(400, 570, "Click to skip lesson", 1, 1);
}
