// The game's short effects: interface clicks, pearl hits and chimes, the bow, rolling pearls,
// rewards and power-ups. Each recipe fills a silent mono buffer of the length its table gives.
#include <cmath>
#include "content/gen/synth_sfx.h"

namespace {
// Glassy pearl / celesta tone: nearly harmonic partials, bright, quick to fade.
const Synth_Partial kGlass[] = {{1.0f, 1.0f}, {2.0f, 0.32f}, {3.01f, 0.12f}, {4.17f, 0.07f}, {6.8f, 0.03f}};
// Struck metal: clearly inharmonic, long ring.
const Synth_Partial kMetal[] = {{1.0f, 1.0f}, {2.76f, 0.5f}, {5.40f, 0.28f}, {8.93f, 0.14f}, {13.3f, 0.06f}};
// Small bell used for sparkles.
const Synth_Partial kBell[] = {{1.0f, 1.0f}, {2.4f, 0.45f}, {3.0f, 0.3f}, {4.5f, 0.2f}, {5.9f, 0.1f}};

void Glass(Synth_Buf& b, float t, float note, float amp, float decay, float pan = 0) {
    Synth_Bell(b, Synth_At(b, t), Synth_Midi(note), amp, decay, kGlass, 5, pan);
}

// A pearl touching pearls: a short ceramic tock, a click, and the knock of the pearls' body
// (a resonance in the low mids, so it carries on small speakers).
void Tock(Synth_Buf& b, float t, float hz, float amp, uint32_t seed) {
    Synth_Bell(b, Synth_At(b, t), hz, amp, 0.025f, kGlass, 4, 0);
    Synth_NoiseBurst(b, Synth_At(b, t), 0.03f, 0.0005f, 0.004f, hz * 1.6f, 1.2f, amp * 1.4f, 0, seed);
    Synth_NoiseBurst(b, Synth_At(b, t), 0.06f, 0.0005f, 0.012f, hz * 0.32f, 4.0f, amp * 1.6f, 0, seed + 1);
    Synth_Sweep(b, Synth_At(b, t), 0.08f, 420, 240, 0.001f, 0.018f, amp * 0.7f, 0.3f, 0);
}

// The body of a heavy impact: a thump that falls through the low mids, a crunch of band-
// limited noise between 300 Hz and 2 kHz, and debris that patters on after it.
void Impact(Synth_Buf& b, float t, float thump_hz, float amp, float length, uint32_t seed) {
    int at = Synth_At(b, t);
    Synth_Sweep(b, at, length * 0.5f, thump_hz, thump_hz * 0.5f, 0.001f, length * 0.12f, amp, 0.7f, 0);
    Synth_NoiseBurst(b, at, length * 0.7f, 0.001f, length * 0.14f, 700, 0.8f, amp * 1.3f, 0, seed);
    Synth_NoiseBurst(b, at, length * 0.4f, 0.0005f, length * 0.05f, 1600, 1.0f, amp * 0.8f, 0, seed + 1);
    Synth_Noise n(seed + 2);
    for (int k = 0; k < 14; ++k) {
        float d = n.Range(0.04f, 0.7f) * length;
        float fall = 1.0f - d / length;
        Synth_NoiseBurst(b, at + Synth_At(b, d), 0.03f, 0.0005f, 0.006f, n.Range(500, 2200), 2.5f,
                         amp * 0.5f * fall * fall, 0, n.Bits());
    }
}

// Rolling pearls: low rumble plus a patter of small knocks whose rate follows `speed`.
void Roll(Synth_Buf& b, float speed, float brightness, uint32_t seed) {
    Synth_Noise n(seed);
    Synth_Biquad lp;
    lp.LowPass(180 + 500 * brightness, 0.9f, b.rate);
    int frames = b.Frames();
    float len = float(frames) / b.rate;
    for (int i = 0; i < frames; ++i) {
        float t = float(i) / b.rate;
        float env = std::fmin(t / 0.25f, 1.0f) * std::fmin((len - t) / 0.6f, 1.0f);
        float wob = 0.75f + 0.25f * Synth_Sin(t * 3.1f * speed);
        b.Add(i, 0, lp.Run(n.Next()) * 0.9f * env * wob);
    }
    float t = 0.02f;
    while (t < len - 0.2f) {
        float env = std::fmin(t / 0.25f, 1.0f) * std::fmin((len - t) / 0.6f, 1.0f);
        Tock(b, t, n.Range(900, 1700), 0.08f * env, n.Bits());
        t += n.Range(0.03f, 0.11f) / speed;
    }
}

void Click(Synth_Buf& b) {
    Synth_NoiseBurst(b, 0, 0.03f, 0.0003f, 0.003f, 2600, 1.5f, 0.9f, 0, 11);
    Synth_Sweep(b, 0, 0.05f, 1400, 900, 0.0005f, 0.01f, 0.5f, 0.3f, 0);
    Synth_NoiseBurst(b, 0, 0.06f, 0.0005f, 0.012f, 650, 5.0f, 0.9f, 0, 12);
}

void Hover(Synth_Buf& b) {
    Synth_Sweep(b, 0, 0.07f, 1500, 2100, 0.004f, 0.02f, 0.35f, 0, 0);
}

void HitString1(Synth_Buf& b) {
    Tock(b, 0, 1850, 0.8f, 21);
    Synth_Sweep(b, 0, 0.16f, 200, 110, 0.002f, 0.04f, 0.5f, 0.4f, 0);
}

void HitString2(Synth_Buf& b) {
    Tock(b, 0, 2250, 0.7f, 22);
    Tock(b, 0.028f, 1650, 0.45f, 23);
    Synth_Sweep(b, 0, 0.16f, 230, 120, 0.002f, 0.04f, 0.45f, 0.4f, 0);
}

// Match chimes: three quick notes of a pentatonic chord, built to stay sweet an octave down.
void Match(Synth_Buf& b, float n0, float n1, float n2) {
    Tock(b, 0, 2000, 0.25f, 31);
    Glass(b, 0.0f, n0, 0.55f, 0.18f, -0.1f);
    Glass(b, 0.045f, n1, 0.5f, 0.18f, 0.0f);
    Glass(b, 0.09f, n2, 0.5f, 0.2f, 0.1f);
}
void Match1(Synth_Buf& b) {
    Match(b, 81, 85, 88);
}
void Match2(Synth_Buf& b) {
    Match(b, 83, 88, 90);
}
void Match3(Synth_Buf& b) {
    Match(b, 85, 88, 93);
}
void Match4(Synth_Buf& b) {
    Match(b, 81, 88, 93);
}

void BowRelease(Synth_Buf& b) {
    // The shot: a sharp snap of the string, its short twang, the thump of the pearl leaving
    // and a brief rush of air.
    Synth_NoiseBurst(b, 0, 0.012f, 0.0001f, 0.0015f, 0, 1, 1.0f, 0, 41);
    Synth_NoiseBurst(b, 0, 0.03f, 0.0002f, 0.005f, 3200, 1.2f, 0.8f, 0, 42);
    Synth_Pluck(b, 0, 196, 0.55f, 0.22f, 0.85f, 0, 43);
    Synth_Pluck(b, 0, 147, 0.35f, 0.18f, 0.7f, 0, 44);
    Synth_Sweep(b, 0, 0.12f, 260, 120, 0.0005f, 0.025f, 0.7f, 0.5f, 0);
    Synth_NoiseBurst(b, 0, 0.14f, 0.002f, 0.035f, 1300, 0.9f, 0.45f, 0, 45);
}

void BowTurn(Synth_Buf& b) {
    // Wooden creak: a run of tiny knocks, speeding up, through a wood-like resonance.
    Synth_Noise n(51);
    float t = 0, gap = 0.018f;
    while (t < 0.2f) {
        Synth_NoiseBurst(b, Synth_At(b, t), 0.02f, 0.0005f, 0.004f, 650 + 300 * t, 6.0f, 0.9f, 0, n.Bits());
        t += gap * n.Range(0.7f, 1.3f);
        gap *= 0.93f;
    }
}

void RollSlow(Synth_Buf& b) {
    Roll(b, 1.0f, 0.2f, 61);
}
void RollFast(Synth_Buf& b) {
    Roll(b, 2.2f, 0.6f, 62);
}

void StringsConnect(Synth_Buf& b) {
    Tock(b, 0, 1500, 0.8f, 71);
    Tock(b, 0.05f, 1300, 0.6f, 72);
    Synth_Sweep(b, 0, 0.22f, 190, 100, 0.002f, 0.05f, 0.7f, 0.5f, 0);
}

void Wop(Synth_Buf& b) {
    Synth_Sweep(b, 0, 0.26f, 220, 620, 0.02f, 0.08f, 0.7f, 0.2f, 0);
}

void Success(Synth_Buf& b, float n0, float n1, float n2) {
    Synth_Bell(b, 0, Synth_Midi(n0), 0.5f, 0.22f, kBell, 5, -0.2f);
    Synth_Bell(b, Synth_At(b, 0.08f), Synth_Midi(n1), 0.45f, 0.22f, kBell, 5, 0.0f);
    Synth_Bell(b, Synth_At(b, 0.16f), Synth_Midi(n2), 0.5f, 0.3f, kBell, 5, 0.2f);
    Synth_NoiseBurst(b, 0, 0.6f, 0.05f, 0.15f, 7000, 2.0f, 0.08f, 0, 81);
}
void Success1(Synth_Buf& b) {
    Success(b, 79, 83, 86);
}
void Success2(Synth_Buf& b) {
    Success(b, 81, 85, 88);
}
void Success3(Synth_Buf& b) {
    Success(b, 83, 86, 91);
}

void GetHammer(Synth_Buf& b) {
    Synth_Sweep(b, 0, 0.5f, 300, 1200, 0.3f, 0.2f, 0.25f, 0.4f, 0);
    Synth_Bell(b, Synth_At(b, 0.35f), 660, 0.6f, 0.3f, kMetal, 5, 0);
    Synth_Bell(b, Synth_At(b, 0.45f), 990, 0.4f, 0.3f, kMetal, 5, 0);
}

void Hammer(Synth_Buf& b) {
    Synth_Sweep(b, 0, 0.5f, 110, 45, 0.001f, 0.12f, 0.7f, 0, 0);
    Impact(b, 0, 240, 0.8f, 0.6f, 91);
    Synth_Bell(b, 0, 440, 0.35f, 0.2f, kMetal, 5, 0);
}

void LevelWin(Synth_Buf& b) {
    // Harp run up a D major arpeggio, then a bell-topped chord.
    const float run[] = {62, 66, 69, 74, 78, 81, 86};
    for (int i = 0; i < 7; ++i)
        Synth_Pluck(b, Synth_At(b, 0.07f * i), Synth_Midi(run[i]), 0.45f, 1.6f, 0.6f, 0, 100 + i);
    const float chord[] = {62, 69, 74, 78, 81};
    for (int i = 0; i < 5; ++i)
        Synth_Pluck(b, Synth_At(b, 0.6f), Synth_Midi(chord[i]), 0.4f, 2.4f, 0.5f, 0, 110 + i);
    Synth_Bell(b, Synth_At(b, 0.6f), Synth_Midi(86), 0.4f, 0.4f, kBell, 5, 0);
    Synth_Sweep(b, Synth_At(b, 0.6f), 2.4f, Synth_Midi(74), Synth_Midi(74), 0.15f, 0.8f, 0.25f, 0.3f, 0);
}

void Fireball(Synth_Buf& b) {
    Synth_NoiseBurst(b, 0, 1.1f, 0.05f, 0.35f, 500, 0.6f, 1.0f, 0, 121);
    Synth_NoiseBurst(b, 0, 0.6f, 0.005f, 0.12f, 2500, 1.0f, 0.4f, 0, 122);
    Synth_Sweep(b, 0, 0.8f, 180, 60, 0.01f, 0.25f, 0.5f, 0.6f, 0);
}

void Precision(Synth_Buf& b) {
    Synth_Sweep(b, 0, 0.7f, 900, 2400, 0.02f, 0.25f, 0.35f, 0.2f, 0);
    Synth_Sweep(b, 0, 0.7f, 1800, 4800, 0.02f, 0.2f, 0.15f, 0, 0);
    Glass(b, 0.05f, 93, 0.3f, 0.12f);
}

void Freeze(Synth_Buf& b) {
    Synth_Noise n(131);
    for (int i = 0; i < 14; ++i)
        Glass(b, 0.06f * i + n.Range(0, 0.03f), 88 + 12 * (n.Next() * 0.5f + 0.5f), 0.22f, 0.18f,
              n.Next() * 0.5f);
    Synth_NoiseBurst(b, 0, 1.3f, 0.05f, 0.4f, 6000, 1.5f, 0.3f, 0, 132);
}

void FlameOrb(Synth_Buf& b) {
    Synth_NoiseBurst(b, 0, 1.1f, 0.01f, 0.3f, 700, 0.5f, 1.0f, 0, 141);
    Synth_Sweep(b, 0, 0.9f, 400, 90, 0.01f, 0.3f, 0.45f, 0.8f, 0);
    Synth_Noise n(142);
    for (int i = 0; i < 20; ++i)
        Synth_NoiseBurst(b, Synth_At(b, n.Range(0.05f, 0.9f)), 0.01f, 0.0003f, 0.002f, 3000, 1.0f, 0.5f, 0,
                         n.Bits());
}

void RollBack(Synth_Buf& b) {
    // Reversed swell: rises out of nothing, then a falling tone pulls the pearls back.
    Synth_NoiseBurst(b, 0, 0.9f, 0.8f, 0.05f, 1200, 0.7f, 0.7f, 0, 151);
    Synth_Sweep(b, Synth_At(b, 0.6f), 0.6f, 700, 200, 0.02f, 0.2f, 0.5f, 0.3f, 0);
}

void Bomb(Synth_Buf& b) {
    Synth_Sweep(b, 0, 1.2f, 90, 30, 0.002f, 0.3f, 0.6f, 0.2f, 0);
    Impact(b, 0, 320, 1.0f, 1.4f, 161);
    Synth_NoiseBurst(b, 0, 0.3f, 0.001f, 0.05f, 3000, 0.7f, 0.4f, 0, 162);
}

void GetLife(Synth_Buf& b) {
    const float up[] = {74, 78, 81, 86, 90};
    for (int i = 0; i < 5; ++i) {
        Synth_Pluck(b, Synth_At(b, 0.09f * i), Synth_Midi(up[i]), 0.4f, 1.0f, 0.7f, 0, 170 + i);
        Glass(b, 0.09f * i, up[i] + 12, 0.18f, 0.15f);
    }
}

void LevelLose(Synth_Buf& b) {
    // Falling minor line on a low plucked string, ending on a dark drone.
    const float down[] = {69, 67, 65, 64, 62};
    for (int i = 0; i < 5; ++i)
        Synth_Pluck(b, Synth_At(b, 0.3f * i), Synth_Midi(down[i] - 12), 0.55f, 1.6f, 0.35f, 0, 180 + i);
    Synth_Sweep(b, Synth_At(b, 1.2f), 2.2f, Synth_Midi(38), Synth_Midi(37), 0.2f, 0.7f, 0.35f, 0.7f, 0);
}
} // namespace

