// Groups, targets and windows of the mix. The ambience targets follow from the pairs: the
// plain wind plays alone in the Neutral pack and under the rain and the torch in the Water
// and Fire packs, so it sits a little under the pair target and its partners well below it.
#include "content/gen/synth_mix.h"
#include <cstring>
#include "content/gen/synth_sfx.h"

namespace {
struct Ambience_Target {
    const char* file;
    double lufs;
};
const Ambience_Target kAmbienceTargets[] = {
    {"windy01.ogg", -26.8}, {"windy02.ogg", -29.0}, {"windy03.ogg", -29.0},
    {"rain01.ogg", -30.5},  {"Torch.ogg", -30.5},
};
} // namespace

const Synth_AmbiencePair kSynthAmbiencePairs[] = {
    {"Neutral", "windy01.ogg", nullptr},
    {"Water", "rain01.ogg", "windy01.ogg"},
    {"Ice", "windy02.ogg", "windy03.ogg"},
    {"Fire", "windy01.ogg", "Torch.ogg"},
};
const int kSynthAmbiencePairCount = sizeof(kSynthAmbiencePairs) / sizeof(kSynthAmbiencePairs[0]);

const char* Synth_GroupName(Synth_Group g) {
    static const char* kNames[kSynthGroups] = {"music", "ambience", "frequent", "rare", "effect"};
    return g >= 0 && g < kSynthGroups ? kNames[g] : "?";
}

Synth_Window Synth_GroupWindow(Synth_Group g) {
    switch (g) {
    case SYNTH_MUSIC:
        return {kSynthMusicLufs - 1, kSynthMusicLufs + 1};
    case SYNTH_AMBIENCE:
        return {kSynthAmbiencePairLufs - 8, kSynthAmbiencePairLufs + 1.5};
    case SYNTH_FREQUENT:
        return {kSynthFrequentLufs - 1.5, kSynthFrequentLufs + 1.5};
    case SYNTH_RARE: // big moments may stand out, but by no more than 4 LU
        return {kSynthFrequentLufs - 1.5, kSynthFrequentLufs + 4};
    case SYNTH_EFFECT:
        return {kSynthFrequentLufs - 9, kSynthFrequentLufs + 3};
    }
    return {0, 0};
}

bool Synth_MixOf(const std::string& file, Synth_Group& group, double& target_lufs) {
    for (int i = 1; i <= 4; ++i)
        if (file == "Ti0" + std::to_string(i) + ".ogg") {
            group = SYNTH_MUSIC;
            target_lufs = kSynthMusicLufs;
            return true;
        }
    for (const Ambience_Target& a : kAmbienceTargets)
        if (file == a.file) {
            group = SYNTH_AMBIENCE;
            target_lufs = a.lufs;
            return true;
        }
    for (int i = 0; i < kSynthSfxCount; ++i)
        if (file == kSynthSfx[i].file) {
            group = kSynthSfx[i].group;
            target_lufs = kSynthSfx[i].lufs;
            return true;
        }
    return false;
}
