// The generated sound files: one-shot effects, ambience loops and music.
#pragma once

#include <string>

#include "synth.h"

namespace sfx {

constexpr int effect_rate = 44100;
constexpr int ambience_rate = 22050;
constexpr int music_rate = 32000;

// Effects and music peak here; leaves room for the decoder's ripple.
constexpr double effect_peak_db = -1.5;
constexpr double music_peak_db = -3.0;

struct effect_recipe {
    const char* name;      // file stem under sfx/
    buffer (*make)(prng&); // mono samples at effect_rate
    uint64_t seed;
    double peak_db;
};
extern const effect_recipe effect_recipes[];
extern const int effect_recipe_count;

struct ambience_recipe {
    const char* name;      // file stem under sfx/, exact case
    double seconds;        // loop length
    buffer (*make)(prng&, size_t frames);
    uint64_t seed;
    double rms_db;         // target level of the loop
};
extern const ambience_recipe ambience_recipes[];
extern const int ambience_recipe_count;

// Renders music track 1..8 as interleaved stereo at music_rate; the piece
// is circular: its last sample leads straight into its first.
buffer render_track(int track);
constexpr int track_count = 8;

// Ogg Vorbis from interleaved stereo, fixed stream serial so the bytes
// are the same every build.
bool write_ogg(const char* path, const buffer& stereo, int rate, float quality, int serial);

} // namespace sfx
