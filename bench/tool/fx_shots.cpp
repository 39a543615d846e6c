// orbivale_fxshots OUTDIR: headless screenshots of the effects in play. Each shot boots into a
// level, lets the built-in player play for a while, sets off one effect on the pearls of the
// board through the game's own calls and writes the frame a moment later as OUTDIR/NAME.png.
#include <cstdio>
#include <string>
#include "chain/match.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/headless_platform.h"
#include "engine/platform.h"
#include "fx/fx_recipes.h"
#include "play/autoplay.h"
#include "play/level_state.h"
#include "play/match.h"
#include "play/score.h"
#include "shell/log.h"
#include "shell/main_loop.h"
#include "shell/options.h"
#include "shell/random.h"
#include "shell/startup.h"

namespace {
constexpr int kFrameMs = 16;

// The front pearl of the longest run of ordinary pearls, with at least n behind it.
Piece* Run_Of(int n) {
    for (Piece* pc = Pieces.list_first; pc; pc = pc->list_next) {
        if (pc->move_state != 0 || pc->color > 5) continue;
        Piece* p = pc;
        int k = 1;
        while (k < n && p->pc_next && p->pc_next->color <= 5 && p->pc_next->move_state == 0) {
            p = p->pc_next;
            ++k;
        }
        if (k == n && pc->x > 60 && pc->x < 740 && pc->y > 80 && pc->y < 560) return pc;
    }
    return Pieces.list_first;
}

void Five_Burst() {
    Piece* pc = Run_Of(5);
    for (int i = 0; i < 5 && pc; ++i) {
        Piece* next = pc->pc_next;
        pc->Destroy(1, pc->color, i * MATCH_EXPLODE_STEP, 5);
        pc = next;
    }
}

void Combo_Text() {
    Piece* pc = Run_Of(4);
    if (!pc) return;
    ScoreComboCnt = 2;
    Score_Combo(4, pc);
    Five_Burst();
}

// The five-pearl smash as the hammer makes it: the target goes at once, its two neighbours on
// each side get a smash that swoops in from above.
void Hammer_Smash() {
    Piece* target = Run_Of(5);
    if (!target || !target->pc_next || !target->pc_next->pc_next) return;
    Piece* mid = target->pc_next->pc_next;
    Piece* ring[4] = {mid->pc_next, mid->pc_next ? mid->pc_next->pc_next : nullptr, mid->pc_prev, target};
    for (int i = 0; i < 4; ++i)
        if (ring[i])
            fx::FX_HammerSmash(ring[i], static_cast<float>(Rand(i % 2 ? -100 : -50, i % 2 ? 100 : 50)),
                               static_cast<float>(i % 2 ? Rand(-400, -200) : Rand(-300, -100)), 1);
    mid->Remove_By_Set(0);
}

void Freeze() {
    Piece* pc = Run_Of(1);
    PcModPauseCnt = 5000;
    if (pc) fx::FX_Freeze(pc->x, pc->y);
}

void Reverse_Swirl() {
    if (Piece* pc = Run_Of(1)) fx::FX_ReverseSwirl(pc->x, pc->y);
}

struct Shot {
    const char* name;
    int level, play_frames; // frames of play before the effect
    void (*effect)();
    int after_frames; // frames from the effect to the picture
};
const Shot kShots[] = {
    {"fx_five_burst", 27, 420, Five_Burst, 16},        {"fx_combo_text", 89, 420, Combo_Text, 30},
    {"fx_hammer_smash", 89, 420, Hammer_Smash, 24},    {"fx_freeze", 1, 420, Freeze, 12},
    {"fx_reverse_swirl", 119, 420, Reverse_Swirl, 40},
};

bool Take(const Shot& s, const std::string& dir) {
    App_Options o;
    o.headless = true;
    o.seed_given = true;
    o.seed = 3;
    o.frame_ms = kFrameMs;
    o.save_dir = dir + "/save";
    Headless_Config hc;
    hc.frame_ms = kFrameMs;
    Platform_Set(Headless_CreatePlatform(hc));
    if (!App_Boot(o)) return false;
    Autoplay_Config cfg;
    cfg.seed = 11;
    Autoplay_Start(cfg);
    Match_StartAt(s.level);
    for (int i = 0; i < s.play_frames; ++i) {
        MainLoop_Iteration();
        Autoplay_AfterFrame();
    }
    Autoplay_Stop();
    s.effect();
    for (int i = 0; i < s.after_frames; ++i)
        MainLoop_Iteration();
    std::vector<uint32_t> px;
    bool ok = Gfx_ReadScreen(px) && Gfx_WritePng(dir + "/" + s.name + ".png", px.data(), 800, 600);
    App_Shutdown();
    Platform_Set(nullptr);
    return ok;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orbivale_fxshots OUTDIR [NAME]\n");
        return 2;
    }
    Log_SetQuiet(true);
    int failed = 0;
    for (const Shot& s : kShots) {
        if (argc > 2 && std::string(argv[2]) != s.name) continue;
        bool ok = Take(s, argv[1]);
        std::printf("%s %s/%s.png\n", ok ? "wrote" : "FAILED", argv[1], s.name);
        failed += !ok;
    }
    return failed ? 1 : 0;
}
