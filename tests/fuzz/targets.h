// Entry points shared by the fuzzers and by the replay of saved crash inputs:
// each takes arbitrary bytes, feeds them to one reader of the game, and
// aborts when the reader breaks one of its own promises.
#pragma once

#include <cstddef>
#include <cstdint>

int fuzz_map_file(const uint8_t* data, size_t size);
int fuzz_config_file(const uint8_t* data, size_t size);
int fuzz_campaign_file(const uint8_t* data, size_t size);
int fuzz_input_script(const uint8_t* data, size_t size);
int fuzz_level_text(const uint8_t* data, size_t size);
int fuzz_image_file(const uint8_t* data, size_t size);
int fuzz_demo_file(const uint8_t* data, size_t size);

struct fuzz_target {
    const char* name; // also the folder of its seeds and regressions
    int (*run)(const uint8_t*, size_t);
};
extern const fuzz_target fuzz_targets[];
extern const int fuzz_target_count;
