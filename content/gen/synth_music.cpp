// Arranger of the music engine. A track is two written 8-bar parts (A and B) and a list of
// sections; each section plays one part (or none) with its lead voice, an optional echo, and
// the layers it names: the accompaniment pattern over the bar's chord, bass, a string pad,
// drum and shaker. The whole pass is a whole number of bars and its tails (string decay,
// reverb) wrap round to the start, so the track repeats without a seam.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include "content/gen/synth_music.h"

namespace {
constexpr int kRate = 22050;

struct Note {
    int step, len, degree; // start and length in steps; scale degree (0 = the tonic)
    bool rest;
};

// Reads "7 4:2 r:2 | ..." into notes; '|' only marks bars for the reader.
std::vector<Note> Parse_Tune(const char* text) {
    std::vector<Note> notes;
    int step = 0;
    for (const char* p = text; p && *p;) {
        if (*p == ' ' || *p == '|') {
            ++p;
            continue;
        }
        Note n{step, 1, 0, false};
        if (*p == 'r') {
            n.rest = true;
            ++p;
        } else {
            char* end;
            n.degree = static_cast<int>(std::strtol(p, &end, 10));
            if (end == p) break; // not a number: stop rather than loop
            p = end;
        }
        if (*p == ':') {
            char* end;
            n.len = std::max(1, static_cast<int>(std::strtol(p + 1, &end, 10)));
            p = end;
        }
        step += n.len;
        if (!n.rest) notes.push_back(n);
    }
    return notes;
}

// The varied form of a part: notes of two steps become the note and its upper neighbour,
// notes of three a turn round it; the final note stays.
std::vector<Note> Vary(const std::vector<Note>& tune) {
    std::vector<Note> out;
    for (size_t k = 0; k < tune.size(); ++k) {
        const Note& n = tune[k];
        bool last = k + 1 == tune.size();
        if (last || n.len < 2 || n.len > 3) {
            out.push_back(n);
            continue;
        }
        int up = (k % 2) ? -1 : 1;
        out.push_back({n.step, 1, n.degree, false});
        out.push_back({n.step + 1, 1, n.degree + up, false});
        if (n.len == 3) out.push_back({n.step + 2, 1, n.degree, false});
    }
    return out;
}

struct Arranger {
    const Synth_MusicStyle& st;
    Synth_Buf& buf;
    Synth_Band band;
    float step_s; // seconds per step
    int bar_steps;
    std::vector<Note> tunes[2], varied[2];

    Arranger(const Synth_MusicStyle& style, Synth_Buf& b) : st(style), buf(b), band(b, style.seed) {
        step_s = 60.0f / st.tempo / st.subdiv;
        bar_steps = st.beats * st.subdiv;
        tunes[0] = Parse_Tune(st.tune_a);
        tunes[1] = Parse_Tune(st.tune_b);
        for (int k = 0; k < 2; ++k)
            varied[k] = Vary(tunes[k]);
    }

    // MIDI note of a scale degree (may be negative or above 6) over a base note.
    int Pitch(int degree, int base) const {
        int oct = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
        return base + 12 * oct + st.mode[degree - oct * 7];
    }

    float Jitter(float ms) { return band.rng.Next() * ms / 1000.0f; }
    float Human(float amp) { return amp * (0.88f + 0.12f * band.rng.Next()); }

    int Total_Bars() const {
        int bars = 0;
        for (int i = 0; i < st.section_count; ++i)
            bars += st.sections[i].bars;
        return bars;
    }

    void Render() {
        float bar_s = bar_steps * step_s;
        float loop_s = Total_Bars() * bar_s;
        buf.Init(kRate, 2, loop_s + 4.0f);
        if (st.drone_level > 0) band.Drone(st.root, loop_s, st.drone_level);
        int bar = 0;
        for (int i = 0; i < st.section_count; ++i) {
            const Synth_Section& sec = st.sections[i];
            int part = sec.tune == 'B' ? 1 : 0;
            for (int b = 0; b < sec.bars; ++b)
                Bar(sec, part, b % 8, (bar + b) * bar_s);
            if (sec.tune == 'A' || sec.tune == 'B') Tune(sec, part, bar * bar_s);
            bar += sec.bars;
        }
        Synth_Reverb(buf, st.reverb, st.room);
        buf.WrapTail(Synth_At(buf, loop_s));
        buf.Normalise(0.8f);
        buf.FadeEdges(3, 3);
    }

