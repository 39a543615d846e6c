// Crash safety of the saved match: a child process saves the running level again and again
// and is killed with SIGKILL at random moments. After every kill the files on disk must load
// as the save the child last finished or the one it was writing, never a mix or a broken
// file. Prints how the kills fell. It takes longer than the rest of the suite likes, so it
// runs when ORBIVALE_KILL_TEST is set (scripts/kill-test.sh).
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include "chain/piece.h"
#include "gui/modal.h"
#include "play/gun.h"
#include "play/level_data.h"
#include "play/level_state.h"
#include "play/match_file.h"
#include "play/save_bytes.h"
#include "shell/players.h"
#include "tests/harness.h"

namespace {
constexpr int kKills = 200;

std::vector<uint8_t> Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Save number n is told apart by PlayedTime in the match file and the gun's timer in the
// level state; the child reports each finished save on the pipe.
[[noreturn]] void Child_Saves(int from, int fd) {
    for (int n = from;; ++n) {
        PlayedTime = n;
        Gun.anim_timer = n;
        Items.count = n % 3; // the level state changes length from save to save
        if (!Match_Save(LevelCrt, 1)) _exit(3);
        if (write(fd, &n, sizeof n) != sizeof n) _exit(4);
    }
}

// The save on disk: its number, -1 when the files don't load as one complete save.
int Save_On_Disk() {
    std::vector<uint8_t> mch = Read(Match_FileName(0));
    Match_File m;
    if (mch.size() != MATCH_FILE_SIZE || !Match_Decode(mch.data(), mch.size(), m)) return -1;
    int stamp = static_cast<int>(Bytes_Hash(mch.data(), mch.size()));
    for (const std::string& file : {LevelData_FileName(0), LevelData_OldName(0)}) {
        std::vector<uint8_t> lvl = Read(file);
        LD_File ld;
        if (lvl.empty() || !LevelData_Decode(lvl.data(), lvl.size(), ld)) continue;
        if (ld.header.space5 == stamp && ld.gun.anim_timer == m.PlayedTime &&
            ld.header.items_count == m.PlayedTime % 3)
            return m.PlayedTime;
    }
    return -2;
}
} // namespace

TEST(MatchFileKill, EveryKillLeavesTheLastOrTheNextCompleteSave) {
    if (!std::getenv("ORBIVALE_KILL_TEST")) GTEST_SKIP() << "set ORBIVALE_KILL_TEST=1 (scripts/kill-test.sh)";
    Harness h(5);
    ASSERT_TRUE(h.booted);
    h.StartLevel(6);
    Modal_Reset();
    Paused = 0;
    h.Run(30);
    CurrentPlayer = 0;
    PlayedTime = 0;
    Gun.anim_timer = 0;
    Items.count = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (int k = 0; k < 5; ++k)
        ASSERT_TRUE(Match_Save(LevelCrt, 1));
    double save_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / 5;
    std::mt19937 rng(2024);
    int last = 0, kept_last = 0, took_next = 0, broken = 0;
    long saves = 0;
    auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kKills; ++k) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(fds[0]);
            Child_Saves(last + 1, fds[1]);
        }
        close(fds[1]);
        usleep(std::uniform_int_distribution<int>(0, 60000)(rng));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        int n = 0;
        while (read(fds[0], &n, sizeof n) == sizeof n) {
            last = n;
            ++saves;
        }
        close(fds[0]);
        int on_disk = Save_On_Disk();
        if (on_disk == last)
            ++kept_last;
        else if (on_disk == last + 1)
            ++took_next, last = on_disk;
        else
            ++broken;
        EXPECT_TRUE(on_disk == last) << "kill " << k << ": files hold save " << on_disk << ", last finished "
                                     << last;
    }
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "kill test: %d kills in %.1f s, one save %.1f ms, %ld saves finished in the children; after a "
        "kill the files held the last finished save %d times, the one being written %d times, anything "
        "else %d times\n",
        kKills, s, save_ms, saves, kept_last, took_next, broken);
    EXPECT_EQ(broken, 0);
}
