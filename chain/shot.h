// Shots: a fired pearl flies straight in 1-unit steps until it touches a chain pearl, is
// linked in front of or behind it through an invisible placeholder that opens the gap, glides
// into the placeholder while the chain moves on, then becomes a chain pearl and is matched.
#pragma once

struct Piece;

constexpr float SHOT_SPEED = 800;       // flight speed, units/s (doubled under precision)
constexpr float SHOT_GLIDE_SPEED = 150; // glide speed per contact distance of way, units/s
constexpr float SHOT_TRAIL_SPREAD = 16; // trail sparks appear this far around the shot
constexpr int SHOT_TRAIL_DELAY = 50;    // ms before the second trail spark

// What the shots ask of the items: the item hit test (a coin or artefact touched by the shot
// is collected and true returned) and the item made by a big set or a long chain.
struct Shot_Hooks_Table {
    bool (*item_hit)(Piece* shot) = nullptr;
    void (*item_create)(int kind, int x, int y) = nullptr;
    void (*flame_orb_update)(Piece* orb) = nullptr; // one frame of a flame orb (colour 17)
};
extern Shot_Hooks_Table Shot_Hooks;

// One frame of every flame orb, flying shot and gliding shot (nothing while the stop switch
// is on). Pearls removed by an earlier shot of the same frame are skipped.
void Shots_Update();
// The hit pearl of a shot at its current place: the nearest chain pearl it touches, or null.
Piece* Shot_Nearest_Hit(const Piece* shot);
// Side choice: true when the shot goes in front of (closer to the hole than) the hit pearl.
bool Shot_Insert_In_Front(const Piece* shot, const Piece* hit);
// A normal shot hit `hit`: placeholder, sounds, effect and the start of the glide.
void Shot_Begin_Insert(Piece* shot, Piece* hit);

// Fills the chain's hook table with the shots' partners: the join match check, Remove_By_Set,
// Destroy, the hole and the alarm (the level run installs Level_Lose), and sets up matching.
void Chain_Shooting_InstallHooks();
