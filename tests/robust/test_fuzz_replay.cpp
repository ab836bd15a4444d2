// Every committed fuzz seed and every input that once broke a reader goes
// through the same entry points again; a reader that breaks aborts the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/targets.h"

namespace fs = std::filesystem;

namespace {

int replay_folder(const fuzz_target& t, const fs::path& dir) {
    if (!fs::exists(dir)) return 0;
    int n = 0;
    for (const auto& f : fs::directory_iterator(dir)) {
        if (!f.is_regular_file()) continue;
        std::ifstream in(f.path(), std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        SCOPED_TRACE(f.path().string());
        EXPECT_EQ(t.run(bytes.data(), bytes.size()), 0);
        ++n;
    }
    return n;
}

}  // namespace

TEST(RobustFuzzReplay, SeedsAndSavedCrashesPassEveryReader) {
    int replayed = 0;
    for (int i = 0; i < fuzz_target_count; ++i) {
        const fs::path base = ZEMBRA_FUZZ_DIR;
        replayed += replay_folder(fuzz_targets[i], base / "seeds" / fuzz_targets[i].name);
        replayed += replay_folder(fuzz_targets[i], base / "regressions" / fuzz_targets[i].name);
    }
    EXPECT_GE(replayed, 4);
}

TEST(RobustFuzzReplay, EmptyAndTinyInputsPassEveryReader) {
    const uint8_t bytes[8] = {0xff, 0, 0x89, 'P', 'N', 'G', '\r', '\n'};
    for (int i = 0; i < fuzz_target_count; ++i)
        for (size_t n = 0; n <= sizeof bytes; ++n) EXPECT_EQ(fuzz_targets[i].run(bytes, n), 0);
}

TEST(RobustFuzzReplay, BuiltMapsAndPicturesPassTheirReaders) {
    // What the build ships must pass the checks the fuzzers hold the readers to.
    const fs::path game = ZEMBRA_GAME_DIR;
    int maps = 0, pictures = 0;
    const fuzz_target* map_target = nullptr;
    const fuzz_target* image_target = nullptr;
    for (int i = 0; i < fuzz_target_count; ++i) {
        if (std::string(fuzz_targets[i].name) == "map") map_target = &fuzz_targets[i];
        if (std::string(fuzz_targets[i].name) == "image") image_target = &fuzz_targets[i];
    }
    ASSERT_TRUE(map_target && image_target);
    if (fs::exists(game / "maps")) maps = replay_folder(*map_target, game / "maps");
    if (fs::exists(game / "gfx")) {
        for (const auto& f : fs::directory_iterator(game / "gfx")) {
            if (!f.is_regular_file() || f.file_size() > 200000 || pictures >= 10) continue;
            std::ifstream in(f.path(), std::ios::binary);
            std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
            bytes.insert(bytes.begin(), {15, 15});
            SCOPED_TRACE(f.path().string());
            EXPECT_EQ(image_target->run(bytes.data(), bytes.size()), 0);
            ++pictures;
        }
    }
    if (maps + pictures == 0) GTEST_SKIP() << "the build has no maps or pictures yet";
}
