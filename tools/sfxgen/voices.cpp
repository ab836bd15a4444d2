// The music's instruments: simple synth voices and drums made from noise.
#include <algorithm>

#include "music.h"
#include "recipes.h"

namespace sfx {
namespace {

constexpr double sr = music_rate;

buffer pluck(const note_event& n, prng& r) {
    // Karplus-Strong: a noise burst circulating in a damped delay line.
    double f = midi_hz(n.pitch);
    double len = std::min(n.length + 0.4, 3.0);
    buffer out(size_t(len * sr));
    size_t period = std::max<size_t>(2, size_t(sr / f));
    std::vector<double> line(period);
    one_pole soften;
    set_lowpass(soften, std::min(8000.0, f * 6), sr);
    for (double& s : line) s = lowpass(soften, noise(r));
    double damp = 0.996 - 0.0004 * std::max(0.0, n.pitch - 60) / 12;
    size_t idx = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        size_t next = (idx + 1) % period;
        double y = line[idx];
        line[idx] = damp * 0.5 * (line[idx] + line[next]);
        idx = next;
        double rel = t > n.length ? std::exp(-(t - n.length) * 12) : 1.0;
        out[i] = float(0.7 * y * rel * env_ahr(t, 0.002, 0.02, len));
    }
    return out;
}

buffer bell(const note_event& n) {
    double f = midi_hz(n.pitch);
    double len = std::min(n.length + 1.2, 3.5);
    buffer out(size_t(len * sr));
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        double e = env_ad(t, 0.002, 1.6) * env_ahr(t, 0, 0.05, len);
        double idx = 2.2 * env_ad(t, 0.001, 0.6);
        double m = std::sin(two_pi * f * 3.5 * t);
        out[i] = float(0.45 * e * std::sin(two_pi * f * t + idx * m));
    }
    return out;
}

buffer pad(const note_event& n) {
    double f = midi_hz(n.pitch);
    double rel = 0.6;
    double len = n.length + rel;
    buffer out(size_t(len * sr));
    const double detune[] = {-0.006, 0.0, 0.0065};
    double ph[3] = {0.1, 0.5, 0.8};
    one_pole lp1, lp2;
    set_lowpass(lp1, std::min(2200.0, f * 5), sr);
    set_lowpass(lp2, std::min(2200.0, f * 5), sr);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        double s = 0;
        for (int k = 0; k < 3; ++k) {
            ph[k] += f * (1 + detune[k]) / sr;
            s += osc_saw_bl(ph[k], f / sr);
        }
        double e = env_ahr(t, std::min(0.5, n.length * 0.4), rel, len);
        out[i] = float(0.2 * e * lowpass(lp2, lowpass(lp1, s)));
    }
    return out;
}

buffer flute(const note_event& n, prng& r) {
    double f = midi_hz(n.pitch);
    double len = n.length + 0.08;
    buffer out(size_t(len * sr));
    biquad breath;
    set_biquad(breath, bq_bandpass, f * 2, 3, sr);
    double ph = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        double vib = t > 0.25 ? 0.004 * std::sin(two_pi * 5.2 * t) * std::min(1.0, (t - 0.25) * 3) : 0;
        ph += f * (1 + vib) / sr;
        double e = env_ahr(t, 0.04, 0.08, len);
        out[i] = float(0.5 * e * (osc_sine(ph) + 0.12 * osc_sine(2 * ph) + 0.15 * run(breath, noise(r))));
    }
    return out;
}

buffer square_lead(const note_event& n) {
    double f = midi_hz(n.pitch);
    double len = n.length + 0.1;
    buffer out(size_t(len * sr));
    one_pole lp1, lp2;
    set_lowpass(lp1, std::min(3000.0, f * 4), sr);
    set_lowpass(lp2, std::min(3000.0, f * 4), sr);
    double ph = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        double vib = 0.003 * std::sin(two_pi * 5.5 * t) * std::min(1.0, t * 2);
        ph += f * (1 + vib) / sr;
        double e = env_ahr(t, 0.01, 0.1, len) * (0.75 + 0.25 * std::exp(-t * 6));
        out[i] = float(0.35 * e * lowpass(lp2, lowpass(lp1, osc_square(ph, 0.35))));
    }
    return out;
}

