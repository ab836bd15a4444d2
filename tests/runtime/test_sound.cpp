#include <SDL_mixer.h>

#include <cstdlib>
#include <fstream>

#include "tests/runtime/helpers.h"

using namespace test_rt;

namespace {

// Mono 16-bit WAV of silence lasting `seconds` at 8000 Hz.
std::vector<uint8_t> wav(double seconds) {
    uint32_t data = static_cast<uint32_t>(seconds * 8000) * 2;
    std::vector<uint8_t> b;
    auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 255); };
    auto put16 = [&](uint16_t v) { b.push_back(v & 255); b.push_back(v >> 8); };
    auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i])); };
    tag("RIFF"); put32(36 + data); tag("WAVE");
    tag("fmt "); put32(16); put16(1); put16(1); put32(8000); put32(16000); put16(2); put16(16);
    tag("data"); put32(data);
    b.resize(b.size() + data, 0);
    return b;
}

std::vector<std::string> lines_of(const std::string& path) {
    std::ifstream f(path);
    std::vector<std::string> out;
    for (std::string line; std::getline(f, line);) out.push_back(line);
    return out;
}

class RuntimeSound : public ::testing::Test {
  protected:
    std::string dir;
    int music = 0, effects_a = 0, ambient = 0, effects_b = 0;
    void SetUp() override {
        set_backend(backend_offscreen, false);
        dir = scratch_dir("sound");
        std::filesystem::create_directories(dir + "/sfx/tracks");
        write_bytes(dir + "/sfx/click1.wav", wav(0.5));
        write_bytes(dir + "/sfx/amb_rain.wav", wav(2.0));
        write_bytes(dir + "/sfx/notes.txt", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'});
        music = alloc_channel();
        effects_a = alloc_channel();
        ambient = alloc_channel();
        effects_b = alloc_channel();
        name_channel(music, "music");
        name_channel(effects_a, "effects_a");
        name_channel(ambient, "ambient");
        name_channel(effects_b, "effects_b");
        set_frame_number(0);
    }
    void TearDown() override {
        close_sound_log();
        for (int ch : {music, effects_a, ambient, effects_b}) free_channel(ch);
        std::filesystem::remove_all(dir);
    }
};

TEST_F(RuntimeSound, EveryCallIsLoggedWithFramePathAndChannelName) {
    std::string log = dir + "/sound.log";
    open_sound_log(log);
    int click = load_sound(dir + "/sfx/click1.wav", 0);
    int rain = load_sound(dir + "\\sfx\\amb_rain.wav", 1);
    ASSERT_NE(click, 0);
    ASSERT_NE(rain, 0);
    set_frame_number(12);
    play_sound(click, effects_a);
    cue_sound(rain, ambient);
    set_channel_volume(ambient, 0.75f);
    set_channel_volume(music, 1.0f);
    resume_channel(ambient);
    set_frame_number(13);
    stop_channel(ambient);
    stop_channel(music);
    play_sound(0, effects_b);
    int spare = alloc_channel();
    play_sound(click, spare);
    free_channel(spare);
    close_sound_log();
    std::vector<std::string> want = {
        "12 play " + dir + "/sfx/click1.wav effects_a",
        "12 cue " + dir + "\\sfx\\amb_rain.wav ambient",
        "12 volume 0.75 ambient",
        "12 volume 1.00 music",
        "12 resume " + dir + "\\sfx\\amb_rain.wav ambient",
        "13 stop " + dir + "\\sfx\\amb_rain.wav ambient",
        "13 stop - music",
        "13 play - effects_b",
        "13 play " + dir + "/sfx/click1.wav " + std::to_string(spare),
    };
    EXPECT_EQ(lines_of(log), want);
}

TEST_F(RuntimeSound, NullAndUnreadableSoundsPlayNothing) {
    EXPECT_EQ(load_sound(dir + "/sfx/missing.wav", 0), 0);
    EXPECT_EQ(load_sound(dir + "/sfx/notes.txt", 0), 0);
    EXPECT_EQ(sound_path(0), "");
    play_sound(0, effects_a);
    cue_sound(0, music);
    resume_channel(music);
    EXPECT_FALSE(channel_playing(effects_a));
    EXPECT_FALSE(channel_playing(music));
    EXPECT_EQ(channel_sound(music), "");
    // Calls on channels that do not exist are accepted too.
    int click = load_sound(dir + "/sfx/click1.wav", 0);
    play_sound(click, 0);
    play_sound(click, 999);
    stop_channel(-1);
    set_channel_volume(77, 0.5f);
    EXPECT_FALSE(channel_playing(0));
}

TEST_F(RuntimeSound, PlayingOnABusyChannelReplacesIt) {
    int click = load_sound(dir + "/sfx/click1.wav", 0);
    int rain = load_sound(dir + "/sfx/amb_rain.wav", 1);
    play_sound(rain, effects_a);
    EXPECT_EQ(channel_sound(effects_a), dir + "/sfx/amb_rain.wav");
    play_sound(click, effects_a);
    EXPECT_EQ(channel_sound(effects_a), dir + "/sfx/click1.wav");
    EXPECT_TRUE(channel_playing(effects_a));
    EXPECT_FALSE(channel_playing(effects_b));
}

TEST_F(RuntimeSound, CuedSoundWaitsForResumeAndOnceSoundsEnd) {
    int click = load_sound(dir + "/sfx/click1.wav", 0);
    int rain = load_sound(dir + "/sfx/amb_rain.wav", 1);
    cue_sound(rain, music);
    EXPECT_FALSE(channel_playing(music));
    EXPECT_EQ(channel_sound(music), dir + "/sfx/amb_rain.wav");
    resume_channel(music);
    EXPECT_TRUE(channel_playing(music));

    // Half a second is 30 frames; the loop goes on regardless.
    play_sound(click, effects_a);
    set_frame_number(29);
    EXPECT_TRUE(channel_playing(effects_a));
    set_frame_number(30);
    EXPECT_FALSE(channel_playing(effects_a));
    set_frame_number(100000);
    EXPECT_TRUE(channel_playing(music));
    stop_channel(music);
    EXPECT_FALSE(channel_playing(music));
    EXPECT_EQ(channel_sound(music), "");
}

TEST_F(RuntimeSound, VolumesAreKeptPerChannelWithinRange) {
    set_channel_volume(music, 0.25f);
    set_channel_volume(effects_a, 3.0f);
    set_channel_volume(effects_b, -1.0f);
    EXPECT_FLOAT_EQ(channel_volume(music), 0.25f);
    EXPECT_FLOAT_EQ(channel_volume(effects_a), 1.0f);
    EXPECT_FLOAT_EQ(channel_volume(effects_b), 0.0f);
    EXPECT_FLOAT_EQ(channel_volume(ambient), 1.0f);
}

TEST_F(RuntimeSound, FreshChannelsKeepComingWithoutStealingNamedOnes) {
    int rain = load_sound(dir + "/sfx/amb_rain.wav", 1);
    play_sound(rain, effects_a);
    // A new music channel for every track, as the game does, far past the pool.
    int current = music;
    for (int track = 0; track < 100; ++track) {
        stop_channel(current);
        int next = alloc_channel();
        ASSERT_GE(next, 1);
        ASSERT_NE(next, effects_a);
        ASSERT_NE(next, ambient);
        ASSERT_NE(next, effects_b);
        name_channel(next, "music");
        play_sound(rain, next);
        current = next;
    }
    EXPECT_TRUE(channel_playing(effects_a));
    EXPECT_TRUE(channel_playing(current));
    music = current;
}

TEST_F(RuntimeSound, FreeingASoundStopsItsChannels) {
    int rain = load_sound(dir + "/sfx/amb_rain.wav", 1);
    play_sound(rain, ambient);
    free_handle(rain);
    EXPECT_FALSE(channel_playing(ambient));
    EXPECT_EQ(sound_path(rain), "");
    play_sound(rain, ambient); // a stale handle plays nothing
    EXPECT_FALSE(channel_playing(ambient));
}

} // namespace

