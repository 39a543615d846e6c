// SDL2 window with an OpenGL context; events into the input service; letterboxed scaling of
// the 800 x 600 logical screen in full screen and in a resized window.
#include "engine/sdl/sdl_platform.h"
#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include "engine/input.h"
#include "engine/sdl/gl_renderer.h"
#include "engine/sdl/sdl_keys.h"
#include "engine/sdl/sdl_pad.h"
#include "shell/utf8.h"

namespace {
struct Output_Rect {
    int x = 0, y = 0, w = 800, h = 600;
};

struct Sdl_Platform : Platform {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    std::unique_ptr<Renderer> renderer;
    int logical_w = 800, logical_h = 600;
    int swap_interval = -1;
    Output_Rect out;

    ~Sdl_Platform() override {
        renderer.reset();
        Sdl_Pad_Quit();
        if (context) SDL_GL_DeleteContext(context);
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }

    bool Open_Screen(int width, int height, int depth, int) override;
    Renderer* Get_Renderer() override { return renderer.get(); }
    void Present(bool vsync) override {
        int want = vsync ? 1 : 0;
        if (want != swap_interval) {
            SDL_GL_SetSwapInterval(want);
            swap_interval = want;
        }
        SDL_GL_SwapWindow(window);
    }
    uint32_t Millisecs() override { return SDL_GetTicks(); }
    void Sleep_Ms(int ms) override {
        if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
    }
    void Pump_Events() override;
    void Set_Title(const std::string& title) override {
        if (window) SDL_SetWindowTitle(window, title.c_str());
    }
    void Message_Box(const std::string& text, bool serious) override {
        Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
        SDL_ShowSimpleMessageBox(kind, "Orbivale", text.c_str(), window);
    }
    bool Flag(Uint32 f) { return window && (SDL_GetWindowFlags(window) & f) != 0; }
    bool Is_Minimised() override { return Flag(SDL_WINDOW_MINIMIZED); }
    bool Is_Maximised() override { return Flag(SDL_WINDOW_MAXIMIZED); }
    bool Is_Visible() override { return Flag(SDL_WINDOW_SHOWN) && !Flag(SDL_WINDOW_HIDDEN); }
    void Mouse_Move(int x, int y) override {
        if (!window) return;
        int wx = out.x + x * out.w / logical_w, wy = out.y + y * out.h / logical_h;
        int dw, dh, ww, wh;
        SDL_GL_GetDrawableSize(window, &dw, &dh);
        SDL_GetWindowSize(window, &ww, &wh);
        SDL_WarpMouseInWindow(window, dw ? wx * ww / dw : wx, dh ? wy * wh / dh : wy);
        Input_OnMouseMove(x, y);
    }
    void Mouse_Show() override { SDL_ShowCursor(SDL_ENABLE); }

    void Update_Output();
    void Logical_Pointer(int wx, int wy, int& lx, int& ly);
    void On_Key(const SDL_KeyboardEvent& k, bool down);
    void On_Window(const SDL_WindowEvent& w);
};

bool Sdl_Platform::Open_Screen(int width, int height, int depth, int) {
    logical_w = width;
    logical_h = height;
    Uint32 full = depth == 32 ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    if (!window) {
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
        window = SDL_CreateWindow("Orbivale", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | full);
        if (!window) return false;
        context = SDL_GL_CreateContext(window);
        if (!context) return false;
        SDL_StartTextInput();
    } else {
        if (!full) SDL_RestoreWindow(window);
        if (SDL_SetWindowFullscreen(window, full) != 0) return false;
        if (!full) SDL_SetWindowSize(window, width, height);
    }
    SDL_GL_MakeCurrent(window, context);
    // The GL context survives the switch between window and full screen, so the renderer and
    // its textures stay; only the output rectangle changes.
    if (!renderer) renderer = Gl_CreateRenderer();
    if (!renderer) return false;
    swap_interval = -1;
    Update_Output();
    return true;
}

void Sdl_Platform::Update_Output() {
    int dw = logical_w, dh = logical_h;
    SDL_GL_GetDrawableSize(window, &dw, &dh);
    Gl_FitOutput(dw, dh, out.x, out.y, out.w, out.h);
    if (renderer) Gl_SetOutput(renderer.get(), out.x, out.y, out.w, out.h, dw, dh);
}

void Sdl_Platform::Logical_Pointer(int wx, int wy, int& lx, int& ly) {
    // Window coordinates -> drawable pixels -> logical units inside the letterbox.
    int dw, dh, ww, wh;
    SDL_GL_GetDrawableSize(window, &dw, &dh);
    SDL_GetWindowSize(window, &ww, &wh);
    int px = ww ? wx * dw / ww : wx, py = wh ? wy * dh / wh : wy;
    lx = std::clamp((px - out.x) * logical_w / std::max(1, out.w), 0, logical_w - 1);
    ly = std::clamp((py - out.y) * logical_h / std::max(1, out.h), 0, logical_h - 1);
}

void Sdl_Platform::On_Key(const SDL_KeyboardEvent& k, bool down) {
    int vk = Sdl_KeyToVk(k.keysym.sym);
    if (!vk) return;
    if (!down) {
        Input_OnKeyUp(vk);
        return;
    }
    Input_OnKeyDown(vk);
    // Control characters arrive as characters too, as the text box expects.
    if (vk == 8 || vk == 9 || vk == 13) Input_OnChar(vk);
}

void Sdl_Platform::On_Window(const SDL_WindowEvent& w) {
    switch (w.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: Input_OnFocus(true); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: Input_OnFocus(false); break;
    case SDL_WINDOWEVENT_MINIMIZED: Input_OnFocus(false); break;
    case SDL_WINDOWEVENT_CLOSE: Input_OnClose(); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED: Update_Output(); break;
    default: break;
    }
}

void Sdl_Platform::Pump_Events() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        int lx, ly;
        switch (e.type) {
        case SDL_QUIT: Input_OnClose(); break;
        case SDL_WINDOWEVENT: On_Window(e.window); break;
        case SDL_KEYDOWN: On_Key(e.key, true); break;
        case SDL_KEYUP: On_Key(e.key, false); break;
        case SDL_TEXTINPUT: {
            std::string text = e.text.text;
            for (size_t i = 0; i < text.size();) Input_OnChar(static_cast<int>(Utf8_Next(text, i)));
            break;
        }
        case SDL_MOUSEMOTION:
            Logical_Pointer(e.motion.x, e.motion.y, lx, ly);
            Input_OnMouseMove(lx, ly);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            // SDL numbers left, middle, right; the game numbers left, right, middle.
            int b = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_RIGHT ? 2
                    : e.button.button == SDL_BUTTON_MIDDLE                                      ? 3
                                                                                                : 0;
            Logical_Pointer(e.button.x, e.button.y, lx, ly);
            Input_OnMouseMove(lx, ly);
            if (b) Input_OnMouseButton(b, e.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        case SDL_MOUSEWHEEL: Input_OnWheel(e.wheel.y); break;
        default: Sdl_Pad_Event(e); break;
        }
    }
}
}  // namespace

std::unique_ptr<Platform> Sdl_CreatePlatform() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return nullptr;
    // Without a display SDL falls back to its invisible drivers; a player would see nothing,
    // so those count as no display unless asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    bool invisible = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    if (invisible && !(asked && std::strcmp(asked, driver) == 0)) {
        SDL_Quit();
        return nullptr;
    }
    Sdl_Pad_Init(); // without it the game still plays by mouse and keyboard
    return std::make_unique<Sdl_Platform>();
}
