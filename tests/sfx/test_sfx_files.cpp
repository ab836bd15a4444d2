// Checks the sound files the build generates into the playable folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "sound_reader.h"

namespace {

const std::string sfx_dir = ZEMBRA_SFX_DIR;

const char* const effect_names[] = {
    "unable_build", "click1", "click2", "toggle", "wah", "transform", "pickup",
    "dead1", "dead2", "dead3", "dead4", "down", "gold", "pickb", "perforator",
    "explosion", "bbegin", "bubble", "electrocute", "alldead",
};
const char* const ambience_names[] = {"amb_rain", "amb_Nightforest", "amb_forest", "amb_winter"};

std::string track_path(int t) {
    return sfx_dir + "/tracks/00" + std::to_string(t) + ".ogg";
}

constexpr double max_peak_db = -1.0;
// A jump at the loop point this many times the neighbouring steps is heard
// as a click.
constexpr double max_seam_ratio = 4.0;
// Default volumes: music at 3/4 of its channel, effects at 4/4.
const double music_default_gain_db = 20 * std::log10(0.75);

TEST(SfxFiles, SeamMeasureHearsAClick) {
    // A whole number of cycles joins smoothly; cutting one mid-cycle clicks.
    decoded_sound s;
    s.channels = 1;
    s.rate = 22050;
    for (int i = 0; i < 22050; ++i) s.samples.push_back(0.5f * float(std::sin(2 * M_PI * 441 * i / 22050.0)));
    EXPECT_LT(seam_ratio(s), 1.5);
    s.samples.resize(22050 - 12);
    EXPECT_GT(seam_ratio(s), max_seam_ratio);
}

TEST(SfxFiles, EffectsAreShortCleanOneShots) {
    for (const char* name : effect_names) {
        SCOPED_TRACE(name);
        decoded_sound s = read_wav_file(sfx_dir + "/" + name + ".wav");
        ASSERT_TRUE(s.ok);
        EXPECT_EQ(s.channels, 1);
        EXPECT_GE(s.seconds(), 0.03);
        EXPECT_LE(s.seconds(), 2.5);
        EXPECT_LE(peak_dbfs(s), max_peak_db);
        EXPECT_GT(peak_dbfs(s), -12.0) << "too quiet to carry over the music";
        // Starts and ends on silence: a one-shot must not pop when it is
        // cut in or replaced on its channel.
        EXPECT_LT(std::fabs(s.samples.front()), 0.01f);
        EXPECT_LT(std::fabs(s.samples.back()), 0.01f);
    }
}

TEST(SfxFiles, EffectsAreDistinctSounds) {
    // The three death cries and the beetle's cry must not be one sound
    // reused: compare their lengths and loudness shapes pairwise.
    const char* deaths[] = {"wah", "dead1", "dead2", "dead3"};
    std::vector<decoded_sound> s;
    for (const char* n : deaths) s.push_back(read_wav_file(sfx_dir + "/" + n + ".wav"));
    for (size_t a = 0; a < s.size(); ++a)
        for (size_t b = a + 1; b < s.size(); ++b) {
            ASSERT_TRUE(s[a].ok && s[b].ok);
            size_t n = std::min(s[a].samples.size(), s[b].samples.size());
            double dot = 0, na = 0, nb = 0;
            for (size_t i = 0; i < n; ++i) {
                dot += double(s[a].samples[i]) * s[b].samples[i];
                na += double(s[a].samples[i]) * s[a].samples[i];
                nb += double(s[b].samples[i]) * s[b].samples[i];
            }
            EXPECT_LT(std::fabs(dot) / std::sqrt(na * nb), 0.5) << deaths[a] << " vs " << deaths[b];
        }
}

TEST(SfxFiles, AmbienceLoopsAreLongAndSeamless) {
    for (const char* name : ambience_names) {
        SCOPED_TRACE(name);
        decoded_sound s = read_wav_file(sfx_dir + "/" + name + ".wav");
        ASSERT_TRUE(s.ok);
        EXPECT_GE(s.seconds(), 20.0);
        EXPECT_LE(s.seconds(), 40.0);
        EXPECT_LE(peak_dbfs(s), max_peak_db);
        EXPECT_GT(rms_dbfs(s), -40.0) << "loop is nearly silent";
        EXPECT_LT(seam_ratio(s), max_seam_ratio);
    }
}

TEST(SfxFiles, MusicTracksArePiecesThatLoopWithoutAClick) {
    for (int t = 1; t <= 8; ++t) {
        SCOPED_TRACE(track_path(t));
        decoded_sound s = read_ogg_file(track_path(t));
        ASSERT_TRUE(s.ok);
        EXPECT_EQ(s.channels, 2);
        EXPECT_GE(s.seconds(), 60.0);
        EXPECT_LE(s.seconds(), 120.0);
        EXPECT_LE(peak_dbfs(s), max_peak_db);
        EXPECT_LT(seam_ratio(s), max_seam_ratio);
    }
}

TEST(SfxFiles, EffectsCarryOverTheMusicAtDefaultVolumes) {
    double loudest_music = -200;
    for (int t = 1; t <= 8; ++t) {
        decoded_sound s = read_ogg_file(track_path(t));
        ASSERT_TRUE(s.ok);
        loudest_music = std::max(loudest_music, rms_dbfs(s) + music_default_gain_db);
    }
    for (const char* name : effect_names) {
        decoded_sound s = read_wav_file(sfx_dir + "/" + name + ".wav");
        ASSERT_TRUE(s.ok);
        EXPECT_GT(loudest_window_dbfs(s, 0.03), loudest_music + 6.0) << name;
    }
}

TEST(SfxFiles, SuccessAndFailureMusicDiffer) {
    decoded_sound won = read_ogg_file(track_path(6)), lost = read_ogg_file(track_path(8));
    ASSERT_TRUE(won.ok && lost.ok);
    // Not one piece at two speeds: the lengths are not in a simple ratio of
    // the same material, and the lament is darker (fewer high frequencies,
    // measured by how much the signal changes from sample to sample).
    auto brightness = [](const decoded_sound& s) {
        double d = 0, e = 0;
        for (size_t i = 2; i < s.samples.size(); i += 2) {
            d += std::pow(s.samples[i] - s.samples[i - 2], 2);
            e += std::pow(s.samples[i], 2);
        }
        return d / e;
    };
    EXPECT_GT(brightness(won), brightness(lost) * 1.5);
}

// Runs the generator for a few files into a fresh folder.
std::filesystem::path generate(const std::string& tag, const std::string& names) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zembra_sfx_" + tag + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::string cmd = std::string(ZEMBRA_SFXGEN) + " " + dir.string() + " " + names;
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return dir;
}

TEST(SfxGenerator, SameBytesEveryRun) {
    const std::string names = "explosion amb_rain tracks/006";
    std::filesystem::path a = generate("a", names), b = generate("b", names);
    for (const char* f : {"explosion.wav", "amb_rain.wav", "tracks/006.ogg"}) {
        std::vector<unsigned char> fa = file_bytes((a / f).string()), fb = file_bytes((b / f).string());
        ASSERT_FALSE(fa.empty()) << f;
        EXPECT_TRUE(fa == fb) << f;
        // And the build's own copy is the same too.
        EXPECT_TRUE(fa == file_bytes(sfx_dir + "/" + f)) << f;
    }
    std::filesystem::remove_all(a);
    std::filesystem::remove_all(b);
}

TEST(SfxGenerator, RefusesUnknownNames) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("zembra_sfx_bad_" + std::to_string(::getpid()));
    std::string cmd = std::string(ZEMBRA_SFXGEN) + " " + dir.string() + " no_such_sound 2>/dev/null";
    int status = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "no_such_sound.wav"));
    std::filesystem::remove_all(dir);
}

} // namespace
