// Random streams and the small number and text helpers.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "runtime/runtime.h"

namespace {

// PCG32 (XSH RR): small, fast and the same on every platform.
struct pcg32 {
    uint64_t state;
    uint64_t inc;
};

pcg32 streams[2];

uint32_t pcg_next(pcg32& g) {
    uint64_t old = g.state;
    g.state = old * 6364136223846793005ull + g.inc;
    uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

void pcg_seed(pcg32& g, uint64_t seed, uint64_t seq) {
    g.state = 0;
    g.inc = (seq << 1u) | 1u;
    pcg_next(g);
    g.state += seed;
    pcg_next(g);
}

// Each stream has its own sequence, so equal seeds still give different numbers.
bool seeded_once = [] {
    pcg_seed(streams[rng_world], 0, 0x5a17u);
    pcg_seed(streams[rng_cosmetic], 0, 0xc0de5u);
    return true;
}();

pcg32& stream_of(int stream) { return streams[stream == rng_cosmetic ? rng_cosmetic : rng_world]; }

} // namespace

void seed_rnd(uint32_t seed) {
    seed_stream(rng_world, seed);
    seed_stream(rng_cosmetic, seed);
}

void seed_stream(int stream, uint32_t seed) {
    pcg_seed(stream_of(stream), seed, stream == rng_cosmetic ? 0xc0de5u : 0x5a17u);
}

uint64_t stream_state(int stream) { return stream_of(stream).state; }

int rand_stream(int stream, int a, int b) {
    (void)seeded_once;
    long long lo = a < b ? a : b, hi = a < b ? b : a;
    uint64_t span = static_cast<uint64_t>(hi - lo) + 1; // 1 .. 2^32
    pcg32& g = stream_of(stream);
    if (span > 0xFFFFFFFFull) return static_cast<int>(static_cast<int32_t>(pcg_next(g)));
    // Rejection keeps every value equally likely.
    uint32_t s = static_cast<uint32_t>(span);
    uint32_t threshold = static_cast<uint32_t>(-s) % s;
    uint32_t r;
    do r = pcg_next(g);
    while (r < threshold);
    return static_cast<int>(lo + r % s);
}

int rand_range(int a, int b) { return rand_stream(rng_world, a, b); }

int rand_cosmetic(int a, int b) { return rand_stream(rng_cosmetic, a, b); }

double sin_deg(double degrees) { return std::sin(degrees * 3.14159265358979323846 / 180.0); }

double cos_deg(double degrees) { return std::cos(degrees * 3.14159265358979323846 / 180.0); }

int to_int(double v) {
    // Out-of-range values saturate instead of being undefined.
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return static_cast<int>(v);
}

std::string int_text(int v) { return std::to_string(v); }

std::string float_text(float v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", static_cast<double>(v));
    return buf;
}

int text_to_int(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    long long v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648ll) v = 2147483648ll; // saturate rather than overflow
    }
    if (neg) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    return static_cast<int>(v);
}

std::string char_text(int code) {
    // Codes up to 255 are one byte, as the bitmap fonts index them; anything
    // beyond is written as UTF-8.
    if (code <= 0) return std::string();
    if (code < 256) return std::string(1, static_cast<char>(code));
    std::string out;
    auto c = static_cast<uint32_t>(code);
    if (c > 0x10FFFF) return std::string();
    if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
    return out;
}

std::string substring(const std::string& text, int start, int length) {
    // A start before 1 eats into the length: (text, 0, n) is the first n - 1.
    long long from = start, len = length;
    if (from < 1) {
        len -= 1 - from;
        from = 1;
    }
    long long size = static_cast<long long>(text.size());
    if (len <= 0 || from > size) return std::string();
    return text.substr(static_cast<size_t>(from - 1), static_cast<size_t>(std::min(len, size - from + 1)));
}
