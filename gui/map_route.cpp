// The map's route rules: which nodes a player sees and may start, and the walk onward after
// a won level. Every index read from the players file or from the catalogue is checked
// against the catalogue before it is used.
#include <cmath>
#include <string>
#include "content/level_catalogue.h"
#include "engine/gfx.h"
#include "gui/gui_btn.h"
#include "gui/map_state.h"
#include "gui/picture_dialogs.h"
#include "play/level_state.h"
#include "play/treasures.h"
#include "shell/log.h"
#include "shell/players.h"

namespace {
constexpr int kSectionRoutes = 3, kSectionSuccessor = 4, kSectionHints = 5;
constexpr int kLevelRevealed = 0x01, kLevelUnlocked = 0x02;
constexpr int kHintShown = 0x01;
constexpr int kMaxBranches = LEVEL_REVEALS_MAX;

int Player() {
    return CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots ? CurrentPlayer : 0;
}
int32_t& State(int i) {
    return Players.level_state[Player() * kPlayerLevels + i];
}
int32_t& Routes(int i) {
    return Players.route_bits[Player() * kPlayerLevels + i];
}
int32_t& Successor(int i) {
    return Players.successor[Player() * kPlayerLevels + i];
}
const LevelInfo& Entry(int i) {
    return Catalogue.levels[i];
}
// Branch b of entry e as a catalogue index, -1 when it leads nowhere known.
int Branch(const LevelInfo& e, int b) {
    if (b < 0 || b >= e.reveals_count || b >= kMaxBranches) return -1;
    return LCM_Valid(e.reveals_level[b]) ? e.reveals_level[b] : -1;
}
int Branch_Count(const LevelInfo& e) {
    return e.reveals_count < kMaxBranches ? e.reveals_count : kMaxBranches;
}

void Set_Flag(GUIBtn* b, int flag, bool on) {
    if (!b) return;
    b->states = on ? (b->states | flag) : (b->states & ~flag);
}

void Hide_Arrows() {
    for (int id = MAP_ARROW_FIRST; id <= MAP_ARROW_LAST; ++id)
        Set_Flag(LCM.btn[id], BTN_HIDDEN, true);
}

// The nodes as the tables say: visible with bit 0x01; enabled with bit 0x02 (or never).
void Nodes_From_Tables(bool enable) {
    for (int i = 0; i < static_cast<int>(LCM.nodes.size()); ++i) {
        int s = LCM_Valid(i) ? State(i) : 0;
        Set_Flag(LCM.nodes[i], BTN_HIDDEN, !(s & kLevelRevealed));
        Set_Flag(LCM.nodes[i], BTN_DISABLED, !enable || !(s & kLevelUnlocked));
    }
    Hide_Arrows();
}

void Save(int section) {
    Players_SaveSection(section);
}

// Takes branch `branch` of crossroad b, leading to level u.
void Take_Branch(int b, int branch, int u) {
    LCM_Select(u);
    LCM_Show(u);
    Routes(b) |= 1 << branch;
    Save(kSectionRoutes);
    Successor(b) = u;
    Save(kSectionSuccessor);
}

// The centre of a node: its position plus half its default image.
void Node_Centre(const GUIBtn* n, int& x, int& y) {
    x = n->x + Gfx_ImageWidth(n->img_default.img) / 2;
    y = n->y + Gfx_ImageHeight(n->img_default.img) / 2;
}

void Offer_Arrows(int b, const int* untaken, int n) {
    const GUIBtn* cross = LCM.nodes[b];
    LCM.arrow_crossroad = b;
    for (int k = 1; k < n && k + MAP_ARROW_FIRST <= MAP_ARROW_LAST; ++k) {
        int u = Branch(Entry(b), untaken[k]);
        Log_Line("branch level = " + std::to_string(u));
        GUIBtn* node = LCM.nodes[u];
        Set_Flag(node, BTN_HIDDEN, true);
        Set_Flag(node, BTN_DISABLED, true);
        GUIBtn* a = LCM.btn[k + MAP_ARROW_FIRST];
        int x, y;
        Node_Centre(node, x, y);
        a->SetPos(x, y);
        Set_Flag(a, BTN_HIDDEN | BTN_DISABLED, false);
        a->custom_data1 = u;
        a->custom_data2 = untaken[k];
        a->rotate = static_cast<int>(std::atan2(static_cast<double>(y - cross->y), x - cross->x) * 180.0 / M_PI);
    }
    LCM_Hide(Branch(Entry(b), 0));
    Set_Flag(LCM.btn[MAP_BTN_START], BTN_DISABLED, true);
    Set_Flag(LCM.btn[MAP_BTN_MENU], BTN_DISABLED, true);
    for (int id = MAP_BTN_MENU; id <= MAP_BTN_TREASURES; ++id)
        LCM.btn[id]->caption = "";
    Dlg_OpenRouteHint(cross->x, cross->y);
}

void Crossroad(int b) {
    const LevelInfo& e = Entry(b);
    Log_Line("crossroad level taken=" + std::to_string(Routes(b)) + "crt dir=" + std::to_string(Successor(b)));
    int d = Successor(b);
    if (d != -1 && LCM_Valid(d)) {
        LCM_Select(d);
        Log_Line("forced dir = " + std::to_string(d));
        return;
    }
    int untaken[kMaxBranches];
    int n = 0;
    for (int branch = 0; branch < Branch_Count(e); ++branch) {
        if (Branch(e, branch) < 0) continue;
        if (Routes(b) & (1 << branch))
            Log_Line("branch already taken = " + std::to_string(branch) + " for level = " +
                     std::to_string(Branch(e, branch)));
        else
            untaken[n++] = branch;
    }
    Log_Line("branches = " + std::to_string(n));
    if (n >= 3) return Offer_Arrows(b, untaken, n);
    if (n == 2) return Take_Branch(b, untaken[1], Branch(e, untaken[1]));
    int def = Branch(e, 0);
    Log_Line("def branch=" + std::to_string(def));
    if (def >= 0) Take_Branch(b, 0, def);
}

void Award_Treasure(const LevelInfo& l) {
    if (l.gives != LEVEL_GIVES_TREASURE || l.goodie < 0 || l.goodie >= TREASURES_COUNT) return;
    if (Treasure_Owned(l.goodie)) return;
    Treasure_Award(l.goodie);
    Log_Line("got a treasure = " + std::to_string(l.goodie));
    // The button opens the dialog from now on, not only from the next visit.
    Set_Flag(LCM.btn[MAP_BTN_TREASURES], BTN_DISABLED, false);
    Dlg_OpenTreasure(l.goodie);
}
} // namespace

