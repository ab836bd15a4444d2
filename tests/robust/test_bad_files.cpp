// Damaged and missing files as a player meets them, through the game binary.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "world/gfx_manifest.h"
#include "world/map_file.h"

namespace fs = std::filesystem;

namespace {

struct run_result { int status; std::string out, err; };

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_text(const fs::path& p, const std::string& s) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << s;
}

void write_ints(const fs::path& p, const std::vector<int32_t>& values, size_t keep_bytes = ~size_t{0}) {
    std::string bytes;
    for (int32_t v : values)
        for (int k = 0; k < 4; ++k) bytes += static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xff);
    write_text(p, bytes.substr(0, std::min(keep_bytes, bytes.size())));
}

// The number after `key` in a dump or exit line, or -999 when absent.
double field(const std::string& text, const std::string& key) {
    const size_t at = text.find(key);
    if (at == std::string::npos) return -999;
    return std::atof(text.c_str() + at + key.size());
}

class RobustFiles : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zembra_robust_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "gfx");
        fs::create_directories(dir / "maps");
        fs::create_directories(dir / "sfx");
    }
    void TearDown() override {
        ::chmod(dir.c_str(), 0755);
        fs::remove_all(dir);
    }
    run_result run(const std::string& args) {
        const std::string out = (dir.string() + ".out"), err = (dir.string() + ".err");
        const std::string cmd = "timeout 120 " + std::string(ZEMBRA_BINARY) + " --data " + dir.string() +
                                " --headless --seed 3 " + args + " >" + out + " 2>" + err;
        const int raw = std::system(cmd.c_str());
        run_result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
        fs::remove(out);
        fs::remove(err);
        return r;
    }
    // A small level with one mushroom, so the mission runs until the time is up.
    void write_level(int planet, int level, bool with_items = true) {
        map_data m;
        std::memset(&m, 0, sizeof m);
        for (int c = 0; c < 51; ++c) m.front[c][14] = 31;
        m.front[10][12] = 64;
        if (with_items) m.front[14][13] = 65;
        m.settings[24] = 3;
        m.settings[25] = 200;
        m.settings[26] = 1;
        write_map_file(map_path(planet, level).string(), m);
    }
    fs::path map_path(int planet, int level) const {
        return dir / "maps" / ("map" + std::to_string(planet) + std::to_string(level) + ".map");
    }
};

}  // namespace

TEST_F(RobustFiles, MissingOrTruncatedMapRefusesTheLevel) {
    run_result r = run("--no-draw --play 2 3 --until mission-end --frames 200");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("frames="), std::string::npos) << r.out;
    EXPECT_LT(field(r.out, "frames="), 5) << "a missing map must not be played: " << r.out;

    write_level(2, 3);
    const std::string whole = slurp(map_path(2, 3));
    for (size_t keep : {size_t{0}, size_t{1}, size_t{3162}, size_t{4481}}) {
        write_text(map_path(2, 3), whole.substr(0, keep));
        r = run("--no-draw --play 2 3 --until mission-end --frames 200");
        EXPECT_EQ(r.status, 0) << keep << " bytes: " << r.err;
        EXPECT_LT(field(r.out, "frames="), 5) << keep << " bytes: " << r.out;
    }
    // The whole file is played; bytes past the end are not read.
    write_text(map_path(2, 3), whole + "trailing bytes");
    r = run("--no-draw --play 2 3 --frames 60");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(field(r.out, "frames="), 60) << r.out;
}

