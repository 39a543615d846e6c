// The built-in player's eye and judgement: it looks at the pearls on the tracks (place,
// motion, colour, which of them touch), follows a straight shot from the gun with lead for
// the chains' motion, and rates where that shot would go in: matches, pairs, combos, danger.
#pragma once

enum { AIM_NONE = 0, AIM_PEARL = 1, AIM_VOID = 2 };

struct Aim_Shot {
    int kind = AIM_NONE;      // AIM_PEARL: a shot at a pearl; AIM_VOID: a shot off the board
    int ptr_x = 0, ptr_y = 0; // pointer position that turns the barrel into the shot's direction
    int target_id = -1;       // pearl aimed at, -1 for a void shot
    int offset = 0;           // aim point along the target's track: -1 behind, 0 centre, 1 ahead
    int hit_id = -1;          // pearl the shot is expected to touch first
    int set_size = 0;         // pearls of the expected set, the shot included (1: no match)
    float value = -1e9f;
    // rating; higher is better; below AIM_USEFUL nothing is gained
};

constexpr float AIM_USEFUL = 20; // ratings from here on make a pair or a match

// Looks at the board (pearls, their motion, the danger of every track); run it once in a
// frame before Aim_Best and Aim_Track.
void Aim_See();
// The best shot for a pearl of colour `color` (18 joker, 20 fireball), with the hand's
// unsteadiness (jx, jy) added to the aim point; kind AIM_NONE when nothing can be aimed at.
Aim_Shot Aim_Best(int color, float jx, float jy);
// Fresh lead on the same target and aim offset; false when the target has left the board.
bool Aim_Track(int color, float jx, float jy, Aim_Shot& shot);
// The shot just fired is aimed to touch pearl hit_id (-1 none): until it has settled, shots
// that would touch that pearl's segment are not judged (the segment is about to change).
void Aim_Set_Busy(int hit_id);
// True while a shot flies toward the chains (the board is about to change).
bool Aim_Shot_Flying();
// True while a shot glides into its chain, pushing the pearls apart.
bool Aim_Shot_Gliding();
// Share 0..1 of the chains' motion the aim allows for (1 full lead).
void Aim_Set_Lead(double share);
// 0..1: how close the most advanced chain front is to its hole.
float Aim_Danger();
