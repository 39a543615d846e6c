// The built-in player's view of the board and its rating of shots. A shot is followed as a
// straight line at the flight speed while every pearl keeps its present motion; the first
// pearl it touches and the side it touches it on decide where it goes in.
#include "play/autoplay_aim.h"
#include <algorithm>
#include <cmath>
#include <vector>
#include "chain/path.h"
#include "chain/piece.h"
#include "chain/shot.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "shell/app_state.h"

namespace {
constexpr double DEG = M_PI / 180.0;
constexpr double kContact = 28;         // centre distance at which a shot touches a pearl
constexpr double kVoidClearance = 40;   // a shot thrown off the board keeps this far from pearls
constexpr double kGunBack = 10;         // the loaded pearl sits this far behind the gun centre
constexpr double kScreenMargin = 32;    // a shot this far outside the screen is gone
constexpr double kAimOffset = 11;       // aim points ahead of / behind a pearl's centre
constexpr double kMinPointerDist = 120; // the pointer is kept this far out for a steady aim
constexpr int kPointerTop = 44;         // the pointer stays below the HUD bar
constexpr double kFireballSpeed = 640;
constexpr double kDangerDist = 550;   // front this close to its hole: the track is in danger
constexpr double kCloseDist = 900;    // pearls closer than this to the hole weigh more
constexpr float kCloseWeight = 1.5f;  // extra weight of a match at the hole
constexpr float kDangerWeight = 3;    // extra weight of a match in the front segment of a track in danger
constexpr float kRearShare = 0.2f;    // share of that weight for a match behind the front segment
constexpr float kPairValue = 25;      // a shot that makes a pair
constexpr float kJokerPairValue = 10; // a joker spent on a pair
constexpr int kVoidDirections = 24;
constexpr int kBusyAll = -2;         // busy_track value: every track waits
constexpr double kLatencyFrames = 2; // frames from the decision until the shot meets moved chains
constexpr double kAimSpread = 5;     // sideways error the rating allows for at the contact point
constexpr float kVoidValue = 0;

struct Seen {
    const Piece* pc;
    double x, y, vx, vy; // position and motion, units and units/s
    float close;         // 0 far from the hole .. 1 at the hole
    float danger;        // danger of its track, 0..1
    bool front;          // in the segment of the track's front pearl
};

struct Ray_Hit {
    int index = -1;        // seen pearl touched first, -1 none
    double sx = 0, sy = 0; // shot at the moment of contact
    double hx = 0, hy = 0; // the touched pearl then
};

// A run of matching pearls walked from a pearl in one direction.
struct Run {
    int count = 0;
    int mods = 0;               // pearls of the run carrying a modifier
    const Piece* end = nullptr; // first pearl past the run (null at the chain's end)
};

struct Aim_Module {
    std::vector<Seen> seen;
    std::vector<double> cum; // arc length at the start of each segment of one track
    float danger = 0;
    int busy_id = -1;       // pearl the last shot was aimed to touch
    int busy_track = -1;    // while that shot flies or glides: its track (kBusyAll: every track), else -1
    int busy_segm = -1;     // and the touching segment there, -1 the whole track
    bool flying = false;    // a shot is in flight
    bool gliding = false;   // a shot glides into its chain (the chain is pushed apart)
    double gx = 0, gy = 0;  // gun centre
    double latency = 0.032; // s from the decision to the shot leaving the gun
    double lead = 1;        // share of the chains' motion allowed for when aiming
};
Aim_Module g;

float Clamp01(double v) {
    return static_cast<float>(std::clamp(v, 0.0, 1.0));
}

// Arc length still to go from pc to the end of its track.
double Hole_Dist(const Path& path, const Piece* pc) {
    int seg = std::clamp(pc->pt_crt - 1, 0, std::max(0, path.Segments() - 1));
    return g.cum.back() - (g.cum[seg] + pc->bz_dist);
}

void See_Track(const Path& path) {
    g.cum.assign(1, 0.0);
    for (int s = 0; s < path.Segments(); ++s)
        g.cum.push_back(g.cum.back() + path.Seg_Length(s));
    float danger = Clamp01(1 - Hole_Dist(path, path.first_pc) / kDangerDist);
    g.danger = std::max(g.danger, danger);
    double dt = std::max(0.001f, FrameDt);
    for (const Piece* pc = path.first_pc; pc; pc = pc->pc_next) {
        Seen s{pc,
               pc->x,
               pc->y,
               (pc->x - pc->x_old) / dt,
               (pc->y - pc->y_old) / dt,
               Clamp01(1 - Hole_Dist(path, pc) / kCloseDist),
               danger,
               pc->segm_id == path.first_pc->segm_id};
        g.seen.push_back(s);
    }
}

double Shot_Speed(int color) {
    double v = color == PC_FIREBALL ? kFireballSpeed : SHOT_SPEED;
    return PcModPrecisionCnt > 0 ? 2 * v : v;
}

// Time until a shot from (ox, oy) with velocity (ux, uy) leaves the screen for good.
double Exit_Time(double ox, double oy, double ux, double uy) {
    auto axis = [](double o, double u, double hi) {
        if (u > 1e-9) return (hi + kScreenMargin - o) / u;
        if (u < -1e-9) return (-kScreenMargin - o) / u;
        return 1e9;
    };
    return std::min(axis(ox, ux, ScreenWidth), axis(oy, uy, ScreenHeight));
}

// Earliest time >= 0 at which the shot and a seen pearl come within reach, or -1.
double Contact_Time(const Seen& s, double ox, double oy, double ux, double uy, double reach) {
    double rx = s.x + s.vx * g.latency - ox, ry = s.y + s.vy * g.latency - oy;
    double wx = s.vx - ux, wy = s.vy - uy;
    double c = rx * rx + ry * ry - reach * reach;
    if (c <= 0) return 0;
    double a = wx * wx + wy * wy, b = 2 * (rx * wx + ry * wy);
    double disc = b * b - 4 * a * c;
    if (b >= 0 || disc < 0 || a < 1e-9) return -1;
    return (-b - std::sqrt(disc)) / (2 * a);
}

// Follows the shot along angle (degrees); every pearl it touches before leaving the screen
// goes to `each` (index, time); the first one is returned.
template <typename Fn> Ray_Hit Cast(double angle, double speed, double reach, Fn each) {
    double dx = std::cos(angle * DEG), dy = std::sin(angle * DEG);
    double ox = g.gx - kGunBack * dx, oy = g.gy - kGunBack * dy;
    double ux = speed * dx, uy = speed * dy;
    double exit = Exit_Time(ox, oy, ux, uy), first = 1e9;
    Ray_Hit hit;
    for (size_t i = 0; i < g.seen.size(); ++i) {
        double t = Contact_Time(g.seen[i], ox, oy, ux, uy, reach);
        if (t < 0 || t >= exit) continue;
        each(static_cast<int>(i), t);
        if (t < first) first = t, hit.index = static_cast<int>(i);
    }
    if (hit.index >= 0) {
        const Seen& s = g.seen[hit.index];
        hit.sx = ox + ux * first, hit.sy = oy + uy * first;
        hit.hx = s.x + s.vx * (first + g.latency), hit.hy = s.y + s.vy * (first + g.latency);
    }
    return hit;
}

Ray_Hit Cast_First(double angle, double speed) {
    return Cast(angle, speed, kContact, [](int, double) {});
}

bool Matches(int& color, const Piece* p) {
    if (color == PC_JOKER) {
        if (p->color != PC_JOKER && p->color > 6) return false;
        if (p->color != PC_JOKER) color = p->color;
        return true;
    }
    return p->color == PC_JOKER || p->color == color;
}

// Walks from p toward the hole (ahead) or the start while the pearls touch in segment segm
// and match color (a joker takes the colour of the first ordinary pearl it meets).
Run Walk(const Piece* p, bool ahead, int segm, int color) {
    Run r;
    for (; p && p->move_state == 0 && p->segm_id == segm && Matches(color, p);
         p = ahead ? p->pc_prev : p->pc_next) {
        ++r.count;
        if (p->mod0) ++r.mods;
    }
    r.end = p;
    return r;
}

bool Front_Side(const Ray_Hit& hit, const Piece* h) {
    if (h->pc_prev && (h->pc_prev->state & PCS_IN_HOLE)) return false;
    double hx = std::cos(h->angle * DEG), hy = std::sin(h->angle * DEG);
    bool toward_heading = (hit.sx - hit.hx) * hx + (hit.sy - hit.hy) * hy > 0;
    return toward_heading != (h->segm_dir == SEGM_BACK);
}

// Bonus when the set's removal lets the two sides of the gap meet in a new match.
float Combo_Bonus(const Run& ra, const Run& rb, int segm) {
    const Piece* a = ra.end;
    const Piece* b = rb.end;
    if (!a || !b || a->segm_id != segm || b->segm_id != segm) return 0;
    int color = a->color == PC_JOKER ? b->color : a->color;
    if (color > 6 && color != PC_JOKER) return 0;
    int probe = color;
    if (!Matches(probe, b)) return 0;
    int n = Walk(a, true, segm, color).count + Walk(b, false, segm, color).count;
    return n >= 3 ? 70.0f : 15.0f;
}

// Rating of a shot of colour `color` that goes in next to the touched pearl.
float Rate_Insert(const Ray_Hit& hit, int color, int& set_size) {
    const Seen& s = g.seen[hit.index];
    const Piece* h = s.pc;
    set_size = 1;
    if (h->color == PC_PUSHER) return -60;
    if (h->color == PC_DUMMY || (h->state & PCS_IN_HOLE)) return -10;
    bool front = Front_Side(hit, h);
    const Piece* ahead = front ? h->pc_prev : h;
    const Piece* behind = front ? h : h->pc_next;
    int segm = h->segm_id;
    Run ra = Walk(ahead, true, segm, color);
    Run rb = Walk(behind, false, segm, color);
    set_size = 1 + ra.count + rb.count;
    // A set taken out of the front segment pulls the front back; elsewhere it does not.
    float weight = 1 + kCloseWeight * s.close + kDangerWeight * (s.front ? 1 : kRearShare) * s.danger;
    if (set_size >= 3) {
        float v = 100 + 15.0f * static_cast<float>(set_size - 3) + Combo_Bonus(ra, rb, segm);
        v += 15.0f * static_cast<float>(std::min(ra.mods + rb.mods, 3));
        return v * weight;
    }
    if (set_size == 2)
        return (color == PC_JOKER ? kJokerPairValue : kPairValue) * (1 + 0.5f * s.close + s.close * s.danger);
    float v = -5 - 25 * s.close * (1 + s.danger);
    bool splits =
        ahead && behind && ahead->segm_id == segm && behind->segm_id == segm && ahead->color == behind->color;
    return splits ? v - 15 : v;
}

// Rating of a fireball along angle: every pearl it burns through, more near the hole.
float Rate_Fireball(double angle, double speed) {
    float v = 0;
    Cast(angle, speed, kContact, [&v](int i, double) {
        const Seen& s = g.seen[i];
        if (s.pc->color != PC_PUSHER) v += 1 + 3 * s.close * (1 + s.danger);
    });
    return v * 10;
}

// Rating of a shot along angle; a shot that touches nothing is a void shot.
float Rate_Angle(double angle, double speed, int color) {
    Ray_Hit hit = Cast_First(angle, speed);
    int size = 1;
    return hit.index < 0 ? kVoidValue : Rate_Insert(hit, color, size);
}

// Pointer position on the way from the gun to (ax, ay), inside the screen and below the HUD.
bool Pointer_For(double ax, double ay, int& px, int& py) {
    double dx = ax - g.gx, dy = ay - g.gy, d = std::hypot(dx, dy);
    if (d < 1) return false;
    if (d < kMinPointerDist) dx *= kMinPointerDist / d, dy *= kMinPointerDist / d;
    double t = 1;
    auto clip = [&t](double o, double v, double lo, double hi) {
        if (o + v * t > hi) t = (hi - o) / v;
        if (o + v * t < lo) t = (lo - o) / v;
    };
    clip(g.gx, dx, 1, ScreenWidth - 2);
    clip(g.gy, dy, kPointerTop, ScreenHeight - 2);
    px = static_cast<int>(std::lround(g.gx + dx * t));
    py = static_cast<int>(std::lround(g.gy + dy * t));
    return std::hypot(px - g.gx, py - g.gy) >= 30;
}

// The direction the barrel takes for a pointer position, as the gun computes it.
double Barrel_Angle(int px, int py) {
    return std::atan2(py - GunY, px - GunX) / DEG;
}

// Shot at one seen pearl with aim offset k; fills shot and returns false when no pointer fits.
// The pearls about to be pushed or matched by the shot on its way are left alone.
bool Busy(const Piece* pc) {
    if (g.busy_track == kBusyAll) return true;
    return g.busy_track >= 0 && pc->path_id == g.busy_track &&
           (g.busy_segm < 0 || pc->segm_id == g.busy_segm);
}

bool Aim_At(int index, int k, int color, float jx, float jy, Aim_Shot& shot) {
    const Seen& s = g.seen[index];
    const Piece* pc = s.pc;
    if (color != PC_FIREBALL && Busy(pc)) return false;
    double speed = Shot_Speed(color);
    double ox = g.gx, oy = g.gy, px = s.x, py = s.y;
    for (int it = 0; it < 3; ++it) {
        double tau = std::hypot(px - ox, py - oy) / speed + g.latency;
        px = s.x + s.vx * tau * g.lead, py = s.y + s.vy * tau * g.lead;
    }
    double sign = pc->segm_dir == SEGM_BACK ? -1 : 1;
    px += k * kAimOffset * sign * std::cos(pc->angle * DEG) + jx;
    py += k * kAimOffset * sign * std::sin(pc->angle * DEG) + jy;
    if (!Pointer_For(px, py, shot.ptr_x, shot.ptr_y)) return false;
    double angle = Barrel_Angle(shot.ptr_x, shot.ptr_y);
    shot.kind = AIM_PEARL;
    shot.target_id = pc->id;
    shot.offset = k;
    if (color == PC_FIREBALL) {
        shot.value = Rate_Fireball(angle, speed);
        shot.set_size = 0;
        shot.hit_id = -1;
        return shot.value > 0;
    }
    Ray_Hit hit = Cast_First(angle, speed);
    if (hit.index < 0 || Busy(g.seen[hit.index].pc)) return false;
    shot.hit_id = g.seen[hit.index].pc->id;
    float centre = Rate_Insert(hit, color, shot.set_size);
    // The hand and the chains are never exact: the shot is rated with its near neighbours.
    double spread = kAimSpread / std::max(30.0, std::hypot(hit.sx - g.gx, hit.sy - g.gy)) / DEG;
    shot.value =
        (2 * centre + Rate_Angle(angle - spread, speed, color) + Rate_Angle(angle + spread, speed, color)) /
        4;
    return true;
}

bool On_Board(const Seen& s) {
    return s.x > 0 && s.x < ScreenWidth && s.y > 0 && s.y < ScreenHeight && s.pc->color != PC_DUMMY &&
           !(s.pc->state & (PCS_IN_HOLE | PCS_HIDDEN));
}

// A direction in which the shot leaves the board without touching anything.
void Best_Void(float jx, float jy, Aim_Shot& best) {
    for (int i = 0; i < kVoidDirections; ++i) {
        double a = 360.0 * i / kVoidDirections;
        Aim_Shot shot;
        if (!Pointer_For(g.gx + 300 * std::cos(a * DEG) + jx, g.gy + 300 * std::sin(a * DEG) + jy, shot.ptr_x,
                         shot.ptr_y))
            continue;
        double angle = Barrel_Angle(shot.ptr_x, shot.ptr_y);
        if (Cast(angle, SHOT_SPEED, kVoidClearance, [](int, double) {}).index >= 0) continue;
        shot.kind = AIM_VOID;
        shot.value = kVoidValue;
        shot.set_size = 1;
        if (shot.value > best.value) best = shot;
        return;
    }
}
} // namespace

