// The match file and the resume of a saved match.
#include "play/match_file.h"
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <iterator>
#include <vector>
#include "chain/piece.h"
#include "content/level_catalogue.h"
#include "gui/later_hooks.h"
#include "play/ingame_steps.h"
#include "play/level_data.h"
#include "play/level_state.h"
#include "play/match.h"
#include "play/save_bytes.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/players.h"
#include "shell/screen.h"

namespace {
constexpr int kMaxLives = 99;
constexpr int kMaxTimerMs = 600000; // no modifier runs for ten minutes
constexpr int kMaxCount = 100000;
constexpr size_t kMatchReadLimit = 1 << 16; // far past any match file; stops a link to an endless device

const Rec_Field<Match_File> kMatchFields[] = {
    Field_I(0, &Match_File::size),
    Field_I(4, &Match_File::Lives),
    Field_I(8, &Match_File::Score),
    Field_I(12, &Match_File::LevelFirst),
    Field_I(16, &Match_File::LevelCrt),
    Field_I(20, &Match_File::PlayedTime),
    Field_I(24, &Match_File::Relaxed_Mode),
    Field_I(28, &Match_File::LevelCrt_IsRunning),
    Field_I(32, &Match_File::ScoreStartLevel),
    Field_I(36, &Match_File::HammerScore),
    Field_I(40, &Match_File::PcId),
    Field_I(44, &Match_File::PcModPrecisionCnt),
    Field_I(48, &Match_File::PcModReverseCnt),
    Field_I(52, &Match_File::PcModPauseCnt),
    Field_I(56, &Match_File::PcModFireballCnt),
    Field_I(60, &Match_File::PcModScore2xCnt),
    Field_I(64, &Match_File::PcModScore3xCnt),
    Field_I(68, &Match_File::ScoreChainCnt),
    Field_I(72, &Match_File::ScoreComboCnt),
    Field_I(76, &Match_File::WinPoints),
    Field_I(80, &Match_File::WinPointsStart),
};

int Slot() {
    return CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0;
}

// Clamps v into lo..hi; a change is logged under the field's name.
void Clamp_Field(int& v, int lo, int hi, const char* name) {
    if (v >= lo && v <= hi) return;
    Log_Line(std::string("match file: ") + name + " " + std::to_string(v) + " out of range, clamped");
    v = v < lo ? lo : hi;
}

bool Level_Ok(int level) {
    return level >= 1 && (LevelsCount <= 0 || level <= LevelsCount);
}

// A save that can't be used is kept beside the others for inspection, out of the game's way.
void Keep_Bad(const std::string& file) {
    std::string bad = file + ".bad";
    if (std::rename(file.c_str(), bad.c_str()) == 0) Log_Line("kept the damaged save as " + bad);
}

void Restore_Running(const Match_File& m) {
    ScoreStartLevel = m.ScoreStartLevel;
    Pieces.next_piece_id = m.PcId;
    HammerScore = m.HammerScore;
    LevelScore = Score - ScoreStartLevel;
    WinPoints = m.WinPoints;
    WinPointsStart = m.WinPointsStart;
    PcModPrecisionCnt = m.PcModPrecisionCnt;
    PcModReverseCnt = m.PcModReverseCnt;
    PcModPauseCnt = m.PcModPauseCnt;
    PcModFireballCnt = m.PcModFireballCnt;
    PcModScore2xCnt = m.PcModScore2xCnt;
    PcModScore3xCnt = m.PcModScore3xCnt;
    ScoreChainCnt = m.ScoreChainCnt;
    ScoreComboCnt = m.ScoreComboCnt;
}

// The continue box's "continue" when the saved match can't be resumed: a new game instead.
void Hook_Load() {
    if (Match_Load()) return;
    Match_New(1);
    if (Later.map_clear_route) Later.map_clear_route();
    Screen_Set(2);
}
void Hook_Save() {
    Match_Save(LevelCrt, 1);
}
} // namespace

