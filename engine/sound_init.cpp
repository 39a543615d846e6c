// Sound manager set-up: the output, the effect and ambience tables, reset and mute.
#include <cstring>
#include "engine/sound_decode.h"
#include "engine/sound_module.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/resource.h"

int MusicSlot = 0;
float WeatherSoundFactor = 1.0f;
float MatchRate = 0.5f;
int MatchRateTimer = 0;

namespace {
void Load_Ambience(Sound_Module& m) {
    // Slot 4 is a second, separate load of the same wind; slots 6 and 7 share it.
    for (int i = 0; i < 6; ++i)
        m.ambience[i] = Sound_LoadBuffer(Ambience_File(i));
    m.ambience[6] = m.ambience[4];
    m.ambience[7] = m.ambience[4];
    if (m.music[0]) m.ambience[8] = m.music[0];
}
} // namespace

Sound_Module& Sound_M() {
    static Sound_Module m;
    return m;
}

int Sound_LoadBuffer(const char* file) {
    Sound_Module& m = Sound_M();
    if (!m.out || !file) return 0;
    Sound_Pcm pcm;
    if (!Sound_Load(Asset_Path(std::string(".\\sounds\\") + file), pcm)) return 0;
    return m.out->Buffer_Create(pcm);
}

void Audio_Init() {
    Sound_Module& m = Sound_M();
    if (!m.out) m.out = Audio_CreateOutput();
    // Music and ambience channels are fixed output channels; they start stopped.
    for (int c = kAudioMusicBase; c < kAudioChannels; ++c)
        m.out->Stop(c);
    Load_Ambience(m);
    if (m.effects[0] == 0)
        for (int i = 0; i < kSfxSlots; ++i)
            m.effects[i] = Sound_LoadBuffer(Sfx_File(i));
}

void Sound_Reset() {
    Sound_Module& m = Sound_M();
    m = Sound_Module();
    MusicSlot = 0;
    WeatherSoundFactor = 1.0f;
    MatchRate = 0.5f;
    MatchRateTimer = 0;
}

Audio_Out* Sound_Output() {
    return Sound_M().out.get();
}

void Audio_Mute() {
    Sound_Module& m = Sound_M();
    if (!m.out) return;
    m.out->Advance(FrameTime / 1000.0f);
    for (int c = kAudioMusicBase; c < kAudioChannels; ++c)
        m.out->Set_Volume(c, 0);
}

Sound_Debug Sound_GetDebug() {
    Sound_Module& m = Sound_M();
    Sound_Debug d{m.music_current,
                  m.music_old,
                  m.music_fade_in,
                  m.music_fade_out,
                  m.amb_cur0,
                  m.amb_cur1,
                  m.amb_old0,
                  m.amb_old1,
                  m.amb_primary,
                  m.amb_secondary,
                  m.amb_last_pack,
                  m.amb_state,
                  m.amb_old_state,
                  m.amb_repeat_timer,
                  m.amb_fade_in,
                  m.amb_old_volume,
                  {},
                  {},
                  {}};
    std::memcpy(d.effect_buffer, m.effects, sizeof m.effects);
    std::memcpy(d.music_buffer, m.music, sizeof m.music);
    std::memcpy(d.ambience_buffer, m.ambience, sizeof m.ambience);
    return d;
}
