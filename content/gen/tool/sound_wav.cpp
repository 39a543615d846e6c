// orbivale_soundwav DIR: synthesises every sound of the game, decodes it the way the game
// does, and writes it to DIR as a 16-bit WAV file for listening. Prints each sound's length
// and encoded size, and the synthesis time.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include "content/gen/sound_gen.h"
#include "content/gen/synth_sfx.h"
#include "engine/sound_decode.h"

namespace {
void Put(std::vector<uint8_t>& w, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        w.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

bool Write_Wav(const std::string& file, const Sound_Pcm& pcm) {
    std::vector<uint8_t> w;
    uint32_t data = static_cast<uint32_t>(pcm.samples.size() * 2);
    for (char c : std::string("RIFF"))
        w.push_back(static_cast<uint8_t>(c));
    Put(w, 36 + data, 4);
    for (char c : std::string("WAVEfmt "))
        w.push_back(static_cast<uint8_t>(c));
    Put(w, 16, 4);
    Put(w, 1, 2);
    Put(w, static_cast<uint32_t>(pcm.channels), 2);
    Put(w, static_cast<uint32_t>(pcm.rate), 4);
    Put(w, static_cast<uint32_t>(pcm.rate * pcm.channels * 2), 4);
    Put(w, static_cast<uint32_t>(pcm.channels * 2), 2);
    Put(w, 16, 2);
    for (char c : std::string("data"))
        w.push_back(static_cast<uint8_t>(c));
    Put(w, data, 4);
    for (int16_t s : pcm.samples)
        Put(w, static_cast<uint16_t>(s), 2);
    FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(w.data(), 1, w.size(), f) == w.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orbivale_soundwav DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    size_t total = 0;
    double total_ms = 0;
    int failures = 0;
    for (const std::string& file : Synth_AllFiles()) {
        auto t0 = std::chrono::steady_clock::now();
        std::vector<uint8_t> bytes;
        bool made = Sound_Generate(".\\sounds\\" + file, bytes);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        total_ms += ms;
        Sound_Pcm pcm;
        if (!made || !Sound_Decode(bytes.data(), bytes.size(), file, pcm)) {
            std::fprintf(stderr, "%s: not made\n", file.c_str());
            ++failures;
            continue;
        }
        std::string base = file.substr(0, file.rfind('.'));
        if (!Write_Wav(dir + "/" + base + ".wav", pcm)) {
            std::fprintf(stderr, "can't write %s/%s.wav\n", dir.c_str(), base.c_str());
            ++failures;
            continue;
        }
        total += bytes.size();
        std::printf("%-28s %7.2f s  %d Hz %s  %8zu bytes  %6.0f ms\n", file.c_str(), pcm.Seconds(), pcm.rate,
                    pcm.channels == 1 ? "mono  " : "stereo", bytes.size(), ms);
    }
    Sound_PrintSummary(stdout);
    std::printf("total %zu bytes encoded, %.1f s synthesis and encoding\n", total, total_ms / 1000.0);
    return failures ? 1 : 0;
}
