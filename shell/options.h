// The command line of the game.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct App_Options {
    bool windowed = false, fullscreen = false; // override WINDOWED_MODE for this run
    bool headless = false;                     // software renderer, silent audio, virtual clock
    int frames = -1;                           // quit after this many frames (-1: never)
    int frame_ms = 16;                         // fixed frame time of headless runs
    bool seed_given = false;
    uint32_t seed = 0;
    std::string script;        // scripted input file
    std::string screenshot;    // PNG written at screenshot_frame (or when the run ends)
    int screenshot_frame = -1; // FrameCounter value after which to write it; -1: last
    int level = 0;             // start a match at this level directly (0: menus)
    bool autoplay = false;
    int autoplay_input = 0;             // the built-in player's hands: 0 pointer, 1 keys, 2 gamepad
    bool help = false, version = false; // print the options or the version and exit 0
    int profile = 0;                    // built-in player: 0 expert, 1 casual (--profile expert|casual)
    bool check_levels = false;    // play every level (or --level's) with the built-in player, print a table
    int check_seeds = 3;          // seeds per level of the check
    int check_jobs = 1;           // processes the check runs in
    std::vector<bool> check_only; // --levels: index l true for each level to check (empty: all)
    std::string save_dir, content_dir;
    std::string bench;      // run this benchmark instead of the game (name, then its numbers)
    bool skip_logo = false; // no loading logo waits (benchmarks that time play)
    std::string path_file;  // watch one path file roll (development view)
};

// Parses argv; false with a message in error for an unknown option or a bad value.
bool Options_Parse(int argc, char** argv, App_Options& out, std::string& error);
// The usage line printed for a bad command line.
const char* Options_Usage();
// The list of options that --help prints, one per line.
const char* Options_Help();
// The game's version ("1.2.3"), from the build.
const char* Options_Version();
