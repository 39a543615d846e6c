// Command-line parsing.
#include "shell/options.h"
#include <cstdlib>
#include <cstring>

namespace {
bool To_Int(const char* s, long lo, long hi, long& out) {
    if (!s || !*s) return false;
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (*end != 0 || v < lo || v > hi) return false;
    out = v;
    return true;
}

// Splits "FILE@FRAME" into its parts.
bool Parse_Screenshot(const std::string& arg, App_Options& o) {
    size_t at = arg.rfind('@');
    o.screenshot = arg.substr(0, at);
    if (at == std::string::npos) return !o.screenshot.empty();
    long frame;
    if (!To_Int(arg.c_str() + at + 1, 0, 1L << 30, frame)) return false;
    o.screenshot_frame = static_cast<int>(frame);
    return !o.screenshot.empty();
}
}  // namespace

const char* Options_Usage() {
    return "usage: orbivale [--windowed | --fullscreen] [--headless] [--frames N] [--frame-ms MS] "
           "[--seed N] [--script FILE] [--screenshot FILE[@FRAME]] [--level N] [--autoplay] [--profile expert|casual] "
           "[--check-levels [SEEDS]] [--jobs N] "
           "[--save-dir DIR] [--content-dir DIR] [--bench NAME] [--path-file FILE]";
}

bool Options_Parse(int argc, char** argv, App_Options& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        long v = 0;
        auto need = [&](bool ok) {
            if (!ok) error = "bad or missing value for " + a;
            return ok;
        };
        if (a == "--windowed") o.windowed = true, o.fullscreen = false;
        else if (a == "--fullscreen") o.fullscreen = true, o.windowed = false;
        else if (a == "--headless") o.headless = true;
        else if (a == "--autoplay") o.autoplay = true;
        else if (a == "--profile") {
            std::string name = next ? next : "";
            if (!need(name == "expert" || name == "casual")) return false;
            o.profile = name == "casual" ? 1 : 0, ++i;
        }
        else if (a == "--check-levels") {
            o.check_levels = true;
            if (To_Int(next, 1, 1000, v)) o.check_seeds = static_cast<int>(v), ++i;
        } else if (a == "--jobs") {
            if (!need(To_Int(next, 1, 64, v))) return false;
            o.check_jobs = static_cast<int>(v), ++i;
        } else if (a == "--frames") {
            if (!need(To_Int(next, 0, 1L << 30, v))) return false;
            o.frames = static_cast<int>(v), ++i;
        } else if (a == "--frame-ms") {
            if (!need(To_Int(next, 1, 1000, v))) return false;
            o.frame_ms = static_cast<int>(v), ++i;
        } else if (a == "--seed") {
            if (!need(To_Int(next, 0, 0xFFFFFFFFL, v))) return false;
            o.seed = static_cast<uint32_t>(v), o.seed_given = true, ++i;
        } else if (a == "--level") {
            if (!need(To_Int(next, 1, 148, v))) return false;
            o.level = static_cast<int>(v), ++i;
        } else if (a == "--screenshot") {
            if (!need(next && Parse_Screenshot(next, o))) return false;
            ++i;
        } else if (a == "--script" || a == "--save-dir" || a == "--content-dir" || a == "--bench" ||
                   a == "--path-file") {
            if (!need(next && *next)) return false;
            std::string* dest = a == "--script"       ? &o.script
                                : a == "--save-dir"    ? &o.save_dir
                                : a == "--content-dir" ? &o.content_dir
                                : a == "--bench"       ? &o.bench
                                                       : &o.path_file;
            *dest = next;
            ++i;
        } else {
            error = "unknown option " + a;
            return false;
        }
    }
    return true;
}
