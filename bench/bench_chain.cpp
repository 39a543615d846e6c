// The chain benchmark: loading a 40-point track (parse plus sampling), one simulation frame
// (generation, segments, movement, pushers) with 300 pearls on two tracks, and the memory
// held by the sample tables. Prints medians in milliseconds.
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
#include "content/path_file.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"

namespace {
constexpr int kPoints = 40, kPearlsPerTrack = 150, kWaveSize = 15, kFrames = 600, kLoads = 9;

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
    Log_SetQuiet(false);
    return 0;
}
