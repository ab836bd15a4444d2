// The game's audio rules, observed through the runtime's sound log on the
// headless back end, in a scratch folder holding stand-in sound files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound_table.h"
#include "config/settings.h"
#include "runtime/runtime.h"
#include "text/text.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace {

struct glyph_call {
    float x, y;
    draw_state state;
};
std::vector<glyph_call> glyphs;
int flips = 0;
size_t glyphs_at_last_flip = 0;

void record_glyph(int, float x, float y, int) { glyphs.push_back({x, y, get_draw_state()}); }
void count_flip() {
    ++flips;
    glyphs_at_last_flip = glyphs.size();
    set_frame_number(frame_number() + 1);
}

void write_bytes(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// A tiny valid WAV (8 silent samples) and the start of an Ogg stream:
// enough for the loader to take them as sounds without a mixer.
std::string tiny_wav() {
    std::string w = "RIFF";
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) w += char((v >> (8 * i)) & 0xFF); };
    auto u16 = [&](uint16_t v) { w += char(v & 0xFF); w += char(v >> 8); };
    u32(36 + 16);
    w += "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
    w += "data";
    u32(16);
    w += std::string(16, '\0');
    return w;
}

class Audio : public ::testing::Test {
protected:
    static fs::path dir;

    static void SetUpTestSuite() {
        dir = fs::temp_directory_path() / ("zembra_audio_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        for (const char* n : {"unable_build", "click1", "click2", "toggle", "wah", "transform", "pickup", "dead1",
                              "dead2", "dead3", "dead4", "down", "gold", "pickb", "perforator", "explosion",
                              "bbegin", "bubble", "electrocute", "alldead", "amb_rain", "amb_Nightforest",
                              "amb_forest", "amb_winter"})
            write_bytes(dir / "sfx" / (std::string(n) + ".wav"), tiny_wav());
        for (int t = 1; t <= 8; ++t)
            write_bytes(dir / "sfx" / "tracks" / ("00" + std::to_string(t) + ".ogg"), "OggS" + std::string(60, '\0'));
        fs::current_path(dir);
        set_backend(backend_none, false);
        open_graphics(800, 600, 0, 60);
        glyph_draw = record_glyph;
        set_frame_hook(count_flip);
        load_sound_table();
    }
    static void TearDownTestSuite() {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(dir);
    }

    void SetUp() override {
        music_track = ambient_loop = no_sound;
        silence_mission();
        demo_playing = 0;
        map_planet = 0;
        music_volume = 3;
        effects_volume = 4;
        ambient_volume = 4;
        glyphs.clear();
        flips = 0;
        open_sound_log("sound.log");
    }

    // The log lines written since SetUp (or the last call).
    std::vector<std::string> log_lines() {
        close_sound_log();
        std::vector<std::string> out;
        std::ifstream in("sound.log");
        for (std::string line; std::getline(in, line);) out.push_back(line.substr(line.find(' ') + 1));
        open_sound_log("sound.log");
        return out;
    }
    static bool has(const std::vector<std::string>& lines, const std::string& want) {
        for (const std::string& l : lines)
            if (l == want) return true;
        return false;
    }
    static int count_prefix(const std::vector<std::string>& lines, const std::string& prefix) {
        int n = 0;
        for (const std::string& l : lines) n += l.rfind(prefix, 0) == 0;
        return n;
    }
};
fs::path Audio::dir;

void set_flags(int night, int rain) {
    level_settings[ls_night] = night;
    level_settings[ls_rain] = rain;
}

TEST_F(Audio, LevelSoundsFollowNightAndRain) {
    struct row { int night, rain, loop, track; const char* amb; const char* ogg; };
    const row table[] = {
        {1, 0, 1, 3, "sfx\\amb_Nightforest.wav", "sfx/tracks/003.ogg"},
        {1, 1, 0, 2, "sfx\\amb_rain.wav", "sfx/tracks/002.ogg"},
        {0, 0, 2, 4, "sfx\\amb_forest.wav", "sfx/tracks/004.ogg"},
        {0, 1, 0, 1, "sfx\\amb_rain.wav", "sfx/tracks/001.ogg"},
    };
    for (const row& r : table) {
        SCOPED_TRACE(std::to_string(r.night) + "/" + std::to_string(r.rain));
        log_lines();
        set_flags(r.night, r.rain);
        start_level_sounds();
        EXPECT_EQ(ambient_loop, r.loop);
        EXPECT_EQ(music_track, r.track);
        std::vector<std::string> lines = log_lines();
        EXPECT_TRUE(has(lines, std::string("cue ") + r.amb + " ambient"));
        EXPECT_TRUE(has(lines, std::string("resume ") + r.amb + " ambient"));
        EXPECT_TRUE(has(lines, std::string("cue ") + r.ogg + " music"));
        EXPECT_TRUE(has(lines, std::string("resume ") + r.ogg + " music"));
        EXPECT_TRUE(channel_playing(music_channel));
        EXPECT_EQ(channel_sound(ambient_channel), r.amb);
    }
}

