// The five treasures, the pack-end rewards of the level-choose map: their map places and
// pictures, and which of them each player owns (a 5-bit mask in the players file).
#pragma once
#include <string>

struct TImage;

constexpr int TREASURES_COUNT = 5;

struct Treasure {
    int x = 0, y = 0;      // place on the level-choose map, screen units
    TImage* img = nullptr; // ".\images\treasures\<name>.png"
    std::string name;      // "cauldron", "stone", "sword", "spear", "amulet"
};
extern Treasure Treasures[TREASURES_COUNT];

void Treasures_Init();       // start-up: the table (no images)
void Treasures_LoadImages(); // the pictures
// The current player now owns treasure i (0..4); the players file is saved at once. An index
// outside 0..4 or an unknown player changes nothing.
void Treasure_Award(int i);
// True when the current player owns treasure i.
bool Treasure_Owned(int i);
// Treasures the current player owns.
int Treasures_Count();
