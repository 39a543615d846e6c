// Level start, board picture and level completion.
#include "play/level_run.h"
#include <string>
#include "chain/colors.h"
#include "chain/gobj.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "content/level_catalogue.h"
#include "content/level_file.h"
#include "content/path_file.h"
#include "engine/gfx.h"
#include "engine/sound.h"
#include "gui/modal.h"
#include "play/ingame_dialogs.h"
#include "play/hud.h"
#include "play/ingame_steps.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/match.h"
#include "play/pc_mod_actions.h"
#include "play/pointer.h"
#include "play/score.h"
#include "shell/log.h"
#include "shell/players.h"
#include "shell/resource.h"
#include "shell/screen.h"

namespace {
constexpr int kSectionLevelState = 0; // players file sections written here
constexpr int kSectionLastLevel = 10;
constexpr int kMusicTracks = 4; // in-game music tracks 0..3
constexpr int32_t kLevelCompleteBits = kLevelOpen | kLevelDone;

struct Level_Run_State {
    TImage* board = nullptr;
    std::string board_name;
};
Level_Run_State g_run;

int Pack_Of_Level() {
    const LevelInfo* info = Level_Info(LevelCrt);
    return info ? info->pack_id : 0;
}

// The modifier bookkeeping of a level start: chances and timers back to 0.
void Mods_Reset() {
    PcMod_Reset();
    LevelState_Reset();
}

void Level_Resets() {
    Pieces_Reset();
    Mods_Reset();
    Step_Run(InGame_Steps.gun_reset);
    Set_WinPoints(DEFAULT_WIN_POINTS);
    Winning = 0;
    Colors_Clear();
    ZList_Clear();
    Score_LevelReset();
    HammerScore = 0;
    Step_Run(InGame_Steps.hammer_reset);
    Step_Run(InGame_Steps.fx_clear);
    Losing = 0;
    LoseStage = -1;
    LoseFade = 0;
    LoseTextAlpha = 0;
    ArtPosCount = 0;
    Step_Run(InGame_Steps.items_reset);
    Step_Run(InGame_Steps.tutorial_level_reset);
}

void Level_Read_File() {
    Level_File_Load(LevelCrt);
    for (int i = 0; i < LevelColorsCount; ++i)
        Color_Add(LevelColors[i], 100);
}

void Paths_Load() {
    Paths_Reset();
    const LevelInfo* info = Level_Info(LevelCrt);
    if (!info) return;
    Path_File_Context ctx;
    ctx.mirror = BoardMirror;
    ctx.board_id = BoardId;
    ctx.pack_folder = PackNames[info->pack_id];
    Path_File_Parse(Asset_Path(Level_ContentName(LevelCrt, "path_")), ctx);
}

void Music_Start(int pack) {
    MusicSlot = MusicSlot == 0 ? 1 : MusicSlot + 1;
    if (MusicSlot >= kMusicTracks) MusicSlot = 1;
    if (pack == MUSIC_SLOT_LAST_PACK) MusicSlot = 0;
    Step_Run(InGame_Steps.weather_level_start, pack);
    Log_Line("");
    Log_Line("init particles ---------------------------");
    Log_Line("");
    Music_Play(MusicSlot);
    Ambience_StartLevel(pack);
}

void Progress_Save_LastLevel() {
    if (CurrentPlayer < 0 || CurrentPlayer >= kPlayerSlots) return;
    Players.last_level[CurrentPlayer] = LevelCrt - 1;
    Players_SaveSection(kSectionLastLevel);
}

// Sets bits in the current player's entry of catalogue index idx; ignores indices outside the table.
void Progress_Or(int idx, int32_t bits) {
    if (CurrentPlayer < 0 || CurrentPlayer >= kPlayerSlots || idx < 0 || idx >= kPlayerLevels) return;
    Players.level_state[CurrentPlayer * kPlayerLevels + idx] |= bits;
}
} // namespace

void Level_Start() {
    GaugeStage = 0;
    ShadowOffsetX = ShadowOffsetY = 5;
    PausedBySuspend = 0;
    LevelCoins = 0;
    RollbackOffer = 1;
    Level_Resets();
    Level_Read_File();
    Board_Load();
    Paths_Load();
    Pointer_Reset();
    Paused = 0;
    Music_Start(Pack_Of_Level());
    LongestChain = LongestCombo = LongestSet = LevelTime = 0;
    PcModForced1 = PcModForced2 = -1;
    Progress_Save_LastLevel();
    Step_Run(InGame_Steps.tutorial_tick);
    if (!Modal_Active()) Step_Run(InGame_Dialogs.open_ready);
    FirstFrame = 1;
}

void Level_Leave() {}

void Level_MarkComplete() {
    Progress_Or(LevelCrt - 1, kLevelCompleteBits);
    if (const LevelInfo* info = Level_Info(LevelCrt))
        for (int i = 0; i < info->reveals_count && i < LEVEL_REVEALS_MAX; ++i)
            Progress_Or(info->reveals_level[i], kLevelOpen);
    Players_SaveSection(kSectionLevelState);
    LevelCoins = 0;
    MatchInProgress = 1;
    Screen_Set(2);
    if (LevelCrt > LevelsCount) Screen_Set(0);
}

std::string Board_ImageName(int pack_id, int board_id) {
    if (pack_id < 0 || pack_id >= PACKS_COUNT) pack_id = 0;
    std::string nn = (board_id <= 9 ? "0" : "") + std::to_string(board_id);
    return std::string(".\\Images\\Boards\\") + PackNames[pack_id] + "\\board_" + nn + "\\board_" + nn +
           "_bg.jpg";
}

void Board_Load() {
    Board_Free();
    g_run.board_name = Board_ImageName(Pack_Of_Level(), BoardId);
    g_run.board = Gfx_LoadImage(Asset_Path(g_run.board_name));
    if (!g_run.board) return;
    if (BoardMirror & MIRROR_Y) Gfx_FlipImageY(g_run.board);
    if (BoardMirror & MIRROR_X) Gfx_FlipImageX(g_run.board);
}

void Board_Draw() {
    Draw_Plain(BLEND_SOLID);
    Gfx_DrawImage(g_run.board, 0, 0, 0);
}

TImage* Board_Image() {
    return g_run.board;
}

void Board_Free() {
    if (g_run.board) Gfx_FreeImage(g_run.board);
    g_run.board = nullptr;
}
