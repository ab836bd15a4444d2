// One-shot effects. Each recipe builds its sound from a few layered voices
// and returns mono samples at effect_rate; the caller sets the level.
#include <algorithm>

#include "recipes.h"

namespace sfx {
namespace {

constexpr double sr = effect_rate;

buffer make_buf(double seconds) { return buffer(size_t(seconds * sr), 0.0f); }

// A pitch glide from f0 to f1 (exponential) with a given wave.
template <class Wave>
void add_glide(buffer& b, double start, double len, double f0, double f1, double gain, double attack,
               double decay, Wave wave) {
    double ph = 0;
    size_t i0 = size_t(start * sr), n = size_t(len * sr);
    for (size_t i = 0; i < n && i0 + i < b.size(); ++i) {
        double t = i / sr;
        double f = f0 * std::pow(f1 / f0, t / len);
        ph += f / sr;
        double e = env_ad(t, attack, decay) * env_ahr(t, 0, 0.01, len);
        b[i0 + i] += float(gain * e * wave(ph));
    }
}

// Filtered noise burst.
void add_noise(buffer& b, prng& r, double start, double len, biquad_kind kind, double freq, double q,
               double gain, double attack, double decay) {
    biquad f;
    set_biquad(f, kind, freq, q, sr);
    size_t i0 = size_t(start * sr), n = size_t(len * sr);
    for (size_t i = 0; i < n && i0 + i < b.size(); ++i) {
        double t = i / sr;
        double e = env_ad(t, attack, decay) * env_ahr(t, 0, 0.01, len);
        b[i0 + i] += float(gain * e * run(f, noise(r)));
    }
}

auto sine = [](double ph) { return osc_sine(ph); };
auto tri = [](double ph) { return osc_tri(ph); };
auto square = [](double ph) { return 0.6 * osc_square(ph); };
auto soft_saw = [](double ph) { return osc_sine(ph) + 0.5 * osc_sine(2 * ph) + 0.25 * osc_sine(3 * ph); };

// A struck metal: a few inharmonic partials with their own decays.
void add_bell(buffer& b, double start, double f, double gain, double decay) {
    static const double ratios[] = {1.0, 2.76, 5.4, 8.93};
    static const double amps[] = {1.0, 0.5, 0.25, 0.12};
    for (int k = 0; k < 4; ++k)
        add_glide(b, start, decay * 1.2, f * ratios[k], f * ratios[k], gain * amps[k], 0.001, decay / (1 + k), sine);
}

buffer lowpassed(buffer b, double cutoff) {
    biquad f;
    set_biquad(f, bq_lowpass, cutoff, 0.707, sr);
    for (float& s : b) s = float(run(f, s));
    return b;
}

buffer unable_build(prng&) {
    // Two low buzzes, the second lower: a flat "no".
    buffer b = make_buf(0.34);
    add_glide(b, 0.0, 0.13, 196, 190, 0.5, 0.004, 0.4, square);
    add_glide(b, 0.15, 0.18, 147, 140, 0.5, 0.004, 0.4, square);
    return lowpassed(b, 1800);
}

buffer click1(prng& r) {
    // A light tick for hovering: tiny noise snap and a faint high ping.
    buffer b = make_buf(0.05);
    add_noise(b, r, 0, 0.01, bq_highpass, 3000, 0.7, 0.8, 0.0003, 0.004);
    add_glide(b, 0, 0.05, 2600, 2500, 0.5, 0.0005, 0.03, sine);
    return b;
}

buffer click2(prng& r) {
    // A firmer button press: snap down, body knock, softer release snap.
    buffer b = make_buf(0.09);
    add_noise(b, r, 0, 0.015, bq_bandpass, 2500, 1.2, 1.0, 0.0003, 0.008);
    add_glide(b, 0, 0.05, 1100, 900, 0.45, 0.0005, 0.03, sine);
    add_noise(b, r, 0.045, 0.012, bq_bandpass, 4000, 1.5, 0.45, 0.0003, 0.006);
    return b;
}

buffer toggle(prng&) {
    // Two rising blips: something opens.
    buffer b = make_buf(0.16);
    add_glide(b, 0.0, 0.07, 660, 660, 0.5, 0.002, 0.06, tri);
    add_glide(b, 0.06, 0.10, 990, 990, 0.5, 0.002, 0.08, tri);
    return b;
}

buffer wah(prng&) {
    // The beetle's cry: a voiced buzz whose formant opens and closes.
    buffer b = make_buf(0.5);
    biquad f1, f2;
    double ph = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        double u = t / 0.5;
        double pitch = 330 * std::pow(0.6, u) * (1 + 0.03 * std::sin(two_pi * 7 * t));
        ph += pitch / sr;
        double formant = 500 + 1300 * std::sin(pi * std::min(1.0, u * 1.4));
        set_biquad(f1, bq_bandpass, formant, 4, sr);
        set_biquad(f2, bq_bandpass, formant * 2.4, 6, sr);
        double src = osc_saw_bl(ph, pitch / sr);
        double e = env_ahr(t, 0.02, 0.15, 0.5);
        b[i] = float(e * (run(f1, src) + 0.5 * run(f2, src)));
    }
    return b;
}

buffer transform(prng& r) {
    // A rising shimmer with sparkling arpeggio: change is happening.
    buffer b = make_buf(0.9);
    double ph = 0, mph = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        double f = 220 * std::pow(4.0, t / 0.9);
        ph += f / sr;
        mph += f * 1.5 / sr;
        double idx = 2.0 * (1 - t / 0.9);
        b[i] += float(0.35 * env_ahr(t, 0.05, 0.3, 0.9) * std::sin(two_pi * ph + idx * std::sin(two_pi * mph)));
    }
    const int steps[] = {72, 76, 79, 84, 88, 91};
    for (int k = 0; k < 6; ++k) add_bell(b, 0.08 + k * 0.1, midi_hz(steps[k]), 0.18, 0.25);
    add_noise(b, r, 0, 0.9, bq_highpass, 6000, 0.7, 0.05, 0.4, 0.5);
    return b;
}

