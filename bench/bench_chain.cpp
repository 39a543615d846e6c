// The chain benchmark: loading a 40-point track (parse plus sampling), one simulation frame
// (generation, segments, movement, pushers) with 300 pearls on two tracks, and the memory
// held by the sample tables, and the heaviest power-up moment. Prints medians in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include "bench/bench_list.h"
#include "chain/chain_frame.h"
#include "chain/chain_hooks.h"
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "chain/shot.h"
#include "content/path_file.h"
#include "play/hammer.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/pc_mod_actions.h"
#include "play/pointer.h"
#include "play/powerups.h"
#include "play/target_removal.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"

namespace {
constexpr int kPoints = 40, kPearlsPerTrack = 150, kWaveSize = 15, kFrames = 600, kLoads = 9;
constexpr int kSceneReps = 20, kSceneFrames = 90; // power-up moments, frames timed from each

using Clock = std::chrono::steady_clock;
double Ms_Since(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}
double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A serpentine of 40 points in rows of seven, each segment bowed by its control points.
std::string Serpentine_Track(int y0) {
    std::string s = "PATH:\r\n";
    for (int i = 0; i < kPoints; ++i) {
        int row = i / 7, col = i % 7;
        int x = row % 2 == 0 ? 40 + col * 120 : 760 - col * 120;
        int y = y0 + row * 100;
        int dir = row % 2 == 0 ? 1 : -1;
        s += "PT: COORD=" + std::to_string(x) + "," + std::to_string(y) +
             ",8 BZ1=" + std::to_string(x - 40 * dir) + "," + std::to_string(y - 30) +
             " BZ2=" + std::to_string(x + 40 * dir) + "," + std::to_string(y + 30) + " SPD=50 ENDPT\r\n";
    }
    return s + "BURST: BALLS=15 DELAY=500 ENDBURST\r\nENDPATH\r\n\r\n";
}

void Reset_Chain() {
    Chain_Reset();
    for (int c = 0; c < 6; ++c)
        Color_Add(c, 100);
}

int Load(const std::string& text) {
    return Path_File_Parse_Text(reinterpret_cast<const uint8_t*>(text.data()), text.size(), "bench", {});
}

// Fills a track with waves of touching pearls from its front, every third wave with a gap ahead.
void Fill_Track(int track) {
    Path& p = Paths.pool[track];
    double s = p.total_length - 600; // room ahead for the whole run
    for (int i = 0; i < kPearlsPerTrack; ++i) {
        int wave = i / kWaveSize;
        bool last = i % kWaveSize == kWaveSize - 1;
        Piece* pc = Piece::Create_OnPath(last ? PC_PUSHER : Color_Get_New(), 0, 0, track);
        pc->burst_id = wave;
        int seg = 0;
        double t = 0;
        p.Compute_New_Pos(0, 0, s, seg, t);
        pc->pt_crt = pc->pt_crt_old = seg + 1;
        pc->t = static_cast<float>(t);
        const Bz_Sample smp = p.Table(seg).Sample(Sample_Index(pc->t));
        pc->x = pc->x_old = smp.x;
        pc->y = pc->y_old = smp.y;
        pc->bz_dist = pc->bz_dist_old = smp.dist_tot;
        s -= 28 + (last && wave % 3 == 0 ? 12 : 0);
    }
    p.states |= PATH_STATE_GEN_DONE;
}

// The n-th pearl of a track's chain from its front (the last one when shorter).
Piece* Nth(int track, int n) {
    Piece* pc = Paths.pool[track].first_pc;
    for (int i = 0; pc && pc->pc_next && i < n; ++i)
        pc = pc->pc_next;
    return pc;
}

// One in-game update of the chain, the shots and the hammer; the first frame of a moment also
// fires an area bomb and a stardust detonation and smashes five pearls with the hammer.
void PowerUp_Frame(bool moment, Piece* bomb, Piece* dust, Piece* target) {
    Pieces_Pre_Frame();
    if (moment) {
        PtrX = static_cast<int>(target->x);
        PtrY = static_cast<int>(target->y);
        LeftReleased = 1;
        Hammer_Input();
        bomb->Remove_By_Set(0);
        dust->Remove_By_Set(0);
    }
    for (int i = 0; i < Paths.count; ++i)
        Paths.pool[i].Generate_Piece();
    Paths_Compute_Segments();
    Paths_Move();
    Shots_Update();
    Hammer_Update();
    Pushers_Update();
}

// The heaviest power-up moment on 300 pearls, and the frames in which its removals land.
void PowerUp_Scene(const std::string& track) {
    Chain_Shooting_InstallHooks();
    PowerUps_Init();
    PowerUps_InstallHooks();
    NoHammer = 0;
    std::vector<double> frames, moments;
    int removed = 0;
    for (int rep = 0; rep < kSceneReps; ++rep) {
        Reset_Chain();
        Load(track);
        Load(Serpentine_Track(60));
        Fill_Track(0);
        Fill_Track(1);
        PcMod_Reset();
        Hammer_Reset();
        Chain_Sim_Frame();
        Piece *bomb = Nth(0, 20), *dust = Nth(1, 60), *target = Nth(0, 100);
        bomb->Set_Modifier(9);
        dust->Set_Modifier(2);
        HammerScore = 900;
        Hammer_Update();
        Hammer_ButtonClicked();
        int before = Pieces.list_count;
        for (int f = 0; f < kSceneFrames; ++f) {
            auto t0 = Clock::now();
            PowerUp_Frame(f == 0, bomb, dust, target);
            frames.push_back(Ms_Since(t0));
            if (f == 0) moments.push_back(frames.back());
        }
        removed += before - Pieces.list_count;
    }
    std::vector<double> sorted = frames;
    std::sort(sorted.begin(), sorted.end());
    std::printf("chain: power-up moment (area bomb + five-pearl hammer smash + stardust on %d pearls): "
                "%.4f ms median, %.4f ms 99th percentile, %.4f ms worst of %d frames; %.1f pearls removed "
                "per moment\n",
                2 * kPearlsPerTrack, Median(frames), sorted[sorted.size() * 99 / 100], sorted.back(),
                static_cast<int>(frames.size()), removed / static_cast<double>(kSceneReps));
    std::printf("chain: the moment's own frame: %.4f ms median, %.4f ms worst of %d\n", Median(moments),
                *std::max_element(moments.begin(), moments.end()), kSceneReps);
}
} // namespace

