// The sound audit: every generated sound, decoded by the game's own decoder and measured
// (EBU R128), sits inside its group's loudness window, keeps its true peak under the ceiling,
// has no clipped sample, and (for effects) ends in silence; each pack's ambience pair sums to
// the pair target.
#include <gtest/gtest.h>
#include <map>
#include "content/embedded.h"
#include "content/gen/synth_measure.h"
#include "content/gen/synth_mix.h"
#include "content/manifest.h"
#include "engine/sound_decode.h"
#include "shell/resource.h"

namespace {
struct Measured {
    Synth_Group group;
    Synth_Loudness m;
};

// Every sound of the manifest by its file name below the sounds folder.
std::map<std::string, Measured> Measure_All() {
    Resource_Clear();
    Content_RegisterEmbedded();
    std::map<std::string, Measured> out;
    for (const Manifest_Entry& e : Manifest_All()) {
        if (e.kind != KIND_SOUND) continue;
        std::string file = e.name.substr(e.name.find_last_of("\\/") + 1);
        Measured row;
        double target;
        EXPECT_TRUE(Synth_MixOf(file, row.group, target)) << file << " has no place in the mix";
        const Resource_Entry* r = Resource_Find(e.name);
        Sound_Pcm pcm;
        EXPECT_TRUE(r && Sound_Decode(r->bytes, r->size, e.name, pcm)) << file;
        if (!r || pcm.channels < 1) continue;
        EXPECT_TRUE(Synth_MeasureShort(pcm.samples.data(), pcm.samples.size() / pcm.channels, pcm.channels,
                                       pcm.rate, row.m));
        out[file] = row;
    }
    Resource_Clear();
    return out;
}

const std::map<std::string, Measured>& Sounds() {
    static const std::map<std::string, Measured> all = Measure_All();
    return all;
}
} // namespace

TEST(SoundContent, EverySoundSitsInItsGroupsWindowWithoutClippingOrAHardEnd) {
    ASSERT_FALSE(Sounds().empty());
    for (const auto& [file, s] : Sounds()) {
        double level = Synth_IsEffect(s.group) ? s.m.momentary_max : s.m.integrated;
        Synth_Window w = Synth_GroupWindow(s.group);
        EXPECT_GE(level, w.lo) << file << " (" << Synth_GroupName(s.group) << ")";
        EXPECT_LE(level, w.hi) << file << " (" << Synth_GroupName(s.group) << ")";
        EXPECT_LE(s.m.true_peak, kSynthTruePeakMax) << file;
        EXPECT_EQ(s.m.clipped, 0) << file;
        if (Synth_IsEffect(s.group)) EXPECT_LE(s.m.end_level, -50.0) << file << " ends abruptly";
    }
}

TEST(SoundContent, EachPacksAmbiencePairSumsToThePairTarget) {
    for (int p = 0; p < kSynthAmbiencePairCount; ++p) {
        const Synth_AmbiencePair& pair = kSynthAmbiencePairs[p];
        double l[2] = {-200, -200};
        ASSERT_TRUE(Sounds().count(pair.primary)) << pair.primary;
        l[0] = Sounds().at(pair.primary).m.integrated;
        if (pair.secondary) {
            ASSERT_TRUE(Sounds().count(pair.secondary)) << pair.secondary;
            l[1] = Sounds().at(pair.secondary).m.integrated;
        }
        double sum = Synth_PowerSum(l, 2);
        EXPECT_GE(sum, kSynthAmbiencePairWindow.lo) << pair.pack;
        EXPECT_LE(sum, kSynthAmbiencePairWindow.hi) << pair.pack;
    }
}
