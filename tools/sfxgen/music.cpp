// Turns a score into a circular stereo mix.
//
// Section letters of the form: I intro (chords A, no melody, no drums but
// hats), A (chords A, melody A), B (chords B, melody B), C (chords A,
// melody A on the second lead an octave up), D (chords B, melody B on the
// second lead), E (chords B, no melody).
#include <algorithm>
#include <string>

#include "music.h"
#include "recipes.h"

namespace sfx {
namespace {

constexpr double sr = music_rate;

std::vector<std::string> tokens(const char* text) {
    std::vector<std::string> out;
    std::string cur;
    for (const char* p = text; ; ++p) {
        char c = *p;
        if (c == ' ' || c == '|' || c == '\n' || c == '\0') {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
            if (c == '\0') break;
        } else {
            cur += c;
        }
    }
    return out;
}

// Semitones above the root for a scale degree counted from 0, any octave.
int degree_semitones(const score& s, int degree) {
    int oct = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    int d = degree - oct * 7;
    return s.mode[d] + 12 * oct;
}

struct chord {
    int degree = 0;     // 0-based
    bool seventh = false;
};

std::vector<chord> parse_chords(const char* text) {
    std::vector<chord> out;
    for (const std::string& t : tokens(text)) {
        chord c;
        c.degree = (t[0] - '1');
        c.seventh = t.find(":7") != std::string::npos;
        out.push_back(c);
    }
    return out;
}

// Semitones above the root of chord tone k (0 root, 1 third, 2 fifth,
// 3 seventh or octave).
int chord_tone(const score& s, const chord& c, int k, bool seventh_as_fourth) {
    static const int steps[] = {0, 2, 4, 6};
    if (k == 3 && !seventh_as_fourth) return degree_semitones(s, c.degree) + 12;
    return degree_semitones(s, c.degree + steps[k]);
}

struct mix {
    buffer left, right;
};

void add_note(mix& m, const buffer& mono, double start, double pan, double gain) {
    double a = (pan + 1) * pi / 4;
    size_t at = size_t(std::max(0.0, start) * sr);
    add_wrapped(m.left, mono, at, gain * std::cos(a));
    add_wrapped(m.right, mono, at, gain * std::sin(a));
}

struct section_plan {
    bool chords_b, melody, alt_lead, drums;
};

section_plan plan_for(char letter) {
    switch (letter) {
    case 'I': return {false, false, false, false};
    case 'A': return {false, true, false, true};
    case 'B': return {true, true, false, true};
    case 'C': return {false, true, true, true};
    case 'D': return {true, true, true, true};
    default: return {true, false, false, true}; // 'E'
    }
}

double step_time(const score& s, double bar_start, int step) {
    double step_len = 30.0 / s.bpm;
    double t = bar_start + step * step_len;
    if (step % 2 == 1) t += s.swing * step_len;
    return t;
}

// Melody tokens -> notes, one token per step, across a whole section.
void play_melody(mix& m, const score& s, const char* text, double start, voice_kind v, int octave, double pan,
                 double gain, prng& r) {
    std::vector<std::string> tk = tokens(text);
    double step_len = 30.0 / s.bpm;
    for (size_t i = 0; i < tk.size(); ++i) {
        const std::string& t = tk[i];
        if (t == "." || t == "-") continue;
        int semis = 0, oct = octave;
        size_t p = 0;
        if (t[p] == 'b') { semis = -1; ++p; }
        else if (t[p] == '#') { semis = 1; ++p; }
        int degree = t[p] - '1';
        for (++p; p < t.size(); ++p) oct += t[p] == '\'' ? 1 : t[p] == ',' ? -1 : 0;
        size_t held = 1;
        while (i + held < tk.size() && tk[i + held] == ".") ++held;
        int bar = int(i) / s.steps_per_bar, step = int(i) % s.steps_per_bar;
        double bar_start = start + bar * step_len * s.steps_per_bar;
        double t0 = step_time(s, bar_start, step) + uniform(r, 0, 0.006);
        note_event n{t0, held * step_len * 0.95, double(s.root + degree_semitones(s, degree) + semis + 12 * oct),
                     uniform(r, 0.85, 1.0), pan};
        add_note(m, render_voice(v, n, r), n.start, pan, gain * n.velocity);
    }
}

void play_bar_pattern(mix& m, const score& s, const chord& c, const char* pattern, double bar_start, voice_kind v,
                      int base, bool bass_style, double pan, double gain, prng& r) {
    std::vector<std::string> tk = tokens(pattern);
    double step_len = 30.0 / s.bpm;
    int count = std::min<int>(int(tk.size()), s.steps_per_bar);
    for (int i = 0; i < count; ++i) {
        const std::string& t = tk[i];
        if (t == "." || t == "-") continue;
        int semis;
        if (bass_style) {
            int root = degree_semitones(s, c.degree) % 12;
            if (root > 7) root -= 12;
            semis = root + (t == "F" ? 7 : t == "O" ? 12 : t == "T" ? chord_tone(s, c, 1, false) - chord_tone(s, c, 0, false) : 0);
        } else {
            semis = chord_tone(s, c, std::clamp(t[0] - '0', 0, 3), c.seventh);
        }
        int held = 1;
        while (i + held < count && tk[i + held] == ".") ++held;
        note_event n{step_time(s, bar_start, i), held * step_len * 0.9, double(base + semis), uniform(r, 0.8, 1.0),
                     pan};
        add_note(m, render_voice(v, n, r), n.start, pan, gain * n.velocity);
    }
}

void play_drums(mix& m, const score& s, const char* pattern, drum_kind kind, double bar_start, double pan,
                double gain, prng& r) {
    double sub = 15.0 / s.bpm;
    for (int i = 0; pattern[i] && i < 2 * s.steps_per_bar; ++i) {
        char c = pattern[i];
        if (c == '.' || c == ' ') continue;
        drum_kind k = c == 's' ? drum_shaker : c == 't' ? drum_tom : kind;
        double vel = (c == 'o' ? 0.45 : 1.0) * uniform(r, 0.85, 1.0);
        double t = bar_start + i * sub + ((i / 2) % 2 == 1 ? s.swing * sub * 2 : 0);
        add_note(m, render_drum(k, vel, r), t, pan, gain);
    }
}

// Schroeder reverb run twice around the loop so the tail wraps seamlessly.
void reverb_circular(buffer& ch, double wet, int spread) {
    const int comb_len[] = {1557, 1617, 1491, 1422};
    const int ap_len[] = {225, 556};
    std::vector<std::vector<double>> combs, aps;
    // Delay lengths are tuned in samples at 44.1 kHz.
    const double k = sr / 44100.0;
    for (int l : comb_len) combs.emplace_back(size_t((l + spread) * k), 0.0);
    for (int l : ap_len) aps.emplace_back(size_t((l + spread) * k), 0.0);
    std::vector<size_t> ci(4, 0), ai(2, 0);
    double damp[4] = {0, 0, 0, 0};
    buffer dry = ch;
    for (int lap = 0; lap < 2; ++lap)
        for (size_t i = 0; i < ch.size(); ++i) {
            double x = dry[i] * 0.25;
            double y = 0;
            for (int k = 0; k < 4; ++k) {
                double out = combs[k][ci[k]];
                damp[k] = out * 0.6 + damp[k] * 0.4;
                combs[k][ci[k]] = x + damp[k] * 0.8;
                if (++ci[k] == combs[k].size()) ci[k] = 0;
                y += out;
            }
            for (int k = 0; k < 2; ++k) {
                double buf = aps[k][ai[k]];
                double out = -y + buf;
                aps[k][ai[k]] = y + buf * 0.5;
                if (++ai[k] == aps[k].size()) ai[k] = 0;
                y = out;
            }
            if (lap == 1) ch[i] = float(dry[i] + wet * y);
        }
}

} // namespace

buffer render_track(int track) {
    const score& s = scores[track - 1];
    prng r = make_prng(1000 + uint64_t(track));
    std::vector<chord> ca = parse_chords(s.chords_a), cb = parse_chords(s.chords_b);
    double bar_len = 30.0 / s.bpm * s.steps_per_bar;
    size_t bars = 0;
    for (const char* f = s.form; *f; ++f) bars += plan_for(*f).chords_b ? cb.size() : ca.size();
    size_t frames = size_t(bars * bar_len * sr);
    mix m{buffer(frames, 0.0f), buffer(frames, 0.0f)};

    double t = 0;
    int bass_base = s.root - 24, pad_base = s.root - 12;
    int arp_base = s.arp_voice == voice_bell ? s.root : s.root - 12;
    for (const char* f = s.form; *f; ++f) {
        section_plan plan = plan_for(*f);
        const std::vector<chord>& cs = plan.chords_b ? cb : ca;
        if (plan.melody) {
            const char* mel = plan.chords_b ? s.melody_b : s.melody_a;
            if (plan.alt_lead)
                play_melody(m, s, mel, t, s.lead_alt, plan.chords_b ? 0 : 1, 0.25, 0.55, r);
            else
                play_melody(m, s, mel, t, s.lead, 0, -0.1, 0.6, r);
        }
        for (size_t b = 0; b < cs.size(); ++b) {
            double bs = t + b * bar_len;
            const chord& c = cs[b];
            if (s.pad_voice != voice_none) {
                int tones = c.seventh ? 4 : 3;
                for (int k = 0; k < tones; ++k) {
                    note_event n{bs, bar_len, double(pad_base + chord_tone(s, c, k, true)), 1.0, 0};
                    add_note(m, render_voice(s.pad_voice, n, r), bs, k % 2 ? 0.45 : -0.45, 0.28);
                }
            }
            play_bar_pattern(m, s, c, s.bass, bs, voice_bass, bass_base, true, 0, 0.55, r);
            if (s.arp_voice != voice_none)
                play_bar_pattern(m, s, c, s.arp, bs, s.arp_voice, arp_base, false, 0.4, plan.melody ? 0.3 : 0.4, r);
            if (plan.drums) {
                play_drums(m, s, s.kick, drum_kick, bs, 0, 0.55, r);
                play_drums(m, s, s.snare, drum_snare, bs, 0.1, 0.3, r);
            }
            play_drums(m, s, s.hat, drum_hat, bs, -0.3, plan.drums ? 0.22 : 0.15, r);
        }
        t += cs.size() * bar_len;
    }

    reverb_circular(m.left, s.reverb, 0);
    reverb_circular(m.right, s.reverb, 23);

    buffer out(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        out[2 * i] = m.left[i];
        out[2 * i + 1] = m.right[i];
    }
    // Music sits well under the effects: aim for a quiet average, and never
    // let the loudest moment get near full scale.
    double rms = rms_of(out);
    if (rms > 0) scale(out, db_gain(-24.0) / rms);
    if (peak_of(out) > db_gain(music_peak_db)) normalize_peak(out, music_peak_db);
    return out;
}

} // namespace sfx
