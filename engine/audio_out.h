// The sound output: a fixed set of channels, each playing one decoded sound buffer with its
// own volume, pan and rate. Two implementations behind one interface: OpenAL Soft, and a
// silent output (no device, or headless) that accepts every call and tracks channel state.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

constexpr int kAudioEffectChannels = 64;                                    // channels 0..63
constexpr int kAudioMusicChannels = 2;                                      // channels 64..65
constexpr int kAudioAmbienceChannels = 4;                                   // channels 66..69
constexpr int kAudioMusicBase = kAudioEffectChannels;                       // first music channel
constexpr int kAudioAmbienceBase = kAudioMusicBase + kAudioMusicChannels;   // first ambience channel
constexpr int kAudioChannels = kAudioAmbienceBase + kAudioAmbienceChannels; // 70 in all

// A decoded sound: interleaved signed 16-bit samples.
struct Sound_Pcm {
    int rate = 0;                 // samples per second per channel
    int channels = 0;             // 1 mono, 2 stereo
    std::vector<int16_t> samples; // frames x channels
    float Seconds() const {
        return rate > 0 && channels > 0 ? float(samples.size()) / channels / rate : 0.0f;
    }
};

// What a channel is doing, as the game last set it.
struct Audio_Channel_State {
    int buffer = 0;        // buffer id, 0 none
    bool playing = false;  // started (or cued) and neither stopped nor at its end
    bool paused = false;   // cued or paused: holds its place without advancing
    bool loop = false;     // wraps at the end instead of stopping
    float volume = 1.0f;   // 0..1
    float pan = 0.0f;      // -1 full left .. 0 centre .. +1 full right
    float rate = 1.0f;     // 1 normal; 0.5 an octave lower and half as fast
    float position = 0.0f; // seconds into the buffer
};

struct Audio_Out {
    virtual ~Audio_Out() = default;
    // True for the silent output.
    virtual bool Is_Silent() const = 0;
    // Takes a copy of a decoded sound; returns its buffer id (1 or more), 0 on failure.
    virtual int Buffer_Create(const Sound_Pcm& pcm) = 0;
    // Length of a buffer in seconds (0 for an unknown id).
    virtual float Buffer_Seconds(int buffer) const = 0;
    // Starts buffer on channel ch from the beginning, replacing what played there; paused
    // cues it without starting. Volume, pan, rate and loop of the channel are kept.
    virtual void Play(int ch, int buffer, bool paused) = 0;
    virtual void Stop(int ch) = 0;
    virtual void Pause(int ch, bool paused) = 0;
    // True while the channel holds a sound that is playing or paused.
    virtual bool Is_Playing(int ch) = 0;
    virtual void Set_Volume(int ch, float volume) = 0; // 0..1
    virtual void Set_Pan(int ch, float pan) = 0;       // -1..+1
    virtual void Set_Rate(int ch, float rate) = 0;     // pitch and speed factor, > 0
    virtual void Set_Loop(int ch, bool loop) = 0;
    // Seconds into the channel's buffer.
    virtual float Position(int ch) = 0;
    // Elapsed real time: the silent output moves its channels on by this many seconds; a
    // device output plays by itself and ignores it.
    virtual void Advance(float seconds) = 0;
    // The channel's state (for tests and diagnostics); channels outside 0..69 read as idle.
    virtual Audio_Channel_State State(int ch) = 0;
};

// The silent output.
std::unique_ptr<Audio_Out> Audio_CreateSilent();
// The OpenAL Soft output, or null (with a log line) when no device opens.
std::unique_ptr<Audio_Out> Audio_CreateOpenAL();
// Asks the factory for the silent output from now on (headless runs, tests).
void Audio_ForceSilent(bool silent);
// OpenAL unless silence was asked for or no device opens; then the silent output.
std::unique_ptr<Audio_Out> Audio_CreateOutput();
