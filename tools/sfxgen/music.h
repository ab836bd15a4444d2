// The music notation and instruments behind render_track.
//
// A score is a handful of short strings, one token per step (an eighth note
// unless the track says otherwise), bar lines "|" ignored:
//   melody  "5 . 6 5 | 3 - 1 ."  scale degrees 1..7, ' raises and , lowers
//           an octave, b/# before a degree bend it a semitone, "." holds,
//           "-" rests.
//   chords  "1 6 4 5"            one diatonic chord per bar, built on that
//           degree; "5:7" adds the seventh.
//   bass    "R . F . O . R ."    per bar: chord root, fifth, third (T),
//           octave (O); "." holds, "-" rests.
//   arp     "0 1 2 1 3 2 1 2"    per bar: chord tone index (3 = root an
//           octave up); "." holds, "-" rests.
//   drums   "x..x..x." per bar at twice the step rate: x hit, o soft.
//   form    "IAABAC"             section letters, see music.cpp.
#pragma once

#include "synth.h"

namespace sfx {

enum voice_kind {
    voice_pluck,  // plucked string
    voice_bell,   // FM bell / celesta
    voice_pad,    // soft detuned saw pad
    voice_flute,  // breathy sine lead
    voice_square, // mellow pulse lead
    voice_bass,   // round sine-and-saw bass
    voice_string, // bowed ensemble
    voice_epiano, // soft electric piano
    voice_none,
};

struct score {
    const char* title;
    double bpm;          // quarter notes per minute
    int steps_per_bar;   // 8 = 4/4 in eighths, 6 = 3/4 in eighths
    int root;            // MIDI note of degree 1 (melody octave)
    int mode[7];         // semitone offsets of the scale
    const char* chords_a;
    const char* chords_b;
    const char* melody_a;
    const char* melody_b;
    const char* bass;
    const char* arp;
    const char* kick;
    const char* snare;
    const char* hat;
    const char* form;
    voice_kind lead, lead_alt, arp_voice, pad_voice;
    double swing;        // 0 straight, up to ~0.3 delays the off-steps
    double reverb;       // wet amount 0..1
};

extern const score scores[8];

struct note_event {
    double start;   // seconds
    double length;  // seconds
    double pitch;   // MIDI note
    double velocity;
    double pan;     // -1 left .. 1 right
};

// Renders one note of a voice as mono samples at music_rate (the sound may
// run past the note's length while it decays).
buffer render_voice(voice_kind v, const note_event& n, prng& r);

enum drum_kind { drum_kick, drum_snare, drum_hat, drum_shaker, drum_tom };
buffer render_drum(drum_kind d, double velocity, prng& r);

} // namespace sfx
