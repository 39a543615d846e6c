// Precision beam.
#include "play/precision_beam.h"
#include <cmath>
#include "chain/path.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "play/gun.h"
#include "play/level_values.h"
#include "shell/app_state.h"
#include "shell/resource.h"

namespace {
constexpr double DEG = M_PI / 180.0;
constexpr int kStepsMax = 2000; // longer than any line across the screen
TImage* g_dot = nullptr;

bool Near_Pearl(double x, double y) {
    for (int i = 0; i < Paths.count; ++i)
        for (const Piece* pc = Paths.pool[i].first_pc; pc; pc = pc->pc_next) {
            double dx = pc->x - x, dy = pc->y - y;
            if (static_cast<long>(dx * dx + dy * dy) <= static_cast<long>(pc->radius * pc->radius))
                return true;
        }
    return false;
}
} // namespace

void Precision_LoadImages() {
    if (g_dot) return;
    g_dot = Gfx_LoadImage(Asset_Path("./images/pieces/mods/mod_precision_part.png"));
    Gfx_MidHandle(g_dot);
}

void Precision_BeamEnd(float& x, float& y) {
    double cx = std::cos(Gun.angle * DEG), cy = std::sin(Gun.angle * DEG);
    double px = GunX, py = GunY;
    for (int i = 0; i < kStepsMax; ++i) {
        px += cx;
        py += cy;
        if (!(px > 0 && px < ScreenWidth && py > 0 && py < ScreenHeight)) break;
        if (Near_Pearl(px, py)) break;
    }
    x = static_cast<float>(px);
    y = static_cast<float>(py);
}

void Precision_DrawBeam() {
    float ex, ey;
    Precision_BeamEnd(ex, ey);
    double cx = std::cos(Gun.angle * DEG), cy = std::sin(Gun.angle * DEG);
    double sx = GunX + BEAM_START * cx, sy = GunY + BEAM_START * cy;
    double len = (ex - sx) * cx + (ey - sy) * cy;
    Gfx_SetBlend(BLEND_ALPHA);
    for (double d = 0; len - d > 0; d += BEAM_DOT_STEP)
        Gfx_DrawImage(g_dot, static_cast<float>(sx + d * cx), static_cast<float>(sy + d * cy), 0);
}
