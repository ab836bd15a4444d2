// The long soak: zembra_soak MAPS_DIR [seeds] [max frames per run]
#include <cstdio>
#include <cstdlib>

#include "tests/soak/soak.h"

int main(int argc, char** argv) {
    soak_options o;
    o.maps_dir = argc > 1 ? argv[1] : "maps";
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 5;
    for (int s = 1; s <= seeds; ++s) o.seeds.push_back(static_cast<unsigned>(s));
    o.max_frames = argc > 3 ? std::atol(argv[3]) : -1;
    o.generated_caves = 8;
    const soak_report r = run_soak(o);
    for (const std::string& f : r.failures) std::printf("FAIL %s\n", f.c_str());
    std::printf("soak: %d runs, %d missions started again, %ld frames, %zu failures\n", r.runs, r.attempts,
                r.frames, r.failures.size());
    return r.failures.empty() ? 0 : 1;
}
