// Buffer helpers, noise, filters, envelopes, plucked strings, bells and the reverb.
#include <algorithm>
#include <cmath>
#include "content/gen/synth.h"

void Synth_Buf::Init(int sample_rate, int channel_count, float seconds) {
    rate = sample_rate;
    channels = channel_count;
    s.assign(static_cast<size_t>(seconds * rate) * channels, 0.0f);
}

void Synth_Buf::AddPan(int i, float v, float pan) {
    if (channels == 1) {
        Add(i, 0, v);
        return;
    }
    float a = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * 0.25f * kSynthPi;
    Add(i, 0, v * std::cos(a) * 1.4142f);
    Add(i, 1, v * std::sin(a) * 1.4142f);
}

void Synth_Buf::Normalise(float peak) {
    float m = 0;
    for (float v : s)
        m = std::max(m, std::fabs(v));
    if (m <= 0) return;
    float g = peak / m;
    for (float& v : s)
        v *= g;
}

void Synth_Buf::FadeEdges(float in_ms, float out_ms) {
    int n = Frames();
    int fi = std::min(n, static_cast<int>(in_ms * rate / 1000));
    int fo = std::min(n, static_cast<int>(out_ms * rate / 1000));
    for (int i = 0; i < fi; ++i)
        for (int c = 0; c < channels; ++c)
            s[static_cast<size_t>(i) * channels + c] *= float(i) / fi;
    for (int i = 0; i < fo; ++i)
        for (int c = 0; c < channels; ++c)
            s[static_cast<size_t>(n - 1 - i) * channels + c] *= float(i) / fo;
}

void Synth_Buf::LoopCrossfade(float xfade_seconds) {
    int n = Frames();
    int x = std::min(n / 2, static_cast<int>(xfade_seconds * rate));
    int len = n - x;
    for (int i = 0; i < x; ++i) {
        // Equal-power blend: the start fades in while the continuation of the end fades out,
        // so frame len-1 flows straight into frame 0.
        float t = (i + 0.5f) / x;
        float gin = std::sin(t * 0.5f * kSynthPi), gout = std::cos(t * 0.5f * kSynthPi);
        for (int c = 0; c < channels; ++c) {
            size_t a = static_cast<size_t>(i) * channels + c;
            size_t b = static_cast<size_t>(len + i) * channels + c;
            s[a] = s[a] * gin + s[b] * gout;
        }
    }
    s.resize(static_cast<size_t>(len) * channels);
}

void Synth_Buf::WrapTail(int frames) {
    int n = Frames();
    if (frames <= 0 || frames >= n) return;
    for (int i = frames; i < n; ++i)
        for (int c = 0; c < channels; ++c)
            s[static_cast<size_t>((i - frames) % frames) * channels + c] +=
                s[static_cast<size_t>(i) * channels + c];
    s.resize(static_cast<size_t>(frames) * channels);
}