int Bench_Chain() {
    Log_SetQuiet(true);
    Rand_Seed(42);
    LevelState_Reset();
    FirstFrame = 0;
    Chain_Hooks_Reset();
    Chain_Hooks.Hole_Enter = [](Piece* pc) { pc->Destroy_Basic(); };
    FrameTime = 16;
    FrameDt = 0.016f;
    const std::string track = Serpentine_Track(40);

    Reset_Chain();
    auto t0 = Clock::now();
    Load(track);
    double cold = Ms_Since(t0);
    std::vector<double> loads;
    for (int i = 0; i < kLoads; ++i) {
        Reset_Chain();
        t0 = Clock::now();
        Load(track);
        loads.push_back(Ms_Since(t0));
    }
    std::printf("chain: load of a %d-point track (parse + sampling): %.2f ms first, %.2f ms median of %d\n",
                kPoints, cold, Median(loads), kLoads);

    Reset_Chain();
    if (Load(track) + Load(Serpentine_Track(60)) != 2) {
        std::fprintf(stderr, "chain: benchmark tracks did not load\n");
        return 1;
    }
    Fill_Track(0);
    Fill_Track(1);
    for (int i = 0; i < 10; ++i)
        Chain_Sim_Frame();
    std::vector<double> frames;
    for (int i = 0; i < kFrames; ++i) {
        t0 = Clock::now();
        Chain_Sim_Frame();
        frames.push_back(Ms_Since(t0));
    }
    std::printf(
        "chain: frame with %d pearls on 2 tracks (generation + segments + movement + pushers): %.4f ms "
        "median, %.4f ms worst of %d; %d pearls at the end (track %.0f units)\n",
        2 * kPearlsPerTrack, Median(frames), *std::max_element(frames.begin(), frames.end()), kFrames,
        Pieces.list_count, Paths.pool[0].total_length);
    double mb = Paths.tables_allocated * sizeof(Bz_Samples) / (1024.0 * 1024.0);
    std::printf("chain: sample tables: %d segments x %zu bytes = %.1f MiB\n", Paths.tables_allocated,
                sizeof(Bz_Samples), mb);
    PowerUp_Scene(track);
    Log_SetQuiet(false);
    return 0;
}