std::string Match_FileName(int slot) {
    return Paths_SaveDir() + "/match_" + std::to_string(slot) + ".mch";
}
std::string LevelData_FileName(int slot) {
    return Paths_SaveDir() + "/match_" + std::to_string(slot) + ".lvl";
}

void Match_Encode(const Match_File& m, uint8_t out[MATCH_FILE_SIZE]) {
    std::memset(out, 0, MATCH_FILE_SIZE);
    Rec_Write(kMatchFields, m, out);
}

bool Match_Decode(const uint8_t* data, size_t size, Match_File& out) {
    if (size < 4) return false;
    int stored = Bytes_GetI32(data);
    size_t take = MATCH_FILE_SIZE;
    if (stored > MATCH_FILE_SIZE) {
        Log_Line("Match_Load(): size read bigger! Newer version?");
    } else if (stored < MATCH_FILE_SIZE) {
        Log_Line("Match_Load(): size read smaller! Older version?");
        take = stored > 0 ? static_cast<size_t>(stored) : 0;
    }
    std::vector<uint8_t> image;
    Bytes_RecordImage(data, std::min(take, size), MATCH_FILE_SIZE, image);
    out = Match_File{};
    Rec_Read(kMatchFields, image.data(), out);
    return true;
}

bool Match_Validate(Match_File& m) {
    if (!Level_Ok(m.LevelCrt) || !Level_Ok(m.LevelFirst) || m.Lives < 0 || m.Score < 0) {
        Log_Line("match file: level " + std::to_string(m.LevelCrt) + ", first level " +
                 std::to_string(m.LevelFirst) + ", lives " + std::to_string(m.Lives) + ", score " +
                 std::to_string(m.Score) + ": not a match of this game");
        return false;
    }
    Clamp_Field(m.Lives, 0, kMaxLives, "Lives");
    Clamp_Field(m.PlayedTime, 0, INT32_MAX, "PlayedTime");
    Clamp_Field(m.Relaxed_Mode, 0, 1, "Relaxed_Mode");
    Clamp_Field(m.LevelCrt_IsRunning, 0, 1, "LevelCrt_IsRunning");
    if (m.LevelCrt_IsRunning == 0) return true;
    Clamp_Field(m.ScoreStartLevel, 0, m.Score, "ScoreStartLevel");
    Clamp_Field(m.HammerScore, 0, INT32_MAX, "HammerScore");
    Clamp_Field(m.PcId, 0, INT32_MAX - PIECES_MAX, "PcId");
    Clamp_Field(m.PcModPrecisionCnt, 0, kMaxTimerMs, "PcModPrecisionCnt");
    Clamp_Field(m.PcModReverseCnt, 0, kMaxTimerMs, "PcModReverseCnt");
    Clamp_Field(m.PcModPauseCnt, -1, kMaxTimerMs, "PcModPauseCnt");
    Clamp_Field(m.PcModFireballCnt, 0, kMaxCount, "PcModFireballCnt");
    Clamp_Field(m.PcModScore2xCnt, 0, kMaxTimerMs, "PcModScore2xCnt");
    Clamp_Field(m.PcModScore3xCnt, 0, kMaxTimerMs, "PcModScore3xCnt");
    Clamp_Field(m.ScoreChainCnt, 0, kMaxCount, "ScoreChainCnt");
    Clamp_Field(m.ScoreComboCnt, 0, kMaxCount, "ScoreComboCnt");
    Clamp_Field(m.WinPointsStart, 0, INT32_MAX, "WinPointsStart");
    Clamp_Field(m.WinPoints, INT32_MIN / 2, m.WinPointsStart, "WinPoints");
    return true;
}

