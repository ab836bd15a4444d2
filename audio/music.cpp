#include "audio/music.h"

#include <string>

#include "audio/sound_table.h"
#include "config/settings.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/catalogue.h"
#include "world/world.h"

int music_track = no_sound;
int ambient_loop = no_sound;

namespace {

// The decoded track and loop currently held, released when replaced so a
// long session does not pile up minutes of decoded audio.
int music_sound = 0;
int ambient_sound = 0;

// Swaps in a fresh channel under the same name and gives the old one back.
int fresh_channel(int old_channel, const char* name) {
    int ch = alloc_channel();
    name_channel(ch, name);
    if (old_channel && old_channel != ch) free_channel(old_channel);
    return ch;
}

void release(int& sound) {
    if (sound) free_handle(sound);
    sound = 0;
}

void draw_loading_notice() {
    const int l = to_int(light_level);
    set_color(0, 0, 0);
    set_alpha(0.3f);
    draw_rect(0, 0, 800, 600);
    set_alpha(0.8f);
    draw_text(402, 302, "Loading Soundtrack...", 1, 0);
    set_color(l, l, l);
    draw_text(400, 300, "Loading Soundtrack...", 1, 0);
    flip(-1);
    set_alpha(1.0f);
}

} // namespace

bool is_winter_planet(int planet) { return environment_set(planet) == 2; }

const char* ambience_file(int loop, int planet) {
    if (loop == no_sound) return nullptr;
    if (is_winter_planet(planet)) return "sfx\\amb_winter.wav";
    switch (loop) {
    case 0: return "sfx\\amb_rain.wav";
    case 1: return "sfx\\amb_Nightforest.wav";
    case 2: return "sfx\\amb_forest.wav";
    default: return nullptr;
    }
}

void apply_volumes() {
    set_channel_volume(music_channel, music_volume / 4);
    set_channel_volume(effects_channel_a, effects_volume / 4);
    set_channel_volume(ambient_channel, ambient_volume / 4);
    set_channel_volume(effects_channel_b, effects_volume / 4);
}

void start_music() {
    stop_channel(music_channel);
    release(music_sound);
    if (music_track == no_sound) return;
    // Shown before the load, so a missing track still shows it.
    draw_loading_notice();
    music_sound = load_sound("sfx/tracks/00" + int_text(music_track) + ".ogg", 1);
    music_channel = fresh_channel(music_channel, "music");
    cue_sound(music_sound, music_channel);
    apply_volumes();
    resume_channel(music_channel);
}

void start_ambience() {
    stop_channel(ambient_channel);
    release(ambient_sound);
    const char* file = ambience_file(ambient_loop, map_planet);
    if (!file) return;
    ambient_sound = load_sound(file, 1);
    ambient_channel = fresh_channel(ambient_channel, "ambient");
    cue_sound(ambient_sound, ambient_channel);
    apply_volumes();
    resume_channel(ambient_channel);
}

void start_level_sounds() {
    const int night = level_settings[ls_night], rain = level_settings[ls_rain];
    int loop, track;
    if (night == 1 && rain == 0) { loop = 1; track = 3; }
    else if (night == 1 && rain == 1) { loop = 0; track = 2; }
    else if (night == 0 && rain == 0) { loop = 2; track = 4; }
    else if (night == 0 && rain == 1) { loop = 0; track = 1; }
    else return;
    ambient_loop = loop;
    start_ambience();
    if (!demo_playing) {
        music_track = track;
        start_music();
    }
}

void silence_mission() {
    music_track = no_sound;
    start_music();
    ambient_loop = no_sound;
    start_ambience();
}
