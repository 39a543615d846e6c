// Small synthesis toolkit for the content generator: a float sample buffer, a seeded noise
// source, filters, envelopes, plucked strings, a room reverb and the Ogg Vorbis / WAV
// encoders. Everything is deterministic: the same calls give the same samples.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr float kSynthPi = 3.14159265358979f;

// Interleaved float samples, nominally -1..1.
struct Synth_Buf {
    int rate = 44100;     // samples per second
    int channels = 1;     // 1 mono, 2 stereo (left, right)
    std::vector<float> s; // frames x channels values

    // Allocates seconds of silence.
    void Init(int sample_rate, int channel_count, float seconds);
    int Frames() const { return channels ? static_cast<int>(s.size()) / channels : 0; }
    // Adds v to frame i of channel c (ignored outside the buffer).
    void Add(int i, int c, float v) {
        size_t k = static_cast<size_t>(i) * channels + c;
        if (i >= 0 && k < s.size()) s[k] += v;
    }
    // Adds a mono value to both channels with a pan (-1 left .. +1 right, equal power).
    void AddPan(int i, float v, float pan);
    // Scales so the largest magnitude becomes peak.
    void Normalise(float peak);
    // Short linear ramps at both ends (ms) so the sound starts and stops without a click.
    void FadeEdges(float in_ms, float out_ms);
    // Makes the buffer loop seamlessly: the last xfade seconds are blended into the start
    // and dropped, so playing it again and again has no seam.
    void LoopCrossfade(float xfade_seconds);
    // Adds the part beyond `frames` onto the start (a tail that wraps round a loop), then cuts.
    void WrapTail(int frames);
};

// Seeded white noise (xorshift32); Next() is uniform in -1..1.
struct Synth_Noise {
    uint32_t state;
    explicit Synth_Noise(uint32_t seed) : state(seed ? seed : 0x1234567u) {}
    uint32_t Bits();
    float Next();
    // Uniform in lo..hi.
    float Range(float lo, float hi);
};

// One-pole low-pass; cutoff in Hz.
struct Synth_OnePole {
    float a = 0, y = 0;
    void Set(float cutoff_hz, int rate);
    float Low(float x) { return y += a * (x - y); }
};

// Biquad filter (RBJ cookbook); frequencies in Hz.
struct Synth_Biquad {
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
    void LowPass(float hz, float q, int rate);
    void HighPass(float hz, float q, int rate);
    void BandPass(float hz, float q, int rate); // peak gain 1
    float Run(float x) {
        float y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// Attack-decay envelope: linear rise over attack seconds, then exp(-t / decay).
float Synth_AD(float t, float attack, float decay);
// Gain of frame i of a sound `frames` long: 1, then a raised-cosine fall to 0 over the last
// quarter (at least 64 frames), so a voice ends without a step.
float Synth_EndFade(int i, int frames);
// Sine of a phase given in cycles.
float Synth_Sin(float cycles);
// Frequency in Hz of a MIDI note number (69 = A 440).
float Synth_Midi(float note);

// Plucked string (Karplus-Strong) added to buf from frame start: freq Hz, amp 0..1, seconds
// long, brightness 0..1 (how bright the pluck is), pan -1..1. seed picks the excitation.
void Synth_Pluck(Synth_Buf& buf, int start, float freq, float amp, float seconds, float brightness, float pan,
                 uint32_t seed);
// Bell or chime: inharmonic partials (ratio, level) with decay seconds for the fundamental.
struct Synth_Partial {
    float ratio, level;
};
void Synth_Bell(Synth_Buf& buf, int start, float freq, float amp, float decay, const Synth_Partial* partials,
                int count, float pan);

// Schroeder room reverb over the whole buffer: mix 0..1 of wet signal, size 0..1.
void Synth_Reverb(Synth_Buf& buf, float mix, float size);

// Ends an effect in its own decay: what follows the last sample above (below_db - 6) dB of the
// peak is dropped and 40 ms of it kept; a sound still ringing at the end of its buffer is
// faded out over its last fifth first.
void Synth_ShapeEnd(Synth_Buf& b, float below_db);
// Look-ahead peak limiter: no sample magnitude above ceiling, with a smooth gain curve.
void Synth_Limit(Synth_Buf& b, float ceiling);
// Scales every sample by db decibels.
void Synth_Gain(Synth_Buf& b, double db);

// Ogg Vorbis at quality -0.1..1 (vorbisenc VBR); false when the encoder refuses.
bool Synth_EncodeOgg(const Synth_Buf& buf, float quality, std::vector<uint8_t>& out);
// 16-bit PCM WAV.
void Synth_EncodeWav(const Synth_Buf& buf, std::vector<uint8_t>& out);

// Filtered noise burst from frame start, faded out over its last quarter: attack and decay
// seconds, band-pass at hz with q (hz 0: unfiltered), amp, pan.
void Synth_NoiseBurst(Synth_Buf& buf, int start, float seconds, float attack, float decay, float hz, float q,
                      float amp, float pan, uint32_t seed);
// Sine gliding exponentially from f0 to f1 Hz over seconds, with an attack-decay envelope that
// also fades out over the last quarter; `harm` adds odd harmonics (0 pure sine .. 1 hollow,
// reedy).
void Synth_Sweep(Synth_Buf& buf, int start, float seconds, float f0, float f1, float attack, float decay,
                 float amp, float harm, float pan);
// Frame index of a time in seconds.
inline int Synth_At(const Synth_Buf& buf, float seconds) {
    return static_cast<int>(seconds * buf.rate);
}
