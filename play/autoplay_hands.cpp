// Keyboard and pad hands of the built-in player.
#include "play/autoplay_hands.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include "engine/input.h"
#include "chain/piece.h"
#include "engine/pad.h"
#include "play/gun.h"
#include "play/gun_keys.h"
#include "play/level_values.h"
#include "shell/app_state.h"

namespace {
constexpr double DEG = M_PI / 180.0;
constexpr float kOnTarget = 0.3f; // degrees: close enough to fire
constexpr int kMouseLeft = 1, kMouseRight = 2;

struct Hands_Module {
    int input = HANDS_POINTER;
    Hands_Recorder record = nullptr;
    bool aiming = false;
    float target = 0;                  // degrees
    bool fire = false;                 // a shot waits until the gun is on target
    int hammer_id = -1;                // a hammer blow waits for the gun to point at this pearl
    int held_turn = 0, held_shift = 0; // keys held for turning
    int tap_key = 0, tap_pad = -1;     // pressed after the last frame, let go after this one
};
Hands_Module g;

float Wrap(float a) {
    a = std::fmod(a, 360.0f);
    if (a > 180) a -= 360;
    if (a <= -180) a += 360;
    return a;
}

void Send_Key(int code, bool down) {
    if (g.record) g.record(std::string(down ? "key_down " : "key_up ") + std::to_string(code));
    if (down)
        Input_OnKeyDown(code);
    else
        Input_OnKeyUp(code);
}

void Send_Pad(int button, bool down) {
    if (g.record) g.record(std::string("pad_button ") + Pad_ButtonName(button) + (down ? " down" : " up"));
    Pad_OnButton(button, down);
}

// The value as the script spells it, read back, so a recorded run replays exactly.
void Send_Axis(int axis, const char* name, double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", v);
    if (g.record) g.record(std::string("pad_axis ") + name + " " + text);
    Pad_OnAxis(axis, std::strtof(text, nullptr));
}

void Tap_Key(int code) {
    Send_Key(code, true);
    g.tap_key = code;
}
void Tap_Pad(int button) {
    Send_Pad(button, true);
    g.tap_pad = button;
}

void Release_Taps() {
    if (g.tap_key) Send_Key(g.tap_key, false);
    if (g.tap_pad >= 0) Send_Pad(g.tap_pad, false);
    g.tap_key = 0;
    g.tap_pad = -1;
}

void Hold(int& held, int code) {
    if (held == code) return;
    if (held) Send_Key(held, false);
    if (code) Send_Key(code, true);
    held = code;
}

float Off_Target() {
    return Wrap(g.target - Gun.angle);
}

// Left/Right toward the aim: the fine rate when a full step would overshoot, nothing when
// even a fine step would.
void Steer_Keys() {
    float diff = g.aiming ? Off_Target() : 0;
    float dt = FrameDt > 0 ? FrameDt : 0.016f;
    float fine_step = GUN_KEY_FINE_RATE * dt, full_step = GUN_KEY_TURN_RATE * dt;
    int turn = 0, shift = 0;
    if (std::fabs(diff) > kOnTarget && std::fabs(diff) > fine_step * 0.5f) {
        turn = diff > 0 ? VK_RIGHT : VK_LEFT;
        if (std::fabs(diff) < full_step * 1.5f) shift = VK_LSHIFT;
    }
    Hold(g.held_shift, shift);
    Hold(g.held_turn, turn);
}
void Aim_At(float x, float y) {
    g.aiming = true;
    g.target = static_cast<float>(std::atan2(y - GunY, x - GunX) / DEG);
    if (g.input == HANDS_PAD) {
        Send_Axis(PAD_LEFTX, "leftx", std::cos(g.target * DEG));
        Send_Axis(PAD_LEFTY, "lefty", std::sin(g.target * DEG));
    }
}

// The waiting hammer blow: follow its pearl, strike when the gun points at it.
void Hammer_Blow() {
    const Piece* pc = Id_To_Pc(g.hammer_id);
    if (!pc || !pc->alive || pc->path_id < 0) {
        g.hammer_id = -1;
        return;
    }
    Aim_At(pc->x, pc->y);
    if (std::fabs(Off_Target()) > kOnTarget) return;
    g.hammer_id = -1;
    if (g.input == HANDS_KEYS)
        Tap_Key('H');
    else
        Tap_Pad(PAD_Y);
}
} // namespace

void Hands_Start(int input, Hands_Recorder record) {
    g = Hands_Module{};
    g.input = input;
    g.record = record;
}

void Hands_Stop() {
    if (g.input == HANDS_POINTER) return;
    Release_Taps();
    Hold(g.held_turn, 0);
    Hold(g.held_shift, 0);
    if (g.input == HANDS_PAD) {
        Send_Axis(PAD_LEFTX, "leftx", 0);
        Send_Axis(PAD_LEFTY, "lefty", 0);
    }
    g.aiming = g.fire = false;
}

bool Hands_Move(int x, int y) {
    if (g.input == HANDS_POINTER) return false;
    if (g.hammer_id < 0) Aim_At(static_cast<float>(x), static_cast<float>(y));
    return true;
}

bool Hands_Take_Hammer(const Piece* target) {
    if (g.input == HANDS_POINTER || !target) return false;
    g.hammer_id = target->id;
    Aim_At(target->x, target->y);
    return true;
}

bool Hands_Button(int b, bool down) {
    if (g.input == HANDS_POINTER) return false;
    if (!down) return true; // taps are let go by the hands themselves
    if (b == kMouseLeft) g.fire = true;
    if (b == kMouseRight) {
        if (g.input == HANDS_KEYS)
            Tap_Key(VK_TAB);
        else
            Tap_Pad(PAD_X);
    }
    return true;
}

bool Hands_Key(int code, bool down) {
    if (g.input != HANDS_PAD) return false;
    if (down) Tap_Pad(code == VK_ESCAPE ? PAD_B : PAD_A);
    return true;
}

void Hands_Frame() {
    if (g.input == HANDS_POINTER) return;
    Release_Taps();
    if (g.hammer_id >= 0) Hammer_Blow();
    if (g.input == HANDS_KEYS) Steer_Keys();
    if (g.hammer_id >= 0) return;
    if (!g.fire || !Hands_OnTarget() || !Gun.GunPc) return;
    g.fire = false;
    if (g.input == HANDS_KEYS)
        Tap_Key(VK_SPACE);
    else
        Tap_Pad(PAD_A);
}

bool Hands_OnTarget() {
    if (g.input == HANDS_POINTER) return true;
    if (g.hammer_id >= 0) return false;
    if (!g.aiming) return true;
    return std::fabs(Off_Target()) <= kOnTarget;
}
