// Sound content names -> synthesised, encoded file bytes. Effects are 44 100 Hz mono (so the
// game can pan them); music and ambience 22 050 Hz stereo. Every sound is brought to the
// loudness of its place in the mix, encoded, decoded again as the game decodes it and
// measured; the figures go into a summary the generator prints.
#include "content/gen/sound_gen.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include "content/gen/synth_measure.h"
#include "content/gen/synth_mix.h"
#include "content/gen/synth_sfx.h"
#include "engine/sound_decode.h"

namespace {
constexpr float kSfxQuality = 0.5f;
constexpr float kLoopQuality = 0.5f;
// Effects are limited to this sample peak before encoding; the codec adds a little on top,
// which the check after decoding takes back if it crosses the true-peak ceiling.
constexpr float kSfxCeiling = 0.76f; // -2.4 dBFS

struct Summary_Row {
    std::string file;
    Synth_Group group;
    double target;
    Synth_Loudness m;
};
std::mutex g_summary_lock;
std::vector<Summary_Row> g_summary;

// The file part of ".\sounds\x.ogg" or "./sounds/x.ogg"; empty for any other name.
std::string Sound_File(const std::string& name) {
    static const char* kPrefixes[] = {".\\sounds\\", "./sounds/"};
    for (const char* p : kPrefixes) {
        size_t n = std::strlen(p);
        if (name.size() > n && name.compare(0, n, p) == 0) return name.substr(n);
    }
    return "";
}

bool Ends_With(const std::string& s, const char* tail) {
    size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

int Music_Track(const std::string& file) {
    static const char* kTracks[] = {"Ti01.ogg", "Ti02.ogg", "Ti03.ogg", "Ti04.ogg"};
    for (int i = 0; i < 4; ++i)
        if (file == kTracks[i]) return i;
    return -1;
}

bool Render(const std::string& file, Synth_Buf& buf) {
    int track = Music_Track(file);
    if (track >= 0) {
        Synth_RenderMusic(track, buf);
        return true;
    }
    if (Synth_RenderAmbience(file.c_str(), buf)) return true;
    for (int i = 0; i < kSynthSfxCount; ++i) {
        if (file != kSynthSfx[i].file) continue;
        buf.Init(44100, 1, kSynthSfx[i].seconds);
        kSynthSfx[i].fill(buf);
        buf.FadeEdges(0.5f, 0);
        return true;
    }
    return false;
}

Synth_Loudness Measure(const Synth_Buf& b) {
    Synth_Loudness m;
    Synth_MeasureFloat(b.s.data(), static_cast<size_t>(b.Frames()), b.channels, b.rate, m);
    return m;
}

double Loudness_Of(const Synth_Loudness& m, Synth_Group g) {
    return Synth_IsEffect(g) ? m.momentary_max : m.integrated;
}

// Gain to the target loudness. Effects are limited under the ceiling and measured again
// until they settle, then given their clean end (limiting lowers the peak, which lifts the
// tail against it); loops have headroom and are only scaled (down, if a peak asks for it).
void Level(Synth_Buf& b, Synth_Group g, double target) {
    for (int pass = 0; pass < 10; ++pass) {
        Synth_Loudness m = Measure(b);
        double have = Loudness_Of(m, g);
        if (have < -150) return;
        double gain = target - have;
        if (pass > 0 && std::fabs(gain) < 0.1) break;
        Synth_Gain(b, gain);
        if (!Synth_IsEffect(g)) {
            double peak = m.true_peak + gain;
            if (peak > kSynthTruePeakMax - 1.0) Synth_Gain(b, kSynthTruePeakMax - 1.0 - peak);
            return;
        }
        Synth_Limit(b, kSfxCeiling);
    }
    Synth_ShapeEnd(b, kSynthEffectEndDb);
}

// The correction that brings a decoded file to its target without its true peak crossing
// the ceiling; 0 when it is close enough.
double Correction(const Synth_Loudness& m, Synth_Group g, double target) {
    double c = std::min(target - Loudness_Of(m, g), kSynthTruePeakMax - 0.2 - m.true_peak);
    return std::fabs(c) < 0.2 && m.true_peak <= kSynthTruePeakMax - 0.05 ? 0 : c;
}

bool Encode(const std::string& file, const Synth_Buf& buf, float quality, std::vector<uint8_t>& out) {
    if (Ends_With(file, ".wav")) {
        Synth_EncodeWav(buf, out);
        return true;
    }
    return Ends_With(file, ".ogg") && Synth_EncodeOgg(buf, quality, out);
}

// Decodes the bytes as the game will and measures them.
bool Measure_File(const std::string& file, const std::vector<uint8_t>& bytes, Synth_Loudness& m) {
    Sound_Pcm pcm;
    if (!Sound_Decode(bytes.data(), bytes.size(), file, pcm)) return false;
    return Synth_MeasureShort(pcm.samples.data(), pcm.samples.size() / pcm.channels, pcm.channels, pcm.rate,
                              m);
}
} // namespace

std::vector<std::string> Synth_AllFiles() {
    std::vector<std::string> files;
    for (int i = 0; i < kSynthSfxCount; ++i)
        files.push_back(kSynthSfx[i].file);
    Synth_AmbienceFiles(files);
    for (int i = 1; i <= 4; ++i)
        files.push_back("Ti0" + std::to_string(i) + ".ogg");
    return files;
}

bool Sound_Generate(const std::string& name, std::vector<uint8_t>& out) {
    out.clear();
    std::string file = Sound_File(name);
    Synth_Group group;
    double target;
    if (file.empty() || !Synth_MixOf(file, group, target)) return false;
    Synth_Buf buf;
    if (!Render(file, buf)) return false;
    Level(buf, group, target);
    float quality = Synth_IsEffect(group) ? kSfxQuality : kLoopQuality;
    Synth_Loudness m;
    // The codec moves levels and peaks a little: measure what the game will play and correct.
    for (int pass = 0; pass < 3; ++pass) {
        if (!Encode(file, buf, quality, out) || !Measure_File(file, out, m)) return false;
        double c = Correction(m, group, target);
        if (c == 0) break;
        Synth_Gain(buf, c);
    }
    std::lock_guard<std::mutex> lock(g_summary_lock);
    g_summary.push_back({file, group, target, m});
    return true;
}

void Sound_PrintSummary(FILE* f) {
    std::lock_guard<std::mutex> lock(g_summary_lock);
    std::vector<Summary_Row> rows = g_summary;
    std::sort(rows.begin(), rows.end(), [](const Summary_Row& a, const Summary_Row& b) {
        return a.group != b.group ? a.group < b.group : a.file < b.file;
    });
    std::fprintf(f, "sounds: %-26s %-9s %7s %9s %9s %8s %8s\n", "file", "group", "seconds", "loudness",
                 "target", "peak", "end");
    for (const Summary_Row& r : rows)
        std::fprintf(f, "sounds: %-26s %-9s %7.2f %6.1f %-2s %6.1f %6.1f dBTP %5.0f dB\n", r.file.c_str(),
                     Synth_GroupName(r.group), r.m.seconds, Loudness_Of(r.m, r.group),
                     Synth_IsEffect(r.group) ? "M" : "I", r.target, r.m.true_peak, r.m.end_level);
    for (int p = 0; p < kSynthAmbiencePairCount; ++p) {
        const Synth_AmbiencePair& pair = kSynthAmbiencePairs[p];
        double l[2] = {-200, -200};
        for (const Summary_Row& r : rows) {
            if (r.file == pair.primary) l[0] = r.m.integrated;
            if (pair.secondary && r.file == pair.secondary) l[1] = r.m.integrated;
        }
        std::fprintf(f, "sounds: ambience of %-8s %s%s%s: %.1f LUFS together\n", pair.pack, pair.primary,
                     pair.secondary ? " + " : "", pair.secondary ? pair.secondary : "", Synth_PowerSum(l, 2));
    }
}
