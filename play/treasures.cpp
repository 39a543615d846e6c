// Treasure table and ownership.
#include "play/treasures.h"
#include "engine/gfx.h"
#include "shell/log.h"
#include "shell/players.h"
#include "shell/resource.h"

Treasure Treasures[TREASURES_COUNT];

namespace {
constexpr int kSectionTreasures = 9;

bool Player_Valid() {
    return CurrentPlayer >= 0 && CurrentPlayer < kPlayerSlots;
}
} // namespace

void Treasures_Init() {
    const char* names[TREASURES_COUNT] = {"cauldron", "stone", "sword", "spear", "amulet"};
    const int pos[TREASURES_COUNT][2] = {{181, 308}, {399, 167}, {424, 373}, {590, 222}, {655, 369}};
    for (int i = 0; i < TREASURES_COUNT; ++i) {
        Treasures[i].name = names[i];
        Treasures[i].x = pos[i][0];
        Treasures[i].y = pos[i][1];
    }
}

void Treasures_LoadImages() {
    for (Treasure& t : Treasures)
        if (!t.img && !t.name.empty())
            t.img = Gfx_LoadImage(Asset_Path(".\\images\\treasures\\" + t.name + ".png"));
}

void Treasure_Award(int i) {
    if (i < 0 || i >= TREASURES_COUNT || !Player_Valid()) {
        Log_Line("Treasure " + std::to_string(i) + " not awarded: no such treasure or player");
        return;
    }
    Players.treasure_bits[CurrentPlayer] |= 1 << i;
    Players_SaveSection(kSectionTreasures);
}

bool Treasure_Owned(int i) {
    if (i < 0 || i >= TREASURES_COUNT || !Player_Valid()) return false;
    return (Players.treasure_bits[CurrentPlayer] >> i) & 1;
}

int Treasures_Count() {
    if (!Player_Valid()) return 0;
    int n = 0;
    for (int i = 0; i < TREASURES_COUNT; ++i)
        n += Treasure_Owned(i);
    return n;
}
