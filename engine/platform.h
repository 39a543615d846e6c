// The platform layer: window, events, clock, sleep and message box behind one interface.
// Two implementations: SDL2 with OpenGL (engine/sdl/) and headless (virtual clock, scripted
// input, software renderer). The simulation never includes SDL or GL headers.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

struct Renderer;

struct Platform {
    virtual ~Platform() = default;
    // Opens (or re-opens) the 800 x 600 logical screen; depth 0 = window, 32 = full screen.
    virtual bool Open_Screen(int width, int height, int depth, int hertz) = 0;
    // The renderer of the open screen, or null before Open_Screen succeeded.
    virtual Renderer* Get_Renderer() = 0;
    // Shows the back buffer; vsync when asked (full screen), else at once.
    virtual void Present(bool vsync) = 0;
    // Milliseconds since some fixed start; wraps after 49 days like the platform clock.
    virtual uint32_t Millisecs() = 0;
    // Waits ms milliseconds (the headless clock just advances).
    virtual void Sleep_Ms(int ms) = 0;
    // Moves pending window, key, mouse, focus and close events into the input service.
    virtual void Pump_Events() = 0;
    virtual void Set_Title(const std::string& title) = 0;
    // Modal message box with an OK button (headless: written to stderr).
    virtual void Message_Box(const std::string& text, bool serious) = 0;
    virtual bool Is_Minimised() = 0;
    virtual bool Is_Maximised() = 0;
    virtual bool Is_Visible() = 0;
    // Moves the pointer, in logical screen units.
    virtual void Mouse_Move(int x, int y) = 0;
    virtual void Mouse_Show() = 0;
    // True for the headless platform: every frame takes the fixed frame time, so the screen
    // is opened without vsync or the window frame limiter.
    virtual bool Fixed_Frame_Time() { return false; }
};

// The platform the game runs on; set once at start-up (tests install a headless one).
Platform* Platform_Get();
void Platform_Set(std::unique_ptr<Platform> platform);
