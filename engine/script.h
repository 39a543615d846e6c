// Scripted input for headless runs: a text file of events, one per line, by frame number.
//   <frame> key_down <vk> | key_up <vk> | key <vk>        (key: down now, up one frame later)
//   <frame> char <code> | text <characters...>
//   <frame> mouse_move <x> <y> | mouse_down <b> | mouse_up <b> | click <x> <y> [<b>]
//   <frame> wheel <steps> | focus_lost | focus_gained | minimise | restore | maximise
//   <frame> hide | show | close
// Blank lines and lines starting with '#' are ignored.
#pragma once
#include <string>
#include <vector>

struct Script_Event {
    int frame = 0;
    std::string kind;
    int a = 0, b = 0, c = 0;
    std::string text;
};

// Parses script text; bad lines are skipped with a log line naming the line number.
std::vector<Script_Event> Script_Parse(const std::string& text);