buffer bass(const note_event& n) {
    double f = midi_hz(n.pitch);
    double len = n.length + 0.05;
    buffer out(size_t(len * sr));
    one_pole lp;
    set_lowpass(lp, f * 3, sr);
    double ph = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        ph += f / sr;
        double e = env_ahr(t, 0.006, 0.05, len) * (0.7 + 0.3 * std::exp(-t * 8));
        out[i] = float(0.6 * e * (osc_sine(ph) + 0.35 * lowpass(lp, osc_saw(ph))));
    }
    return out;
}

buffer strings(const note_event& n) {
    double f = midi_hz(n.pitch);
    double rel = 0.35;
    double len = n.length + rel;
    buffer out(size_t(len * sr));
    const double detune[] = {-0.004, 0.003, 0.0075};
    double ph[3] = {0.0, 0.33, 0.66};
    one_pole lp1, lp2;
    set_lowpass(lp1, std::min(3500.0, f * 6), sr);
    set_lowpass(lp2, std::min(3500.0, f * 6), sr);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        double vib = 0.003 * std::sin(two_pi * 5.0 * t + n.pitch);
        double s = 0;
        for (int k = 0; k < 3; ++k) {
            ph[k] += f * (1 + detune[k] + vib) / sr;
            s += osc_saw_bl(ph[k], f / sr);
        }
        double e = env_ahr(t, std::min(0.25, n.length * 0.5), rel, len);
        out[i] = float(0.22 * e * lowpass(lp2, lowpass(lp1, s)));
    }
    return out;
}

buffer epiano(const note_event& n) {
    double f = midi_hz(n.pitch);
    double len = std::min(n.length + 0.8, 4.0);
    buffer out(size_t(len * sr));
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i / sr;
        double e = env_ad(t, 0.003, 2.2) * (t > n.length ? std::exp(-(t - n.length) * 5) : 1.0);
        e *= env_ahr(t, 0, 0.03, len);
        double idx = 1.2 * env_ad(t, 0.001, 0.5);
        out[i] = float(0.45 * e * std::sin(two_pi * f * t + idx * std::sin(two_pi * f * t)));
    }
    return out;
}

} // namespace

buffer render_voice(voice_kind v, const note_event& n, prng& r) {
    switch (v) {
    case voice_pluck: return pluck(n, r);
    case voice_bell: return bell(n);
    case voice_pad: return pad(n);
    case voice_flute: return flute(n, r);
    case voice_square: return square_lead(n);
    case voice_bass: return bass(n);
    case voice_string: return strings(n);
    case voice_epiano: return epiano(n);
    case voice_none: break;
    }
    return {};
}

buffer render_drum(drum_kind d, double velocity, prng& r) {
    buffer out;
    switch (d) {
    case drum_kick: {
        out.resize(size_t(0.35 * sr));
        double ph = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            double t = i / sr;
            ph += (45 + 90 * std::exp(-t * 30)) / sr;
            out[i] = float(0.9 * env_ad(t, 0.001, 0.3) * osc_sine(ph));
        }
        break;
    }
    case drum_snare: {
        out.resize(size_t(0.25 * sr));
        biquad body;
        set_biquad(body, bq_bandpass, 1800, 0.8, sr);
        double ph = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            double t = i / sr;
            ph += 190 / sr;
            out[i] = float(env_ad(t, 0.001, 0.16) * (0.9 * run(body, noise(r)) + 0.3 * env_ad(t, 0.001, 0.06) * osc_sine(ph)));
        }
        break;
    }
    case drum_hat: {
        out.resize(size_t(0.08 * sr));
        biquad hp;
        set_biquad(hp, bq_highpass, 7000, 0.7, sr);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = float(0.5 * env_ad(i / sr, 0.0005, 0.05) * run(hp, noise(r)));
        break;
    }
    case drum_shaker: {
        out.resize(size_t(0.1 * sr));
        biquad bp;
        set_biquad(bp, bq_bandpass, 5500, 1.2, sr);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = float(0.6 * env_ahr(i / sr, 0.02, 0.06, 0.1) * run(bp, noise(r)));
        break;
    }
    case drum_tom: {
        out.resize(size_t(0.6 * sr));
        double ph = 0;
        one_pole lp;
        set_lowpass(lp, 300, sr);
        for (size_t i = 0; i < out.size(); ++i) {
            double t = i / sr;
            ph += (70 + 25 * std::exp(-t * 12)) / sr;
            out[i] = float(env_ad(t, 0.003, 0.55) * (0.8 * osc_sine(ph) + 0.4 * lowpass(lp, noise(r))));
        }
        break;
    }
    }
    scale(out, velocity);
    return out;
}

} // namespace sfx
