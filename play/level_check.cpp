// Level checker runs: one try per level and seed on the booted game, shared out over worker
// processes forked after the boot (the game's state is global, so a process plays one level
// at a time), each with a save folder of its own.
#include "play/level_check.h"
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include "chain/path.h"
#include "chain/piece.h"
#include "content/level_catalogue.h"
#include "engine/input.h"
#include "engine/platform.h"
#include "gui/modal.h"
#include "play/autoplay.h"
#include "play/level_check_platform.h"
#include "play/level_state.h"
#include "play/match.h"
#include "play/pc_mod_actions.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/main_loop.h"
#include "shell/options.h"
#include "shell/paths.h"
#include "shell/random.h"
#include "shell/startup.h"

namespace {
int g_check_profile = 0;                  // AUTOPLAY_EXPERT or AUTOPLAY_CASUAL
constexpr uint32_t kPlayerSeedMul = 7919; // the player's seed from the try's seed and level

// Distinct pearls seen past the alarm point of their track.
struct Alarm_Count {
    std::vector<uint8_t> seen;
    int count = 0;
    void Frame() {
        for (int i = 0; i < Paths.count; ++i) {
            const Path& path = Paths.pool[i];
            for (const Piece* pc = path.first_pc; pc && pc->pt_crt > path.alarm_pt; pc = pc->pc_next) {
                if (pc->color == PC_DUMMY || pc->id < 0) continue;
                size_t id = static_cast<size_t>(pc->id);
                if (id >= seen.size()) seen.resize(id + 1024, 0);
                if (!seen[id]) seen[id] = 1, ++count;
            }
        }
    }
};

uint32_t Clock() {
    Platform* p = Platform_Get();
    return p ? p->Millisecs() : 0;
}

const char* Pack_Name(int level) {
    const LevelInfo* info = Level_Info(level);
    return info && info->pack_id >= 0 && info->pack_id < PACKS_COUNT ? PackNames[info->pack_id] : "?";
}

void Progress(const Check_Try& t, int done, int total) {
    std::fprintf(stderr, "check [%d/%d] level %3d %-8s seed %u: %s %6.1f s, %d shots\n", done, total, t.level,
                 Pack_Name(t.level), t.seed,
                 t.won         ? "won "
                 : t.timed_out ? "time"
                               : "lost",
                 t.time_ms / 1000.0, t.shots);
}

// The levels and seeds of one worker, every jobs-th try starting at its index.
std::vector<Check_Try> Run_Share(const std::vector<int>& levels, int seeds, int cap_ms, int job, int jobs) {
    std::vector<Check_Try> out;
    int total = static_cast<int>(levels.size()) * seeds, done = 0;
    for (int i = 0; i < total; ++i) {
        if (i % jobs != job) continue;
        Check_Try t = LevelCheck_Try(levels[i / seeds], static_cast<uint32_t>(i % seeds + 1), cap_ms);
        out.push_back(t);
        Progress(t, ++done * jobs, total);
    }
    return out;
}

bool Write_All(int fd, const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = write(fd, p, size);
        if (n <= 0) return false;
        p += n, size -= static_cast<size_t>(n);
    }
    return true;
}

// Forks the workers; each sends its tries back as raw records through a pipe.
std::vector<Check_Try> Run_Forked(const std::vector<int>& levels, int seeds, int cap_ms, int jobs,
                                  const std::string& save_base) {
    std::vector<int> pipes;
    std::vector<pid_t> pids;
    for (int job = 0; job < jobs; ++job) {
        int fds[2];
        if (pipe(fds) != 0) break;
        std::fflush(nullptr);
        pid_t pid = fork();
        if (pid == 0) {
            close(fds[0]);
            Paths_SetSaveDir(save_base + "/job" + std::to_string(job));
            std::vector<Check_Try> mine = Run_Share(levels, seeds, cap_ms, job, jobs);
            bool ok = Write_All(fds[1], mine.data(), mine.size() * sizeof(Check_Try));
            close(fds[1]);
            _exit(ok ? 0 : 1);
        }
        close(fds[1]);
        if (pid < 0) {
            close(fds[0]);
            break;
        }
        pipes.push_back(fds[0]);
        pids.push_back(pid);
    }
    std::vector<Check_Try> all;
    for (int fd : pipes) {
        Check_Try t;
        while (read(fd, &t, sizeof t) == static_cast<ssize_t>(sizeof t))
            all.push_back(t);
        close(fd);
    }
    for (pid_t pid : pids)
        waitpid(pid, nullptr, 0);
    return all;
}

