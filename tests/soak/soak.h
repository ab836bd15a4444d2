// Levels played with random input while the world's invariants are checked
// after every frame. The short run is a test; scripts/soak.sh runs the long one.
#pragma once

#include <string>
#include <vector>

struct soak_options {
    std::string maps_dir;   // every map*.map in it is played
    std::vector<unsigned> seeds;
    long max_frames = -1;   // per level and seed; -1: the level's whole time
    bool with_generated = true; // also a crowded level and random caves
    int generated_caves = 2;
};

struct soak_report {
    int runs = 0;
    long frames = 0;
    int attempts = 0;  // missions ended and started again within a run
    std::vector<std::string> failures; // first broken invariant of each run
};

soak_report run_soak(const soak_options& options);

// The broken invariant, or "" when the world tables are sound.
std::string check_world_invariants(int dropped_before);
