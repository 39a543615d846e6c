// Key, character, mouse and application-event state fed by the platform's events.
#include "engine/input.h"
#include <cstring>
#include "engine/pad.h"
#include "engine/platform.h"

namespace {
struct InputModule {
    uint8_t key_down[256];
    int key_hits[256];
    int chars[256];
    int char_read, char_write;
    int mouse_x, mouse_y, mouse_z, mouse_z_last;
    uint8_t button_down[4];
    int button_hits[4];
    int suspended, close_requested;
};
InputModule g;

void Pump() {
    if (Platform* p = Platform_Get()) p->Pump_Events();
}
bool Key_Ok(int code) { return code >= 0 && code < 256; }
bool Button_Ok(int b) { return b >= 1 && b <= 3; }
}  // namespace

void Input_Reset() {
    std::memset(&g, 0, sizeof g);
    Pad_Reset();
}

int Key_Hit(int code) {
    Pump();
    if (!Key_Ok(code)) return 0;
    int n = g.key_hits[code];
    g.key_hits[code] = 0;
    return n;
}

int Key_Down(int code) {
    Pump();
    return Key_Ok(code) ? g.key_down[code] : 0;
}

int Char_Get() {
    Pump();
    if (g.char_read == g.char_write) return 0;
    int c = g.chars[g.char_read];
    g.char_read = (g.char_read + 1) % 256;
    return c;
}

void Keys_Flush() {
    Pump();
    std::memset(g.key_down, 0, sizeof g.key_down);
    std::memset(g.key_hits, 0, sizeof g.key_hits);
    g.char_read = g.char_write = 0;
    Pad_Flush();
}

int Mouse_X() {
    Pump();
    return g.mouse_x;
}
int Mouse_Y() {
    Pump();
    return g.mouse_y;
}
int Mouse_Z() {
    Pump();
    return g.mouse_z;
}
int Mouse_ZSpeed() {
    Pump();
    int d = g.mouse_z - g.mouse_z_last;
    g.mouse_z_last = g.mouse_z;
    return d;
}

int Mouse_Hit(int button) {
    Pump();
    if (!Button_Ok(button)) return 0;
    int n = g.button_hits[button];
    g.button_hits[button] = 0;
    return n;
}

int Mouse_Down(int button) {
    Pump();
    return Button_Ok(button) ? g.button_down[button] : 0;
}

void Mouse_Flush() {
    Pump();
    std::memset(g.button_down, 0, sizeof g.button_down);
    std::memset(g.button_hits, 0, sizeof g.button_hits);
    g.mouse_z = g.mouse_z_last = 0;
}

void Mouse_Show() {
    if (Platform* p = Platform_Get()) p->Mouse_Show();
}

void Mouse_Move(int x, int y) {
    if (Platform* p = Platform_Get()) p->Mouse_Move(x, y);
    g.mouse_x = x;
    g.mouse_y = y;
}

int App_Suspended() {
    Pump();
    return g.suspended;
}

int App_CloseRequested() {
    Pump();
    int c = g.close_requested;
    g.close_requested = 0;
    return c;
}

void Message_Box(const char* text, bool serious) {
    if (Platform* p = Platform_Get()) p->Message_Box(text, serious);
}

void Input_OnKeyDown(int code) {
    if (!Key_Ok(code)) return;
    g.key_down[code] = 1;
    g.key_hits[code]++;
}

void Input_OnKeyUp(int code) {
    if (Key_Ok(code)) g.key_down[code] = 0;
}

void Input_OnChar(int code) {
    int next = (g.char_write + 1) % 256;
    if (next == g.char_read) return;  // queue full: the newest character is dropped
    g.chars[g.char_write] = code;
    g.char_write = next;
}

void Input_OnMouseMove(int x, int y) {
    g.mouse_x = x;
    g.mouse_y = y;
}

void Input_OnMouseButton(int button, bool down) {
    if (!Button_Ok(button)) return;
    g.button_down[button] = down ? 1 : 0;
    if (down) g.button_hits[button]++;
}

void Input_OnWheel(int steps) { g.mouse_z += steps; }
void Input_OnFocus(bool active) { g.suspended = active ? 0 : 1; }
void Input_OnClose() { g.close_requested = 1; }