void Aim_See() {
    g.seen.clear();
    g.danger = 0;
    g.gx = GunX;
    g.gy = GunY;
    g.latency = kLatencyFrames * std::max(0.008f, FrameDt);
    for (int i = 0; i < Paths.count; ++i)
        if (Paths.pool[i].first_pc && Paths.pool[i].Segments() > 0) See_Track(Paths.pool[i]);
    g.flying = g.gliding = false;
    for (const Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        g.flying = g.flying || (pc->move_state == 1 && !(pc->state & PCS_FIREBALL));
        g.gliding = g.gliding || pc->move_state == 3;
    }
    g.busy_track = g.busy_segm = -1;
    if (!g.flying && !g.gliding) g.busy_id = -1;
    if (const Piece* hit = g.busy_id >= 0 ? Id_To_Pc(g.busy_id) : nullptr) {
        g.busy_track = hit->path_id;
        g.busy_segm = hit->move_state == 0 ? hit->segm_id : -1;
    } else if (g.busy_id >= 0) {
        g.busy_track = kBusyAll; // the target is gone: the board is changing somewhere
    }
}

Aim_Shot Aim_Best(int color, float jx, float jy) {
    Aim_Shot best;
    for (size_t i = 0; i < g.seen.size(); ++i) {
        if (!On_Board(g.seen[i])) continue;
        for (int k = -1; k <= 1; ++k) {
            Aim_Shot shot;
            if (Aim_At(static_cast<int>(i), k, color, jx, jy, shot) && shot.value > best.value) best = shot;
        }
    }
    if (color != PC_FIREBALL && best.value < kVoidValue) Best_Void(jx, jy, best);
    return best;
}

bool Aim_Track(int color, float jx, float jy, Aim_Shot& shot) {
    if (shot.kind != AIM_PEARL) return shot.kind == AIM_VOID;
    for (size_t i = 0; i < g.seen.size(); ++i)
        if (g.seen[i].pc->id == shot.target_id)
            return On_Board(g.seen[i]) && Aim_At(static_cast<int>(i), shot.offset, color, jx, jy, shot);
    return false;
}

void Aim_Set_Lead(double share) {
    g.lead = share;
}

float Aim_Danger() {
    return g.danger;
}

void Aim_Set_Busy(int hit_id) {
    g.busy_id = hit_id;
}

bool Aim_Shot_Flying() {
    return g.flying;
}

bool Aim_Shot_Gliding() {
    return g.gliding;
}
