// orbivale_contentgen: writes every content name of the manifest into a folder (drawn art,
// synthesized sounds, copied fonts and level files), then the embedding files for it.
// Usage: orbivale_contentgen --out DIR --data DIR --asm FILE --cpp FILE --stamp FILE
//        orbivale_contentgen --icons DIR (the desktop icons only)
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include "content/gen/gen_embed.h"
#include "content/gen/gen_files.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_icons.h"
#include "content/gen/gen_write.h"
#include "content/gen/sound_gen.h"
#include "content/manifest.h"
#include "shell/paths.h"

namespace {
struct Options {
    std::string out, data, asm_file, cpp_file, stamp, icons;
};

bool Parse_Args(int argc, char** argv, Options& o) {
    std::map<std::string, std::string*> keys = {{"--out", &o.out},
                                                {"--data", &o.data},
                                                {"--asm", &o.asm_file},
                                                {"--cpp", &o.cpp_file},
                                                {"--stamp", &o.stamp},
                                                {"--icons", &o.icons}};
    for (int i = 1; i + 1 < argc; i += 2) {
        auto it = keys.find(argv[i]);
        if (it == keys.end()) return false;
        *it->second = argv[i + 1];
    }
    return !o.icons.empty() || (!o.out.empty() && !o.data.empty());
}

bool Make_Image(const Manifest_Entry& e, std::vector<uint8_t>& out, std::string& err) {
    Gen_DrawFn draw = Gen_DrawFnOf(e.group);
    if (!draw) {
        err = "no art group " + e.group;
        return false;
    }
    Gen_Canvas c(e.SheetWidth(), e.SheetHeight());
    draw(e, c);
    c.Whole();
    bool ok = true;
    if (e.format == FMT_PNG) ok = Gen_EncodePng(c, e.alpha, out);
    if (e.format == FMT_JPG) ok = Gen_EncodeJpg(c, 90, out);
    if (e.format == FMT_BMP) Gen_EncodeBmp(c, out);
    if (!ok) err = "image encoding failed";
    return ok;
}

bool Make_Entry(const Manifest_Entry& e, const Options& o, std::vector<uint8_t>& out, std::string& err) {
    switch (e.kind) {
    case KIND_IMAGE:
        return Make_Image(e, out, err);
    case KIND_SOUND:
        if (Sound_Generate(e.name, out) && !out.empty()) return true;
        err = "Sound_Generate failed";
        return false;
    case KIND_FONT:
    case KIND_TEXT:
        return Gen_CopiedFile(e, o.data, out, err);
    }
    return false;
}

// Every level's board and decoration images must be content names.
bool Check_Levels() {
    for (int p = 0; p < kManifestPackCount; ++p)
        for (int n = 1; n <= kManifestPacks[p].levels; ++n) {
            std::vector<uint8_t> lv, pa;
            std::string err;
            if (!Gen_ReadFile(Paths_ContentFile(Manifest_LevelName(p, n)), lv) ||
                !Gen_ReadFile(Paths_ContentFile(Manifest_PathName(p, n)), pa) ||
                !Gen_CheckLevelRefs(p, n, std::string(lv.begin(), lv.end()),
                                    std::string(pa.begin(), pa.end()), err)) {
                std::fprintf(stderr, "contentgen: %s\n", err.empty() ? "level file missing" : err.c_str());
                return false;
            }
        }
    return true;
}

struct Made {
    bool ok = false;
    size_t size = 0;
    double seconds = 0;
    std::string err;
};

// Makes and writes every entry on two threads (the machine's two cores); the level and path
// files are written before the images, and otherwise the result does not depend on the order.
bool Make_All(const Options& o, std::vector<Gen_Embedded>& files, size_t& total,
              std::map<std::string, double>& group_seconds) {
    const std::vector<Manifest_Entry>& all = Manifest_All();
    std::vector<Made> made(all.size());
    std::atomic<size_t> next{0};
    bool texts = true;
    auto work = [&]() {
        for (size_t i; (i = next++) < all.size();) {
            if ((all[i].kind == KIND_TEXT) != texts) continue;
            auto t0 = std::chrono::steady_clock::now();
            std::vector<uint8_t> bytes;
            Made& m = made[i];
            m.ok = Make_Entry(all[i], o, bytes, m.err);
            if (m.ok && !Gen_WriteFile(Paths_ContentFile(all[i].name), bytes))
                m.ok = false, m.err = "can't write";
            m.size = bytes.size();
            m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        }
    };
    // Level and path files first: the boards are drawn along the tracks they describe.
    for (bool phase : {true, false}) {
        texts = phase;
        next = 0;
        std::thread helper(work);
        work();
        helper.join();
    }
    for (size_t i = 0; i < all.size(); ++i) {
        if (!made[i].ok) {
            std::fprintf(stderr, "contentgen: %s: %s\n", all[i].name.c_str(), made[i].err.c_str());
            return false;
        }
        total += made[i].size;
        group_seconds[all[i].group] += made[i].seconds;
        files.push_back({all[i].name, Paths_ContentFile(all[i].name)});
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse_Args(argc, argv, o)) {
        std::fprintf(
            stderr, "usage: orbivale_contentgen --out DIR --data DIR [--asm FILE --cpp FILE --stamp FILE]"
                    " | --icons DIR\n");
        return 2;
    }
    if (!o.icons.empty()) return Gen_WriteIcons(o.icons) ? 0 : 1;
    auto t0 = std::chrono::steady_clock::now();
    std::error_code ec;
    std::filesystem::remove_all(o.out, ec);
    // Files are laid out exactly as the game's content folder maps names (--content-dir).
    Paths_SetContentDir(std::filesystem::absolute(o.out).string());
    std::vector<Gen_Embedded> files;
    size_t total = 0;
    std::map<std::string, double> group_seconds;
    if (!Make_All(o, files, total, group_seconds)) return 1;
    Sound_PrintSummary(stdout);
    if (!Check_Levels()) return 1;
    if (!o.asm_file.empty() && !Gen_WriteEmbed(files, o.asm_file, o.cpp_file)) {
        std::fprintf(stderr, "contentgen: can't write the embedding files\n");
        return 1;
    }
    if (!o.stamp.empty()) Gen_WriteFile(o.stamp, {});
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("contentgen: %zu files, %zu bytes, %.1f s (", files.size(), total, s);
    for (const auto& g : group_seconds)
        std::printf(" %s %.1f", g.first.c_str(), g.second);
    std::printf(" )\n");
    return 0;
}
