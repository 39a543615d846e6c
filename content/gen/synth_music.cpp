// Instruments and arranger of the music engine. A tune is a list of 4-bar blocks; each block
// plays harp arpeggios over the bar's chord, an optional whistle phrase, an optional frame
// drum, all over a drone. The whole pass is a whole number of bars and its tails (string
// decay, reverb) wrap round to the start, so the track repeats without a seam.
#include "content/gen/synth_music.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
constexpr int kRate = 22050;
constexpr int kTable = 4096;

struct Note {
    int step, len, degree; // start and length in steps; scale degree above the tonic octave
};

struct Arranger {
    const Synth_MusicStyle& st;
    Synth_Buf& buf;
    Synth_Noise rng;
    float step_s; // seconds per step
    int bar_steps;
    std::vector<float> reed, flute; // one-period wave tables

    Arranger(const Synth_MusicStyle& style, Synth_Buf& b) : st(style), buf(b), rng(style.seed) {
        step_s = 60.0f / st.tempo / st.subdiv;
        bar_steps = st.beats * st.subdiv;
        reed.resize(kTable);
        flute.resize(kTable);
        for (int i = 0; i < kTable; ++i) {
            float p = float(i) / kTable, r = 0;
            for (int k = 1; k <= 9; ++k)
                r += Synth_Sin(p * k) / (k * (k % 2 ? 1.0f : 1.6f));
            reed[i] = r * 0.6f;
            flute[i] = Synth_Sin(p) + 0.22f * Synth_Sin(2 * p) + 0.07f * Synth_Sin(3 * p);
        }
    }

    static float Lookup(const std::vector<float>& t, float phase) {
        float x = (phase - std::floor(phase)) * kTable;
        int i = static_cast<int>(x);
        float f = x - i;
        return t[i % kTable] * (1 - f) + t[(i + 1) % kTable] * f;
    }

    // MIDI note of a scale degree (may be negative or above 7) over a base note.
    int Pitch(int degree, int base) const {
        int oct = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
        int d = degree - oct * 7;
        return base + 12 * oct + st.mode[d];
    }

    int Chord(int bar) const { return st.chords[bar % 8]; }

    float Jitter(float ms) { return rng.Next() * ms / 1000.0f; }

    void Whistle(float t, float seconds, float note, float amp) {
        float f = Synth_Midi(note);
        int start = Synth_At(buf, t);
        int frames = Synth_At(buf, seconds + 0.12f);
        Synth_Biquad breath;
        breath.BandPass(f * 2.0f, 1.5f, kRate);
        Synth_Noise n(rng.Bits());
        float ph = 0;
        for (int i = 0; i < frames; ++i) {
            float u = float(i) / kRate;
            float env =
                std::min(u / 0.045f, 1.0f) * (u < seconds ? 1.0f : std::max(0.0f, 1 - (u - seconds) / 0.12f));
            float vib = 1 + 0.005f * std::min(std::max(u - 0.25f, 0.0f) * 3, 1.0f) * Synth_Sin(u * 5.3f);
            ph += f * vib / kRate;
            float chiff = std::exp(-u / 0.03f);
            float v = Lookup(flute, ph) + breath.Run(n.Next()) * (0.25f + 2.0f * chiff);
            buf.AddPan(start + i, v * env * amp, 0.2f);
        }
    }

    void Drum(float t, bool accent) {
        float amp = st.drum_level * (accent ? 1.0f : 0.5f) * (0.9f + 0.1f * rng.Next());
        int start = Synth_At(buf, t);
        Synth_Sweep(buf, start, 0.45f, accent ? 105.0f : 125.0f, 52.0f, 0.002f, accent ? 0.16f : 0.09f, amp,
                    0, 0.1f);
        Synth_Biquad lp;
        lp.LowPass(1400, 0.7f, kRate);
        Synth_Noise n(rng.Bits());
        for (int i = 0; i < Synth_At(buf, 0.06f); ++i)
            buf.AddPan(start + i, lp.Run(n.Next()) * amp * 0.5f * std::exp(-i / (0.012f * kRate)), 0.1f);
    }

    void Harp(float t, int note, float amp) {
        Synth_Pluck(buf, Synth_At(buf, t), Synth_Midi(note), amp, 2.6f, 0.55f, -0.3f, rng.Bits());
    }

    // The drone plays through the whole loop: frequencies and swells are rounded to whole
    // cycles of the loop so its end meets its start exactly.
    void Drone(float loop_s) {
        float fr = Synth_Midi(st.root - 24), f5 = Synth_Midi(st.root - 17);
        fr = std::round(fr * loop_s) / loop_s;
        f5 = std::round(f5 * loop_s) / loop_s;
        float swell = std::max(1.0f, std::round(loop_s / 11)) / loop_s;
        Synth_Biquad lp[2];
        for (auto& f : lp)
            f.LowPass(900, 0.6f, kRate);
        int frames = Synth_At(buf, loop_s);
        for (int i = 0; i < frames; ++i) {
            float t = float(i) / kRate;
            float e = 0.8f + 0.2f * Synth_Sin(t * swell);
            float v = Lookup(reed, fr * t) + 0.6f * Lookup(reed, f5 * t);
            float w = Lookup(reed, fr * t + 0.25f) + 0.6f * Lookup(reed, f5 * t + 0.4f);
            buf.Add(i, 0, lp[0].Run(v) * e * st.drone_level);
            buf.Add(i, 1, lp[1].Run(w) * e * st.drone_level);
        }
    }

