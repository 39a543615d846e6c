// Hammer icon with its fill and charge ring, the armed cursor and the hovered pearls.
#include <cmath>
#include <string>
#include "chain/piece.h"
#include "engine/gfx.h"
#include "play/hammer.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/pointer.h"
#include "shell/app_state.h"
#include "shell/resource.h"

namespace {
void Advance(float& frame, int frames) {
    if (frames <= 0) return;
    frame += HAMMER_FRAMES_PER_S * FrameDt;
    if (frame >= frames) frame = std::fmod(frame, static_cast<float>(frames));
}

void Draw_At(TImage* img, int x, int y, int frame) {
    Gfx_DrawImage(img, static_cast<float>(x), static_cast<float>(y), frame);
}
} // namespace

void Hammer_LoadImages() {
    const std::string dir = ".\\Images\\Hammer\\";
    for (int l = 0; l < HAMMER_LEVELS; ++l) {
        Hammer& h = Hammers[l];
        if (h.img) continue;
        std::string n = std::to_string(l + 1);
        h.img = Gfx_LoadAnimImage(Asset_Path(dir + "hammer" + n + ".png"), h.img_dx, h.img_dy, 0, h.img_no);
        h.img_gray = Gfx_LoadImage(Asset_Path(dir + "hammer" + n + "_gray.png"));
    }
    for (int i = 0; i < HAMMER_FILLS; ++i)
        if (!HammerFills[i].img)
            HammerFills[i].img = Gfx_LoadImage(Asset_Path(dir + "hammer_fill_" + std::to_string(i) + ".png"));
}

void Hammer_DrawIcon() {
    if (NoHammer) return;
    const Hammer& h = Hammers[HammerLevel];
    int x = HAMMER_ICON_X + h.off_x, y = HAMMER_ICON_Y + h.off_y;
    Gfx_SetBlend(BLEND_ALPHA);
    if (HammerState == 1) {
        Advance(HammerIconFrame, h.img_no);
        Draw_At(h.img, x, y, static_cast<int>(HammerIconFrame));
    } else {
        Draw_At(h.img_gray, x, y, 0);
    }
    if (HammerState == 0 && h.points_enable > 0) {
        int f = h.img_dy * HammerScore / h.points_enable;
        if (f > 0) {
            int vx, vy, vw, vh;
            Gfx_GetViewport(vx, vy, vw, vh);
            Gfx_SetViewport(x, y + h.img_dy - f, h.img_dx, f);
            Draw_At(h.img, x, y, 0);
            Gfx_SetViewport(vx, vy, vw, vh);
        }
    }
    if (HammerScore >= Hammers[0].points_enable && HammerScore < Hammers[2].points_enable) {
        for (const HammerFill& s : HammerFills) {
            if (s.alpha == 0) continue;
            Gfx_SetAlpha(s.alpha);
            Draw_At(s.img, s.x, s.y, 0);
        }
        Gfx_SetAlpha(1);
    }
}

void Hammer_DrawCursor() {
    if (NoHammer || HammerState != 2) return;
    const Hammer& h = Hammers[HammerLevel];
    Advance(HammerCursorFrame, h.img_no);
    Gfx_SetBlend(BLEND_ALPHA);
    Draw_At(h.img, PtrX - 10, PtrY - 10, static_cast<int>(HammerCursorFrame));
}

void Hammer_DrawHovered() {
    if (HammerState != 2) return;
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next)
        if (pc->state & PCS_HOVERED) pc->Draw_Hovered();
}