    void Tune(const Synth_Section& sec, int part, float t0) {
        const std::vector<Note>& notes = sec.varied ? varied[part] : tunes[part];
        for (size_t k = 0; k < notes.size(); ++k) {
            const Note& n = notes[k];
            if (n.step >= sec.bars * bar_steps) break;
            float at = t0 + n.step * step_s + Jitter(6);
            float len = n.len * step_s * 0.95f;
            int pitch = Pitch(n.degree, st.tune_base);
            // Ornament: a cut from the note above on long notes of a varied part.
            float cut = sec.varied && n.len >= 2 ? Synth_Midi(float(Pitch(n.degree + 1, st.tune_base))) : 0;
            float accent = n.step % bar_steps == 0 ? 1.0f : 0.85f;
            band.Play(sec.lead, at, len, pitch, Human(st.lead_level * accent), 0.15f, cut);
            if (sec.echo != VOICE_NONE)
                band.Play(sec.echo, at + 0.01f, len, pitch + sec.echo_shift, Human(st.lead_level * 0.45f),
                          -0.35f);
        }
    }

    int Chord(int part, int bar_in_part) const {
        return part == 1 ? st.chords_b[bar_in_part] : st.chords_a[bar_in_part];
    }

    void Bar(const Synth_Section& sec, int part, int bar_in_part, float t) {
        int chord = Chord(part, bar_in_part);
        int chord_base = st.root - 12;
        static const int kTone[] = {0, 2, 4, 7, 9, 11};
        if (sec.layers & LAYER_PAD)
            for (int k = 0; k < 3; ++k)
                band.Pad(t, bar_steps * step_s, Pitch(chord + 2 * k, chord_base), st.pad_level,
                         -0.4f + 0.4f * k);
        for (int s = 0; s < bar_steps; ++s) {
            float at = t + s * step_s;
            char a = st.acc[s % std::strlen(st.acc)];
            if ((sec.layers & LAYER_ACC) && a >= '0' && a <= '5') {
                float amp = Human(st.acc_level * (s == 0 ? 1.0f : 0.75f));
                band.Play(st.acc_voice, at + Jitter(5), 1, Pitch(chord + kTone[a - '0'], chord_base), amp,
                          -0.3f);
            }
            if ((sec.layers & LAYER_ACC) && (a == 'S' || a == 's')) Strum(at, chord, chord_base, a == 'S');
            char b = st.bass[s % std::strlen(st.bass)];
            if ((sec.layers & LAYER_BASS) && (b == 'R' || b == 'F'))
                band.Bass(at + Jitter(3), Pitch(chord + (b == 'F' ? 4 : 0), st.root - 24),
                          Human(st.bass_level));
            char d = st.drum[s % std::strlen(st.drum)];
            if ((sec.layers & LAYER_DRUM) && (d == 'X' || d == 'x'))
                band.Drum(at + Jitter(4), d == 'X', st.drum_level);
            if ((sec.layers & LAYER_PERC) && s % st.subdiv != 0)
                band.Shaker(at + Jitter(3), Human(st.perc_level));
        }
    }

    // A short, damped strum across the chord from low to high (the bouzouki's chop).
    void Strum(float at, int chord, int base, bool strong) {
        static const int kStrum[] = {0, 2, 4, 7};
        float amp = Human(st.acc_level * (strong ? 0.7f : 0.45f));
        for (int k = 0; k < 4; ++k)
            Synth_Pluck(buf, Synth_At(buf, at + 0.012f * k),
                        Synth_Midi(float(Pitch(chord + kStrum[k], base + 12))), amp, 0.32f, 0.75f, 0.25f,
                        band.rng.Bits());
    }
};
} // namespace

void Synth_ArrangeMusic(const Synth_MusicStyle& style, Synth_Buf& buf) {
    Arranger a(style, buf);
    a.Render();
}
