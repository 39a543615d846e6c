// Function references through which the chain simulation calls the parts of the game that
// are built on top of it (matching and removal, the hole, the alarm, image loading). A null
// entry means that behaviour is absent; Chain_Hooks_Reset restores the built-in defaults.
#pragma once
#include <string>

struct Piece;
struct Path;
struct TImage;

struct Chain_Hooks_Table {
    // Match check where two segments joined at pc; 1 when it removed a set (segments recount).
    int (*Join_Check)(Piece* pc) = nullptr;
    // Removal of pc as member `index` of a set (explosion delays, power-ups).
    void (*Remove_By_Set)(Piece* pc, int index) = nullptr;
    // Removal of pc from everything; kind 1 matched, 2 popped, 0 and 3 silent.
    void (*Destroy)(Piece* pc, int kind, int color, int delay, int n) = nullptr;
    // A pearl passed the track's last point; the hole decides whether that loses the level.
    void (*Hole_Enter)(Piece* pc) = nullptr;
    // Movement of a pearl in the hole; 0 when the level was lost (the track stops moving).
    int (*Hole_Move)(Piece* pc) = nullptr;
    // The level is lost.
    void (*Level_Lose)() = nullptr;
    // Per-track alarm update after the chain moved.
    void (*Alarm_Update)(Path* path) = nullptr;
    // Loads a board element image (content path), flipped by the mirror bits; null on failure.
    TImage* (*Load_Elem_Image)(const std::string& path, int mirror) = nullptr;
};
extern Chain_Hooks_Table Chain_Hooks;

// Defaults: Destroy and Remove_By_Set take the pearl out of its chain, the draw list and the
// pearl list without effects; everything else absent. The image loader is kept.
void Chain_Hooks_Reset();
