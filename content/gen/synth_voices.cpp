// The instruments of the music engine. Sustained voices read one-period wave tables (saws
// with fewer harmonics for higher notes, so nothing folds over), shaped by envelopes, vibrato
// and a few resonant filters; plucked voices use the string model of the toolkit.
#include <algorithm>
#include <cmath>
#include "content/gen/synth_music.h"

namespace {
constexpr int kTable = 4096;

float Lookup(const std::vector<float>& t, float phase) {
    float x = (phase - std::floor(phase)) * kTable;
    int i = static_cast<int>(x);
    float f = x - i;
    return t[i % kTable] * (1 - f) + t[(i + 1) % kTable] * f;
}

std::vector<float> Saw(int harmonics) {
    std::vector<float> t(kTable);
    for (int i = 0; i < kTable; ++i) {
        float p = float(i) / kTable, v = 0;
        for (int k = 1; k <= harmonics; ++k)
            v += Synth_Sin(p * k) / k;
        t[i] = v * 0.55f;
    }
    return t;
}

// Linear attack, hold, linear release; u seconds since the note began.
float Env(float u, float attack, float hold, float release) {
    if (u < 0) return 0;
    if (u < attack) return u / attack;
    if (u < hold) return 1;
    return std::max(0.0f, 1 - (u - hold) / release);
}

// Vibrato that sets in after `delay` seconds.
float Vibrato(float u, float delay, float depth, float hz) {
    return 1 + depth * std::min(std::max(u - delay, 0.0f) * 4, 1.0f) * Synth_Sin(u * hz);
}

const Synth_Partial kCelesta[] = {{1.0f, 1.0f}, {2.0f, 0.18f}, {3.0f, 0.06f}, {4.0f, 0.12f}};
} // namespace

Synth_Band::Synth_Band(Synth_Buf& b, uint32_t seed) : buf(b), rng(seed) {
    reed.resize(kTable);
    flute.resize(kTable);
    for (int i = 0; i < kTable; ++i) {
        float p = float(i) / kTable, r = 0;
        for (int k = 1; k <= 9; ++k)
            r += Synth_Sin(p * k) / (k * (k % 2 ? 1.0f : 1.6f));
        reed[i] = r * 0.6f;
        flute[i] = Synth_Sin(p) + 0.22f * Synth_Sin(2 * p) + 0.07f * Synth_Sin(3 * p);
    }
    saw_hi = Saw(6);
    saw_mid = Saw(12);
    saw_lo = Saw(24);
}

void Synth_Band::Play(Synth_Voice v, float t, float seconds, int note, float amp, float pan, float cut_hz) {
    float f = Synth_Midi(float(note));
    int start = Synth_At(buf, t);
    int rate = buf.rate;
    switch (v) {
    case VOICE_NONE:
        return;
    case VOICE_HARP:
        Synth_Pluck(buf, start, f, amp, 2.6f, 0.55f, pan, rng.Bits());
        return;
    case VOICE_CELESTA:
        Synth_Bell(buf, start, f, amp, 0.55f, kCelesta, 4, pan);
        Synth_NoiseBurst(buf, start, 0.02f, 0.0005f, 0.004f, f * 3, 2.0f, amp * 0.15f, pan, rng.Bits());
        return;
    case VOICE_WHISTLE: {
        // Breathy flute tone with a chiff at the start and delayed vibrato.
        int frames = Synth_At(buf, seconds + 0.12f);
        Synth_Biquad breath;
        breath.BandPass(f * 2.0f, 1.5f, rate);
        Synth_Noise n(rng.Bits());
        float ph = 0, cut_s = cut_hz > 0 ? 0.035f : 0;
        for (int i = 0; i < frames; ++i) {
            float u = float(i) / rate;
            float env = Env(u, 0.045f, seconds, 0.12f);
            float hz = u < cut_s ? cut_hz : f * Vibrato(u, 0.25f, 0.005f, 5.3f);
            ph += hz / rate;
            float chiff = std::exp(-u / 0.03f);
            float s = Lookup(flute, ph) + breath.Run(n.Next()) * (0.25f + 2.0f * chiff);
            buf.AddPan(start + i, s * env * amp, pan);
        }
        return;
    }
    case VOICE_FIDDLE: {
        // Bowed string: a band-limited saw with a bow-noise onset, through body resonances.
        const std::vector<float>& tab = f > 700 ? saw_hi : f > 350 ? saw_mid : saw_lo;
        int frames = Synth_At(buf, seconds + 0.1f);
        Synth_Biquad body[3];
        body[0].BandPass(290, 1.4f, rate);
        body[1].BandPass(1050, 1.2f, rate);
        body[2].BandPass(2700, 1.6f, rate);
        Synth_Noise n(rng.Bits());
        float ph = rng.Range(0, 1), cut_s = cut_hz > 0 ? 0.03f : 0;
        for (int i = 0; i < frames; ++i) {
            float u = float(i) / rate;
            float env = Env(u, 0.05f, seconds, 0.1f) * (0.85f + 0.15f * std::exp(-u / 0.08f));
            float hz = u < cut_s ? cut_hz : f * Vibrato(u, 0.18f, 0.006f, 5.8f);
            ph += hz / rate;
            float x = Lookup(tab, ph) + n.Next() * 0.08f * std::exp(-u / 0.04f);
            float s = x * 0.35f + body[0].Run(x) * 0.6f + body[1].Run(x) * 0.9f + body[2].Run(x) * 0.5f;
            buf.AddPan(start + i, s * env * amp, pan);
        }
        return;
    }
    case VOICE_REED: {
        // Reed pipe: a hollow, nasal tone with a quick tongued attack and a formant.
        int frames = Synth_At(buf, seconds + 0.08f);
        Synth_Biquad formant, soft;
        formant.BandPass(1250, 2.2f, rate);
        soft.LowPass(3200, 0.7f, rate);
        float ph = 0;
        for (int i = 0; i < frames; ++i) {
            float u = float(i) / rate;
            float env = Env(u, 0.025f, seconds, 0.08f);
            ph += f * Vibrato(u, 0.3f, 0.004f, 4.8f) / rate;
            float x = Lookup(reed, ph);
            float s = soft.Run(x * 0.7f + formant.Run(x) * 1.6f);
            buf.AddPan(start + i, s * env * amp, pan);
        }
        return;
    }
    }
}

