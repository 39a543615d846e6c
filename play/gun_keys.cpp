// Keyboard and pad input of the gun, read once per frame before the gun aims and fires.
#include "play/gun_keys.h"
#include <cmath>
#include "engine/input.h"
#include "engine/pad.h"
#include "chain/piece.h"
#include "play/gun.h"
#include "play/hammer.h"
#include "play/level_values.h"
#include "play/pointer.h"
#include "shell/app_state.h"

Gun_Keys_State GunKeys;

namespace {
constexpr double DEG = M_PI / 180.0;

// Degrees brought into -180..180.
float Wrap(float a) {
    a = std::fmod(a, 360.0f);
    if (a > 180) a -= 360;
    if (a <= -180) a += 360;
    return a;
}

// A press this frame: held now or pressed and let go since the last frame, and not held
// before (key repeat of a held key is not a press).
bool Pressed(int& was, int code, int code2 = 0) {
    int hits = Key_Hit(code) + (code2 ? Key_Hit(code2) : 0);
    int down = Key_Down(code) || (code2 && Key_Down(code2));
    bool press = !was && (down || hits > 0);
    was = down;
    return press;
}

void Turn() {
    if (PtrX != PtrPrevX || PtrY != PtrPrevY) GunKeys.active = false; // the mouse takes over
    float sx, sy;
    Pad_Stick(0, sx, sy);
    if (std::sqrt(sx * sx + sy * sy) >= GUN_STICK_AIM) {
        GunKeys.active = true;
        GunKeys.angle = static_cast<float>(std::atan2(sy, sx) / DEG);
        return;
    }
    int dir = (Key_Down(VK_RIGHT) ? 1 : 0) - (Key_Down(VK_LEFT) ? 1 : 0);
    if (dir == 0) return;
    if (!GunKeys.active) GunKeys.angle = Gun.angle;
    GunKeys.active = true;
    bool fine = Key_Down(VK_LSHIFT) || Key_Down(VK_RSHIFT);
    GunKeys.angle = Wrap(GunKeys.angle + dir * (fine ? GUN_KEY_FINE_RATE : GUN_KEY_TURN_RATE) * FrameDt);
}
} // namespace

bool GunKeys_HammerAt(int x, int y) {
    if (NoHammer || HammerState == 0) return false;
    // The aiming ray stops where it touches a pearl: that pearl is within two radii.
    Piece* best = nullptr;
    float best_d = 0;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        if (pc->move_state == 2 || pc->color == PC_PUSHER || pc->path_id < 0) continue;
        float dx = pc->x - x, dy = pc->y - y, d = dx * dx + dy * dy;
        if (d <= 4 * pc->radius * pc->radius && (!best || d < best_d)) best = pc, best_d = d;
    }
    if (!best) return false;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        pc->state &= ~PCS_HOVERED;
    best->state |= PCS_HOVERED;
    Hammers[HammerLevel].On_LeftUp();
    HammerState = 1;
    return true;
}

void GunKeys_Reset() {
    GunKeys = Gun_Keys_State{};
}

void GunKeys_Update() {
    if (FrameCounter != GunKeys.last_frame + 1) GunKeys.fire_was = GunKeys.swap_was = GunKeys.hammer_was = 0;
    GunKeys.last_frame = FrameCounter;
    Turn();
    GunKeys.fire = Pressed(GunKeys.fire_was, VK_SPACE, VK_RETURN);
    if (Pressed(GunKeys.swap_was, VK_TAB)) Gun_RightClick();
    // H is also a developer key: its press count is left for it.
    int h = Key_Down('H');
    if (h && !GunKeys.hammer_was && Gun.AimHit) GunKeys_HammerAt(Gun.AimEndX, Gun.AimEndY);
    GunKeys.hammer_was = h;
}

bool GunKeys_Aim(float& angle_dest) {
    if (GunKeys.active) angle_dest = GunKeys.angle;
    return GunKeys.active;
}

bool GunKeys_Fire() {
    return GunKeys.fire;
}
