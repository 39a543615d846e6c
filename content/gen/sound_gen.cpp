// Sound content names -> synthesised, encoded file bytes. Effects are 44 100 Hz mono (so the
// game can pan them); music and ambience 22 050 Hz stereo at a moderate Vorbis quality.
#include "content/gen/sound_gen.h"
#include <cstring>
#include "content/gen/synth_sfx.h"

namespace {
constexpr float kSfxQuality = 0.4f;
constexpr float kLoopQuality = 0.2f;

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

// Silence after the sound has died away is dropped (keeping a short tail).
void Trim_Tail(Synth_Buf& buf) {
    int n = buf.Frames();
    int last = 0;
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < buf.channels; ++c)
            if (buf.s[static_cast<size_t>(i) * buf.channels + c] > 0.0005f ||
                buf.s[static_cast<size_t>(i) * buf.channels + c] < -0.0005f)
                last = i;
    int keep = std::min(n, last + buf.rate / 50);
    buf.s.resize(static_cast<size_t>(keep) * buf.channels);
}

bool Render(const std::string& file, Synth_Buf& buf, float& quality) {
    int track = Music_Track(file);
    if (track >= 0) {
        Synth_RenderMusic(track, buf);
        quality = kLoopQuality;
        return true;
    }
    if (Synth_RenderAmbience(file.c_str(), buf)) {
        quality = kLoopQuality;
        return true;
    }
    for (int i = 0; i < kSynthSfxCount; ++i) {
        if (file != kSynthSfx[i].file) continue;
        buf.Init(44100, 1, kSynthSfx[i].seconds);
        kSynthSfx[i].fill(buf);
        buf.Normalise(kSynthSfx[i].peak);
        Trim_Tail(buf);
        buf.FadeEdges(0.5f, 8);
        quality = kSfxQuality;
        return true;
    }
    return false;
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
    if (file.empty()) return false;
    Synth_Buf buf;
    float quality = kSfxQuality;
    if (!Render(file, buf, quality)) return false;
    if (Ends_With(file, ".wav")) {
        Synth_EncodeWav(buf, out);
        return true;
    }
    if (!Ends_With(file, ".ogg")) return false;
    return Synth_EncodeOgg(buf, quality, out);
}