namespace {

// The same calls through the real mixer, on SDL's dummy audio device.
class RuntimeSoundMixer : public RuntimeSound {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        rt_close_audio();
        RuntimeSound::SetUp();
        set_backend(backend_window, false); // sound only; no window is opened
        rt_close_audio();
        for (int ch : {music, effects_a, ambient, effects_b}) free_channel(ch);
        music = alloc_channel();
        effects_a = alloc_channel();
        ambient = alloc_channel();
        effects_b = alloc_channel();
    }
    void TearDown() override {
        RuntimeSound::TearDown();
        rt_close_audio();
        set_backend(backend_offscreen, false);
        ::unsetenv("SDL_AUDIODRIVER");
    }
};

TEST_F(RuntimeSoundMixer, ChannelsPlayCueResumeAndStop) {
    if (!rt_audio_mixer()) GTEST_SKIP() << "no dummy audio driver";
    int rain = load_sound(dir + "/sfx/amb_rain.wav", 1);
    int click = load_sound(dir + "/sfx/click1.wav", 0);
    ASSERT_NE(rain, 0);
    ASSERT_NE(click, 0);
    EXPECT_EQ(load_sound(dir + "/sfx/notes.txt", 0), 0);

    cue_sound(rain, ambient);
    EXPECT_FALSE(channel_playing(ambient));
    EXPECT_EQ(channel_sound(ambient), dir + "/sfx/amb_rain.wav");
    EXPECT_EQ(Mix_Paused(ambient - 1), 1);
    set_channel_volume(ambient, 0.5f);
    EXPECT_EQ(Mix_Volume(ambient - 1, -1), MIX_MAX_VOLUME / 2);
    resume_channel(ambient);
    EXPECT_TRUE(channel_playing(ambient));

    play_sound(click, ambient);
    EXPECT_EQ(channel_sound(ambient), dir + "/sfx/click1.wav");
    stop_channel(ambient);
    EXPECT_FALSE(channel_playing(ambient));
    EXPECT_EQ(Mix_Playing(ambient - 1), 0);

    // Loading the same file twice shares the decoded data; freeing one keeps the other.
    int rain2 = load_sound(dir + "/sfx/amb_rain.wav", 1);
    free_handle(rain);
    play_sound(rain2, music);
    EXPECT_TRUE(channel_playing(music));
}

} // namespace
