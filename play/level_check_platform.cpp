// Checker platform: virtual clock and a renderer that draws nothing.
#include "play/level_check_platform.h"
#include <cstdio>
#include "engine/input.h"
#include "engine/renderer.h"

namespace {
struct Null_Renderer : Renderer {
    int generation = Renderer_NextGeneration();
    void Begin_Frame() override {}
    void Draw_Triangles(Gfx_Frame*, int, const Gfx_Vertex*, int) override {}
    void Set_Viewport(int, int, int, int) override {}
    void End_Frame() override {}
    int Draw_Calls() const override { return 0; }
    bool Read_Pixels(std::vector<uint32_t>&) override { return false; }
    int Generation() const override { return generation; }
};

struct Check_Platform : Platform {
    std::unique_ptr<Renderer> renderer;
    uint32_t clock_ms = 0;
    uint32_t frame_ms = 16;

    bool Open_Screen(int, int, int, int) override {
        if (!renderer) renderer = std::make_unique<Null_Renderer>();
        return true;
    }
    Renderer* Get_Renderer() override { return renderer.get(); }
    void Present(bool) override { clock_ms += frame_ms; }
    uint32_t Millisecs() override { return clock_ms; }
    void Sleep_Ms(int ms) override {
        if (ms > 0) clock_ms += static_cast<uint32_t>(ms);
    }
    void Pump_Events() override {}
    void Set_Title(const std::string&) override {}
    void Message_Box(const std::string& text, bool) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool Is_Minimised() override { return false; }
    bool Is_Maximised() override { return false; }
    bool Is_Visible() override { return true; }
    void Mouse_Move(int x, int y) override { Input_OnMouseMove(x, y); }
    void Mouse_Show() override {}
    bool Fixed_Frame_Time() override { return true; }
};
} // namespace

std::unique_ptr<Platform> LevelCheck_CreatePlatform(int frame_ms) {
    auto p = std::make_unique<Check_Platform>();
    p->frame_ms = static_cast<uint32_t>(frame_ms > 0 ? frame_ms : 16);
    return p;
}
