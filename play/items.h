// Coins and magic artefacts: collectables that grow on the board, can be collected for a
// while by a passing shot, then shrink away. Coins come from big sets and long chains and
// give points; artefacts appear by themselves at the level's places and also fill the gauge.
#pragma once

struct Piece;
struct TImage;

constexpr int ITEM_KINDS = 8;           // 0..3 coins, 4..7 artefacts
constexpr int ITEM_COIN_LAST = 3;       // highest coin kind
constexpr int ITEMS_MAX = 64;           // items on the board at once
constexpr int ARTEFACT_WAIT_MS = 30000; // ms without an artefact before the next one
constexpr int ITEM_HIT_REACH = 16;      // added to the shot's radius for the hit test

// One item kind.
struct ItemInfo {
    int item_type = 0;            // 0 coin, 1 artefact
    int img_dx = 52, img_dy = 52; // frame size
    int img_no = 32;              // frames
    TImage* img = nullptr;        // "./images/items/item_NN.png", centre handle
    int timer_die = 0;            // ms it stays collectable
    float scale_max = 1;          // full size
    int score = 0;                // points
};
extern ItemInfo ItemInfos[ITEM_KINDS];

// One item on the board.
struct Item {
    int name = 0;       // kind 0..7
    float x = 0, y = 0; // centre, screen units
    float img_id = 0;   // current frame
    int timer_die = 0;  // ms left while collectable
    int state = 0;      // 0 growing, 1 collectable, 2 shrinking
    float scale = 0.1f;
    float scale_max = 1;
    int item_type = 0, img_dx = 52, img_dy = 52, img_no = 32, score = 0;
};

// The item list in creation order.
struct Items_State {
    Item list[ITEMS_MAX];
    int count = 0;
    bool full_logged = false;
};
extern Items_State Items;
extern int ArtefactTimer; // ms until an artefact may appear

void Items_Init();       // start-up: the kind table (no images)
void Items_LoadImages(); // the kinds' strips
void Items_Reset();      // level start: list empty, artefact timer 30 s (positions come from the file)
// A new item of kind at (x, y); null for a coin in a NO_COINS level, a kind outside 0..7 or a
// full list (logged).
Item* Item_Create(int kind, float x, float y);
void Items_Update();  // update phase: grow, wait, shrink; the next artefact
void Items_Draw();    // draw phase: shadow and item
void Items_KillAll(); // lose sequence: every item goes
// A flying shot at its current place collects the first collectable item it touches: points
// (and, for an artefact, the gauge), a success sound, sparkles. True when it collected one.
bool Items_HitByShot(Piece* shot);
