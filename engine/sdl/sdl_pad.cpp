// Game controllers: open on arrival, close on removal, events into the merged pad.
#include "engine/sdl/sdl_pad.h"
#include "engine/pad.h"

namespace {
constexpr int kMaxPads = 8;
constexpr float kAxisFull = 32767.0f;

static_assert(int(SDL_CONTROLLER_BUTTON_A) == PAD_A && int(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) == PAD_DPRIGHT,
              "pad buttons follow SDL's numbering");
static_assert(int(SDL_CONTROLLER_AXIS_LEFTX) == PAD_LEFTX &&
                  int(SDL_CONTROLLER_AXIS_TRIGGERRIGHT) == PAD_TRIGGERRIGHT,
              "pad axes follow SDL's numbering");

struct Sdl_Pads {
    bool started = false;
    SDL_GameController* pads[kMaxPads] = {};
    SDL_JoystickID ids[kMaxPads] = {};
};
Sdl_Pads g;

int Slot_Of(SDL_JoystickID id) {
    for (int i = 0; i < kMaxPads; ++i)
        if (g.pads[i] && g.ids[i] == id) return i;
    return -1;
}

void Add(int device) {
    if (!SDL_IsGameController(device)) return;
    SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
    if (Slot_Of(id) >= 0) return; // already open (SDL announces pads present at start-up too)
    for (int i = 0; i < kMaxPads; ++i) {
        if (g.pads[i]) continue;
        g.pads[i] = SDL_GameControllerOpen(device);
        if (!g.pads[i]) return;
        g.ids[i] = id;
        Pad_OnConnected(true);
        return;
    }
}

void Remove(SDL_JoystickID id) {
    int i = Slot_Of(id);
    if (i < 0) return;
    SDL_GameControllerClose(g.pads[i]);
    g.pads[i] = nullptr;
    Pad_OnConnected(false); // releases whatever the pad held
}
} // namespace

bool Sdl_Pad_Init() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    SDL_GameControllerEventState(SDL_ENABLE);
    g.started = true;
    return true;
}

bool Sdl_Pad_Event(const SDL_Event& e) {
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Add(e.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        Remove(e.cdevice.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        Pad_OnButton(e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        Pad_OnAxis(e.caxis.axis, e.caxis.value / kAxisFull);
        return true;
    default:
        return false;
    }
}

void Sdl_Pad_Quit() {
    for (int i = 0; i < kMaxPads; ++i)
        if (g.pads[i]) SDL_GameControllerClose(g.pads[i]), g.pads[i] = nullptr;
    if (g.started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    g.started = false;
}
