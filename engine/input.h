// Keyboard and mouse: per-key held states and press counters by virtual-key number, a
// 256-entry typed-character queue, three mouse buttons, the wheel, and the two application
// events (suspended, close requested). Every query first pumps the platform's events.
#pragma once
#include <cstdint>

// Virtual-key numbers the game uses.
enum {
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_ESCAPE = 27, VK_SPACE = 32, VK_END = 35,
    VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_DELETE = 46,
    VK_ADD = 107, VK_SUBTRACT = 109, VK_F1 = 112, VK_F2 = 113, VK_F3 = 114,
    VK_LSHIFT = 160, VK_RSHIFT = 161, VK_LCONTROL = 162, VK_RCONTROL = 163
};

// Queries (pump events first).
int Key_Hit(int code);   // key-down messages since the last call or flush; resets to 0
int Key_Down(int code);  // 1 while held
int Char_Get();          // oldest typed character, 0 when the queue is empty
void Keys_Flush();       // clears key states, counters and the character queue
int Mouse_X();           // logical screen units
int Mouse_Y();
int Mouse_Z();           // wheel position: sum of steps
int Mouse_ZSpeed();      // wheel steps since the previous call
int Mouse_Hit(int button);   // 1 left, 2 right, 3 middle: presses since the last call; resets
int Mouse_Down(int button);  // 1 while held
void Mouse_Flush();          // clears button states, counters and the wheel position
void Mouse_Show();
void Mouse_Move(int x, int y);
int App_Suspended();       // 1 while the application has lost the focus
int App_CloseRequested();  // 1 once after a close command; reading resets it
void Message_Box(const char* text, bool serious);

// Event entry points used by the platform back ends (no pumping).
void Input_OnKeyDown(int code);
void Input_OnKeyUp(int code);
void Input_OnChar(int code);
void Input_OnMouseMove(int x, int y);
void Input_OnMouseButton(int button, bool down);
void Input_OnWheel(int steps);
void Input_OnFocus(bool active);
void Input_OnClose();
// Clears everything (a fresh boot; tests).
void Input_Reset();
