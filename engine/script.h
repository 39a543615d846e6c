// Scripted input for headless runs: a text file of events, one per line, by frame number.
//   <frame> key_down <vk> | key_up <vk> | key <vk>        (key: down now, up one frame later)
//   <frame> char <code> | text <characters...>
//   <frame> mouse_move <x> <y> | mouse_down <b> | mouse_up <b> | click <x> <y> [<b>]
//   <frame> wheel <steps> | focus_lost | focus_gained | minimise | restore | maximise
//   <frame> hide | show | close
//   <frame> pad_axis <axis> <value>        (leftx lefty rightx righty lefttrigger righttrigger
//                                           or 0..5; value -1..1, clamped)
//   <frame> pad_button <name> down|up      (a b x y back guide start leftstick rightstick
//                                           leftshoulder rightshoulder dpup dpdown dpleft dpright)
//   <frame> pad_connect | pad_disconnect   (a controller arrives or goes)
// Blank lines and lines starting with '#' are ignored.
#pragma once
#include <string>
#include <vector>

struct Script_Event {
    int frame = 0;
    std::string kind;
    int a = 0, b = 0, c = 0;
    float value = 0; // pad_axis: the axis value
    std::string text;
};

// Parses script text; bad lines are skipped with a log line naming the line number.
std::vector<Script_Event> Script_Parse(const std::string& text);
