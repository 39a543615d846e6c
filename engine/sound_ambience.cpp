// Ambience: a primary and an optional secondary loop per pack, cross-faded against the pair
// that played before; the menu music doubles as a secondary repeated with pauses.
#include <algorithm>
#include "engine/sound_module.h"
#include "shell/app_state.h"
#include "shell/players.h"
#include "shell/random.h"

namespace {
// Primary and secondary ambience slot of packs 0..4 (Neutral, Water, Ice, Fire, Precious).
const int kPackAmbience[5][2] = {{6, 6}, {2, 3}, {0, 1}, {4, 5}, {7, 8}};
constexpr int kMusicAsAmbience = 8;

void Swap_Pairs(Sound_Module& m) {
    if (m.amb_cur0 >= 2) {
        m.amb_cur0 = 0, m.amb_cur1 = 1, m.amb_old0 = 2, m.amb_old1 = 3;
    } else {
        m.amb_cur0 = 2, m.amb_cur1 = 3, m.amb_old0 = 0, m.amb_old1 = 1;
    }
}

void Play_Primary(Sound_Module& m) {
    if (Player_AmbientVolume() == 0) return;
    m.out->Play(Ambience_Channel(m.amb_cur0), m.ambience[m.amb_primary], false);
}

void Play_Secondary(Sound_Module& m) {
    if (Player_AmbientVolume() == 0) return;
    if (m.amb_secondary == kMusicAsAmbience) {
        m.amb_repeat_timer -= static_cast<int>(FrameTime);
        if (m.amb_repeat_timer >= 0) return;
        m.amb_repeat_timer = Rand(1, 3000) + 3000;
    }
    m.out->Play(Ambience_Channel(m.amb_cur1), m.ambience[m.amb_secondary], false);
}

void Old_Pair_Fades(Sound_Module& m) {
    m.amb_old_state = 3;
    m.amb_old_volume = Player_AmbientVolume();
    Swap_Pairs(m);
}
} // namespace

void Ambience_StartLevel(int pack_id) {
    Sound_Module& m = Sound_M();
    if (!m.out) return;
    if (pack_id != m.amb_last_pack) {
        m.amb_state = 0;
        m.amb_last_pack = pack_id;
        Old_Pair_Fades(m);
    }
    if (m.amb_state != 0) return;
    int pack = pack_id >= 0 && pack_id < 5 ? pack_id : 0;
    m.amb_primary = kPackAmbience[pack][0];
    m.amb_secondary = kPackAmbience[pack][1];
    Play_Primary(m);
    m.out->Set_Volume(Ambience_Channel(m.amb_cur0), 0.001f);
    if (m.amb_secondary != kAmbienceNone) {
        Play_Secondary(m);
        m.out->Set_Volume(Ambience_Channel(m.amb_cur1), 0.001f);
    }
    m.amb_state = 1;
}

void Ambience_StartMenu() {
    Sound_Module& m = Sound_M();
    if (!m.out) return;
    m.amb_state = 0;
    Old_Pair_Fades(m);
    m.amb_primary = m.amb_secondary = kAmbienceNone;
    Play_Primary(m);
    m.out->Set_Volume(Ambience_Channel(m.amb_cur0), 0.001f);
    m.amb_state = 1;
}

void Ambience_Update() {
    Sound_Module& m = Sound_M();
    if (!m.out || m.amb_state == 0) return;
    const float v = Player_AmbientVolume();
    float level = v, old_level = 0;
    if (m.amb_state == 1) {
        m.amb_fade_in += FrameTime * 0.00005f;
        if (m.amb_fade_in > 1) {
            m.amb_fade_in = 1;
            m.amb_state = 2;
        }
        level = m.amb_fade_in * v;
    }
    if (m.amb_old_state == 3) {
        m.amb_old_volume -= FrameTime * 0.0001f;
        if (!(m.amb_old_volume >= 0)) {
            m.amb_old_volume = 0;
            m.amb_old_state = 0;
        }
        old_level = m.amb_old_volume * v;
    }
    const int cur0 = Ambience_Channel(m.amb_cur0), cur1 = Ambience_Channel(m.amb_cur1);
    const int old0 = Ambience_Channel(m.amb_old0), old1 = Ambience_Channel(m.amb_old1);
    if (!m.out->Is_Playing(cur0)) Play_Primary(m);
    level = std::max(level, 0.001f);
    old_level = std::max(old_level, 0.001f);
    if (m.amb_secondary != kAmbienceNone) {
        if (!m.out->Is_Playing(cur1)) Play_Secondary(m);
        m.out->Set_Volume(cur1, level);
    }
    m.out->Set_Volume(cur0, level * WeatherSoundFactor);
    if (m.out->Is_Playing(old0)) m.out->Set_Volume(old0, old_level * WeatherSoundFactor);
    if (m.out->Is_Playing(old1)) m.out->Set_Volume(old1, old_level);
    if (m.amb_old_volume == 0) {
        m.out->Set_Volume(old0, 0);
        m.out->Set_Volume(old1, 0);
    }
}