std::vector<int> Levels_To_Check(const App_Options& o) {
    std::vector<int> levels;
    for (int l = 1; l <= LevelsCount; ++l)
        if ((o.level <= 0 || o.level == l) &&
            (o.check_only.empty() ||
             (static_cast<size_t>(l) < o.check_only.size() && o.check_only[static_cast<size_t>(l)])))
            levels.push_back(l);
    return levels;
}

std::string Make_Save_Base(const App_Options& o) {
    if (!o.save_dir.empty()) return o.save_dir;
    char tmpl[] = "/tmp/orbivale_check_XXXXXX";
    const char* dir = mkdtemp(tmpl);
    return dir ? dir : "";
}
int g_check_input = 0; // the player's hands (--autoplay-input)
} // namespace

bool LevelCheck_Boot(const App_Options& given) {
    App_Options o = given;
    g_check_input = o.autoplay_input;
    o.headless = true;
    o.level = 0;
    Log_SetQuiet(true);
    Platform_Set(LevelCheck_CreatePlatform(o.frame_ms));
    if (App_Boot(o)) return true;
    Platform_Set(nullptr);
    return false;
}

void LevelCheck_SetProfile(int profile) {
    g_check_profile = profile;
}

Check_Try LevelCheck_Try(int level, uint32_t seed, int cap_ms) {
    Check_Try t;
    t.level = level;
    t.seed = seed;
    Modal_Reset();
    Input_Reset();
    Rand_Seed(seed);
    Autoplay_Config cfg;
    cfg.seed = seed * kPlayerSeedMul + static_cast<uint32_t>(level);
    cfg.trade_lives = false;
    cfg.input = g_check_input;
    cfg.profile = g_check_profile;
    Autoplay_Start(cfg);
    Match_StartAt(level);
    Alarm_Count alarms;
    // A safety net in virtual time for a try stuck outside the level's clock (a dialog).
    uint32_t start = Clock(), limit = 2u * static_cast<uint32_t>(cap_ms) + 60000u;
    while (QuitRequested != 1) {
        MainLoop_Iteration();
        Autoplay_AfterFrame();
        alarms.Frame();
        if (Winning == 1) {
            t.won = 1;
            break;
        }
        if (Losing == 1) break;
        if (LevelTime >= cap_ms || Clock() - start > limit) {
            t.timed_out = 1;
            break;
        }
    }
    t.time_ms = LevelTime;
    t.shots = Autoplay_GetStats().shots;
    t.throws = Autoplay_GetStats().throws;
    t.longest_chain = LongestChain;
    t.alarm_pearls = alarms.count;
    t.mods_fired = PowerUps_Stats.mods_fired;
    t.smashes = PowerUps_Stats.smashes;
    t.items_shot = PowerUps_Stats.items_shot;
    Autoplay_Stop();
    Modal_Reset();
    return t;
}

int LevelCheck_Main(const App_Options& given) {
    App_Options o = given;
    std::string save_base = Make_Save_Base(given);
    if (save_base.empty()) {
        std::fprintf(stderr, "check: can't make a save folder\n");
        return 1;
    }
    o.save_dir = save_base + "/boot";
    if (!LevelCheck_Boot(o)) {
        std::fprintf(stderr, "check: the game did not start\n");
        return 1;
    }
    std::vector<int> levels = Levels_To_Check(given);
    int seeds = std::max(1, given.check_seeds), jobs = std::max(1, given.check_jobs);
    LevelCheck_SetProfile(given.profile);
    std::fprintf(stderr, "check: %zu levels x %d seeds, %d ms frames, %d process(es), %s player\n",
                 levels.size(), seeds, o.frame_ms, jobs,
                 given.profile == AUTOPLAY_CASUAL ? "casual" : "expert");
    std::vector<Check_Try> tries = jobs == 1 ? Run_Share(levels, seeds, CHECK_CAP_MS, 0, 1)
                                             : Run_Forked(levels, seeds, CHECK_CAP_MS, jobs, save_base);
    std::sort(tries.begin(), tries.end(), [](const Check_Try& a, const Check_Try& b) {
        return a.level != b.level ? a.level < b.level : a.seed < b.seed;
    });
    LevelCheck_Report(tries, seeds);
    App_Shutdown();
    Platform_Set(nullptr);
    if (given.save_dir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(save_base, ec);
    }
    return 0;
}