TEST_F(Audio, WinterPlanetsAlwaysPlayTheWinterLoop) {
    for (int planet = 0; planet < 10; ++planet) {
        map_planet = planet;
        bool winter = planet == 2 || planet == 3 || planet == 8;
        for (int flags = 0; flags < 4; ++flags) {
            set_flags(flags / 2, flags % 2);
            start_level_sounds();
            std::string playing = channel_sound(ambient_channel);
            EXPECT_EQ(playing == "sfx\\amb_winter.wav", winter) << "planet " << planet << " flags " << flags;
        }
    }
}

TEST_F(Audio, DemoChangesTheAmbienceButNotTheMusic) {
    music_track = 5;
    start_music();
    log_lines();
    demo_playing = 1;
    set_flags(1, 1);
    start_level_sounds();
    std::vector<std::string> lines = log_lines();
    EXPECT_EQ(music_track, 5);
    EXPECT_EQ(count_prefix(lines, "cue sfx/tracks"), 0);
    EXPECT_EQ(channel_sound(music_channel), "sfx/tracks/005.ogg");
    EXPECT_TRUE(has(lines, "cue sfx\\amb_rain.wav ambient"));
}

TEST_F(Audio, UnknownFlagValuesStartNothing) {
    log_lines();
    set_flags(2, 0);
    start_level_sounds();
    set_flags(0, -1);
    start_level_sounds();
    EXPECT_EQ(count_prefix(log_lines(), "cue"), 0);
    EXPECT_EQ(music_track, no_sound);
    EXPECT_EQ(ambient_loop, no_sound);
}

TEST_F(Audio, VolumeSettingsSetTheirOwnChannels) {
    for (int v = 0; v <= 4; ++v) {
        // Distinct values per setting, so a swapped channel shows.
        music_volume = float(v);
        effects_volume = float((v + 1) % 5);
        ambient_volume = float((v + 2) % 5);
        apply_volumes();
        EXPECT_FLOAT_EQ(channel_volume(music_channel), v / 4.0f);
        EXPECT_FLOAT_EQ(channel_volume(effects_channel_a), ((v + 1) % 5) / 4.0f);
        EXPECT_FLOAT_EQ(channel_volume(effects_channel_b), ((v + 1) % 5) / 4.0f);
        EXPECT_FLOAT_EQ(channel_volume(ambient_channel), ((v + 2) % 5) / 4.0f);
    }
    music_volume = 3;
    effects_volume = 2;
    ambient_volume = 3;
    log_lines();
    apply_volumes();
    std::vector<std::string> lines = log_lines();
    EXPECT_TRUE(has(lines, "volume 0.75 music"));
    EXPECT_TRUE(has(lines, "volume 0.50 effects_a"));
    EXPECT_TRUE(has(lines, "volume 0.50 effects_b"));
    EXPECT_TRUE(has(lines, "volume 0.75 ambient"));
}

TEST_F(Audio, VolumesSurviveAFreshMusicChannel) {
    music_volume = 1;
    music_track = 7;
    start_music();
    EXPECT_FLOAT_EQ(channel_volume(music_channel), 0.25f);
    // The volume is set before the channel is resumed, never after.
    std::vector<std::string> lines = log_lines();
    size_t vol = 0, resume = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == "volume 0.25 music") vol = i + 1;
        if (lines[i] == "resume sfx/tracks/007.ogg music") resume = i + 1;
    }
    ASSERT_GT(vol, 0u);
    ASSERT_GT(resume, 0u);
    EXPECT_LT(vol, resume);
}

TEST_F(Audio, LaterEffectOnAChannelReplacesTheEarlierOne) {
    play_sound(snd_wah, effects_channel_a);
    play_sound(snd_dead2, effects_channel_a);
    play_sound(snd_explosion, effects_channel_b);
    EXPECT_EQ(channel_sound(effects_channel_a), "sfx/dead2.wav");
    EXPECT_EQ(channel_sound(effects_channel_b), "sfx/explosion.wav");
}

