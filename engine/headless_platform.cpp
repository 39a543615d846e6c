// Headless platform: virtual clock, scripted events, software renderer.
#include "engine/headless_platform.h"
#include <algorithm>
#include <cstdio>
#include "engine/input.h"
#include "engine/pad.h"
#include "engine/soft_renderer.h"
#include "shell/utf8.h"

namespace {
struct Headless_Platform : Platform {
    Headless_Config cfg;
    std::unique_ptr<Renderer> renderer;
    uint32_t clock_ms = 0;
    uint32_t last_present = 0;
    int frames = 0;         // frames presented so far: the script's frame numbers
    size_t next_event = 0;  // script is sorted by frame
    std::vector<Script_Event> pending;  // releases scheduled by "key" and "click"
    bool minimised = false, maximised = false, visible = true;

    explicit Headless_Platform(const Headless_Config& c) : cfg(c) {
        std::stable_sort(cfg.script.begin(), cfg.script.end(),
                         [](const Script_Event& a, const Script_Event& b) { return a.frame < b.frame; });
    }

    bool Open_Screen(int, int, int, int) override {
        if (!renderer) renderer = Soft_CreateRenderer();
        return renderer != nullptr;
    }
    Renderer* Get_Renderer() override { return renderer.get(); }
    void Present(bool) override {
        clock_ms = std::max(clock_ms, last_present + static_cast<uint32_t>(cfg.frame_ms));
        last_present = clock_ms;
        ++frames;
    }
    uint32_t Millisecs() override { return clock_ms; }
    void Sleep_Ms(int ms) override {
        if (ms > 0) clock_ms += static_cast<uint32_t>(ms);
    }
    void Pump_Events() override {
        for (size_t i = 0; i < pending.size();) {
            if (pending[i].frame <= frames) {
                Apply(pending[i]);
                pending.erase(pending.begin() + static_cast<long>(i));
            } else {
                ++i;
            }
        }
        while (next_event < cfg.script.size() && cfg.script[next_event].frame <= frames)
            Apply(cfg.script[next_event++]);
    }
    void Apply(const Script_Event& e);
    void Later(const char* kind, int a, int b = 0) {
        Script_Event r;
        r.frame = frames + 1;
        r.kind = kind;
        r.a = a;
        r.b = b;
        pending.push_back(r);
    }
    void Set_Title(const std::string&) override {}
    void Message_Box(const std::string& text, bool) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool Is_Minimised() override { return minimised; }
    bool Is_Maximised() override { return maximised; }
    bool Is_Visible() override { return visible; }
    void Mouse_Move(int x, int y) override { Input_OnMouseMove(x, y); }
    void Mouse_Show() override {}
    bool Fixed_Frame_Time() override { return true; }
};

void Headless_Platform::Apply(const Script_Event& e) {
    const std::string& k = e.kind;
    if (k == "key_down") Input_OnKeyDown(e.a);
    else if (k == "key_up") Input_OnKeyUp(e.a);
    else if (k == "key") {
        Input_OnKeyDown(e.a);
        Later("key_up", e.a);
    } else if (k == "char") Input_OnChar(e.a);
    else if (k == "text") {
        for (size_t i = 0; i < e.text.size();) Input_OnChar(static_cast<int>(Utf8_Next(e.text, i)));
    } else if (k == "mouse_move") Input_OnMouseMove(e.a, e.b);
    else if (k == "mouse_down") Input_OnMouseButton(e.a, true);
    else if (k == "mouse_up") Input_OnMouseButton(e.a, false);
    else if (k == "click") {
        Input_OnMouseMove(e.a, e.b);
        Input_OnMouseButton(e.c, true);
        Later("mouse_up", e.c);
    } else if (k == "wheel") Input_OnWheel(e.a);
    else if (k == "focus_lost") Input_OnFocus(false);
    else if (k == "focus_gained") Input_OnFocus(true);
    else if (k == "minimise") {
        minimised = true;
        Input_OnFocus(false);
    } else if (k == "restore") {
        minimised = maximised = false;
        visible = true;
        Input_OnFocus(true);
    } else if (k == "maximise") maximised = true;
    else if (k == "hide") visible = false;
    else if (k == "show") visible = true;
    else if (k == "close") Input_OnClose();
    else if (k == "pad_axis") Pad_OnAxis(e.a, e.value);
    else if (k == "pad_button") Pad_OnButton(e.a, e.b != 0);
    else if (k == "pad_connect") Pad_OnConnected(true);
    else if (k == "pad_disconnect") Pad_OnConnected(false);
}
}  // namespace

std::unique_ptr<Platform> Headless_CreatePlatform(const Headless_Config& config) {
    return std::make_unique<Headless_Platform>(config);
}
