// The game's effect sounds and its four channels. Handles are loaded once at
// start-up; a handle of 0 (missing file) plays nothing.
#pragma once

extern int music_channel;
extern int effects_channel_a;
extern int ambient_channel;
extern int effects_channel_b;

extern int snd_unable_build, snd_click1, snd_click2, snd_toggle, snd_wah, snd_transform,
    snd_pickup, snd_dead1, snd_dead2, snd_dead3, snd_dead4, snd_down, snd_gold, snd_pickb,
    snd_perforator, snd_explosion, snd_bbegin, snd_bubble, snd_electrocute, snd_alldead;

// Allocates the four channels (in the order music, effects A, ambience,
// effects B) and loads every effect sound.
void load_sound_table();