    // One 4-bar tune phrase, starting on the given bar of the song (for its chords).
    std::vector<Note> Phrase(int first_bar, uint32_t seed) {
        Synth_Noise r(seed);
        std::vector<Note> notes;
        int total = 4 * bar_steps, cur = 4;
        for (int s = 0; s < total; ++s) {
            int bar = s / bar_steps, pos = s % bar_steps;
            bool downbeat = pos == 0, onbeat = pos % st.subdiv == 0;
            if (bar == 3 && pos > 0) break; // the last bar holds the cadence note
            bool play = downbeat || (onbeat && r.Range(0, 1) < 0.8f) || r.Range(0, 1) < st.density;
            if (!play) continue;
            int chord = Chord(first_bar + bar);
            if (bar == 3) {
                cur = cur > 3 ? 7 : 0;
            } else if (downbeat) {
                int best = cur, dist = 99;
                for (int k = -7; k <= 14; ++k) {
                    int d = ((k - chord) % 7 + 7) % 7;
                    if ((d == 0 || d == 2 || d == 4) && std::abs(k - cur) < dist) {
                        dist = std::abs(k - cur);
                        best = k;
                    }
                }
                cur = best;
            } else {
                static const int kMoves[] = {-2, -1, -1, 1, 1, 2, 0, -1, 1, 3};
                cur += kMoves[r.Bits() % 10];
            }
            if (cur < -1) cur = 1;
            if (cur > 9) cur = 7;
            notes.push_back({s, 1, cur});
        }
        for (size_t k = 0; k < notes.size(); ++k)
            notes[k].len = (k + 1 < notes.size() ? notes[k + 1].step : total) - notes[k].step;
        return notes;
    }

    void Render() {
        int blocks = static_cast<int>(std::strlen(st.melody));
        int bars = blocks * 4;
        float loop_s = bars * bar_steps * step_s;
        buf.Init(kRate, 2, loop_s + 4.0f);
        Drone(loop_s);
        std::vector<Note> pa = Phrase(0, st.seed * 3 + 1), pb = Phrase(4, st.seed * 3 + 2);
        std::vector<Note> pa2 = Phrase(0, st.seed * 3 + 5), pb2 = Phrase(4, st.seed * 3 + 6);
        // Varied phrases keep the first two bars and answer them differently.
        auto vary = [&](const std::vector<Note>& base, const std::vector<Note>& other) {
            std::vector<Note> v;
            for (const Note& n : base)
                if (n.step < 2 * bar_steps) v.push_back(n);
            for (const Note& n : other)
                if (n.step >= 2 * bar_steps) v.push_back(n);
            return v;
        };
        std::vector<Note> va = vary(pa, pa2), vb = vary(pb, pb2);
        for (int blk = 0; blk < blocks; ++blk) {
            float t0 = blk * 4 * bar_steps * step_s;
            for (int bar = 0; bar < 4; ++bar)
                Bar(blk * 4 + bar, t0 + bar * bar_steps * step_s, st.drums_on[blk] == '1');
            const std::vector<Note>* tune = nullptr;
            switch (st.melody[blk]) {
            case 'A':
                tune = &pa;
                break;
            case 'B':
                tune = &pb;
                break;
            case 'a':
                tune = &va;
                break;
            case 'b':
                tune = &vb;
                break;
            default:
                break;
            }
            if (!tune) continue;
            for (const Note& n : *tune)
                Whistle(t0 + n.step * step_s + Jitter(6), n.len * step_s * 0.95f,
                        float(Pitch(n.degree, st.root + 12)),
                        st.whistle_level * (0.85f + 0.15f * rng.Next()));
        }
        Synth_Reverb(buf, st.reverb, 0.75f);
        buf.WrapTail(Synth_At(buf, loop_s));
        buf.Normalise(0.8f);
        buf.FadeEdges(3, 3);
    }

    void Bar(int bar, float t, bool drums) {
        int chord = Chord(bar);
        for (int s = 0; s < bar_steps; ++s) {
            float at = t + s * step_s;
            char h = st.harp[s % std::strlen(st.harp)];
            if (h >= '0' && h <= '5') {
                static const int kTone[] = {0, 2, 4, 7, 9, 11};
                float amp = st.harp_level * (s == 0 ? 1.0f : 0.75f) * (0.9f + 0.1f * rng.Next());
                Harp(at + Jitter(5), Pitch(chord + kTone[h - '0'], st.root - 12), amp);
            }
            char d = st.drum[s % std::strlen(st.drum)];
            if (drums && (d == 'X' || d == 'x')) Drum(at + Jitter(4), d == 'X');
        }
    }
};
} // namespace

void Synth_ArrangeMusic(const Synth_MusicStyle& style, Synth_Buf& buf) {
    Arranger a(style, buf);
    a.Render();
}
