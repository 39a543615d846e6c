// Internal state of the sound manager, shared by its effect, music and ambience files.
#pragma once
#include <memory>
#include "engine/sound.h"

struct Sound_Module {
    std::unique_ptr<Audio_Out> out;
    int effects[kSfxSlots] = {};               // buffer ids, 0 empty
    bool pool_used[kAudioEffectChannels] = {}; // effect pool slot i holds output channel i
    int music[kMusicSlots] = {};
    bool music_failed[kMusicSlots] = {}; // a track that failed to decode is not retried
    int music_current = 0, music_old = 1;
    float music_fade_in = 0, music_fade_out = 0;
    int ambience[kAmbienceSlots] = {};
    int amb_cur0 = 0, amb_cur1 = 1, amb_old0 = 2, amb_old1 = 3;
    int amb_primary = kAmbienceNone, amb_secondary = kAmbienceNone, amb_last_pack = 999;
    int amb_state = 0, amb_old_state = 0, amb_repeat_timer = 0;
    float amb_fade_in = 0, amb_old_volume = 0;
};

Sound_Module& Sound_M();
// Output channel of music channel index 0/1 and of ambience channel index 0..3.
inline int Music_Channel(int index) {
    return kAudioMusicBase + index;
}
inline int Ambience_Channel(int index) {
    return kAudioAmbienceBase + index;
}
// Decodes a sound below ".\sounds\" into a buffer of the output; 0 when it can't.
int Sound_LoadBuffer(const char* file);
