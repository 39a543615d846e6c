// Hammer and item choices of the built-in player.
#include "play/autoplay_tools.h"
#include <algorithm>
#include <cmath>
#include "chain/path.h"
#include "chain/piece.h"
#include "chain/shot.h"
#include "play/autoplay_aim.h"
#include "play/hammer.h"
#include "play/items.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "shell/app_state.h"

namespace {
constexpr int kColourSmashMin = 8;     // pearls of a colour that make a level-3 smash worth it
constexpr float kDangerSmash = 0.6f;   // danger from which a smaller smash is used at the front
constexpr float kDangerColour = 0.35f; // danger from which any colour smash is used
constexpr double kContact = 28;        // centre distance at which a shot touches a pearl
constexpr double kPointerDist = 140;   // the pointer is put this far out along the aim
constexpr int kPointerTop = 44;        // below the HUD bar
constexpr double kItemMargin = 400;    // ms of collectable time left beyond the flight

bool Smashable(const Piece* pc) {
    return pc->move_state == 0 && pc->color != PC_PUSHER && pc->color <= 6 && !(pc->state & PCS_IN_HOLE) &&
           pc->x > 0 && pc->x < ScreenWidth && pc->y > kPointerTop && pc->y < ScreenHeight;
}

// Front pearl of the track whose front is closest to its hole (by the way left).
const Piece* Front_Most() {
    const Piece* best = nullptr;
    double best_left = 1e18;
    for (int i = 0; i < Paths.count; ++i) {
        const Path& p = Paths.pool[i];
        for (const Piece* pc = p.first_pc; pc; pc = pc->pc_next) {
            if (!Smashable(pc)) continue;
            double left = -pc->bz_dist;
            for (int s = pc->pt_crt - 1; s >= 0 && s < p.Segments(); ++s)
                left += p.Seg_Length(s);
            if (left < best_left) best = pc, best_left = left;
            break;
        }
    }
    return best;
}

// The colour smash: the colour of the most pearls; its pearl nearest the front is the target.
const Piece* Colour_Target(float danger) {
    int count[7] = {};
    for (const Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        if (Smashable(pc) && pc->color <= 6) ++count[pc->color];
    int best = static_cast<int>(std::max_element(count, count + 7) - count);
    if (count[best] < kColourSmashMin && danger < kDangerColour) return nullptr;
    const Piece* front = Front_Most();
    if (front && front->color <= 6 && count[front->color] * 2 >= count[best]) best = front->color;
    for (int i = 0; i < Paths.count; ++i)
        for (const Piece* pc = Paths.pool[i].first_pc; pc; pc = pc->pc_next)
            if (Smashable(pc) && pc->color == best) return pc;
    return nullptr;
}

// Clear straight line from the gun to (x, y): no chain pearl touches it on the way.
bool Clear_Line(double x, double y) {
    double gx = GunX, gy = GunY, dx = x - gx, dy = y - gy, len = std::hypot(dx, dy);
    if (len < 1) return false;
    dx /= len, dy /= len;
    for (int i = 0; i < Paths.count; ++i)
        for (const Piece* pc = Paths.pool[i].first_pc; pc; pc = pc->pc_next) {
            double along = (pc->x - gx) * dx + (pc->y - gy) * dy;
            if (along < 0 || along > len) continue;
            double side = std::abs((pc->x - gx) * dy - (pc->y - gy) * dx);
            if (side < kContact + 4) return false;
        }
    return true;
}
} // namespace

const Piece* Tool_Hammer_Target(bool full_only) {
    if (NoHammer || HammerState == 0) return nullptr;
    float danger = Aim_Danger();
    if (HammerLevel == 2) return Colour_Target(danger);
    if (full_only || danger < kDangerSmash) return nullptr;
    return Front_Most();
}

void Tool_Hammer_Icon(int& x, int& y) {
    const Hammer& h = Hammers[HammerLevel];
    x = HAMMER_ICON_X + h.off_x + h.img_dx / 2;
    y = HAMMER_ICON_Y + h.off_y + h.img_dy / 2;
}

bool Tool_Item_Shot(int& ptr_x, int& ptr_y) {
    for (int i = 0; i < Items.count; ++i) {
        const Item& it = Items.list[i];
        if (it.state != 1) continue;
        double dist = std::hypot(it.x - GunX, it.y - GunY);
        double flight_ms = 1000 * dist / (SHOT_SPEED * (PcModPrecisionCnt > 0 ? 2 : 1));
        if (it.timer_die < flight_ms + kItemMargin || !Clear_Line(it.x, it.y)) continue;
        double ux = (it.x - GunX) / dist, uy = (it.y - GunY) / dist;
        double reach = std::max(dist, kPointerDist);
        ptr_x = static_cast<int>(std::lround(GunX + ux * reach));
        ptr_y = static_cast<int>(std::lround(GunY + uy * reach));
        if (ptr_x < 1 || ptr_x > ScreenWidth - 2 || ptr_y < kPointerTop || ptr_y > ScreenHeight - 2) {
            ptr_x = static_cast<int>(std::lround(GunX + ux * dist));
            ptr_y = static_cast<int>(std::lround(GunY + uy * dist));
        }
        return true;
    }
    return false;
}