TEST_F(Audio, MusicStartShowsTheNoticeBeforeLoading) {
    music_track = 6;
    light_level = 200;
    start_music();
    // Shadow and coloured copy of the 20 glyphs, presented in one frame.
    ASSERT_EQ(glyphs.size(), 40u);
    EXPECT_EQ(flips, 1);
    EXPECT_EQ(glyphs_at_last_flip, 40u);
    const glyph_call& last = glyphs.back();
    EXPECT_EQ(last.state.r, 200);
    EXPECT_FLOAT_EQ(last.state.alpha, 0.8f);
    EXPECT_EQ(last.y, 300.0f);
    EXPECT_EQ(glyphs.front().state.r, 0);
    EXPECT_FLOAT_EQ(get_draw_state().alpha, 1.0f);
    // The track is loaded after that frame was presented.
    long shown = frame_number();
    close_sound_log();
    std::ifstream in("sound.log");
    bool cued_after = false;
    for (std::string line; std::getline(in, line);)
        if (line.find("cue sfx/tracks/006.ogg") != std::string::npos) cued_after = std::stol(line) == shown;
    EXPECT_TRUE(cued_after);
    open_sound_log("sound.log");
}

TEST_F(Audio, MissingTrackShowsTheNoticeAndPlaysNothing) {
    fs::rename("sfx/tracks/008.ogg", "sfx/tracks/008.hidden");
    music_track = 8;
    start_music();
    fs::rename("sfx/tracks/008.hidden", "sfx/tracks/008.ogg");
    EXPECT_EQ(glyphs.size(), 40u);
    EXPECT_EQ(flips, 1);
    EXPECT_FALSE(channel_playing(music_channel));
    // The rest of the game's sound carries on.
    play_sound(snd_click2, effects_channel_a);
    EXPECT_EQ(channel_sound(effects_channel_a), "sfx/click2.wav");
}

TEST_F(Audio, UndecodableAmbienceIsSilent) {
    write_bytes("sfx/amb_forest.wav", "not a sound at all");
    ambient_loop = 2;
    start_ambience();
    write_bytes("sfx/amb_forest.wav", tiny_wav());
    EXPECT_FALSE(channel_playing(ambient_channel));
}

TEST_F(Audio, NoTrackMeansSilenceWithoutANotice) {
    music_track = 5;
    start_music();
    glyphs.clear();
    flips = 0;
    log_lines();
    music_track = no_sound;
    start_music();
    EXPECT_TRUE(glyphs.empty());
    EXPECT_EQ(flips, 0);
    EXPECT_FALSE(channel_playing(music_channel));
    std::vector<std::string> lines = log_lines();
    EXPECT_TRUE(has(lines, "stop sfx/tracks/005.ogg music"));
    EXPECT_EQ(count_prefix(lines, "cue"), 0);
}

TEST_F(Audio, MissionEndSilencesMusicAndAmbience) {
    set_flags(0, 0);
    start_level_sounds();
    ASSERT_TRUE(channel_playing(music_channel));
    ASSERT_TRUE(channel_playing(ambient_channel));
    silence_mission();
    EXPECT_EQ(music_track, no_sound);
    EXPECT_EQ(ambient_loop, no_sound);
    EXPECT_FALSE(channel_playing(music_channel));
    EXPECT_FALSE(channel_playing(ambient_channel));
}

TEST_F(Audio, ManyTrackChangesKeepEveryChannelWorking) {
    // Each start takes a fresh channel; a long session must not run out
    // of them or take over the effect channels.
    for (int i = 0; i < 100; ++i) {
        music_track = 1 + i % 8;
        start_music();
        ambient_loop = i % 3;
        start_ambience();
    }
    EXPECT_TRUE(channel_playing(music_channel));
    EXPECT_TRUE(channel_playing(ambient_channel));
    EXPECT_NE(music_channel, ambient_channel);
    for (int ch : {music_channel, ambient_channel}) {
        EXPECT_NE(ch, effects_channel_a);
        EXPECT_NE(ch, effects_channel_b);
    }
    play_sound(snd_gold, effects_channel_b);
    EXPECT_EQ(channel_sound(effects_channel_b), "sfx/gold.wav");
    EXPECT_EQ(channel_sound(music_channel), "sfx/tracks/004.ogg");
}

} // namespace
