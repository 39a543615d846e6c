// The effect list over its fixed pool, the update step and the three layer passes.
#include <algorithm>
#include "engine/gfx.h"
#include "fx/fx_images.h"
#include "fx/gfx_obj.h"
#include "shell/app_state.h"
#include "shell/log.h"

FX_State FX;

namespace {
// Draw buckets: one per image slot and frame, one for other images, one for texts (last).
constexpr int kFramesPerSlot = 32;
constexpr int kBucketOther = FXI_COUNT * kFramesPerSlot;
constexpr int kBucketText = kBucketOther + 1;
constexpr int kBuckets = kBucketText + 1;

struct FX_Pass_Scratch {
    Gfx_Obj* aged[FX_POOL_MAX]; // objects of the pass to draw, in list order
    int key[FX_POOL_MAX];       // their bucket
    Gfx_Obj* sorted[FX_POOL_MAX];
    int start[kBuckets + 1];
};
FX_Pass_Scratch g_pass;

bool g_pool_ready = false;

void Pool_Init() {
    FX.free_list = nullptr;
    for (int i = FX_POOL_MAX - 1; i >= 0; --i) {
        FX.pool[i].alive = false;
        FX.pool[i].next = FX.free_list;
        FX.pool[i].prev = nullptr;
        FX.free_list = &FX.pool[i];
    }
    FX.first = FX.last = nullptr;
    FX.count = 0;
    g_pool_ready = true;
}

int Bucket_Of(const Gfx_Obj* o) {
    if (o->name == 16) return kBucketText;
    if (o->img_slot < 0 || o->img_slot >= FXI_COUNT) return kBucketOther;
    int f = std::clamp(static_cast<int>(o->img_id), 0, kFramesPerSlot - 1);
    return o->img_slot * kFramesPerSlot + f;
}

// Counting sort of the aged objects by bucket; inside a bucket they keep their list order.
int Sort_Aged(int n) {
    std::fill(g_pass.start, g_pass.start + kBuckets + 1, 0);
    for (int i = 0; i < n; ++i)
        ++g_pass.start[g_pass.key[i] + 1];
    for (int b = 0; b < kBuckets; ++b)
        g_pass.start[b + 1] += g_pass.start[b];
    for (int i = 0; i < n; ++i)
        g_pass.sorted[g_pass.start[g_pass.key[i]]++] = g_pass.aged[i];
    return n;
}
} // namespace

Gfx_Obj* FX_New(int kind, float x, float y, int delay, int z_order) {
    if (!g_pool_ready) Pool_Init();
    Gfx_Obj* o = FX.free_list;
    if (!o) {
        if (!FX.full_logged) Log_Line("effects: pool of " + std::to_string(FX_POOL_MAX) + " objects full");
        FX.full_logged = true;
        return nullptr;
    }
    FX.free_list = o->next;
    std::string keep = std::move(o->str); // the text buffer is reused, not reallocated
    *o = Gfx_Obj{};
    o->str = std::move(keep);
    o->str.clear();
    o->name = std::clamp(kind, 0, FX_KIND_COUNT - 1);
    o->x = x;
    o->y = y;
    o->delay_start = delay;
    o->z_order = z_order;
    o->alive = true;
    o->prev = FX.last;
    if (FX.last)
        FX.last->next = o;
    else
        FX.first = o;
    FX.last = o;
    ++FX.count;
    return o;
}

void FX_Remove(Gfx_Obj* o) {
    if (!o || !o->alive) return;
    if (o->prev)
        o->prev->next = o->next;
    else
        FX.first = o->next;
    if (o->next)
        o->next->prev = o->prev;
    else
        FX.last = o->prev;
    o->alive = false;
    o->pc = nullptr;
    o->prev = nullptr;
    o->next = FX.free_list;
    FX.free_list = o;
    --FX.count;
}

void FX_Clear() {
    if (!g_pool_ready) Pool_Init();
    while (FX.first)
        FX_Remove(FX.first);
    FX.full_logged = false;
    FX.target_gone_logged = false;
    ++FX.clear_count;
}

int FX_Count() {
    return FX.count;
}

void FX_Update() {
    // Objects appended by a move are moved from the next frame on.
    Gfx_Obj* end = FX.last;
    for (Gfx_Obj* o = FX.first; o;) {
        Gfx_Obj* next = o->next;
        if (o->delay_start <= 0) FX_Move(o);
        if (o == end) break;
        o = next;
    }
}

void FX_DrawLayer(int layer) {
    float saved_alpha = Gfx_GetAlpha();
    Gfx_SetBlend(BLEND_ALPHA);
    int dt = static_cast<int>(FrameTime), n = 0, clears = FX.clear_count;
    Gfx_Obj* end = FX.last;
    for (Gfx_Obj* o = FX.first; o;) {
        // Ageing may end o or create objects (appended after `end`, drawn from the next pass).
        Gfx_Obj* next = o->next;
        bool was_end = o == end;
        if (o->delay_start > 0) {
            o->delay_start -= dt;
        } else if (o->z_order == layer) {
            if (FX_Age(o)) {
                g_pass.aged[n] = o;
                g_pass.key[n] = Bucket_Of(o);
                ++n;
            } else {
                FX_Remove(o);
            }
        }
        if (FX.clear_count != clears) {
            n = 0; // a target's removal ended the level's effects
            break;
        }
        if (was_end) break;
        o = next;
    }
    Sort_Aged(n);
    for (int i = 0; i < n; ++i)
        FX_Draw(g_pass.sorted[i]);
    Gfx_SetScale(1, 1);
    Gfx_SetRotation(0);
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetAlpha(saved_alpha);
    Gfx_SetColor(255, 255, 255);
}

bool FX_DrawOne(Gfx_Obj* o) {
    if (!o || !o->alive) return false;
    if (!FX_Age(o)) {
        FX_Remove(o);
        return false;
    }
    FX_Draw(o);
    Gfx_SetScale(1, 1);
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetRotation(0);
    return true;
}
