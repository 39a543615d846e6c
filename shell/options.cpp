// Command-line parsing.
#include "shell/options.h"
#include <cstdlib>
#include <cstring>
#include <string>

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
} // namespace

#ifndef ORBIVALE_VERSION
#define ORBIVALE_VERSION "0.0.0"
#endif

const char* Options_Usage() {
    return "usage: orbivale [--windowed | --fullscreen] [--headless] [--frames N] [--frame-ms MS] "
           "[--seed N] [--script FILE] [--screenshot FILE[@FRAME]] [--level N] [--autoplay] [--profile "
           "expert|casual] "
           "[--autoplay-input keys|pad] [--check-levels [SEEDS]] [--levels LIST] [--jobs N] "
           "[--save-dir DIR] [--content-dir DIR] [--bench NAME [N [M]]] [--path-file FILE] [--help] "
           "[--version]";
}

const char* Options_Help() {
    return "orbivale                      play (windowed unless the config says full screen)\n"
           "  --windowed | --fullscreen   override WINDOWED_MODE for this run\n"
           "  --headless                  software renderer, silent audio, virtual clock\n"
           "  --frames N                  quit after N frames (exit code 0)\n"
           "  --frame-ms MS               fixed frame time for headless runs (default 16)\n"
           "  --seed N                    seed the random generator\n"
           "  --script FILE               scripted input (text: one event per line, by frame number)\n"
           "  --screenshot FILE[@FRAME]   write the frame as PNG (at FRAME, default the last)\n"
           "  --level N                   start a match at level N directly (skips menus)\n"
           "  --autoplay                  the built-in player plays (with --level: that level)\n"
           "  --profile expert|casual     the built-in player's style\n"
           "  --autoplay-input keys|pad   the built-in player uses the keyboard or the gamepad\n"
           "  --check-levels [SEEDS]      play every level headless with the built-in player\n"
           "  --levels LIST               only these levels in the check, e.g. 1-10,26,57\n"
           "  --jobs N                    processes the level check runs in\n"
           "  --save-dir DIR | --content-dir DIR\n"
           "  --bench NAME [N [M]]        run a named benchmark and print its figures\n"
           "  --path-file FILE            watch one path file roll (development view)\n"
           "  --help                      this list\n"
           "  --version                   the version of the game\n";
}

const char* Options_Version() {
    return ORBIVALE_VERSION;
}

// "1,5,10-20": the levels the check plays; false on anything else.
bool Parse_Level_List(const char* text, std::vector<bool>& only) {
    if (!text || !*text) return false;
    only.assign(149, false);
    const char* p = text;
    while (*p) {
        char* end = nullptr;
        long a = std::strtol(p, &end, 10), b = a;
        if (end == p) return false;
        if (*end == '-') {
            p = end + 1;
            b = std::strtol(p, &end, 10);
            if (end == p) return false;
        }
        if (a < 1 || b > 148 || a > b) return false;
        for (long l = a; l <= b; ++l)
            only[static_cast<size_t>(l)] = true;
        if (*end == ',')
            ++end;
        else if (*end)
            return false;
        p = end;
    }
    return true;
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
        if (a == "--windowed")
            o.windowed = true, o.fullscreen = false;
        else if (a == "--fullscreen")
            o.fullscreen = true, o.windowed = false;
        else if (a == "--headless")
            o.headless = true;
        else if (a == "--autoplay")
            o.autoplay = true;
        else if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--version")
            o.version = true;
        else if (a == "--autoplay-input") {
            std::string k = next ? next : "";
            if (!need(k == "keys" || k == "pad" || k == "pointer")) return false;
            o.autoplay_input = k == "keys" ? 1 : k == "pad" ? 2 : 0;
            o.autoplay = true;
            ++i;
        } else if (a == "--profile") {
            std::string name = next ? next : "";
            if (!need(name == "expert" || name == "casual")) return false;
            o.profile = name == "casual" ? 1 : 0, ++i;
        } else if (a == "--check-levels") {
            o.check_levels = true;
            if (To_Int(next, 1, 1000, v)) o.check_seeds = static_cast<int>(v), ++i;
        } else if (a == "--levels") {
            if (!need(Parse_Level_List(next, o.check_only))) return false;
            ++i;
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
            std::string* dest = a == "--script"        ? &o.script
                                : a == "--save-dir"    ? &o.save_dir
                                : a == "--content-dir" ? &o.content_dir
                                : a == "--bench"       ? &o.bench
                                                       : &o.path_file;
            *dest = next;
            ++i;
            // A benchmark may take numbers (`--bench gl-level 60 600`): they follow its name.
            for (int k = 0;
                 k < 2 && dest == &o.bench && To_Int(i + 1 < argc ? argv[i + 1] : nullptr, 0, 1L << 30, v);
                 ++k)
                o.bench += " " + std::to_string(v), ++i;
        } else {
            error = "unknown option " + a;
            return false;
        }
    }
    return true;
}
