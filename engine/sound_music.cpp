// Music: tracks decoded on first use, the first play of a track cross-fading from the old
// music, restarts at the end, and the volume following the player's setting.
#include <algorithm>
#include "engine/gfx.h"
#include "engine/sound_module.h"
#include "shell/app_state.h"
#include "shell/players.h"

namespace {
void Fresh_Channel(Sound_Module& m, int index) {
    int c = Music_Channel(index);
    m.out->Stop(c);
    m.out->Set_Volume(c, 1.0f);
    m.out->Set_Pan(c, 0);
    m.out->Set_Rate(c, 1.0f);
}
} // namespace

void Music_Load(int track, int skip_present) {
    Sound_Module& m = Sound_M();
    if (skip_present != 1) Gfx_Present(-1);
    if (track < 0 || track >= kMusicSlots) return;
    MusicSlot = track;
    if (track > 3 || m.music[track] || m.music_failed[track]) return;
    m.music[track] = Sound_LoadBuffer(Music_File(track));
    m.music_failed[track] = m.music[track] == 0;
    if (track == 0) m.ambience[8] = m.music[0];
}

bool Music_Play(int track) {
    Sound_Module& m = Sound_M();
    if (!m.out || Player_MusicVolume() == 0) return false;
    if (track < 0 || track > 3 || m.music_failed[track]) return false;
    if (m.music[track] == 0) {
        Music_Load(track, 0);
        if (m.music[track] == 0) return false;
        std::swap(m.music_current, m.music_old);
        m.music_fade_out = Player_MusicVolume();
        m.music_fade_in = 0;
    }
    int c = Music_Channel(m.music_current);
    m.out->Play(c, m.music[track], false);
    m.out->Set_Volume(c, 0);
    MusicSlot = track;
    return true;
}

void Music_Update() {
    Sound_Module& m = Sound_M();
    if (!m.out) return;
    const float vol = Player_MusicVolume();
    int cur = Music_Channel(m.music_current), old = Music_Channel(m.music_old);
    if (!m.out->Is_Playing(cur)) Music_Play(MusicSlot);
    m.out->Set_Volume(cur, vol);
    if (m.music_fade_in < vol && m.out->Is_Playing(cur)) {
        m.out->Set_Volume(cur, m.music_fade_in);
        m.music_fade_in = std::min(m.music_fade_in + FrameDt * 0.2f, vol);
    }
    if (m.music_fade_out > 0) {
        if (m.out->Is_Playing(old)) {
            m.out->Set_Volume(old, m.music_fade_out);
            m.music_fade_out = std::max(m.music_fade_out - FrameDt * 0.2f, 0.0f);
        }
    } else if (m.out->Is_Playing(old)) {
        Fresh_Channel(m, m.music_old);
    }
}
