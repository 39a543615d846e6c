// Pointer state from the mouse, with the touch merge as an installable step.
#include "play/pointer.h"
#include <cstdlib>
#include "engine/input.h"
#include "shell/app_state.h"

int PtrX = 0, PtrY = 0;
int PtrPrevX = 0, PtrPrevY = 0;
int PtrDX = 0, PtrDY = 0;
int MoveAccum = 0;
int LeftDown = 0, LeftHit = 0, LeftReleased = 0;
int RightDown = 0, RightHit = 0, RightReleased = 0;
int MiddleDown = 0, MiddleHit = 0;
int Wheel = 0;

namespace {
constexpr int kRestClearPeriod = 16; // frames: the movement sum is cleared on every 16th resting frame
constexpr int kWheelScale = 4;       // screen units of movement per wheel step
constexpr int kMouseLeft = 1, kMouseRight = 2, kMouseMiddle = 3;

Pointer_TouchStep g_touch_step = nullptr;

// Held state of a mouse button and its edges against the previous held state.
void Button_Edges(int button, int& down, int& hit, int* released) {
    int was = down;
    down = Mouse_Down(button) ? 1 : 0;
    hit = down && !was;
    if (released) *released = !down && was;
}
} // namespace

void Pointer_SetTouchStep(Pointer_TouchStep step) {
    g_touch_step = step;
}

void Pointer_Update() {
    PtrPrevX = PtrX;
    PtrPrevY = PtrY;
    PtrX = Mouse_X();
    PtrY = Mouse_Y();
    int was_left = LeftDown;
    int left = 0;
    if (!(g_touch_step && g_touch_step(left, was_left))) left = Mouse_Down(kMouseLeft) ? 1 : 0;
    LeftDown = left;
    PtrDX = PtrX - PtrPrevX;
    PtrDY = PtrY - PtrPrevY;
    if (PtrDX != 0 || PtrDY != 0) {
        MoveAccum += std::abs(PtrDX) + std::abs(PtrDY);
    } else if (FrameCounter % kRestClearPeriod == 0) {
        MoveAccum = 0;
    }
    LeftHit = LeftDown && !was_left;
    if (LeftHit) MoveAccum = 0;
    LeftReleased = !LeftDown && was_left;
    Button_Edges(kMouseRight, RightDown, RightHit, &RightReleased);
    Button_Edges(kMouseMiddle, MiddleDown, MiddleHit, nullptr);
    Wheel = Mouse_ZSpeed();
    if (Wheel != 0) {
        if (MiddleDown)
            PtrDX = kWheelScale * Wheel;
        else
            PtrDY = kWheelScale * Wheel;
    }
}

void Pointer_Reset() {
    LeftHit = LeftReleased = 0;
    RightHit = RightReleased = 0;
    MiddleHit = 0;
    MoveAccum = 0;
}

void Pointer_StateReset() {
    Pointer_Reset();
    LeftDown = RightDown = MiddleDown = 0;
    PtrX = PtrY = PtrPrevX = PtrPrevY = PtrDX = PtrDY = 0;
    Wheel = 0;
    g_touch_step = nullptr;
}

int Pointer_X() {
    return PtrX;
}
int Pointer_Y() {
    return PtrY;
}
