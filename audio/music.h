// Music, ambience and the channel volumes.
#pragma once

constexpr int no_sound = 99; // music_track / ambient_loop value for silence

// The track to play: 1..4 level moods, 5 main menu, 6 success, 7 selection,
// 8 failure, 99 none. Set it, then call start_music.
extern int music_track;
// 0 rain, 1 night forest, 2 forest, 99 none. Set it, then call start_ambience.
extern int ambient_loop;

// Channel volumes from the settings (each 0..4, channel at value / 4).
// Every screen calls this once a frame.
void apply_volumes();

// Stops the music; unless music_track is 99, shows the loading notice,
// then loads the track and plays it looping on a fresh music channel.
void start_music();

// Stops the ambience; unless ambient_loop is 99, plays the loop for it (the
// winter loop on winter planets) on a fresh ambience channel.
void start_ambience();

// Ambience and music for the level just loaded, from its night and rain
// flags. The music is left alone while a demo plays.
void start_level_sounds();

// A mission has ended: music and ambience fall silent.
void silence_mission();

// File names used for a track and an ambience loop on a planet row.
const char* ambience_file(int loop, int planet);
bool is_winter_planet(int planet);
