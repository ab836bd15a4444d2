// Ambience loops. Everything is built to be circular: slow swells complete
// whole cycles over the loop, filters run twice around it so their state at
// the seam matches, and events near the end ring on into the beginning.
#include <algorithm>
#include <functional>

#include "recipes.h"

namespace sfx {
namespace {

constexpr double sr = ambience_rate;

// Runs a filter whose settings depend only on the position in the loop.
// The first lap only warms the state; the second lap is kept.
void filter_circular(buffer& b, const std::function<double(size_t, double)>& step) {
    for (int lap = 0; lap < 2; ++lap)
        for (size_t i = 0; i < b.size(); ++i) {
            double y = step(i, b[i]);
            if (lap == 1) b[i] = float(y);
        }
}

buffer white(prng& r, size_t n, double gain) {
    buffer b(n);
    for (float& s : b) s = float(gain * noise(r));
    return b;
}

// A swell that completes `cycles` whole periods over the loop.
double swell(size_t i, size_t n, double cycles, double phase) {
    return std::sin(two_pi * (cycles * double(i) / double(n) + phase));
}

buffer ping(double f, double len, double decay, double gain, double fm = 0) {
    buffer b(size_t(len * sr));
    double ph = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        ph += f * (1 + fm * t) / sr;
        b[i] = float(gain * env_ad(t, 0.001, decay) * osc_sine(ph));
    }
    return b;
}

buffer rain(prng& r, size_t n) {
    buffer out = white(r, n, 1.0);
    biquad hiss, body;
    set_biquad(hiss, bq_bandpass, 3000, 0.6, sr);
    set_biquad(body, bq_lowpass, 900, 0.7, sr);
    filter_circular(out, [&](size_t i, double x) {
        double level = 1.0 + 0.25 * swell(i, n, 3, 0.1) + 0.1 * swell(i, n, 7, 0.6);
        return level * (0.5 * run(hiss, x) + 0.35 * run(body, x));
    });
    // Drops on leaves and puddles: tiny pitched ticks.
    size_t drops = size_t(double(n) / sr * 28);
    for (size_t k = 0; k < drops; ++k) {
        double f = uniform(r, 1800, 5200);
        add_wrapped(out, ping(f, 0.03, 0.012, uniform(r, 0.05, 0.22), uniform(r, -2, 6)),
                    size_t(uniform(r) * n));
    }
    // A heavier drip now and then from the cave roof.
    for (int k = 0; k < 14; ++k)
        add_wrapped(out, ping(uniform(r, 700, 1100), 0.12, 0.06, 0.3, 8), size_t(uniform(r) * n));
    return out;
}

buffer night_forest(prng& r, size_t n) {
    buffer out = white(r, n, 1.0);
    biquad wind;
    filter_circular(out, [&](size_t i, double x) {
        double c = 350 + 120 * swell(i, n, 2, 0.3);
        set_biquad(wind, bq_lowpass, c, 0.9, sr);
        return (0.6 + 0.3 * swell(i, n, 3, 0.0)) * 0.4 * run(wind, x);
    });
    // Two crickets with their own pitch and rhythm.
    const double cricket_hz[] = {4300, 4850};
    const double period[] = {0.78, 1.13};
    for (int c = 0; c < 2; ++c) {
        for (double t = uniform(r, 0, 0.5); t < double(n) / sr; t += period[c] + uniform(r, -0.05, 0.05)) {
            int pulses = pick(r, 3, 4);
            for (int p = 0; p < pulses; ++p)
                add_wrapped(out, ping(cricket_hz[c], 0.02, 0.012, 0.12), size_t((t + p * 0.032) * sr));
        }
    }
    // An owl, far away: soft hoots that dip in pitch.
    for (double t : {3.0, 14.5, 24.0}) {
        for (int h = 0; h < 2; ++h) {
            buffer hoot(size_t(0.45 * sr));
            double ph = 0;
            for (size_t i = 0; i < hoot.size(); ++i) {
                double u = i / sr;
                ph += (390 - 40 * u) / sr;
                hoot[i] = float(0.3 * env_ahr(u, 0.06, 0.25, 0.45) * (osc_sine(ph) + 0.15 * osc_sine(2 * ph)));
            }
            add_wrapped(out, hoot, size_t((t + h * 0.6) * sr));
        }
    }
    return out;
}

buffer forest(prng& r, size_t n) {
    buffer out = white(r, n, 1.0);
    biquad leaves;
    filter_circular(out, [&](size_t i, double x) {
        double c = 1400 + 500 * swell(i, n, 3, 0.2);
        set_biquad(leaves, bq_bandpass, c, 0.8, sr);
        return (0.7 + 0.3 * swell(i, n, 2, 0.5)) * 0.3 * run(leaves, x);
    });
    // Songbirds: short runs of chirps, each bird with its own voice.
    for (int bird = 0; bird < 22; ++bird) {
        double base = uniform(r, 2200, 4200);
        double sweep = uniform(r, -0.5, 0.8);
        int notes = pick(r, 2, 7);
        double gap = uniform(r, 0.06, 0.14);
        double gain = uniform(r, 0.08, 0.22);
        size_t at = size_t(uniform(r) * n);
        for (int k = 0; k < notes; ++k) {
            buffer chirp(size_t(0.07 * sr));
            double ph = 0;
            for (size_t i = 0; i < chirp.size(); ++i) {
                double u = i / 0.07 / sr;
                ph += base * (1 + sweep * u) * (1 + 0.05 * std::sin(two_pi * 40 * u)) / sr;
                chirp[i] = float(gain * std::sin(pi * u) * osc_sine(ph));
            }
            add_wrapped(out, chirp, at + size_t(k * gap * sr));
        }
    }
    // A cuckoo-like call from the distance, twice.
    for (double t : {6.0, 19.0})
        for (int k = 0; k < 2; ++k) {
            buffer note = ping(k == 0 ? 740 : 587, 0.35, 0.3, 0.18);
            fade_edges(note, size_t(0.02 * sr), size_t(0.05 * sr));
            add_wrapped(out, note, size_t((t + k * 0.4) * sr));
        }
    return out;
}

buffer winter(prng& r, size_t n) {
    buffer out = white(r, n, 1.0);
    biquad howl_a, howl_b, floor;
    set_biquad(floor, bq_lowpass, 500, 0.7, sr);
    filter_circular(out, [&](size_t i, double x) {
        set_biquad(howl_a, bq_bandpass, 520 + 260 * swell(i, n, 3, 0.0), 9, sr);
        set_biquad(howl_b, bq_bandpass, 830 + 300 * swell(i, n, 5, 0.4), 12, sr);
        double gust = 0.6 + 0.4 * swell(i, n, 4, 0.25);
        return gust * (1.6 * run(howl_a, x) + 1.2 * run(howl_b, x)) + (0.5 + 0.2 * gust) * run(floor, x);
    });
    // Ice crystals tinkling in the gusts.
    for (int k = 0; k < 18; ++k)
        add_wrapped(out, ping(uniform(r, 3000, 6000), 0.25, 0.2, uniform(r, 0.04, 0.1)), size_t(uniform(r) * n));
    return out;
}

} // namespace

const ambience_recipe ambience_recipes[] = {
    {"amb_rain", 28.0, rain, 201, -21.0},
    {"amb_Nightforest", 32.0, night_forest, 202, -25.0},
    {"amb_forest", 30.0, forest, 203, -24.0},
    {"amb_winter", 30.0, winter, 204, -22.0},
};
const int ambience_recipe_count = int(sizeof(ambience_recipes) / sizeof(ambience_recipes[0]));

} // namespace sfx