buffer pickup(prng&) {
    // A quick upward bloop: something gained.
    buffer b = make_buf(0.22);
    add_glide(b, 0.0, 0.08, 520, 780, 0.5, 0.002, 0.1, tri);
    add_glide(b, 0.07, 0.15, 1040, 1050, 0.45, 0.002, 0.12, tri);
    return b;
}

buffer dead1(prng&) {
    // A squeak that falls away with a wobble.
    buffer b = make_buf(0.55);
    double ph = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        double f = 950 * std::pow(0.2, t / 0.55) * (1 + 0.06 * std::sin(two_pi * 11 * t));
        ph += f / sr;
        b[i] = float(0.6 * env_ahr(t, 0.005, 0.2, 0.55) * soft_saw(ph));
    }
    return lowpassed(b, 3500);
}

buffer dead2(prng& r) {
    // A squashy splat: a wet noise burst over a low thump.
    buffer b = make_buf(0.4);
    add_noise(b, r, 0, 0.3, bq_lowpass, 1400, 1.5, 0.9, 0.002, 0.15);
    add_noise(b, r, 0.01, 0.2, bq_bandpass, 600, 3, 0.6, 0.005, 0.1);
    add_glide(b, 0, 0.3, 180, 60, 0.8, 0.002, 0.2, sine);
    return b;
}

buffer dead3(prng&) {
    // Two sagging notes with tremolo: a sad little "oh no".
    buffer b = make_buf(0.5);
    auto trem = [](double ph) { return osc_tri(ph); };
    add_glide(b, 0.0, 0.2, 587, 560, 0.5, 0.005, 0.35, trem);
    add_glide(b, 0.18, 0.32, 440, 380, 0.5, 0.005, 0.4, trem);
    for (size_t i = 0; i < b.size(); ++i) b[i] *= float(0.8 + 0.2 * std::sin(two_pi * 14 * i / sr));
    return lowpassed(b, 3000);
}

buffer dead4(prng& r) {
    // A short round plop: a pitch-dropping drop with a tiny click on top.
    buffer b = make_buf(0.2);
    add_glide(b, 0, 0.12, 900, 220, 0.8, 0.001, 0.12, sine);
    add_noise(b, r, 0, 0.008, bq_highpass, 2500, 0.7, 0.3, 0.0003, 0.004);
    return b;
}

buffer down(prng& r) {
    // A plan taking hold: a solid thud and a short metal clank.
    buffer b = make_buf(0.4);
    add_glide(b, 0, 0.3, 110, 55, 0.9, 0.002, 0.22, sine);
    add_noise(b, r, 0, 0.08, bq_lowpass, 900, 0.7, 0.6, 0.001, 0.04);
    add_bell(b, 0.01, 620, 0.18, 0.18);
    return b;
}

buffer gold(prng&) {
    // Coins: two bright chimes.
    buffer b = make_buf(1.0);
    add_bell(b, 0.0, midi_hz(83), 0.4, 0.6);
    add_bell(b, 0.09, midi_hz(88), 0.45, 0.8);
    return b;
}

buffer pickb(prng& r) {
    // A tally tick: short bright blip with a snap.
    buffer b = make_buf(0.12);
    add_glide(b, 0, 0.1, 1320, 1320, 0.45, 0.001, 0.06, square);
    add_noise(b, r, 0, 0.006, bq_highpass, 3000, 0.7, 0.4, 0.0003, 0.003);
    return lowpassed(b, 6000);
}

buffer perforator(prng& r) {
    // A drill: a buzzing motor with its grinding bit chattering against rock.
    buffer b = make_buf(0.6);
    biquad grind;
    set_biquad(grind, bq_bandpass, 2200, 1.5, sr);
    double ph = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        double f = 95 + 8 * std::sin(two_pi * 3 * t);
        ph += f / sr;
        double motor = 0.5 * osc_saw(ph) + 0.3 * osc_square(ph * 2, 0.3);
        double chatter = 0.5 + 0.5 * osc_square(t * 38);
        double e = env_ahr(t, 0.02, 0.08, 0.6);
        b[i] = float(e * (0.45 * motor + 0.9 * chatter * run(grind, noise(r))));
    }
    return lowpassed(b, 5000);
}

