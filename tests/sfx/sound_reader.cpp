#include "sound_reader.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

std::vector<unsigned char> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

static uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
static uint16_t le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

decoded_sound read_wav_file(const std::string& path) {
    decoded_sound out;
    std::vector<unsigned char> b = file_bytes(path);
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) return out;
    size_t pos = 12;
    int bits = 0, format = 0;
    bool have_fmt = false;
    while (pos + 8 <= b.size()) {
        uint32_t size = le32(&b[pos + 4]);
        const unsigned char* body = &b[pos + 8];
        if (size > b.size() - pos - 8) return out;
        if (!std::memcmp(&b[pos], "fmt ", 4) && size >= 16) {
            format = le16(body);
            out.channels = le16(body + 2);
            out.rate = int(le32(body + 4));
            bits = le16(body + 14);
            have_fmt = true;
        } else if (!std::memcmp(&b[pos], "data", 4)) {
            if (!have_fmt || format != 1 || bits != 16 || out.channels < 1) return out;
            size_t n = size / 2;
            out.samples.resize(n);
            for (size_t i = 0; i < n; ++i) out.samples[i] = int16_t(le16(body + 2 * i)) / 32768.0f;
            out.ok = n > 0 && out.rate > 0;
            return out;
        }
        pos += 8 + size + (size & 1);
    }
    return out;
}

decoded_sound read_ogg_file(const std::string& path) {
    decoded_sound out;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return out;
    vorbis_info* vi = ov_info(&vf, -1);
    out.channels = vi->channels;
    out.rate = int(vi->rate);
    float** pcm;
    int section = 0;
    for (;;) {
        long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&vf);
            return out;
        }
        if (n == 0) break;
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < out.channels; ++c) out.samples.push_back(pcm[c][i]);
    }
    ov_clear(&vf);
    out.ok = !out.samples.empty();
    return out;
}

double peak_dbfs(const decoded_sound& s) {
    float p = 0;
    for (float v : s.samples) p = std::max(p, std::fabs(v));
    return 20 * std::log10(std::max(p, 1e-9f));
}

double rms_dbfs(const decoded_sound& s) {
    double sum = 0;
    for (float v : s.samples) sum += double(v) * v;
    return 10 * std::log10(std::max(sum / std::max<size_t>(1, s.samples.size()), 1e-18));
}

double loudest_window_dbfs(const decoded_sound& s, double seconds) {
    size_t w = std::max<size_t>(1, size_t(seconds * s.rate)) * size_t(s.channels);
    w = std::min(w, s.samples.size());
    double sum = 0, best = 0;
    for (size_t i = 0; i < s.samples.size(); ++i) {
        sum += double(s.samples[i]) * s.samples[i];
        if (i >= w) sum -= double(s.samples[i - w]) * s.samples[i - w];
        best = std::max(best, sum);
    }
    return 10 * std::log10(std::max(best / double(w), 1e-18));
}

double seam_ratio(const decoded_sound& s) {
    const size_t ch = size_t(s.channels), n = s.frames(), around = std::min<size_t>(2048, n / 4);
    double worst = 0;
    for (size_t c = 0; c < ch; ++c) {
        auto at = [&](size_t f) { return double(s.samples[f * ch + c]); };
        double sum = 0;
        size_t count = 0;
        for (size_t f = n - around; f + 1 < n; ++f, ++count) sum += std::pow(at(f + 1) - at(f), 2);
        for (size_t f = 0; f + 1 < around; ++f, ++count) sum += std::pow(at(f + 1) - at(f), 2);
        double typical = std::sqrt(sum / double(count)) + 1e-4;
        worst = std::max(worst, std::fabs(at(0) - at(n - 1)) / typical);
    }
    return worst;
}
