// Parser of the scripted-input text.
#include "engine/script.h"
#include <cstdlib>
#include <sstream>
#include "engine/pad.h"
#include "shell/log.h"

namespace {
struct Kind_Args {
    const char* kind;
    int args;  // whole-number arguments required
};
const Kind_Args kKinds[] = {
    {"key_down", 1},  {"key_up", 1},      {"key", 1},     {"char", 1},        {"text", 0},
    {"mouse_move", 2}, {"mouse_down", 1}, {"mouse_up", 1}, {"click", 2},      {"wheel", 1},
    {"focus_lost", 0}, {"focus_gained", 0}, {"minimise", 0}, {"restore", 0}, {"maximise", 0},
    {"hide", 0},      {"show", 0},        {"close", 0},    {"pad_axis", 0},   {"pad_button", 0},
    {"pad_connect", 0}, {"pad_disconnect", 0},
};

// A pad axis by name or number.
int Axis_Arg(const std::string& word) {
    int by_name = Pad_AxisByName(word.c_str());
    if (by_name >= 0) return by_name;
    char* end = nullptr;
    long n = std::strtol(word.c_str(), &end, 10);
    return !word.empty() && *end == 0 && n >= 0 && n < PAD_AXES ? static_cast<int>(n) : -1;
}

// The words of the pad events: axis and value, or button and down/up.
bool Pad_Args(std::istringstream& ls, Script_Event& e) {
    std::string first, second;
    if (!(ls >> first >> second)) return false;
    if (e.kind == "pad_axis") {
        char* end = nullptr;
        e.a = Axis_Arg(first);
        e.value = std::strtof(second.c_str(), &end);
        return e.a >= 0 && *end == 0 && e.value == e.value;
    }
    e.a = Pad_ButtonByName(first.c_str());
    e.b = second == "down" ? 1 : 0;
    return e.a >= 0 && (second == "down" || second == "up");
}

const Kind_Args* Find_Kind(const std::string& k) {
    for (const Kind_Args& ka : kKinds)
        if (k == ka.kind) return &ka;
    return nullptr;
}
}  // namespace

std::vector<Script_Event> Script_Parse(const std::string& text) {
    std::vector<Script_Event> out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        std::istringstream ls(line);
        Script_Event e;
        const Kind_Args* ka = nullptr;
        if (!(ls >> e.frame >> e.kind) || e.frame < 0 || !(ka = Find_Kind(e.kind))) {
            Log_Line("script line " + std::to_string(number) + " ignored: " + line);
            continue;
        }
        int* args[3] = {&e.a, &e.b, &e.c};
        bool ok = true;
        for (int i = 0; i < ka->args; ++i) ok = ok && static_cast<bool>(ls >> *args[i]);
        if (ok && (e.kind == "pad_axis" || e.kind == "pad_button")) ok = Pad_Args(ls, e);
        if (!ok) {
            Log_Line("script line " + std::to_string(number) + " ignored: " + line);
            continue;
        }
        if (e.kind == "click" && !(ls >> e.c)) e.c = 1;
        if (e.kind == "text") {
            std::getline(ls, e.text);
            if (!e.text.empty() && e.text[0] == ' ') e.text.erase(0, 1);
        }
        out.push_back(e);
    }
    return out;
}
