// The OpenAL Soft output: one source per channel (64 effects, 2 music, 4 ambience). Pan is
// the direction of a listener-relative source on the horizontal half circle in front of the
// listener; rate is AL_PITCH, which changes pitch and speed together as the game expects.
#include <AL/al.h>
#include <AL/alc.h>
#include <algorithm>
#include <cmath>
#include "engine/audio_out.h"
#include "shell/log.h"

namespace {
struct OpenAL_Out : Audio_Out {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ALuint sources[kAudioChannels] = {};
    std::vector<ALuint> buffers;
    std::vector<float> lengths;
    Audio_Channel_State mirror[kAudioChannels];
    bool cued[kAudioChannels] = {};

    ~OpenAL_Out() override {
        if (context) {
            alSourceStopv(kAudioChannels, sources);
            alDeleteSources(kAudioChannels, sources);
            if (!buffers.empty()) alDeleteBuffers(static_cast<ALsizei>(buffers.size()), buffers.data());
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        if (device) alcCloseDevice(device);
    }

    bool Open() {
        device = alcOpenDevice(nullptr);
        if (!device) return false;
        context = alcCreateContext(device, nullptr);
        if (!context || !alcMakeContextCurrent(context)) return false;
        alGetError();
        alGenSources(kAudioChannels, sources);
        if (alGetError() != AL_NO_ERROR) {
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
            context = nullptr;
            return false;
        }
        alDistanceModel(AL_NONE);
        for (int c = 0; c < kAudioChannels; ++c) {
            alSourcei(sources[c], AL_SOURCE_RELATIVE, AL_TRUE);
            Set_Pan(c, 0);
        }
        return true;
    }

    static bool Valid(int c) { return c >= 0 && c < kAudioChannels; }
    bool Is_Silent() const override { return false; }

    int Buffer_Create(const Sound_Pcm& pcm) override {
        if (pcm.rate <= 0 || (pcm.channels != 1 && pcm.channels != 2) || pcm.samples.empty()) return 0;
        ALuint b = 0;
        alGetError();
        alGenBuffers(1, &b);
        alBufferData(b, pcm.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, pcm.samples.data(),
                     static_cast<ALsizei>(pcm.samples.size() * sizeof(int16_t)), pcm.rate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &b);
            Log_Line("OpenAL refused a sound buffer");
            return 0;
        }
        buffers.push_back(b);
        lengths.push_back(pcm.Seconds());
        return static_cast<int>(buffers.size());
    }
    float Buffer_Seconds(int buffer) const override {
        return buffer >= 1 && buffer <= static_cast<int>(lengths.size()) ? lengths[buffer - 1] : 0.0f;
    }
    void Play(int c, int buffer, bool paused) override {
        if (!Valid(c)) return;
        alSourceStop(sources[c]);
        bool known = buffer >= 1 && buffer <= static_cast<int>(buffers.size());
        alSourcei(sources[c], AL_BUFFER, known ? static_cast<ALint>(buffers[buffer - 1]) : 0);
        mirror[c].buffer = known ? buffer : 0;
        cued[c] = known && paused;
        if (known && !paused) alSourcePlay(sources[c]);
    }
    void Stop(int c) override {
        if (!Valid(c)) return;
        cued[c] = false;
        alSourceStop(sources[c]);
    }
    void Pause(int c, bool paused) override {
        if (!Valid(c)) return;
        if (paused) {
            if (!cued[c]) alSourcePause(sources[c]);
        } else if (cued[c] || State_Of(c) == AL_PAUSED) {
            cued[c] = false;
            alSourcePlay(sources[c]);
        }
    }
    ALint State_Of(int c) {
        ALint st = AL_STOPPED;
        alGetSourcei(sources[c], AL_SOURCE_STATE, &st);
        return st;
    }
    bool Is_Playing(int c) override {
        if (!Valid(c)) return false;
        ALint st = State_Of(c);
        return st == AL_PLAYING || st == AL_PAUSED || (cued[c] && st == AL_INITIAL);
    }
    void Set_Volume(int c, float v) override {
        if (!Valid(c)) return;
        mirror[c].volume = std::clamp(std::isnan(v) ? 0.0f : v, 0.0f, 1.0f);
        alSourcef(sources[c], AL_GAIN, mirror[c].volume);
    }
    void Set_Pan(int c, float p) override {
        if (!Valid(c)) return;
        p = std::clamp(std::isnan(p) ? 0.0f : p, -1.0f, 1.0f);
        mirror[c].pan = p;
        alSource3f(sources[c], AL_POSITION, p, 0.0f, -std::sqrt(1.0f - p * p));
    }
    void Set_Rate(int c, float r) override {
        if (!Valid(c)) return;
        mirror[c].rate = r > 0 ? r : 1.0f;
        alSourcef(sources[c], AL_PITCH, mirror[c].rate);
    }
    void Set_Loop(int c, bool loop) override {
        if (!Valid(c)) return;
        mirror[c].loop = loop;
        alSourcei(sources[c], AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    }
    float Position(int c) override {
        if (!Valid(c)) return 0;
        ALfloat s = 0;
        alGetSourcef(sources[c], AL_SEC_OFFSET, &s);
        return s;
    }
    void Advance(float) override {}
    Audio_Channel_State State(int c) override {
        if (!Valid(c)) return Audio_Channel_State();
        Audio_Channel_State s = mirror[c];
        s.playing = Is_Playing(c);
        s.paused = cued[c] || State_Of(c) == AL_PAUSED;
        s.position = Position(c);
        return s;
    }
};
} // namespace

std::unique_ptr<Audio_Out> Audio_CreateOpenAL() {
    auto out = std::make_unique<OpenAL_Out>();
    if (!out->Open()) {
        Log_Line("No sound device; the game runs silent");
        return nullptr;
    }
    return out;
}
