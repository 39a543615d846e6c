// The layered draw list: every drawable board object (pearl, modifier emblem, board element)
// sits in one of 32 layers. Layers are drawn from 31 down to 0, so a lower layer is on top;
// inside a layer the list is drawn from its last element back to its first.
#pragma once

constexpr int ZLIST_LAYERS = 32;

// Which concrete record a GObj is; selects its entry in GObj_Draw_Table.
enum GObj_Kind { GOBJ_PIECE = 0, GOBJ_PCMOD = 1, GOBJ_GELEM = 2, GOBJ_KIND_COUNT = 3 };

// Base of Piece, PcMod and GElem.
struct GObj {
    int z = 0;              // layer 0..31
    GObj* z_next = nullptr; // neighbour toward the layer's last element (drawn earlier)
    GObj* z_prev = nullptr; // neighbour toward the layer's first element (drawn later)
    int gobj_kind = GOBJ_PIECE;
    bool in_zlist = false; // true while linked into a layer

    void Insert_ZList_Last();              // end of layer z: drawn first within the layer
    void Insert_ZList_First();             // front of layer z: drawn last (on top) within the layer
    void Insert_ZList_After(GObj* other);  // takes other's z; drawn just before (under) other
    void Insert_ZList_Before(GObj* other); // takes other's z; drawn just after (over) other
    void Remove_From_ZList();              // unlinks; harmless when not linked
    void Draw();                           // through GObj_Draw_Table; nothing when unset
};

// Draw function of each kind; the drawing module fills it when the images are loaded, so the
// simulation runs (and is tested) without the drawing service.
using GObj_Draw_Fn = void (*)(GObj* obj);
extern GObj_Draw_Fn GObj_Draw_Table[GOBJ_KIND_COUNT];

// Ends of every layer's list; null when the layer is empty.
struct ZList_State {
    GObj* first[ZLIST_LAYERS] = {};
    GObj* last[ZLIST_LAYERS] = {};
};
extern ZList_State ZList;

int Clamp_Z(int z); // z clamped to 0..31
void ZList_Clear(); // empties all layers (level start)
void ZList_Draw();  // draws every layer from 31 down to 0, each from last back to first
