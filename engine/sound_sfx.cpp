// Effects: the 64-channel pool with its overflow rule, the rising match chimes and the
// success sounds.
#include "engine/sound_module.h"
#include "shell/app_state.h"
#include "shell/players.h"
#include "shell/random.h"

void Sfx_Play(int sound, float volume, float rate, float x, float /*y*/) {
    Sound_Module& m = Sound_M();
    if (!m.out || Player_FxVolume() == 0) return;
    if (sound < 0 || sound >= kSfxSlots || m.effects[sound] == 0) return;
    for (int i = 0; i < kAudioEffectChannels; ++i) {
        if (m.pool_used[i] && !m.out->Is_Playing(i)) {
            m.out->Stop(i);
            m.pool_used[i] = false;
        }
        if (!m.pool_used[i]) {
            m.out->Play(i, m.effects[sound], true);
            m.out->Set_Rate(i, rate);
            m.out->Set_Pan(i, x * 2.0f / ScreenWidth - 1.0f);
            m.out->Set_Volume(i, volume);
            m.out->Pause(i, false);
            m.pool_used[i] = true;
            return;
        }
    }
    // Every channel is busy: a burst of effects this large is cut short altogether.
    for (int i = 0; i < kAudioEffectChannels; ++i) {
        m.out->Stop(i);
        m.pool_used[i] = false;
    }
}

void Sfx_PlayAt(int sound, float x) {
    Sfx_Play(sound, Player_FxVolume(), 1.0f, x, ScreenCenterY);
}

void Sfx_PlayMatch(float x, float y) {
    int sound = static_cast<int>(Rnd(4, 8));
    Sfx_Play(sound, Player_FxVolume(), MatchRate, x, y);
    MatchRateTimer = 2000;
    MatchRate = MatchRate + (1 - MatchRate) * 0.25f;
}

void Sfx_PlaySuccess(float x, float y) {
    int r = Rand(1, 100);
    int sound = r <= 32 ? kSfxSuccess1 : r <= 65 ? kSfxSuccess1 + 1 : kSfxSuccess1 + 2;
    Sfx_Play(sound, Player_FxVolume() * 0.5f, 1.0f, x, y);
}

void MatchRate_Update() {
    if (Audio_Out* out = Sound_Output()) out->Advance(FrameTime / 1000.0f);
    MatchRateTimer = static_cast<int>(MatchRateTimer - FrameTime);
    if (MatchRateTimer <= 0) {
        MatchRateTimer = 2000;
        MatchRate = 0.5f;
    }
}
