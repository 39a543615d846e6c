// Shared set-up for the chain simulation tests: a clean chain state with a fixed clock and
// seed, tracks built from path-file text, and pearls placed at an arc length on a track.
#pragma once
#include <cstdlib>
#include <string>
#include "chain/chain_frame.h"
#include "chain/chain_hooks.h"
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "chain/piece.h"
#include "content/path_file.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"

inline void Chain_Test_Reset(float frame_ms = 16) {
    Log_SetQuiet(getenv("CHAIN_LOG") == nullptr);
    Rand_Seed(1234);
    LevelState_Reset();
    FirstFrame = 0;
    PcModPauseCnt = 0;
    Chain_Reset();
    Chain_Hooks_Reset();
    Chain_Hooks.Load_Elem_Image = nullptr;
    for (PcModType& k : PcModTypes)
        k.percent = 0;
    FrameTime = frame_ms;
    FrameDt = frame_ms / 1000;
}

inline int Parse_Text(const std::string& text, int mirror = 0) {
    Path_File_Context ctx;
    ctx.mirror = mirror;
    ctx.pack_folder = "Neutral";
    return Path_File_Parse_Text(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "test", ctx);
}

// A straight track along y = 300 from x = 0 to x = len (one segment), speed spd, one wave.
inline std::string Straight_Track(int len, int spd,
                                  const std::string& bursts = "BURST: BALLS=10 ENDBURST\r\n") {
    std::string l = std::to_string(len);
    return "PATH:\r\nPT: COORD=0,300,8 BZ1=0,300 BZ2=" + std::to_string(len / 3) +
           ",300 SPD=" + std::to_string(spd) + " ENDPT\r\nPT: COORD=" + l +
           ",300,8 BZ1=" + std::to_string(2 * len / 3) + ",300 BZ2=" + l + ",300 ENDPT\r\n" + bursts +
           " ENDPATH\r\n\r\n";
}

// Puts pc at arc length s from the start of its track, as at the start of a frame.
inline void Place_At(Piece* pc, double s) {
    Path* path = pc->Get_Path();
    int seg = 0;
    double t = 0;
    path->Compute_New_Pos(0, 0, s, seg, t);
    pc->pt_crt = pc->pt_crt_old = seg + 1;
    pc->t = static_cast<float>(t);
    const Bz_Sample smp = path->Table(seg).Sample(Sample_Index(pc->t));
    pc->x = pc->x_old = smp.x;
    pc->y = pc->y_old = smp.y;
    pc->bz_dist = pc->bz_dist_old = smp.dist_tot;
}

// Appends a pearl of colour c at the tail of track 0, at arc length s.
inline Piece* Add_Pearl(int c, double s, int burst = 0) {
    Piece* pc = Piece::Create_OnPath(c, 0, 300, 0);
    pc->burst_id = burst;
    Place_At(pc, s);
    return pc;
}

inline double Arc(const Piece* pc) {
    const Path* path = pc->Get_Path();
    double d = pc->bz_dist;
    for (int s = 0; s < pc->pt_crt - 1; ++s)
        d += path->Seg_Length(s);
    return d;
}