TEST_F(RobustFiles, CorruptOrMissingPicturesAndSoundsDrawAndPlayNothing) {
    write_level(1, 0);
    // Every other picture is the first half of the real one, the rest are
    // text; the sounds are half empty files, half missing.
    const fs::path game = ZEMBRA_GAME_DIR;
    int n = 0;
    for (const gfx_entry& e : gfx_manifest) {
        const fs::path to = dir / e.path;
        fs::create_directories(to.parent_path());
        const std::string real = slurp(game / e.path);
        if (n++ % 2 == 0 && !real.empty()) write_text(to, real.substr(0, real.size() / 2));
        else write_text(to, "not a picture at all\n");
    }
    for (const char* s : {"sfx/click2.wav", "sfx/alldead.wav", "sfx/pickb.wav"}) write_text(dir / s, "");
    const fs::path shot = dir / "shot.png", log = dir / "sounds.log";
    const std::string script = (dir / "in.script").string();
    write_text(script, "30 key 70\n40 click 400 300\n50 key 27\n55 key 27\n60 wheel 2\n");
    run_result r = run("--play 1 0 --input " + script + " --frames 120 --screenshot 100:" +
                       shot.string() + " --sound-log " + log.string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(field(r.out, "frames="), 120) << r.out;
    ASSERT_TRUE(fs::exists(shot));
    EXPECT_GT(fs::file_size(shot), 100u);
    // The sound calls still happen, with nothing to hear.
    EXPECT_NE(slurp(log).find(" play "), std::string::npos);
}

TEST_F(RobustFiles, TruncatedSettingsKeepWhatTheyHoldAndDefaultTheRest) {
    write_level(1, 0);
    // music 1, effects 2, ambient 0, quality 1, then cut inside the fifth integer
    write_ints(dir / "config.cfg", {1, 2, 0, 1, 0, 0, 0, 0, 0, 4, 1}, 18);
    const fs::path dump = dir / "dump.json";
    run_result r = run("--no-draw --play 1 0 --frames 3 --dump " + dump.string());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string j = slurp(dump);
    EXPECT_EQ(field(j, "\"music_volume\":"), 1);
    EXPECT_EQ(field(j, "\"effects_volume\":"), 2);
    EXPECT_EQ(field(j, "\"ambient_volume\":"), 0);
    EXPECT_EQ(field(j, "\"sound_quality\":"), 1);
    EXPECT_EQ(field(j, "\"background_drawing\":"), 1);
    EXPECT_EQ(field(j, "\"difficulty\":"), 1);
    EXPECT_EQ(field(j, "\"skip_tutorial\":"), 0);
}

TEST_F(RobustFiles, InvalidCampaignIsRefusedAndLeftOnDisk) {
    write_level(1, 0);
    std::vector<int32_t> bad = {42, 99, 5, 5, 5};
    for (int i = 0; i < 20; ++i) bad.push_back(7);
    write_ints(dir / "game.cfg", bad);
    const std::string before = slurp(dir / "game.cfg");
    const fs::path dump = dir / "dump.json";
    run_result r = run("--no-draw --play 1 0 --frames 3 --dump " + dump.string());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string j = slurp(dump);
    EXPECT_EQ(field(j, "\"campaign_gold\":"), 0) << "a refused campaign must not be taken in part";
    EXPECT_EQ(field(j, "\"current_planet\":"), 1);
    EXPECT_EQ(slurp(dir / "game.cfg"), before);
}

TEST_F(RobustFiles, UnwritableSavingFolderLeavesTheGameRunning) {
    // A level with nothing to gather ends at once and goes on to the results,
    // which save the campaign.
    write_level(1, 0, false);
    if (::geteuid() == 0) {
        // Root writes through permissions; names taken by folders cannot be saved over.
        fs::create_directories(dir / "config.cfg");
        fs::create_directories(dir / "game.cfg");
    } else {
        ::chmod(dir.c_str(), 0555);
    }
    // OK on the results screen, pressed until it takes: that click saves.
    std::string clicks;
    for (int f = 60; f < 2400; f += 15) clicks += std::to_string(f) + " click 399 514\n";
    const std::string script = (dir.parent_path() / (dir.filename().string() + ".script")).string();
    write_text(script, clicks);
    run_result r = run("--no-draw --play 1 0 --input " + script + " --until results --frames 3000");
    fs::remove(script);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_LT(field(r.out, "frames="), 3000) << "the results screen was left after its save: " << r.out;
    EXPECT_NE(r.out.find("result="), std::string::npos);
    if (::geteuid() == 0) {
        EXPECT_TRUE(fs::is_directory(dir / "game.cfg"));
    } else {
        EXPECT_FALSE(fs::exists(dir / "game.cfg"));
    }
}

TEST_F(RobustFiles, TutorialDemoWithoutEndRecordEndsAfterItsLastRecord) {
    write_level(0, 0);
    fs::create_directories(dir / "maps" / "demos");
    // Ten thousand records of a pointer resting mid-screen, none of them the end.
    std::string demo;
    for (int i = 0; i < 10000; ++i) demo += std::string("\x90\x01\x2c\x01\x00\x00\x00\x00\x00", 9);
    write_text(dir / "maps" / "demos" / "demo0", demo);
    const fs::path during = dir / "during.json", after = dir / "after.json";
    run_result r = run("--no-draw --play 0 0 --frames 10200 --dump-at 9990:" + during.string() +
                       " --dump-at 10190:" + after.string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(field(r.out, "frames="), 10200) << r.out;
    EXPECT_EQ(field(slurp(during), "\"demo_playing\":"), 1);
    EXPECT_EQ(field(slurp(after), "\"demo_playing\":"), 0) << "the level restarts with the player in control";

    // A demo cut short is no demo: the player has control from the start.
    write_text(dir / "maps" / "demos" / "demo0", demo.substr(0, 5000));
    r = run("--no-draw --play 0 0 --frames 20 --dump " + during.string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(field(slurp(during), "\"demo_playing\":"), 0);
}