void Synth_Band::Pad(float t, float seconds, int note, float amp, float pan) {
    // Two slightly detuned saws under a low-pass: a soft section of strings.
    float f = Synth_Midi(float(note));
    int start = Synth_At(buf, t);
    int frames = Synth_At(buf, seconds + 0.6f);
    Synth_Biquad lp;
    lp.LowPass(1400, 0.6f, buf.rate);
    float p1 = rng.Range(0, 1), p2 = rng.Range(0, 1);
    for (int i = 0; i < frames; ++i) {
        float u = float(i) / buf.rate;
        float env = Env(u, 0.45f, seconds, 0.6f);
        p1 += f * 1.003f / buf.rate;
        p2 += f * 0.997f / buf.rate;
        float s = lp.Run(Lookup(saw_mid, p1) + Lookup(saw_mid, p2));
        buf.AddPan(start + i, s * env * amp, pan);
    }
}

void Synth_Band::Bass(float t, int note, float amp) {
    Synth_Pluck(buf, Synth_At(buf, t), Synth_Midi(float(note)), amp, 1.4f, 0.25f, 0.0f, rng.Bits());
}

void Synth_Band::Drum(float t, bool accent, float amp) {
    amp *= (accent ? 1.0f : 0.5f) * (0.9f + 0.1f * rng.Next());
    int start = Synth_At(buf, t);
    Synth_Sweep(buf, start, 0.45f, accent ? 105.0f : 125.0f, 52.0f, 0.002f, accent ? 0.16f : 0.09f, amp, 0.3f,
                0.1f);
    Synth_NoiseBurst(buf, start, 0.06f, 0.0005f, 0.012f, 900, 0.8f, amp * 0.6f, 0.1f, rng.Bits());
}

void Synth_Band::Shaker(float t, float amp) {
    Synth_NoiseBurst(buf, Synth_At(buf, t), 0.07f, 0.006f, 0.02f, 6500, 1.2f, amp, 0.35f, rng.Bits());
}

void Synth_Band::Drone(int root, float loop_s, float amp) {
    float fr = Synth_Midi(float(root - 24)), f5 = Synth_Midi(float(root - 17));
    fr = std::round(fr * loop_s) / loop_s;
    f5 = std::round(f5 * loop_s) / loop_s;
    float swell = std::max(1.0f, std::round(loop_s / 11)) / loop_s;
    Synth_Biquad lp[2];
    for (auto& f : lp)
        f.LowPass(900, 0.6f, buf.rate);
    int frames = Synth_At(buf, loop_s);
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / buf.rate;
        float e = 0.8f + 0.2f * Synth_Sin(t * swell);
        float v = Lookup(reed, fr * t) + 0.6f * Lookup(reed, f5 * t);
        float w = Lookup(reed, fr * t + 0.25f) + 0.6f * Lookup(reed, f5 * t + 0.4f);
        buf.Add(i, 0, lp[0].Run(v) * e * amp);
        buf.Add(i, 1, lp[1].Run(w) * e * amp);
    }
}
