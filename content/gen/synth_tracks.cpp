// The four music tracks, each with its own band and its own way through its tunes:
//  0  a calm air in D major, 3/4: a celesta music box over rolling harp and strings, the
//     flute taking the second part;
//  1  a jig in A dorian, 6/8: tin whistle with cuts over bouzouki chops and bodhran;
//  2  a reel in G major, 4/4: fiddle over walking bass, off-beat chords, drum and shaker;
//  3  a slip jig in E minor, 9/8: a reed pipe over a drone and triplet harp, the harp
//     taking the tune at the end.
#include "content/gen/synth_music.h"
#include "content/gen/synth_sfx.h"

namespace {
constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kDorian[7] = {0, 2, 3, 5, 7, 9, 10};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

constexpr int ACC = LAYER_ACC, BASS = LAYER_BASS, PAD = LAYER_PAD, DRUM = LAYER_DRUM, PERC = LAYER_PERC;

// Air: the music box states the tune, the flute answers with the second part, a harp
// interlude, then the flute and the music box trade places, varied.
const Synth_Section kAir[] = {
    {4, '-', VOICE_NONE, ACC | PAD, false, VOICE_NONE, 0},
    {8, 'A', VOICE_CELESTA, ACC | PAD, false, VOICE_NONE, 0},
    {8, 'B', VOICE_WHISTLE, ACC | PAD | BASS, false, VOICE_NONE, 0},
    {4, '-', VOICE_NONE, ACC, false, VOICE_NONE, 0},
    {8, 'A', VOICE_WHISTLE, ACC | PAD | BASS, true, VOICE_CELESTA, 12},
    {8, 'B', VOICE_CELESTA, ACC | PAD | BASS, true, VOICE_NONE, 0},
    {4, '-', VOICE_NONE, ACC | PAD, false, VOICE_NONE, 0},
};

// Jig: the whistle alone with the bouzouki first, the drum joining on the repeat, a break
// for drum and strings, then the whole tune again ornamented, with the harp doubling.
const Synth_Section kJig[] = {
    {4, '-', VOICE_NONE, ACC | DRUM, false, VOICE_NONE, 0},
    {8, 'A', VOICE_WHISTLE, ACC, false, VOICE_NONE, 0},
    {8, 'A', VOICE_WHISTLE, ACC | DRUM | BASS, false, VOICE_NONE, 0},
    {8, 'B', VOICE_WHISTLE, ACC | DRUM | BASS, false, VOICE_NONE, 0},
    {8, 'B', VOICE_WHISTLE, ACC | DRUM | BASS, true, VOICE_NONE, 0},
    {8, '-', VOICE_NONE, ACC | DRUM, false, VOICE_NONE, 0},
    {8, 'A', VOICE_WHISTLE, ACC | DRUM | BASS, true, VOICE_HARP, -12},
    {8, 'A', VOICE_WHISTLE, ACC | DRUM | BASS, false, VOICE_NONE, 0},
    {8, 'B', VOICE_WHISTLE, ACC | DRUM | BASS, true, VOICE_HARP, -12},
    {8, 'B', VOICE_WHISTLE, ACC | BASS, false, VOICE_NONE, 0},
    {8, 'A', VOICE_WHISTLE, ACC, true, VOICE_NONE, 0},
    {4, '-', VOICE_NONE, ACC | DRUM, false, VOICE_NONE, 0},
};

// Reel: drum and bass lead in, the fiddle plays both parts, a break for the rhythm section,
// then both parts again varied and an octave higher doubled by the harp.
const Synth_Section kReel[] = {
    {4, '-', VOICE_NONE, BASS | DRUM, false, VOICE_NONE, 0},
    {8, 'A', VOICE_FIDDLE, ACC | BASS | DRUM, false, VOICE_NONE, 0},
    {8, 'B', VOICE_FIDDLE, ACC | BASS | DRUM | PERC, false, VOICE_NONE, 0},
    {4, '-', VOICE_NONE, ACC | BASS | DRUM | PERC, false, VOICE_NONE, 0},
    {8, 'A', VOICE_FIDDLE, ACC | BASS | DRUM | PERC, true, VOICE_HARP, 12},
    {8, 'B', VOICE_FIDDLE, ACC | BASS | DRUM | PERC, true, VOICE_NONE, 0},
};

// Slip jig: the pipe over drone and harp, the drum entering with the second part, a dark
// interlude, the parts again with strings, and the harp alone taking the tune home.
const Synth_Section kSlip[] = {
    {4, '-', VOICE_NONE, ACC, false, VOICE_NONE, 0},
    {8, 'A', VOICE_REED, ACC, false, VOICE_NONE, 0},
    {8, 'B', VOICE_REED, ACC | DRUM | BASS, false, VOICE_NONE, 0},
    {4, '-', VOICE_NONE, DRUM | BASS, false, VOICE_NONE, 0},
    {8, 'A', VOICE_REED, ACC | PAD | BASS, true, VOICE_NONE, 0},
    {8, 'B', VOICE_REED, ACC | PAD | DRUM | BASS, true, VOICE_HARP, 0},
    {8, 'A', VOICE_HARP, PAD, false, VOICE_NONE, 0},
    {4, '-', VOICE_NONE, ACC, false, VOICE_NONE, 0},
};

template <int N> void Set(int (&dst)[N], std::initializer_list<int> v) {
    int i = 0;
    for (int d : v)
        if (i < N) dst[i++] = d;
}

Synth_MusicStyle Base(float tempo, int beats, int subdiv, int root, const int* mode) {
    Synth_MusicStyle s{};
    s.tempo = tempo;
    s.beats = beats;
    s.subdiv = subdiv;
    s.root = root;
    for (int i = 0; i < 7; ++i)
        s.mode[i] = mode[i];
    s.acc_voice = VOICE_HARP;
    return s;
}

Synth_MusicStyle Air() {
    Synth_MusicStyle s = Base(84, 3, 2, 62, kMajor);
    Set(s.chords_a, {0, 4, 5, 3, 0, 3, 4, 0});
    Set(s.chords_b, {3, 0, 5, 4, 3, 0, 4, 0});
    s.tune_a = "4:2 2 4 7:2 | 6:3 5 4:2 | 5:2 4 2 1:2 | 3:6 |"
               "4:2 2 4 7:2 | 7:3 5 3:2 | 4:2 6:2 8:2 | 7:6";
    s.tune_b = "7:2 8 7 5:2 | 4:4 2:2 | 5:2 7 5 4:2 | 1:6 |"
               "7:2 8 7 5:2 | 9:3 7 4:2 | 8:2 6:2 4 6 | 7:6";
    s.tune_base = 74;
    s.acc = "0.1.2.";
    s.bass = "R.....";
    s.drum = "......";
    s.sections = kAir;
    s.section_count = sizeof(kAir) / sizeof(kAir[0]);
    s.lead_level = 0.32f, s.acc_level = 0.42f, s.bass_level = 0.3f, s.pad_level = 0.05f;
    s.reverb = 0.35f, s.room = 0.8f;
    s.seed = 404;
    return s;
}

Synth_MusicStyle Jig() {
    Synth_MusicStyle s = Base(116, 2, 3, 57, kDorian);
    Set(s.chords_a, {0, 6, 0, 6, 0, 3, 6, 0});
    Set(s.chords_b, {0, 6, 0, 6, 0, 3, 6, 0});
    s.tune_a = "7 4 4 7 4 2 | 6:2 5 6 8 6 | 7 4 4 7 8 9 | 10:2 8 6:3 |"
               "7 4 4 7 4 2 | 3:2 5 7:2 5 | 6 8 10 8:2 6 | 7:3 4 7:2";
    s.tune_b = "9:2 7 9 11 9 | 10:2 8 10 13 10 | 9:2 7 9 11 12 | 13:3 10:3 |"
               "9:2 7 9 11 9 | 10:2 8 7:2 5 | 6 8 10 8 6 5 | 7:3 7:3";
    s.tune_base = 69;
    s.acc = ".Ss.Ss";
    s.bass = "R..F..";
    s.drum = "X.xX.x";
    s.sections = kJig;
    s.section_count = sizeof(kJig) / sizeof(kJig[0]);
    s.lead_level = 0.3f, s.acc_level = 0.34f, s.bass_level = 0.4f, s.drum_level = 0.5f;
    s.reverb = 0.2f, s.room = 0.55f;
    s.seed = 1101;
    return s;
}

Synth_MusicStyle Reel() {
    Synth_MusicStyle s = Base(100, 4, 2, 55, kMajor);
    Set(s.chords_a, {0, 0, 3, 4, 0, 5, 3, 4});
    Set(s.chords_b, {0, 0, 3, 4, 0, 5, 3, 4});
    s.tune_a = "4 2 0 2 4 2 4 7 | 7 4 2 4 7:2 9 7 | 3 5 7 5 3 5 7 9 | 8 6 4 6 8:2 6:2 |"
               "4 2 0 2 4 2 4 7 | 5 7 9 7 5 4 2 4 | 3 5 7 5 4:2 2 1 | 4:2 6:2 8:4";
    s.tune_b = "7 9 11 9 7 9 11 14 | 13 11 9 11 7:4 | 10 9 7 9 10 12 14 12 | 11 8 6 8 11:4 |"
               "7 9 11 9 7 9 11 14 | 12 11 9 11 12:2 9:2 | 10 12 10 9 7:2 9 7 | 8 6 4 6 8:4";
    s.tune_base = 67;
    s.acc = "..S...S.";
    s.bass = "R...F...";
    s.drum = "X.x.Xxx.";
    s.sections = kReel;
    s.section_count = sizeof(kReel) / sizeof(kReel[0]);
    s.lead_level = 0.26f, s.acc_level = 0.3f, s.bass_level = 0.45f, s.drum_level = 0.5f, s.perc_level = 0.06f;
    s.reverb = 0.18f, s.room = 0.45f;
    s.seed = 2202;
    return s;
}

Synth_MusicStyle Slip() {
    Synth_MusicStyle s = Base(100, 3, 3, 64, kMinor);
    Set(s.chords_a, {0, 5, 6, 0, 0, 3, 6, 0});
    Set(s.chords_b, {0, 5, 6, 0, 0, 3, 6, 0});
    s.tune_a = "7:2 4 2:2 4 7:2 9 | 9:2 7 5:2 7 9:3 | 8:2 6 4:2 6 8:2 10 | 7:6 4:3 |"
               "7:2 4 2:2 4 7:2 9 | 10:2 9 7:2 5 3:3 | 6:2 8 10:2 8 6:2 4 | 7:9";
    s.tune_b = "11:2 9 7:2 9 11:2 12 | 12:3 11:2 9 7:3 | 13:2 12 10:2 8 6:3 | 7:3 9:3 11:3 |"
               "11:2 9 7:2 9 11:2 12 | 12:2 10 9:2 7 5:3 | 8:2 10 13:2 10 8:3 | 7:9";
    s.tune_base = 64;
    s.acc = "012321012";
    s.bass = "R........";
    s.drum = "X..x.....";
    s.sections = kSlip;
    s.section_count = sizeof(kSlip) / sizeof(kSlip[0]);
    s.lead_level = 0.3f, s.acc_level = 0.3f, s.bass_level = 0.4f, s.pad_level = 0.04f, s.drum_level = 0.55f;
    s.drone_level = 0.1f;
    s.reverb = 0.32f, s.room = 0.85f;
    s.seed = 3303;
    return s;
}
} // namespace

void Synth_RenderMusic(int track, Synth_Buf& buf) {
    switch (track) {
    case 1:
        Synth_ArrangeMusic(Jig(), buf);
        return;
    case 2:
        Synth_ArrangeMusic(Reel(), buf);
        return;
    case 3:
        Synth_ArrangeMusic(Slip(), buf);
        return;
    default:
        Synth_ArrangeMusic(Air(), buf);
        return;
    }
}
