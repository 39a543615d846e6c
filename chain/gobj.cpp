// Draw list operations.
#include "chain/gobj.h"

GObj_Draw_Fn GObj_Draw_Table[GOBJ_KIND_COUNT] = {};
ZList_State ZList;

int Clamp_Z(int z) {
    return z < 0 ? 0 : (z >= ZLIST_LAYERS ? ZLIST_LAYERS - 1 : z);
}

void GObj::Insert_ZList_Last() {
    Remove_From_ZList();
    z = Clamp_Z(z);
    z_prev = ZList.last[z];
    z_next = nullptr;
    if (z_prev) z_prev->z_next = this;
    ZList.last[z] = this;
    if (!ZList.first[z]) ZList.first[z] = this;
    in_zlist = true;
}

void GObj::Insert_ZList_First() {
    Remove_From_ZList();
    z = Clamp_Z(z);
    z_next = ZList.first[z];
    z_prev = nullptr;
    if (z_next) z_next->z_prev = this;
    ZList.first[z] = this;
    if (!ZList.last[z]) ZList.last[z] = this;
    in_zlist = true;
}

void GObj::Insert_ZList_After(GObj* other) {
    if (!other || other == this || !other->in_zlist) return Insert_ZList_Last();
    Remove_From_ZList();
    z = other->z;
    z_prev = other;
    z_next = other->z_next;
    if (z_next) z_next->z_prev = this;
    other->z_next = this;
    if (ZList.last[z] == other) ZList.last[z] = this;
    in_zlist = true;
}

void GObj::Insert_ZList_Before(GObj* other) {
    if (!other || other == this || !other->in_zlist) return Insert_ZList_First();
    Remove_From_ZList();
    z = other->z;
    z_next = other;
    z_prev = other->z_prev;
    if (z_prev) z_prev->z_next = this;
    other->z_prev = this;
    if (ZList.first[z] == other) ZList.first[z] = this;
    in_zlist = true;
}

void GObj::Remove_From_ZList() {
    if (!in_zlist) return;
    if (ZList.last[z] == this) ZList.last[z] = z_prev;
    if (ZList.first[z] == this) ZList.first[z] = z_next;
    if (z_prev) z_prev->z_next = z_next;
    if (z_next) z_next->z_prev = z_prev;
    z_next = z_prev = nullptr;
    in_zlist = false;
}

void GObj::Draw() {
    if (GObj_Draw_Fn fn = GObj_Draw_Table[gobj_kind]) fn(this);
}

void ZList_Clear() {
    for (int z = 0; z < ZLIST_LAYERS; ++z) {
        GObj* o = ZList.first[z];
        while (o) {
            GObj* next = o->z_next;
            o->z_next = o->z_prev = nullptr;
            o->in_zlist = false;
            o = next;
        }
        ZList.first[z] = ZList.last[z] = nullptr;
    }
}

void ZList_Draw() {
    for (int z = ZLIST_LAYERS - 1; z >= 0; --z)
        for (GObj* o = ZList.last[z]; o; o = o->z_prev)
            o->Draw();
}
