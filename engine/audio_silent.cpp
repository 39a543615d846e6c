// The silent output: keeps each channel's state and moves play positions on by the elapsed
// time it is told, so a headless run behaves like one with a sound card, minus the sound.
// Also the output factory.
#include <algorithm>
#include <cmath>
#include "engine/audio_out.h"

namespace {
bool g_force_silent = false;

struct Silent_Out : Audio_Out {
    std::vector<float> lengths; // seconds per buffer id - 1
    Audio_Channel_State ch[kAudioChannels];

    static bool Valid(int c) { return c >= 0 && c < kAudioChannels; }
    bool Is_Silent() const override { return true; }

    int Buffer_Create(const Sound_Pcm& pcm) override {
        if (pcm.rate <= 0 || pcm.channels <= 0) return 0;
        lengths.push_back(pcm.Seconds());
        return static_cast<int>(lengths.size());
    }
    float Buffer_Seconds(int buffer) const override {
        return buffer >= 1 && buffer <= static_cast<int>(lengths.size()) ? lengths[buffer - 1] : 0.0f;
    }
    void Play(int c, int buffer, bool paused) override {
        if (!Valid(c)) return;
        ch[c].buffer = buffer;
        ch[c].playing = Buffer_Seconds(buffer) > 0;
        ch[c].paused = paused;
        ch[c].position = 0;
    }
    void Stop(int c) override {
        if (!Valid(c)) return;
        ch[c].playing = false;
        ch[c].paused = false;
        ch[c].position = 0;
    }
    void Pause(int c, bool paused) override {
        if (Valid(c)) ch[c].paused = paused;
    }
    bool Is_Playing(int c) override { return Valid(c) && ch[c].playing; }
    void Set_Volume(int c, float v) override {
        if (Valid(c)) ch[c].volume = std::clamp(std::isnan(v) ? 0.0f : v, 0.0f, 1.0f);
    }
    void Set_Pan(int c, float p) override {
        if (Valid(c)) ch[c].pan = std::clamp(std::isnan(p) ? 0.0f : p, -1.0f, 1.0f);
    }
    void Set_Rate(int c, float r) override {
        if (Valid(c)) ch[c].rate = r > 0 ? r : 1.0f;
    }
    void Set_Loop(int c, bool loop) override {
        if (Valid(c)) ch[c].loop = loop;
    }
    float Position(int c) override { return Valid(c) ? ch[c].position : 0.0f; }
    void Advance(float seconds) override {
        if (!(seconds > 0)) return;
        for (Audio_Channel_State& s : ch) {
            if (!s.playing || s.paused) continue;
            float len = Buffer_Seconds(s.buffer);
            s.position += seconds * s.rate;
            if (s.position < len) continue;
            if (s.loop && len > 0) {
                s.position = std::fmod(s.position, len);
            } else {
                s.playing = false;
                s.position = 0;
            }
        }
    }
    Audio_Channel_State State(int c) override { return Valid(c) ? ch[c] : Audio_Channel_State(); }
};
} // namespace

std::unique_ptr<Audio_Out> Audio_CreateSilent() {
    return std::make_unique<Silent_Out>();
}

void Audio_ForceSilent(bool silent) {
    g_force_silent = silent;
}

std::unique_ptr<Audio_Out> Audio_CreateOutput() {
    if (!g_force_silent) {
        if (std::unique_ptr<Audio_Out> al = Audio_CreateOpenAL()) return al;
    }
    return Audio_CreateSilent();
}
