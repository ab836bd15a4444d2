// Small synthesis kit shared by the effect, ambience and music recipes:
// a seeded noise source, oscillators, filters, envelopes and level helpers.
// Everything is deterministic: no clock, no global state.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sfx {

constexpr double pi = 3.14159265358979323846;
constexpr double two_pi = 2.0 * pi;

using buffer = std::vector<float>;

// xorshift64* seeded through splitmix so that small seeds still spread.
struct prng {
    uint64_t state;
};
prng make_prng(uint64_t seed);
uint32_t next_u32(prng& r);
double uniform(prng& r);              // [0, 1)
double uniform(prng& r, double a, double b);
double noise(prng& r);                // [-1, 1)
int pick(prng& r, int lo, int hi);    // closed range

double midi_hz(double note);
double db_gain(double db);

// Oscillators take a phase in cycles (0..1 repeating).
inline double osc_sine(double ph) { return std::sin(two_pi * ph); }
double osc_tri(double ph);
double osc_saw(double ph);
// Band-limited saw (polyBLEP); dt is the phase step per sample.
double osc_saw_bl(double ph, double dt);
double osc_square(double ph, double duty = 0.5);

// One-pole low-pass / high-pass.
struct one_pole {
    double a = 0, z = 0;
};
void set_lowpass(one_pole& f, double cutoff_hz, double rate);
double lowpass(one_pole& f, double x);
double highpass(one_pole& f, double x); // x minus its low-passed part

// RBJ biquad (transposed direct form II).
struct biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;
};
enum biquad_kind { bq_lowpass, bq_highpass, bq_bandpass, bq_peak };
void set_biquad(biquad& f, biquad_kind kind, double freq, double q, double rate, double gain_db = 0);
double run(biquad& f, double x);

// Attack-decay envelope with exponential decay: 0 -> 1 over attack, then
// falls by 60 dB over decay seconds.
double env_ad(double t, double attack, double decay);
// Linear attack, hold at 1, linear release ending at length.
double env_ahr(double t, double attack, double release, double length);

// Adds src into dst at offset; past the end it wraps to the start, so the
// tail of anything near the loop point rings on into the loop's beginning.
void add_wrapped(buffer& dst, const buffer& src, size_t offset, double gain = 1.0);
void add_at(buffer& dst, const buffer& src, size_t offset, double gain = 1.0);

double peak_of(const buffer& b);
double rms_of(const buffer& b);
void scale(buffer& b, double g);
// Scales so the peak sits at the given level (dBFS).
void normalize_peak(buffer& b, double peak_db);
// Short linear fades so one-shot sounds start and end on silence.
void fade_edges(buffer& b, size_t fade_in, size_t fade_out);

// Writes 16-bit PCM; interleaved when channels is 2.
bool write_wav(const char* path, const buffer& samples, int channels, int rate);

} // namespace sfx
