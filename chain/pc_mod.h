// Modifier emblems (power-ups) attached to pearls: the per-kind table and the emblem object
// that rides with its pearl in the draw list. The kinds' removal actions belong to the level
// play; here are the records, the chances the generator reads, and the emblem's movement.
#pragma once
#include <string>
#include "chain/gobj.h"

struct Piece;
struct PcMod;
struct TImage;

constexpr int PCMOD_KINDS = 10;

// One modifier kind.
struct PcModType {
    int (*On_PieceRemoved)(PcMod* mod, int matched) = nullptr; // removal action, filled by the level play
    int img_dx = 120, img_dy = 120;                            // frame size of the image strip
    int img_count = 1;                                         // frames in the strip
    TImage* img = nullptr;
    int anim_period = 1000; // frames per second
    std::string filename;   // "./images/pieces/mods/mod_" + filename
    int percent = 0;        // per-mille chance from the level file; 0 never
    int blend_mode = 4;     // 3 alpha, 4 light
    float alpha = 1;        // alpha with blend 3
    float scale = 0.55f;
    int z_offset = 1; // layer relative to the owner
};
extern PcModType PcModTypes[PCMOD_KINDS];

struct PcMod : GObj {
    float x = 0, y = 0; // the owner's position
    float img_crt = 0;
    int img_count = 1;
    int anim_period = 1000;
    int angle = 0;     // owner's heading, degrees
    int alpha_acc = 0; // phase of the alpha pulse, degrees
    float alpha0 = 1;
    int blend_mode = 4;
    float scale = 0.55f;
    Piece* pc_owner = nullptr;
    int pc_owner_id = -1;
    int pc_owner_buff_idx = 0;
    int id = 0; // kind
    bool alive = false;

    PcMod() { gobj_kind = GOBJ_PCMOD; }
    static PcMod* Create(int kind, Piece* owner, int buff_idx, float px, float py, int pz); // null when full
    void Set_Z(int nz);            // front of layer nz (clamped)
    void Set_Z_From_Owner(int nz); // layer nz + the kind's offset
    void Update_From_Owner();
    void Animate();
    void Free(); // out of the draw list, back to the pool
};

void PcMod_Reset_Pool(); // frees every emblem (level start)
