// Independent readers for the generated sound files: our own WAV parser and
// libvorbisfile for the music, both giving float samples in -1..1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct decoded_sound {
    bool ok = false;
    int channels = 0;
    int rate = 0;
    std::vector<float> samples; // interleaved
    size_t frames() const { return channels ? samples.size() / size_t(channels) : 0; }
    double seconds() const { return rate ? double(frames()) / rate : 0; }
};

decoded_sound read_wav_file(const std::string& path);
decoded_sound read_ogg_file(const std::string& path);
std::vector<unsigned char> file_bytes(const std::string& path);

double peak_dbfs(const decoded_sound& s);
double rms_dbfs(const decoded_sound& s);
// Loudest RMS over any window of the given length.
double loudest_window_dbfs(const decoded_sound& s, double seconds);
// How far the jump from the last frame to the first stands out from the
// sample-to-sample steps around the seam (1 = as large as a typical step).
double seam_ratio(const decoded_sound& s);
