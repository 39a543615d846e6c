// The mix plan of the generated sounds: which group each sound belongs to, the loudness the
// generator normalises it to, and the windows the content audit holds the finished files to.
// Effects are measured by their largest momentary loudness (they are too short for an
// integrated figure), music and ambience loops by integrated loudness.
#pragma once
#include <string>

enum Synth_Group {
    SYNTH_MUSIC,    // the four music tracks
    SYNTH_AMBIENCE, // looping backgrounds, balanced by the pair each pack plays
    SYNTH_FREQUENT, // the core feedback of play: hits, strings joining, the shot, matches
    SYNTH_RARE,     // big moments: level won or lost, the bomb, the hammer's smash
    SYNTH_EFFECT,   // every other effect (interface, rewards, power-ups, rolling pearls)
};
constexpr int kSynthGroups = 5;

struct Synth_Window {
    double lo, hi; // LUFS
};

constexpr double kSynthMusicLufs = -16.0;        // integrated
constexpr double kSynthFrequentLufs = -16.0;     // momentary maximum
constexpr double kSynthAmbiencePairLufs = -26.0; // each pack's pair together
constexpr double kSynthTruePeakMax = -1.0;       // dBTP, every file
constexpr double kSynthEffectEndDb = -60.0;      // an effect's last 10 ms against its peak

const char* Synth_GroupName(Synth_Group g);
// The window a finished file of the group must measure inside (integrated loudness for music
// and ambience pairs, momentary maximum for effects).
Synth_Window Synth_GroupWindow(Synth_Group g);
// True for the effect groups.
inline bool Synth_IsEffect(Synth_Group g) {
    return g == SYNTH_FREQUENT || g == SYNTH_RARE || g == SYNTH_EFFECT;
}

// Group and target loudness of a file below the sounds folder; false for an unknown file.
bool Synth_MixOf(const std::string& file, Synth_Group& group, double& target_lufs);

// The ambience each pack plays together (file names; secondary null when there is none).
// The Precious pack pairs the wind with the menu music, which keeps the music's own level,
// so it is not part of this list.
struct Synth_AmbiencePair {
    const char* pack;
    const char* primary;
    const char* secondary;
};
extern const Synth_AmbiencePair kSynthAmbiencePairs[];
extern const int kSynthAmbiencePairCount;
// Window of a pair's summed loudness.
constexpr Synth_Window kSynthAmbiencePairWindow = {kSynthAmbiencePairLufs - 1.5,
                                                   kSynthAmbiencePairLufs + 1.5};
