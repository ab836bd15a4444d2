#include "synth.h"

#include <algorithm>
#include <cstdio>

namespace sfx {

prng make_prng(uint64_t seed) {
    uint64_t z = seed + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return prng{z ? z : 0x2545F4914F6CDD1Dull};
}

uint32_t next_u32(prng& r) {
    r.state ^= r.state >> 12;
    r.state ^= r.state << 25;
    r.state ^= r.state >> 27;
    return uint32_t((r.state * 0x2545F4914F6CDD1Dull) >> 32);
}

double uniform(prng& r) { return next_u32(r) / 4294967296.0; }
double uniform(prng& r, double a, double b) { return a + (b - a) * uniform(r); }
double noise(prng& r) { return uniform(r) * 2.0 - 1.0; }
int pick(prng& r, int lo, int hi) { return lo + int(next_u32(r) % uint32_t(hi - lo + 1)); }

double midi_hz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }
double db_gain(double db) { return std::pow(10.0, db / 20.0); }

static double wrap01(double ph) { return ph - std::floor(ph); }

double osc_tri(double ph) {
    ph = wrap01(ph);
    return ph < 0.5 ? 4.0 * ph - 1.0 : 3.0 - 4.0 * ph;
}
double osc_saw(double ph) { return 2.0 * wrap01(ph) - 1.0; }
double osc_saw_bl(double ph, double dt) {
    ph = wrap01(ph);
    double y = 2.0 * ph - 1.0;
    // Round off the jump so the upper harmonics do not fold back as hiss.
    if (ph < dt) {
        double t = ph / dt;
        y -= t + t - t * t - 1.0;
    } else if (ph > 1.0 - dt) {
        double t = (ph - 1.0) / dt;
        y -= t * t + t + t + 1.0;
    }
    return y;
}

double osc_square(double ph, double duty) { return wrap01(ph) < duty ? 1.0 : -1.0; }

void set_lowpass(one_pole& f, double cutoff_hz, double rate) {
    f.a = 1.0 - std::exp(-two_pi * cutoff_hz / rate);
}
double lowpass(one_pole& f, double x) {
    f.z += f.a * (x - f.z);
    return f.z;
}
double highpass(one_pole& f, double x) { return x - lowpass(f, x); }

void set_biquad(biquad& f, biquad_kind kind, double freq, double q, double rate, double gain_db) {
    freq = std::clamp(freq, 10.0, rate * 0.45);
    double w = two_pi * freq / rate;
    double cw = std::cos(w), sw = std::sin(w);
    double alpha = sw / (2.0 * q);
    double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
    switch (kind) {
    case bq_lowpass:
        b0 = (1 - cw) / 2; b1 = 1 - cw; b2 = (1 - cw) / 2;
        a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha;
        break;
    case bq_highpass:
        b0 = (1 + cw) / 2; b1 = -(1 + cw); b2 = (1 + cw) / 2;
        a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha;
        break;
    case bq_bandpass: // 0 dB peak gain
        b0 = alpha; b1 = 0; b2 = -alpha;
        a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha;
        break;
    case bq_peak: {
        double a = std::pow(10.0, gain_db / 40.0);
        b0 = 1 + alpha * a; b1 = -2 * cw; b2 = 1 - alpha * a;
        a0 = 1 + alpha / a; a1 = -2 * cw; a2 = 1 - alpha / a;
        break;
    }
    }
    f.b0 = b0 / a0; f.b1 = b1 / a0; f.b2 = b2 / a0;
    f.a1 = a1 / a0; f.a2 = a2 / a0;
}

double run(biquad& f, double x) {
    double y = f.b0 * x + f.z1;
    f.z1 = f.b1 * x - f.a1 * y + f.z2;
    f.z2 = f.b2 * x - f.a2 * y;
    return y;
}

double env_ad(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-6.907755 * (t - attack) / decay);
}

double env_ahr(double t, double attack, double release, double length) {
    if (t < 0 || t >= length) return 0;
    double e = 1.0;
    if (attack > 0 && t < attack) e = t / attack;
    if (release > 0 && t > length - release) e = std::min(e, (length - t) / release);
    return e;
}

void add_wrapped(buffer& dst, const buffer& src, size_t offset, double gain) {
    if (dst.empty()) return;
    size_t n = dst.size();
    size_t pos = offset % n;
    for (float s : src) {
        dst[pos] += float(s * gain);
        if (++pos == n) pos = 0;
    }
}

void add_at(buffer& dst, const buffer& src, size_t offset, double gain) {
    for (size_t i = 0; i < src.size() && offset + i < dst.size(); ++i) dst[offset + i] += float(src[i] * gain);
}

double peak_of(const buffer& b) {
    double p = 0;
    for (float s : b) p = std::max(p, double(std::fabs(s)));
    return p;
}

double rms_of(const buffer& b) {
    if (b.empty()) return 0;
    double sum = 0;
    for (float s : b) sum += double(s) * s;
    return std::sqrt(sum / double(b.size()));
}

void scale(buffer& b, double g) {
    for (float& s : b) s = float(s * g);
}

void normalize_peak(buffer& b, double peak_db) {
    double p = peak_of(b);
    if (p > 0) scale(b, db_gain(peak_db) / p);
}

void fade_edges(buffer& b, size_t fade_in, size_t fade_out) {
    size_t n = b.size();
    for (size_t i = 0; i < fade_in && i < n; ++i) b[i] = float(b[i] * double(i) / fade_in);
    for (size_t i = 0; i < fade_out && i < n; ++i) b[n - 1 - i] = float(b[n - 1 - i] * double(i) / fade_out);
}

static void put_u32(std::FILE* f, uint32_t v) {
    unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(b, 1, 4, f);
}
static void put_u16(std::FILE* f, uint16_t v) {
    unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

bool write_wav(const char* path, const buffer& samples, int channels, int rate) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    uint32_t data_bytes = uint32_t(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put_u32(f, 36 + data_bytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put_u32(f, 16);
    put_u16(f, 1);
    put_u16(f, uint16_t(channels));
    put_u32(f, uint32_t(rate));
    put_u32(f, uint32_t(rate * channels * 2));
    put_u16(f, uint16_t(channels * 2));
    put_u16(f, 16);
    std::fwrite("data", 1, 4, f);
    put_u32(f, data_bytes);
    std::vector<unsigned char> bytes(samples.size() * 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        double v = std::clamp(double(samples[i]), -1.0, 1.0) * 32767.0;
        int16_t s = int16_t(std::lround(v));
        bytes[2 * i] = uint8_t(uint16_t(s) & 0xFF);
        bytes[2 * i + 1] = uint8_t(uint16_t(s) >> 8);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    return std::fclose(f) == 0;
}

} // namespace sfx
