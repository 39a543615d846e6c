// Developer keys.
#include "play/dev_keys.h"
#include <string>
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "play/ingame_steps.h"
#include "play/level_run.h"
#include "play/level_state.h"
#include "play/lose_sequence.h"
#include "play/pointer.h"
#include "play/score.h"
#include "play/win_sequence.h"
#include "shell/app_state.h"
#include "shell/random.h"

namespace {
constexpr int kHammerLevel1 = 300;     // hammer points of its first level
constexpr int kFreezeMs = 5000;        // Z
constexpr int kPrecisionMs = 20000;    // X
constexpr int kScoreKeyPoints = 30000; // E
constexpr int kArtefactKind = 4, kCoinKind = 0;

bool Ctrl() {
    return Key_Down(VK_LCONTROL) != 0;
}

// Destruction with its effects: kind 2 pops, kind 0 is silent.
void Destroy(Piece* pc, int kind) {
    Chain_Hooks.Destroy(pc, kind, pc->color, 0, 0);
}

void Draw_Timing() {
    const LevelInfo* info = Level_Info(LevelCrt);
    Gfx_SetFont(nullptr);
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
    Gfx_DrawText("timing=0", 600, 20);
    std::string line = "- PACK : " + std::to_string(info ? info->pack_id : 0) + " -- level " +
                       std::to_string(LevelCrt) + " -- board_id = " + std::to_string(BoardId) +
                       "  win points=" + std::to_string(WinPoints) +
                       "total=" + std::to_string(WinPointsStart);
    Gfx_DrawText(line, 100, 60);
}

// K + middle click: every pearl under the pointer pops.
void Pop_Under_Pointer() {
    for (Piece* pc = Pieces.list_first; pc;) {
        Piece* next = pc->list_next;
        if (PtrX > pc->x - pc->radius && PtrX < pc->x + pc->radius && PtrY > pc->y - pc->radius &&
            PtrY < pc->y + pc->radius)
            Destroy(pc, 2);
        pc = next;
    }
}

void Clear_Tracks() {
    for (int i = 0; i < Paths.count; ++i)
        for (Piece* pc = Paths.pool[i].first_pc; pc;) {
            Piece* next = pc->pc_next;
            Destroy(pc, 0);
            pc = next;
        }
}

// The debug-mode table, first match wins.
void Debug_Keys() {
    if (Key_Down(VK_F1)) {
        Draw_Timing();
    } else if (Key_Hit(VK_F3)) {
        FrameCounter = 1;
        TotalFrameTime = 1;
    } else if (Key_Hit('D')) {
        Dev_PathOverlay ^= 1;
    } else if (Key_Hit('P')) {
        Dev_ChainOverlay ^= 1;
    } else if (Key_Hit('S')) {
        Dev_Stop ^= 1;
    } else if (Key_Hit('B') || Key_Hit('F')) {
        PcModFireballCnt += 1;
    } else if (Key_Down('K') && MiddleHit) {
        Pop_Under_Pointer();
    } else if (Key_Hit('I')) {
        Step_Run(InGame_Steps.item_create, Rand(0, 1) ? kArtefactKind : kCoinKind, PtrX, PtrY);
    } else if (Ctrl() && Key_Hit('R')) {
        Level_Start();
    } else if (Ctrl() && Key_Hit('W')) {
        Dev_WinNow();
    } else if (Ctrl() && Key_Hit('O')) {
        Clear_Tracks();
    } else if (Key_Hit('H')) {
        HammerScore += kHammerLevel1;
    } else if ((Ctrl() || Key_Down(VK_RCONTROL)) && Key_Hit('L')) {
        Level_Lose();
    } else if (Key_Hit('Q')) {
        Lives = 0;
        Level_Lose();
    } else if (Key_Hit('Z')) {
        PcModPauseCnt = kFreezeMs;
        Step_Run(InGame_Steps.fx_freeze, static_cast<float>(ScreenCenterX),
                 static_cast<float>(ScreenCenterY));
    } else if (Key_Hit('X')) {
        PcModPrecisionCnt = kPrecisionMs;
    } else if (Key_Hit('J')) {
        PcModPauseCnt = PcModPauseCnt == 0 ? -1 : 0;
    } else if (Key_Hit('E')) {
        Score_Add(kScoreKeyPoints, 1);
    }
}
} // namespace

void Dev_WinNow() {
    WinPoints = 0;
    for (int i = 0; i < Paths.count; ++i) {
        Paths.pool[i].Set_First(nullptr);
        Paths.pool[i].Set_Last(nullptr);
    }
    Win_Check();
}

void DevKeys_Run() {
    if (Key_Down('N') && Key_Down(VK_LCONTROL) && Key_Hit('W')) Dev_WinNow();
    if (DebugMode == 1) Debug_Keys();
}
