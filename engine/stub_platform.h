// A platform that does nothing: a base for benchmarks and tests that host a renderer for the
// drawing service and override only what they measure or record.
#pragma once
#include "engine/platform.h"

struct Stub_Platform : Platform {
    Renderer* renderer = nullptr; // not owned
    uint32_t clock = 0;           // milliseconds; sleeping advances it
    bool Open_Screen(int, int, int, int) override { return renderer != nullptr; }
    Renderer* Get_Renderer() override { return renderer; }
    void Present(bool) override {}
    uint32_t Millisecs() override { return clock; }
    void Sleep_Ms(int ms) override { clock += ms > 0 ? uint32_t(ms) : 0; }
    void Pump_Events() override {}
    void Set_Title(const std::string&) override {}
    void Message_Box(const std::string&, bool) override {}
    bool Is_Minimised() override { return false; }
    bool Is_Maximised() override { return false; }
    bool Is_Visible() override { return true; }
    void Mouse_Move(int, int) override {}
    void Mouse_Show() override {}
};
