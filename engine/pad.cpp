// The merged gamepad state and its translation into virtual keys.
#include "engine/pad.h"
#include <cmath>
#include <cstring>
#include "engine/input.h"

namespace {
struct PadModule {
    int down[PAD_BUTTONS];
    int hits[PAD_BUTTONS];
    float axis[PAD_AXES];
    int connected;
};
PadModule g;

const char* const kButtonNames[PAD_BUTTONS] = {"a",
                                               "b",
                                               "x",
                                               "y",
                                               "back",
                                               "guide",
                                               "start",
                                               "leftstick",
                                               "rightstick",
                                               "leftshoulder",
                                               "rightshoulder",
                                               "dpup",
                                               "dpdown",
                                               "dpleft",
                                               "dpright"};
const char* const kAxisNames[PAD_AXES] = {"leftx",  "lefty",       "rightx",
                                          "righty", "lefttrigger", "righttrigger"};

// The virtual key each button also sends, 0 for none.
int Key_Of(int button) {
    switch (button) {
    case PAD_A:
        return VK_RETURN;
    case PAD_B:
    case PAD_START:
        return VK_ESCAPE;
    case PAD_X:
        return VK_TAB;
    case PAD_Y:
        return 'H';
    case PAD_DPUP:
        return VK_UP;
    case PAD_DPDOWN:
        return VK_DOWN;
    case PAD_DPLEFT:
        return VK_LEFT;
    case PAD_DPRIGHT:
        return VK_RIGHT;
    default:
        return 0;
    }
}

bool Button_Ok(int b) {
    return b >= 0 && b < PAD_BUTTONS;
}
bool Axis_Ok(int a) {
    return a >= 0 && a < PAD_AXES;
}

float Dead(float v) {
    float m = std::fabs(v);
    if (m <= PAD_DEAD_ZONE) return 0;
    return std::copysign((m - PAD_DEAD_ZONE) / (1 - PAD_DEAD_ZONE), v);
}

int By_Name(const char* name, const char* const* names, int count) {
    if (!name) return -1;
    for (int i = 0; i < count; ++i)
        if (std::strcmp(name, names[i]) == 0) return i;
    return -1;
}
} // namespace

int Pad_Down(int button) {
    return Button_Ok(button) ? g.down[button] : 0;
}

int Pad_Hit(int button) {
    if (!Button_Ok(button)) return 0;
    int n = g.hits[button];
    g.hits[button] = 0;
    return n;
}

float Pad_Axis(int axis) {
    return Axis_Ok(axis) ? Dead(g.axis[axis]) : 0;
}

void Pad_Stick(int stick, float& x, float& y) {
    int ax = stick == 1 ? PAD_RIGHTX : PAD_LEFTX;
    float rx = g.axis[ax], ry = g.axis[ax + 1];
    float m = std::sqrt(rx * rx + ry * ry);
    x = y = 0;
    if (m <= PAD_DEAD_ZONE) return;
    float scaled = std::fmin(1.0f, (m - PAD_DEAD_ZONE) / (1 - PAD_DEAD_ZONE));
    x = rx / m * scaled;
    y = ry / m * scaled;
}

int Pad_Connected() {
    return g.connected;
}

int Pad_ButtonByName(const char* name) {
    return By_Name(name, kButtonNames, PAD_BUTTONS);
}

const char* Pad_ButtonName(int button) {
    return button >= 0 && button < PAD_BUTTONS ? kButtonNames[button] : "";
}
int Pad_AxisByName(const char* name) {
    return By_Name(name, kAxisNames, PAD_AXES);
}

void Pad_OnButton(int button, bool down) {
    if (!Button_Ok(button)) return;
    bool was = g.down[button] != 0;
    g.down[button] = down ? 1 : 0;
    int key = Key_Of(button);
    if (down) {
        g.hits[button]++;
        if (key) Input_OnKeyDown(key);
    } else if (was && key) {
        Input_OnKeyUp(key);
    }
}

void Pad_OnAxis(int axis, float value) {
    if (!Axis_Ok(axis)) return;
    if (!(value == value)) value = 0; // NaN
    g.axis[axis] = std::fmax(-1.0f, std::fmin(1.0f, value));
}

void Pad_ReleaseAll() {
    for (int b = 0; b < PAD_BUTTONS; ++b)
        if (g.down[b]) Pad_OnButton(b, false);
    for (float& a : g.axis)
        a = 0;
}

void Pad_OnConnected(bool connected) {
    if (connected) {
        g.connected++;
        return;
    }
    if (g.connected > 0) g.connected--;
    Pad_ReleaseAll();
}

void Pad_Flush() {
    std::memset(g.down, 0, sizeof g.down);
    std::memset(g.hits, 0, sizeof g.hits);
}

void Pad_Reset() {
    std::memset(&g, 0, sizeof g);
}