int LCM_Valid(int level) {
    return level >= 0 && level < Catalogue.count && level < kPlayerLevels &&
           level < static_cast<int>(LCM.nodes.size()) && LCM.nodes[level] != nullptr;
}

void LCM_Select(int level) {
    if (!LCM_Valid(level)) {
        Log_Line("cant find btn level=" + std::to_string(level));
        return;
    }
    if (LCM_Valid(LCM.selected)) Set_Flag(LCM.nodes[LCM.selected], BTN_SELECTED, false);
    Set_Flag(LCM.nodes[level], BTN_SELECTED, true);
    LCM.selected = level;
}

void LCM_Hide(int level) {
    if (!LCM_Valid(level)) return;
    Set_Flag(LCM.nodes[level], BTN_HIDDEN | BTN_DISABLED, true);
    State(level) &= ~(kLevelRevealed | kLevelUnlocked);
}

void LCM_Show(int level) {
    if (!LCM_Valid(level)) return;
    Set_Flag(LCM.nodes[level], BTN_HIDDEN | BTN_DISABLED, false);
    State(level) |= kLevelRevealed | kLevelUnlocked;
}

void LCM_FreshEntry() {
    Nodes_From_Tables(true);
    for (int i = 0; i < static_cast<int>(LCM.nodes.size()); ++i) {
        if (!LCM_Valid(i) || Entry(i).reveals_count <= 1) continue;
        for (int b = 0; b < Branch_Count(Entry(i)); ++b)
            if (!(Routes(i) & (1 << b))) LCM_Hide(Branch(Entry(i), b));
    }
    for (int h = 0; h < kPlayerHints; ++h)
        Players.hint_flags[Player() * kPlayerHints + h] &= ~kHintShown;
    Save(kSectionHints);
    int crt = Players.last_level[Player()];
    LCM_Select(LCM_Valid(crt) ? crt : 0);
}

void LCM_AfterWin() {
    int c = LevelCrt - 1;
    Nodes_From_Tables(false);
    if (!LCM_Valid(c)) {
        Log_Line("level just won is not on the map: " + std::to_string(LevelCrt));
        return;
    }
    const LevelInfo& l = Entry(c);
    Award_Treasure(l);
    if (l.flags & LEVEL_FLAG_FINAL) {
        LCM.victories += 1;
        Dlg_OpenVictory();
        return;
    }
    int b = c;
    if (l.flags & LEVEL_FLAG_PACK_END) {
        b = l.branch_level;
        Log_Line("pack end, going to level " + std::to_string(b));
        if (!LCM_Valid(b)) return;
        Successor(b) = -1;
        Save(kSectionSuccessor);
    }
    const LevelInfo& e = Entry(b);
    if (e.flags & LEVEL_FLAG_CROSSROAD)
        Crossroad(b);
    else
        LCM_Select(Branch(e, 0));
    if (e.flags & LEVEL_FLAG_CITY_AFTER) {
        LCM.city_no_start = 1;
        LCM.city = e.pack_id - 1;
        Dlg_OpenCity(LCM.city);
    }
}

void LCM_NodeUp(GUIBtn* btn) {
    if (btn && btn->custom_data1 != LCM.selected) LCM_Select(btn->custom_data1);
}

void LCM_ArrowUp(GUIBtn* btn) {
    int u = btn ? btn->custom_data1 : -1;
    int b = LCM.arrow_crossroad;
    if (!LCM_Valid(u) || !LCM_Valid(b) || btn->custom_data2 < 0 || btn->custom_data2 >= kMaxBranches) return;
    Routes(b) |= 1 << btn->custom_data2;
    Save(kSectionRoutes);
    Successor(b) = u;
    Save(kSectionSuccessor);
    for (int id = MAP_ARROW_FIRST; id <= MAP_ARROW_LAST; ++id) {
        GUIBtn* a = LCM.btn[id];
        if (a == btn || (a->states & BTN_HIDDEN)) continue;
        LCM_Hide(a->custom_data1);
        Set_Flag(a, BTN_HIDDEN, true);
    }
    Set_Flag(btn, BTN_HIDDEN, true);
    LevelCrt = u + 1;
    LCM.city_no_start = 0;
    LCM.city = Entry(u).pack_id - 1;
    Dlg_OpenCity(LCM.city);
}
