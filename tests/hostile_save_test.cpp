// A hostile save folder: the game starts, a level plays, and the last good settings files
// survive byte for byte whenever the game could not write.
#include <gtest/gtest.h>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include "play/level_run.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/paths.h"
#include "shell/players.h"
#include "tests/harness.h"

namespace {
std::string Slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string Fresh_Dir(const std::string& name) {
    std::string dir = ::testing::TempDir() + "orbivale_hostile_" + name;
    std::system(("chmod -R u+w " + dir + " 2>/dev/null; rm -rf " + dir).c_str());
    mkdir(dir.c_str(), 0755);
    return dir;
}

// Writes half of what it is asked, then fails as a full disk does.
long Half_Then_Full(int fd, const void* bytes, size_t size) {
    if (size > 1) return static_cast<long>(write(fd, bytes, size / 2));
    errno = ENOSPC;
    return -1;
}

struct Hostile_Case {
    const char* name;
    void (*prepare)(const std::string& dir); // runs on a folder holding good settings files
    bool failing_writer;
    const char* save_dir_suffix; // the folder the game is pointed at, below dir
};

void Nothing(const std::string&) {}
void Read_Only(const std::string& dir) { chmod(dir.c_str(), 0555); }
void Files_Are_Folders(const std::string& dir) {
    for (const char* f : {"/config.txt", "/config.bin"}) {
        std::remove((dir + f).c_str());
        mkdir((dir + f).c_str(), 0755);
    }
}
void Links_To_Zero(const std::string& dir) {
    for (const char* f : {"/config.txt", "/config.bin"}) {
        std::remove((dir + f).c_str());
        if (symlink("/dev/zero", (dir + f).c_str()) != 0) ADD_FAILURE() << "symlink";
    }
}
void Links_To_Nothing(const std::string& dir) {
    for (const char* f : {"/config.txt", "/config.bin"}) {
        std::remove((dir + f).c_str());
        if (symlink((dir + "/missing/target").c_str(), (dir + f).c_str()) != 0) ADD_FAILURE() << "symlink";
    }
}
void File_Where_The_Folder_Is(const std::string& dir) {
    std::ofstream(dir + "/not_a_folder") << "keep me";
}

const Hostile_Case kCases[] = {
    {"read_only_folder", Read_Only, false, ""},
    {"disk_fails_half_way", Nothing, true, ""},
    {"settings_files_are_folders", Files_Are_Folders, false, ""},
    {"settings_files_link_to_dev_zero", Links_To_Zero, false, ""},
    {"settings_files_link_nowhere", Links_To_Nothing, false, ""},
    {"a_file_where_the_folder_should_be", File_Where_The_Folder_Is, false, "/not_a_folder"},
};
} // namespace

TEST(HostileSaveTest, GameStartsPlaysAndNeverDestroysTheLastGoodFile) {
    for (const Hostile_Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string dir = Fresh_Dir(c.name);
        { Harness good(1, "", 16, dir); } // a first run leaves good settings files
        std::string good_txt = Slurp(dir + "/config.txt"), good_bin = Slurp(dir + "/config.bin");
        ASSERT_EQ(good_bin.size(), kPlayersFileSize);
        c.prepare(dir);
        std::string other = Slurp(dir + "/not_a_folder");
        Paths_SetWriteFn(c.failing_writer ? Half_Then_Full : nullptr);
        int failures_before = Paths_WriteFailures();
        {
            Harness h(2, "10 key 13\n", 16, dir + c.save_dir_suffix);
            ASSERT_TRUE(h.booted);
            h.StartLevel(1);
            h.Run(200);
            EXPECT_GT(LevelFrameCounter, 100) << "the level did not play";
            // Progress and a setting change are written through, as in play.
            Level_MarkComplete();
            Config_SetValue("PLAYER0", "Hostile");
        }
        Paths_SetWriteFn(nullptr);
        bool failed = Paths_WriteFailures() > failures_before;
        struct stat st;
        if (c.failing_writer || (lstat((dir + "/config.bin").c_str(), &st) == 0 && S_ISREG(st.st_mode) && failed)) {
            EXPECT_TRUE(failed);
            EXPECT_EQ(Slurp(dir + "/config.bin"), good_bin);
            EXPECT_EQ(Slurp(dir + "/config.txt"), good_txt);
        }
        if (c.prepare == Files_Are_Folders) {
            EXPECT_TRUE(stat((dir + "/config.bin").c_str(), &st) == 0 && S_ISDIR(st.st_mode));
        }
        EXPECT_EQ(Slurp(dir + "/not_a_folder"), other);
        chmod(dir.c_str(), 0755);
    }
}
