// Chain view: the simulation with a hole that simply swallows pearls and nothing else of the
// level play, drawn over a plain background.
#include "chain/chain_view.h"
#include "chain/chain_draw.h"
#include "chain/chain_frame.h"
#include "chain/chain_hooks.h"
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "content/path_file.h"
#include "engine/gfx.h"
#include "play/level_state.h"
#include "shell/app_state.h"

namespace {
constexpr float kDefaultFrameMs = 16;

// Pearls drawn as tinted discs when their images are not available.
void Draw_Disc(GObj* o) {
    static const int rgb[6][3] = {{40, 90, 230},  {40, 190, 60}, {210, 50, 200},
                                  {240, 140, 30}, {220, 40, 40}, {240, 220, 40}};
    Piece* pc = static_cast<Piece*>(o);
    if (pc->state & PCS_HIDDEN) return;
    if (pc->color >= 0 && pc->color < 6)
        Gfx_SetColor(rgb[pc->color][0], rgb[pc->color][1], rgb[pc->color][2]);
    else
        Gfx_SetColor(235, 235, 235);
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_DrawOval(pc->x - pc->radius, pc->y - pc->radius, 2 * pc->radius, 2 * pc->radius);
    Gfx_SetColor(255, 255, 255);
}

void Swallow(Piece* pc) {
    pc->Destroy_Basic();
}
} // namespace

bool ChainView_Load(const std::string& path_file) {
    Pieces_Load_Images();
    if (!Piece_Image(PC_BLUE)) GObj_Draw_Table[GOBJ_PIECE] = Draw_Disc;
    Chain_Hooks_Reset();
    Chain_Hooks.Hole_Enter = Swallow;
    LevelState_Reset();
    WinPoints = WinPointsStart = 1 << 30; // never fills: waves keep coming
    FirstFrame = 0;
    Chain_Reset();
    for (int c = 0; c < 6; ++c)
        Color_Add(c, 100);
    Path_File_Parse(path_file, Path_File_Context{});
    return Paths.count > 0;
}

void ChainView_Frame() {
    if (FrameTime <= 0) {
        FrameTime = kDefaultFrameMs;
        FrameDt = kDefaultFrameMs / 1000;
    }
    Chain_Sim_Frame();
    Gfx_SetColor(24, 28, 36);
    Gfx_SetBlend(BLEND_SOLID);
    Gfx_DrawRect(0, 0, ScreenWidth, ScreenHeight);
    Gfx_SetColor(90, 100, 120);
    Paths_Draw_Curves();
    Gfx_SetColor(255, 255, 255);
    ZList_Draw();
    Paths_Draw();
}