Match_File Match_FromGame(int level, int running) {
    Match_File m;
    m.Lives = Lives;
    m.Score = Score;
    m.LevelFirst = LevelFirst;
    m.LevelCrt = level;
    m.PlayedTime = PlayedTime;
    m.Relaxed_Mode = Relaxed_Mode;
    m.LevelCrt_IsRunning = running;
    if (running != 1) return m;
    m.ScoreStartLevel = ScoreStartLevel;
    m.HammerScore = HammerScore;
    m.PcId = Pieces.next_piece_id;
    m.PcModPrecisionCnt = PcModPrecisionCnt;
    m.PcModReverseCnt = PcModReverseCnt;
    m.PcModPauseCnt = PcModPauseCnt;
    m.PcModFireballCnt = PcModFireballCnt;
    m.PcModScore2xCnt = PcModScore2xCnt;
    m.PcModScore3xCnt = PcModScore3xCnt;
    m.ScoreChainCnt = ScoreChainCnt;
    m.ScoreComboCnt = ScoreComboCnt;
    m.WinPoints = WinPoints;
    m.WinPointsStart = WinPointsStart;
    return m;
}

int Match_Exists() {
    int fd = open(Match_FileName(Slot()).c_str(), O_RDWR);
    if (fd < 0) return 0;
    close(fd);
    return 1;
}

void Match_Delete() {
    // The match file goes first: a level state left alone is never read.
    std::remove(Match_FileName(Slot()).c_str());
    std::remove(LevelData_FileName(Slot()).c_str());
    std::remove(LevelData_OldName(Slot()).c_str());
}

void Match_New(int level) {
    Match_Begin(level);
    Match_Delete();
}

bool Match_Save(int level, int running) {
    Match_File m = Match_FromGame(level, running);
    uint8_t bytes[MATCH_FILE_SIZE];
    Match_Encode(m, bytes);
    if (running == 1 && !LevelData_Save(Slot(), Bytes_Hash(bytes, sizeof bytes))) return false;
    if (!Paths_WriteAtomic(Match_FileName(Slot()), bytes, sizeof bytes)) {
        Log_Line("cant create match file!");
        return false;
    }
    return true;
}

bool Match_Load() {
    std::string file = Match_FileName(Slot());
    std::vector<uint8_t> bytes;
    if (!Paths_ReadFile(file, bytes, kMatchReadLimit)) {
        Log_Line("Match_Load(): cant open match file!");
        return false;
    }
    Match_File m;
    if (!Match_Decode(bytes.data(), bytes.size(), m) || !Match_Validate(m)) {
        Log_Line("Match_Load(): the match file is damaged; starting a new game");
        Keep_Bad(file);
        return false;
    }
    Lives = m.Lives;
    Score = m.Score;
    LevelFirst = m.LevelFirst;
    LevelCrt = m.LevelCrt;
    PlayedTime = m.PlayedTime;
    Relaxed_Mode = m.Relaxed_Mode;
    // Entering the in-game screen starts the level once; the saved state is laid over it.
    Screen_Set(1);
    if (m.LevelCrt_IsRunning == 1) {
        Restore_Running(m);
        LevelData_Load(Slot(), Bytes_Hash(bytes.data(), std::min<size_t>(bytes.size(), MATCH_FILE_SIZE)));
    }
    return true;
}

void Match_SaveOnQuit() {
    if (ScreenState != 1 || Winning == 1) return;
    if (Losing == 1) {
        // The attempt is lost already: the match goes on at the start of the level with the
        // life the lose sequence would have taken (none left: the game over deleted the files).
        if (Lives < 1) return;
        int lives = Lives, score = Score;
        Lives -= 1;
        Score = ScoreStartLevel;
        Match_Save(LevelCrt, 0);
        Lives = lives;
        Score = score;
        return;
    }
    Match_Save(LevelCrt, 1);
}

void MatchFiles_InstallHooks() {
    Later.match_exists = Match_Exists;
    Later.match_load = Hook_Load;
    Later.match_save = Hook_Save;
    InGame_Steps.match_files_delete = Match_Delete;
}
