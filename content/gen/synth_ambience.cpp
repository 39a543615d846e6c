// Looping background sounds: three winds, rain and a torch. Each is rendered a little longer
// than its loop and the end is cross-faded into the start, so it repeats without a seam.
#include <cmath>
#include <cstring>
#include "content/gen/synth_sfx.h"

namespace {
constexpr int kRate = 22050;
constexpr float kLoop = 24.0f; // seconds of the finished loop
constexpr float kXfade = 3.0f; // seconds blended across the seam

struct Wind_Style {
    float centre, spread, q;      // band-pass centre Hz, gust sweep Hz, width
    float howl_hz, howl_amount;   // narrow whistle on top (0: none)
    float gust_depth, gust_speed; // loudness swing 0..1 and gusts per second
    float low_rumble;             // amount of low roar
    uint32_t seed;
};

// Slow, irregular gust curve in 0..1 from a few incommensurate sines.
float Gust(float t, float speed, float phase) {
    float g = 0.5f * Synth_Sin(t * speed + phase) + 0.3f * Synth_Sin(t * speed * 2.31f + 0.4f * phase) +
              0.2f * Synth_Sin(t * speed * 0.43f + 0.7f);
    return 0.5f + 0.5f * g;
}

void Wind(Synth_Buf& b, const Wind_Style& w) {
    Synth_Noise n(w.seed);
    Synth_Biquad band[2], howl[2], low[2];
    int frames = b.Frames();
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / kRate;
        float common = n.Next();
        for (int c = 0; c < 2; ++c) {
            float g = Gust(t, w.gust_speed, 1.7f * c);
            if (i % 32 == 0) {
                band[c].BandPass(w.centre + w.spread * g, w.q, kRate);
                if (w.howl_amount > 0) howl[c].BandPass(w.howl_hz * (0.8f + 0.4f * g), 14.0f, kRate);
                low[c].LowPass(160 + 120 * g, 0.7f, kRate);
            }
            float x = 0.6f * common + 0.8f * n.Next();
            float v = band[c].Run(x) * 1.4f;
            if (w.howl_amount > 0) v += howl[c].Run(x) * w.howl_amount * g;
            v += low[c].Run(x) * w.low_rumble;
            b.Add(i, c, v * (1 - w.gust_depth + w.gust_depth * g));
        }
    }
}

void Rain(Synth_Buf& b) {
    Synth_Noise n(301);
    Synth_Biquad hiss[2], body[2];
    for (int c = 0; c < 2; ++c) {
        hiss[c].BandPass(4500, 0.5f, kRate);
        body[c].LowPass(700, 0.7f, kRate);
    }
    int frames = b.Frames();
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / kRate;
        float swell = 0.85f + 0.15f * Synth_Sin(t * 0.11f);
        // Hiss and body from separate noise: fed from one source, the two filters would
        // cancel each other where their phases cross and leave a notch in the spectrum.
        for (int c = 0; c < 2; ++c)
            b.Add(i, c, (hiss[c].Run(n.Next()) * 0.35f + body[c].Run(n.Next()) * 0.25f) * swell);
    }
    // Single drops: tiny bright ticks scattered over both sides.
    int drops = static_cast<int>(b.Frames() / float(kRate) * 140);
    for (int k = 0; k < drops; ++k) {
        int at = static_cast<int>(n.Range(0, float(frames)));
        Synth_NoiseBurst(b, at, 0.012f, 0.0002f, 0.002f, n.Range(2500, 7000), 3.0f, n.Range(0.05f, 0.25f),
                         n.Next(), n.Bits());
    }
}

void Torch(Synth_Buf& b) {
    Synth_Noise n(401);
    Synth_Biquad roar[2];
    for (int c = 0; c < 2; ++c)
        roar[c].LowPass(220, 0.8f, kRate);
    int frames = b.Frames();
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / kRate;
        float flicker = 0.7f + 0.3f * Gust(t, 0.9f, 0.3f);
        for (int c = 0; c < 2; ++c)
            b.Add(i, c, roar[c].Run(n.Next()) * 1.1f * flicker);
    }
    // Crackles come in little clusters, as resin pops.
    float t = 0.1f;
    float len = float(frames) / kRate;
    while (t < len) {
        int pops = 1 + static_cast<int>(n.Range(0, 4));
        float pan = n.Next() * 0.6f;
        for (int k = 0; k < pops; ++k) {
            float at = t + n.Range(0, 0.08f);
            Synth_NoiseBurst(b, Synth_At(b, at), 0.015f, 0.0002f, 0.003f, n.Range(1500, 5000), 1.5f,
                             n.Range(0.15f, 0.6f), pan, n.Bits());
        }
        t += n.Range(0.08f, 0.7f);
    }
}

struct Ambience_Recipe {
    const char* file;
    Wind_Style wind; // used when fill is null
    Synth_Fill fill;
};

const Ambience_Recipe kAmbience[] = {
    {"windy01.ogg", {420, 260, 0.8f, 0, 0, 0.45f, 0.09f, 0.25f, 201}, nullptr},
    {"windy02.ogg", {650, 400, 1.2f, 900, 0.5f, 0.55f, 0.13f, 0.1f, 202}, nullptr},
    {"windy03.ogg", {300, 350, 0.6f, 520, 0.25f, 0.7f, 0.17f, 0.6f, 203}, nullptr},
    {"rain01.ogg", {}, Rain},
    {"Torch.ogg", {}, Torch},
};
} // namespace

void Synth_AmbienceFiles(std::vector<std::string>& out) {
    for (const Ambience_Recipe& e : kAmbience)
        out.push_back(e.file);
}

bool Synth_RenderAmbience(const char* file, Synth_Buf& buf) {
    for (const Ambience_Recipe& e : kAmbience) {
        if (std::strcmp(e.file, file) != 0) continue;
        buf.Init(kRate, 2, kLoop + kXfade);
        if (e.fill)
            e.fill(buf);
        else
            Wind(buf, e.wind);
        buf.LoopCrossfade(kXfade);
        buf.Normalise(0.5f); // the mix sets the level; this only keeps the encoder in range
        return true;
    }
    return false;
}