const Synth_SfxRecipe kSynthSfx[] = {
    {"click.wav", 0.08f, SYNTH_EFFECT, -20, Click},
    {"hover.wav", 0.1f, SYNTH_EFFECT, -24, Hover},
    {"pearl_hitstring01.ogg", 0.25f, SYNTH_FREQUENT, -16, HitString1},
    {"pearl_hitstring02.ogg", 0.28f, SYNTH_FREQUENT, -16, HitString2},
    {"pearl_match_01.ogg", 1.5f, SYNTH_FREQUENT, -16, Match1},
    {"pearl_match_02.ogg", 1.5f, SYNTH_FREQUENT, -16, Match2},
    {"pearl_match_03.ogg", 1.5f, SYNTH_FREQUENT, -16, Match3},
    {"pearl_match_04.ogg", 1.5f, SYNTH_FREQUENT, -16, Match4},
    {"bow_release.ogg", 0.3f, SYNTH_FREQUENT, -16, BowRelease},
    {"bow_turn.ogg", 0.3f, SYNTH_EFFECT, -22, BowTurn},
    {"pearl_rollslow.ogg", 2.5f, SYNTH_EFFECT, -20, RollSlow},
    {"pearl_rollinfast.ogg", 1.8f, SYNTH_EFFECT, -19, RollFast},
    {"pearl_stringsconnect.ogg", 0.3f, SYNTH_FREQUENT, -16, StringsConnect},
    {"wop1.ogg", 0.3f, SYNTH_EFFECT, -18, Wop},
    {"success_sound_01.ogg", 2.4f, SYNTH_EFFECT, -14, Success1},
    {"success_sound_02.ogg", 2.4f, SYNTH_EFFECT, -14, Success2},
    {"success_sound_03.ogg", 2.4f, SYNTH_EFFECT, -14, Success3},
    {"Gethammer.ogg", 2.7f, SYNTH_EFFECT, -16, GetHammer},
    {"hammer.ogg", 1.5f, SYNTH_RARE, -13, Hammer},
    {"level_win.ogg", 3.7f, SYNTH_RARE, -13, LevelWin},
    {"pearl_fireball.ogg", 1.2f, SYNTH_EFFECT, -15, Fireball},
    {"pearl_precision.ogg", 0.95f, SYNTH_EFFECT, -16, Precision},
    {"pearl_freeze.ogg", 2.1f, SYNTH_EFFECT, -16, Freeze},
    {"pearl_reverse_clearer.ogg", 1.2f, SYNTH_EFFECT, -15, FlameOrb},
    {"pearl_rollback.ogg", 1.3f, SYNTH_EFFECT, -16, RollBack},
    {"pearl_bomb.ogg", 1.6f, SYNTH_RARE, -12.5, Bomb},
    {"getlife.ogg", 1.5f, SYNTH_EFFECT, -15, GetLife},
    {"level_lose.ogg", 3.6f, SYNTH_RARE, -14, LevelLose},
};
const int kSynthSfxCount = sizeof(kSynthSfx) / sizeof(kSynthSfx[0]);
