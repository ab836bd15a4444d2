// The eight pieces of music, written in the notation of music.h.
#include "music.h"

namespace sfx {

#define MAJOR {0, 2, 4, 5, 7, 9, 11}
#define MINOR {0, 2, 3, 5, 7, 8, 10}
#define DORIAN {0, 2, 3, 5, 7, 9, 10}
#define LYDIAN {0, 2, 4, 6, 7, 9, 11}
#define HARMONIC_MINOR {0, 2, 3, 5, 7, 8, 11}

const score scores[8] = {
    // 1: a rainy day in the caves; wistful dorian, plucked strings, shakers.
    {"Drizzle", 84, 8, 62, DORIAN,
     "1 4 1 4 3 7 4 5",
     "3 7 4 1 3 7 4 5",
     "1' . 7 5 . . 4 5 | 6 . 5 4 . . 2 . | 3 . 4 5 . 1' 7 5 | 4 . . . - - 5 6 |"
     "7 . 6 5 . 3 . . | 5 . 4 3 . 2 3 . | 4 . 5 6 . 7 6 4 | 5 . . . - - - -",
     "3' . 2' 1' . 7 . . | 1' . 7 5 . . 3 5 | 6 . 5 4 . 2 . . | 1 . . . - 3 4 5 |"
     "6 . . 5 6 1' . 7 | 5 . . . 3 . 5 . | 4 . 6 . 2' . 1' 7 | 5 . . . - - - -",
     "R . . R F . R .", "0 1 2 3 2 1 2 1",
     "x.......x.x.....", "....o.......o...", "s.s.s.s.s.s.s.s.",
     "IABC", voice_flute, voice_bell, voice_pluck, voice_pad, 0.1, 0.35},

    // 2: night and rain; slow minor, electric piano over strings and bells.
    {"Dark Drops", 70, 8, 64, MINOR,
     "1 6 3 7 1 6 4 5",
     "6 7 1 1 4 6 5 5",
     "5 . . . 4 . 3 . | 3 . . . - - 2 3 | 2 . . . 1 . 7, . | 2 . . . - - - - |"
     "5 . . . 6 . 7 . | 1' . . . 7 . 5 . | 6 . . . 5 . 4 3 | 2 . . . - - - -",
     "3' . . 2' 1' . . . | 7 . . . 6 . 5 . | 5 . . . . . - - | - - 3 4 5 . 7 . |"
     "1' . . . 7 . 6 . | 5 . . . 3 . . . | 4 . . . 2 . 4 . | 2 . . . - - - -",
     "R . . . . . F .", "0 - 2 - 1 - 3 -",
     "x.......o.......", "........o.......", "s...s...s...s...",
     "IAB", voice_epiano, voice_string, voice_bell, voice_pad, 0.0, 0.5},

    // 3: a clear night; a harmonic-minor waltz of bells and a pulse lead.
    {"Glowworm Waltz", 92, 6, 62, HARMONIC_MINOR,
     "1 4 5 1 6 4 5 5:7",
     "6 3 4 1 4 2 5 5",
     "1 . 3 5 . 3 | 4 . 6 1' . 6 | 7, . 2 5 . 2 | 1 . . . - - |"
     "6 . 5 4 . 3 | 4 . 3 2 . 1 | 7, . 1 2 . 3 | 2 . 1 7, . .",
     "3' . . 1' . 6 | 7 . . 3 . 5 | 6 . 5 4 . 6 | 5 . . . - - |"
     "1' . 6 4 . 6 | 5 . 4 3 . 2 | 7, . 2 5 . 7 | 5 . . . - -",
     "R . . F . .", "0 2 1 3 2 1",
     "x...........", "....o...o...", "s.s.s.s.s.s.",
     "IABACD", voice_square, voice_flute, voice_bell, voice_pad, 0.0, 0.45},

    // 4: a bright dry day; bouncy major tune with a full kit.
    {"Busy Burrows", 112, 8, 67, MAJOR,
     "1 5 6 4 1 5 4 5",
     "4 1 5 6 4 1 2 5",
     "5 . 3 5 1' . 5 . | 6 5 4 3 2 . 5, . | 3 . 5 . 6 . 5 3 | 4 . 3 . 1 . - - |"
     "5 . 3 5 1' . 2' . | 7 . 6 . 5 . 7 . | 1' . 7 6 5 . 3 . | 2 . . 3 4 . 5 .",
     "1' . . 7 1' . 3' . | 2' . 1' . 7 . 5 . | 6 . 5 . 6 . 7 . | 5 . . . 3 . . . |"
     "4 . 6 . 1' . 6 . | 5 . 3 . 1 . 3 . | 2 . 3 . 4 . 6 . | 7 . . . 2' . . .",
     "R . R F . R O .", "0 2 1 2 0 2 1 3",
     "x.....x.x.......", "....x.......x...", "x.x.x.x.x.x.x.x.",
     "IABCD", voice_square, voice_bell, voice_pluck, voice_pad, 0.15, 0.25},

    // 5: the main menu; an open lydian adventure theme.
    {"Far Horizon", 100, 8, 60, LYDIAN,
     "1 2 1 2 6 3 2 5",
     "6 3 1 5 6 3 2 5",
     "1 . 5 . 3' . 2' 1' | 2' . . . 4 . 6 . | 5 . 1' . 3' . 5' . | 4' . . 3' 2' . . . |"
     "1' . 7 6 3 . 6 . | 7 . 6 5 3 . . . | 4 . 6 . 2' . 1' 7 | 5 . . . - - 5 7",
     "1' . . 7 6 . 3 . | 5 . . . 3 . 5 . | 6 . 5 . 3 . 1 . | 2 . . . 5, . . . |"
     "6 . 7 1' 2' . 1' . | 7 . 5 . 3 . 7 . | 6 . 4 . 2' . 4' . | 2' . . . 7 . 5 .",
     "R . . R . . F .", "0 1 2 1 3 1 2 1",
     "x.......x.......", "....x.......x.o.", "x.x.x.x.x.x.x.x.",
     "IABC", voice_square, voice_string, voice_pluck, voice_pad, 0.0, 0.3},

    // 6: a mission won; a quick fanfare-like major romp.
    {"Full Saucer", 128, 8, 65, MAJOR,
     "1 4 5 1 6 4 2 5",
     "4 5 3 6 4 5 1 1",
     "1 . 3 . 5 . 1' . | 6 . 4 . 6 . 1' . | 7 . 5 . 2' . 7 . | 1' . . 5 1' . . - |"
     "6 . 1' . 3' . 2' 1' | 2' . 1' . 6 . 4 . | 2 . 4 . 6 . 7 . | 1' . . . 7 . 5 .",
     "4' . 3' . 2' . 1' . | 7 . 1' . 2' . 5 . | 3' . 1' . 5 . 1' . | 6 . . . - - 6 7 |"
     "1' . 6 . 4 . 6 . | 2' . 7 . 5 . 2' . | 3' . 2' . 1' . 5 . | 1' . . . - - - -",
     "R . O . R . O .", "0 1 2 3 2 1 2 1",
     "x...x...x...x...", "....x.......x...", "..x...x...x...x.",
     "IABCD", voice_square, voice_flute, voice_pluck, voice_pad, 0.0, 0.25},

    // 7: the star map; slow floating lydian with long bell lines.
    {"Between Planets", 80, 8, 63, LYDIAN,
     "1 2 1 2 3 2 1 5",
     "6 3 2 1 6 3 2 5",
     "5 . . . 3' . . . | 2' . . . 1' . 6 . | 5 . . . 7 . . . | 6 . . . - - - - |"
     "3' . . 2' 1' . 5 . | 6 . . . 4 . 2 . | 3 . . . 5 . 7 . | 1' . . . - - - -",
     "3' . . . 2' . 1' . | 7 . . . 5 . . . | 6 . . 4 2 . . . | 3 . . . - - 5 6 |"
     "1' . . . 3' . 2' . | 7 . . . 5 . 3 . | 4 . . . 6 . 2' . | 5 . . . - - - -",
     "R . . . . . . .", "0 2 3 2 1 2 3 1",
     "x...............", "................", "....s.......s...",
     "IABE", voice_epiano, voice_flute, voice_bell, voice_pad, 0.0, 0.6},

    // 8: a mission lost; a minor lament over a falling bass, strings and a
    // distant drum, no pulse to speak of.
    {"Empty Saucer", 66, 8, 59, MINOR,
     "1 7 6 5 4 1 6 5",
     "6 3 4 1 6 3 4 5",
     "5 . . . 4 . 3 . | 2 . . . 1 . 7, . | 1 . . . 7, . 6, . | 7, . . . - - - - |"
     "1 . . 2 3 . 4 . | 5 . . . 3 . . . | 4 . . . 3 . 2 . | 2 . . . - - - -",
     "1' . . . 7 . 6 . | 5 . . . 3 . . . | 4 . . . 5 . 6 . | 5 . . . - - - - |"
     "6 . . . 5 . 4 . | 3 . . . 2 . 3 . | 4 . . . 3 . 4 . | 2 . . . . . - -",
     "R . . . . . . .", "0 - 2 - 1 - 2 -",
     "t...............", "................", "................",
     "IAB", voice_string, voice_epiano, voice_pluck, voice_pad, 0.0, 0.5},
};

} // namespace sfx