uint32_t Synth_Noise::Bits() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float Synth_Noise::Next() {
    return static_cast<float>(Bits() >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

float Synth_Noise::Range(float lo, float hi) {
    return lo + (hi - lo) * (Next() * 0.5f + 0.5f);
}

void Synth_OnePole::Set(float cutoff_hz, int rate) {
    a = 1.0f - std::exp(-2.0f * kSynthPi * cutoff_hz / rate);
}

namespace {
struct Rbj {
    float w, cw, sw, alpha;
    Rbj(float hz, float q, int rate) {
        hz = std::clamp(hz, 10.0f, rate * 0.45f);
        w = 2.0f * kSynthPi * hz / rate;
        cw = std::cos(w);
        sw = std::sin(w);
        alpha = sw / (2.0f * q);
    }
};
void Set_Norm(Synth_Biquad& f, float b0, float b1, float b2, float a0, float a1, float a2) {
    f.b0 = b0 / a0;
    f.b1 = b1 / a0;
    f.b2 = b2 / a0;
    f.a1 = a1 / a0;
    f.a2 = a2 / a0;
}
} // namespace

void Synth_Biquad::LowPass(float hz, float q, int rate) {
    Rbj r(hz, q, rate);
    Set_Norm(*this, (1 - r.cw) / 2, 1 - r.cw, (1 - r.cw) / 2, 1 + r.alpha, -2 * r.cw, 1 - r.alpha);
}

void Synth_Biquad::HighPass(float hz, float q, int rate) {
    Rbj r(hz, q, rate);
    Set_Norm(*this, (1 + r.cw) / 2, -(1 + r.cw), (1 + r.cw) / 2, 1 + r.alpha, -2 * r.cw, 1 - r.alpha);
}

void Synth_Biquad::BandPass(float hz, float q, int rate) {
    Rbj r(hz, q, rate);
    Set_Norm(*this, r.alpha, 0, -r.alpha, 1 + r.alpha, -2 * r.cw, 1 - r.alpha);
}

float Synth_AD(float t, float attack, float decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

float Synth_EndFade(int i, int frames) {
    int fade = std::max(64, frames / 4);
    if (i < frames - fade) return 1.0f;
    float u = float(frames - i) / fade;
    return u <= 0 ? 0.0f : 0.5f - 0.5f * std::cos(u * kSynthPi);
}

float Synth_Sin(float cycles) {
    return std::sin(2.0f * kSynthPi * (cycles - std::floor(cycles)));
}

float Synth_Midi(float note) {
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

void Synth_Pluck(Synth_Buf& buf, int start, float freq, float amp, float seconds, float brightness, float pan,
                 uint32_t seed) {
    // A delay line of one period, filled with shaped noise, fed back through an averaging
    // low-pass: the classic plucked-string model. A fractional all-pass keeps it in tune.
    float damp = 0.5f - 0.3f * std::clamp(brightness, 0.0f, 1.0f);
    float period = buf.rate / freq - damp; // the averaging filter delays by `damp` samples
    int len = std::max(2, static_cast<int>(period - 0.1f));
    float frac = period - len;
    float ap = (1 - frac) / (1 + frac);
    std::vector<float> line(static_cast<size_t>(len));
    Synth_Noise n(seed);
    Synth_OnePole shape;
    shape.Set(200.0f + brightness * 8000.0f, buf.rate);
    for (float& v : line)
        v = shape.Low(n.Next());
    float mean = 0;
    for (float v : line)
        mean += v;
    mean /= len;
    for (float& v : line)
        v -= mean;
    // Feedback for a 60 dB decay over `seconds` at this pitch (clamped to stay stable).
    float fb = std::pow(0.001f, 1.0f / (freq * std::max(seconds, 0.05f)));
    fb = std::min(fb, 0.9995f);
    int frames = static_cast<int>(seconds * buf.rate);
    float prev = 0, ap_x = 0, ap_y = 0;
    size_t pos = 0;
    for (int i = 0; i < frames; ++i) {
        float cur = line[pos];
        float avg = (1 - damp) * cur + damp * prev;
        prev = cur;
        float y = ap * avg + ap_x - ap * ap_y;
        ap_x = avg;
        ap_y = y;
        line[pos] = y * fb;
        pos = (pos + 1) % line.size();
        float tail = i > frames - 256 ? float(frames - i) / 256 : 1.0f;
        buf.AddPan(start + i, cur * amp * tail, pan);
    }
}

void Synth_Bell(Synth_Buf& buf, int start, float freq, float amp, float decay, const Synth_Partial* partials,
                int count, float pan) {
    int frames = static_cast<int>(decay * 7.0f * buf.rate);
    for (int k = 0; k < count; ++k) {
        float f = freq * partials[k].ratio;
        if (f > buf.rate * 0.45f) continue;
        // Higher partials die away faster, as on a struck bar.
        float d = decay / std::sqrt(partials[k].ratio);
        float dphase = f / buf.rate;
        float ph = 0.13f * k;
        for (int i = 0; i < frames; ++i) {
            float t = float(i) / buf.rate;
            float e = Synth_AD(t, 0.002f, d);
            if (e < 1e-4f && t > 0.01f) break;
            buf.AddPan(start + i, Synth_Sin(ph) * e * amp * partials[k].level, pan);
            ph += dphase;
            if (ph > 1) ph -= 1;
        }
    }
}

namespace {
struct Comb {
    std::vector<float> d;
    size_t p = 0;
    float fb, damp, lp = 0;
    float Run(float x) {
        float y = d[p];
        lp = y * (1 - damp) + lp * damp;
        d[p] = x + lp * fb;
        p = (p + 1) % d.size();
        return y;
    }
};
struct AllPass {
    std::vector<float> d;
    size_t p = 0;
    float Run(float x) {
        float y = d[p];
        float o = y - x;
        d[p] = x + y * 0.5f;
        p = (p + 1) % d.size();
        return o;
    }
};
} // namespace

void Synth_Reverb(Synth_Buf& buf, float mix, float size) {
    static const int kComb[4] = {1116, 1188, 1277, 1356};
    static const int kAll[2] = {556, 441};
    float scale = buf.rate / 44100.0f;
    for (int c = 0; c < buf.channels; ++c) {
        Comb combs[4];
        AllPass alls[2];
        for (int k = 0; k < 4; ++k) {
            combs[k].d.assign(static_cast<size_t>((kComb[k] + 23 * c) * scale), 0.0f);
            combs[k].fb = 0.7f + 0.28f * size;
            combs[k].damp = 0.3f;
        }
        for (int k = 0; k < 2; ++k)
            alls[k].d.assign(static_cast<size_t>((kAll[k] + 11 * c) * scale), 0.0f);
        int n = buf.Frames();
        for (int i = 0; i < n; ++i) {
            float& v = buf.s[static_cast<size_t>(i) * buf.channels + c];
            float in = v * 0.25f, wet = 0;
            for (Comb& cb : combs)
                wet += cb.Run(in);
            for (AllPass& a : alls)
                wet = a.Run(wet);
            v = v * (1 - mix) + wet * mix;
        }
    }
}

void Synth_NoiseBurst(Synth_Buf& buf, int start, float seconds, float attack, float decay, float hz, float q,
                      float amp, float pan, uint32_t seed) {
    Synth_Noise n(seed);
    Synth_Biquad f;
    if (hz > 0) f.BandPass(hz, q, buf.rate);
    int frames = Synth_At(buf, seconds);
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / buf.rate;
        float x = hz > 0 ? f.Run(n.Next()) : n.Next();
        buf.AddPan(start + i, x * Synth_AD(t, attack, decay) * amp * Synth_EndFade(i, frames), pan);
    }
}

void Synth_Sweep(Synth_Buf& buf, int start, float seconds, float f0, float f1, float attack, float decay,
                 float amp, float harm, float pan) {
    int frames = Synth_At(buf, seconds);
    float ph = 0;
    float ratio = f1 / f0;
    for (int i = 0; i < frames; ++i) {
        float u = float(i) / frames;
        float f = f0 * std::pow(ratio, u);
        ph += f / buf.rate;
        if (ph > 1) ph -= 1;
        float v = Synth_Sin(ph);
        if (harm > 0) v += harm * (Synth_Sin(3 * ph) / 3 + Synth_Sin(5 * ph) / 5);
        buf.AddPan(start + i, v * Synth_AD(u * seconds, attack, decay) * amp * Synth_EndFade(i, frames), pan);
    }
}
