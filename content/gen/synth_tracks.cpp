// The four music tracks: a calm air for the menu, a jig, a reel and a slip jig, each with
// harp, whistle, drone and (except the first) a frame drum.
#include "content/gen/synth_music.h"
#include "content/gen/synth_sfx.h"

namespace {
constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kDorian[7] = {0, 2, 3, 5, 7, 9, 10};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

Synth_MusicStyle Style(float tempo, int beats, int subdiv, int root, const int* mode) {
    Synth_MusicStyle s{};
    s.tempo = tempo;
    s.beats = beats;
    s.subdiv = subdiv;
    s.root = root;
    for (int i = 0; i < 7; ++i)
        s.mode[i] = mode[i];
    return s;
}

void Set_Chords(Synth_MusicStyle& s, std::initializer_list<int> degrees) {
    int i = 0;
    for (int d : degrees)
        s.chords[i++] = d;
}

Synth_MusicStyle Track(int track) {
    Synth_MusicStyle s;
    switch (track) {
    case 1: // jig in A dorian, 6/8
        s = Style(116, 2, 3, 57, kDorian);
        Set_Chords(s, {0, 6, 0, 6, 0, 3, 6, 0});
        s.harp = "02.12.";
        s.drum = "X.xX.x";
        s.melody = "--AABBaabb-ABAB--aAbB-";
        s.drums_on = "0111111111011111011110";
        s.density = 0.6f;
        s.harp_level = 0.45f, s.whistle_level = 0.3f, s.drone_level = 0.12f, s.drum_level = 0.55f;
        s.reverb = 0.25f;
        s.seed = 1101;
        break;
    case 2: // reel in G major, 4/4
        s = Style(100, 4, 2, 55, kMajor);
        Set_Chords(s, {0, 0, 3, 4, 0, 5, 3, 4});
        s.harp = "02120212";
        s.drum = "X.x.Xxx.";
        s.melody = "-AABBaAbB-";
        s.drums_on = "0111111110";
        s.density = 0.55f;
        s.harp_level = 0.45f, s.whistle_level = 0.3f, s.drone_level = 0.12f, s.drum_level = 0.5f;
        s.reverb = 0.25f;
        s.seed = 2202;
        break;
    case 3: // slip jig in E minor, 9/8
        s = Style(100, 3, 3, 64, kMinor);
        Set_Chords(s, {0, 5, 6, 0, 0, 3, 6, 0});
        s.harp = "021.2.3.2";
        s.drum = "X..x..x..";
        s.melody = "-AABaB-bAab-A";
        s.drums_on = "0011111011110";
        s.density = 0.35f;
        s.harp_level = 0.45f, s.whistle_level = 0.3f, s.drone_level = 0.14f, s.drum_level = 0.45f;
        s.reverb = 0.3f;
        s.seed = 3303;
        break;
    default: // calm air in D major, 3/4, no drum
        s = Style(84, 3, 2, 62, kMajor);
        Set_Chords(s, {0, 4, 5, 3, 0, 3, 4, 0});
        s.harp = "021312";
        s.drum = "......";
        s.melody = "-AaBb-ABab-";
        s.drums_on = "00000000000";
        s.density = 0.15f;
        s.harp_level = 0.5f, s.whistle_level = 0.25f, s.drone_level = 0.12f, s.drum_level = 0;
        s.reverb = 0.35f;
        s.seed = 404;
        break;
    }
    return s;
}
} // namespace

void Synth_RenderMusic(int track, Synth_Buf& buf) {
    Synth_ArrangeMusic(Track(track), buf);
}
