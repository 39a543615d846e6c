// High-score table and dialog.
#include "gui/high_scores.h"
#include <cmath>
#include <string>
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_factories.h"
#include "gui/later_hooks.h"
#include "gui/modal.h"
#include "gui/msg_boxes.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/config.h"
#include "shell/fonts.h"
#include "shell/players.h"
#include "shell/resource.h"
#include "shell/texts.h"

namespace {
const char* const kBgName = ".\\images\\GUI\\dlgs\\dlg5_bg.png";
constexpr int kTitleFont = 8, kRowFont = 5, kCaptionReset = 14, kCaptionOk = 9;
constexpr int kNameX = 75, kScoreX = 285, kRowsY = 110, kTitleY = 80;
constexpr int kBtnX = 140, kResetY = 377, kOkY = 429;

struct HS_Dialog {
    TImage* bg = nullptr;
    int highlight = -1; // entry pulsing, -1 none
    int after_ok = 0;   // 1: "OK" leads on to the try-again box
    int clock = 0;      // pulse clock, ms
};
HS_Dialog g;

HS_Slot* Table() {
    return Players.high_scores;
}

void Hs_Ok(GUIBtn*) {
    Modal_Close();
    if (g.highlight != -1 && g.after_ok == 1) Dlg_OpenTryAgain();
}
void Hs_ResetBox(GUIBtn*) {
    Modal_Close();
    Dlg_OpenResetScores();
}

void Hs_Setup() {
    Paused = 1;
    Dlg.buttons.Clear();
    Dlg_Centre(Gfx_ImageWidth(g.bg), Gfx_ImageHeight(g.bg));
    Dlg_Add(
        Large_Create(kCaptionReset, Dlg.x + kBtnX, Dlg.y + kResetY, Hs_ResetBox, TxtButtons[kCaptionReset]));
    Dlg_Add(Large_Create(kCaptionOk, Dlg.x + kBtnX, Dlg.y + kOkY, Hs_Ok, TxtButtons[kCaptionOk]));
    g.clock = 0;
}

void Hs_Update() {
    if (Key_Hit(VK_ESCAPE) || Key_Hit(VK_RETURN)) return Hs_Ok(nullptr);
    Dlg.buttons.Update_All();
}

void Hs_Draw() {
    Dlg_Plain(BLEND_ALPHA);
    Gfx_DrawImage(g.bg, static_cast<float>(Dlg.x), static_cast<float>(Dlg.y), 0);
    Font_Select(kTitleFont);
    Text_DrawCentred(TxtTitles[8], Dlg.x + Gfx_ImageWidth(g.bg) / 2.0f, static_cast<float>(Dlg.y + kTitleY));
    Font_Select(kRowFont);
    int line = Gfx_TextHeight();
    for (int i = 0; i < HS_ENTRIES; ++i) {
        const HS_Slot& e = Table()[i];
        float y = static_cast<float>(Dlg.y + kRowsY + i * line);
        if (e.user < 0 || e.user >= kPlayerSlots) {
            Gfx_DrawText(TxtNobody, static_cast<float>(Dlg.x + kNameX), y);
            continue;
        }
        if (i == g.highlight) {
            g.clock += static_cast<int>(FrameTime);
            Gfx_SetAlpha(HS_PulseAlpha());
        }
        Gfx_DrawText(PlayerNames[e.user], static_cast<float>(Dlg.x + kNameX), y);
        Gfx_DrawText(std::to_string(e.score), static_cast<float>(Dlg.x + kScoreX), y);
        Gfx_SetAlpha(1);
    }
    Dlg.buttons.Draw_All();
}

void Save_All() {
    for (int i = 0; i < HS_ENTRIES; ++i)
        Players_SaveSection(HS_FIRST_SECTION + i);
}

// The reset-scores box's "yes": the player asked for an empty table, so it is kept empty
// after the program ends too.
void Reset_And_Save() {
    HS_Reset();
    Save_All();
}
} // namespace

void HS_Create() {
    HS_Reset();
}

void HS_Reset() {
    for (int i = 0; i < HS_ENTRIES; ++i)
        Table()[i] = {-1, 0};
}

void HS_Normalise() {
    for (int i = 0; i < HS_ENTRIES; ++i)
        if (Table()[i].score <= 0) Table()[i] = {-1, 0};
}

int HS_Rank(int score) {
    for (int i = 0; i < HS_ENTRIES; ++i)
        if (Table()[i].score < score) return i;
    return -1;
}

void HS_Insert(int index, int user, int score) {
    if (index < 0 || index >= HS_ENTRIES) return;
    for (int i = HS_ENTRIES - 1; i > index; --i)
        Table()[i] = Table()[i - 1];
    Table()[index] = {user, score};
    Save_All();
}

int HS_Place(int score) {
    int r = HS_Rank(score);
    if (r != -1) HS_Insert(r, CurrentPlayer, score);
    return r;
}

void HS_Open(int highlight, int after_ok) {
    g.highlight = highlight;
    g.after_ok = after_ok;
    HS_Reopen();
}

void HS_Reopen() {
    Modal_Open(Hs_Setup, Hs_Update, Hs_Draw, 1);
}

int HS_Highlight() {
    return g.highlight;
}
int HS_PulseClock() {
    return g.clock;
}
float HS_PulseAlpha() {
    return 0.75f + 0.25f * static_cast<float>(std::sin(g.clock * M_PI / 180.0));
}

void HS_LoadImages() {
    g.bg = Gfx_LoadImage(Asset_Path(kBgName));
}

void HS_InstallHooks() {
    Later.hs_place = HS_Place;
    Later.hs_open = HS_Open;
    Later.hs_reset = Reset_And_Save;
    Later.hs_reopen = HS_Reopen;
}