buffer explosion(prng& r) {
    // A crack, then a rumble whose brightness falls as it rolls away.
    buffer b = make_buf(2.0);
    biquad lp;
    one_pole rumble;
    set_lowpass(rumble, 120, sr);
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        set_biquad(lp, bq_lowpass, 200 + 5000 * std::exp(-t * 6), 0.8, sr);
        double n = noise(r);
        double e = env_ad(t, 0.002, 1.6);
        b[i] = float(e * (0.7 * run(lp, n) + 3.0 * lowpass(rumble, n)));
    }
    add_glide(b, 0, 1.0, 70, 28, 0.9, 0.004, 0.8, sine);
    add_noise(b, r, 0, 0.05, bq_highpass, 1500, 0.7, 0.8, 0.0005, 0.03);
    return b;
}

buffer bbegin(prng& r) {
    // A builder gets to work: "ready" two-step and a tool clank.
    buffer b = make_buf(0.35);
    add_glide(b, 0.0, 0.09, 392, 392, 0.45, 0.002, 0.08, tri);
    add_glide(b, 0.08, 0.14, 587, 587, 0.45, 0.002, 0.12, tri);
    add_noise(b, r, 0.16, 0.05, bq_bandpass, 3000, 2, 0.5, 0.0005, 0.02);
    add_bell(b, 0.16, 1400, 0.15, 0.15);
    return b;
}

buffer bubble(prng& r) {
    // A handful of bubbles, each a short upward chirp.
    buffer b = make_buf(0.6);
    for (int k = 0; k < 6; ++k) {
        double start = 0.02 + k * 0.07 + uniform(r, 0, 0.03);
        double f = uniform(r, 500, 900);
        add_glide(b, start, 0.07, f, f * 1.8, 0.45, 0.002, 0.06, sine);
    }
    return b;
}

buffer electrocute(prng& r) {
    // A gated mains buzz with sparks snapping across it.
    buffer b = make_buf(0.95);
    biquad spark;
    set_biquad(spark, bq_highpass, 2500, 0.7, sr);
    double ph = 0;
    double gate = 1, gate_left = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i / sr;
        if (gate_left <= 0) {
            gate = uniform(r) < 0.7 ? 1.0 : 0.15;
            gate_left = uniform(r, 0.01, 0.05);
        }
        gate_left -= 1 / sr;
        ph += (100 + 40 * noise(r)) / sr;
        double buzz = osc_square(ph, 0.3) * 0.35 + osc_saw(ph * 3) * 0.2;
        double crackle = uniform(r) < 0.004 ? noise(r) * 4 : 0;
        double e = env_ahr(t, 0.005, 0.25, 0.95);
        b[i] = float(e * (gate * buzz + run(spark, crackle + 0.15 * gate * noise(r))));
    }
    return lowpassed(b, 9000);
}

buffer alldead(prng&) {
    // The mission is lost: a slow falling minor phrase over a low drone.
    buffer b = make_buf(2.0);
    const int notes[] = {67, 63, 60, 55};
    for (int k = 0; k < 4; ++k) {
        double start = k * 0.32;
        double len = k == 3 ? 1.1 : 0.4;
        add_glide(b, start, len, midi_hz(notes[k]), midi_hz(notes[k]) * 0.99, 0.35, 0.01, len, soft_saw);
    }
    add_glide(b, 0, 2.0, midi_hz(36), midi_hz(35.6), 0.35, 0.3, 2.4, soft_saw);
    fade_edges(b, 0, size_t(0.5 * sr));
    return lowpassed(b, 2400);
}

} // namespace

const effect_recipe effect_recipes[] = {
    {"unable_build", unable_build, 101, effect_peak_db}, {"click1", click1, 102, -2.0},
    {"click2", click2, 103, -3.0},                       {"toggle", toggle, 104, -3.0},
    {"wah", wah, 105, effect_peak_db},                   {"transform", transform, 106, effect_peak_db},
    {"pickup", pickup, 107, -2.0},                       {"dead1", dead1, 108, effect_peak_db},
    {"dead2", dead2, 109, effect_peak_db},               {"dead3", dead3, 110, effect_peak_db},
    {"dead4", dead4, 111, -2.0},                         {"down", down, 112, effect_peak_db},
    {"gold", gold, 113, effect_peak_db},                 {"pickb", pickb, 114, -3.0},
    {"perforator", perforator, 115, -2.5},               {"explosion", explosion, 116, effect_peak_db},
    {"bbegin", bbegin, 117, -2.0},                       {"bubble", bubble, 118, -2.0},
    {"electrocute", electrocute, 119, effect_peak_db},   {"alldead", alldead, 120, effect_peak_db},
};
const int effect_recipe_count = int(sizeof(effect_recipes) / sizeof(effect_recipes[0]));

} // namespace sfx
