// Coins and artefacts.
#include "play/items.h"
#include <cmath>
#include <string>
#include "chain/piece.h"
#include "engine/gfx.h"
#include "engine/sound.h"
#include "play/fx_calls.h"
#include "play/level_state.h"
#include "play/level_values.h"
#include "play/pc_mod_actions.h"
#include "play/score.h"
#include "shell/app_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/resource.h"

ItemInfo ItemInfos[ITEM_KINDS];
Items_State Items;
int ArtefactTimer = ARTEFACT_WAIT_MS;

namespace {
constexpr int kSparkleStep = 60; // ms between two collect sparkles
constexpr int kCoinSparkles = 20;
constexpr int kArtefactSparkles = 50;
constexpr float kGrowRate = 1; // scale per second growing and shrinking
constexpr float kFramesPerS = 20;
constexpr float kShadowAlpha = 0.35f;

void Die(int i) {
    for (int k = i; k + 1 < Items.count; ++k)
        Items.list[k] = Items.list[k + 1];
    Items.count -= 1;
}

void Animate(Item& it) {
    it.img_id += kFramesPerS * FrameDt;
    while (it.img_no > 1 && static_cast<int>(it.img_id) >= it.img_no - 1)
        it.img_id -= static_cast<float>(it.img_no - 1);
}

// False when the item has shrunk away.
bool Update(Item& it) {
    Animate(it);
    if (it.state == 0) {
        it.scale += kGrowRate * FrameDt;
        if (it.scale >= it.scale_max) {
            it.scale = it.scale_max;
            it.state = 1;
        }
    } else if (it.state == 1) {
        it.timer_die -= static_cast<int>(FrameTime);
        if (it.timer_die < 0) it.state = 2;
    } else {
        it.scale -= kGrowRate * FrameDt;
        if (it.scale <= 0) {
            it.scale = 0;
            return false;
        }
    }
    return true;
}

void Collect(const Item& it) {
    bool coin = it.item_type == 0;
    Score_Add(it.score, coin ? 0 : 1);
    Sfx_PlaySuccess(it.x, it.y);
    int n = coin ? kCoinSparkles : kArtefactSparkles;
    for (int k = 0; k < n; ++k)
        FX_ScoreSparkle(it.x, it.y, k * kSparkleStep, Rand(1, 31));
    if (coin) LevelCoins += 1;
    PowerUps_Stats.items_shot += 1;
}

void Draw(const Item& it) {
    const ItemInfo& k = ItemInfos[it.name];
    Gfx_SetScale(it.scale, it.scale);
    // The shadow: the item's own shape, darkened, so the strip's clear pixels stay clear.
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetColor(0, 0, 0);
    Gfx_SetAlpha(kShadowAlpha);
    Gfx_DrawImage(k.img, it.x + ShadowOffsetX, it.y + ShadowOffsetY, static_cast<int>(it.img_id));
    Gfx_SetColor(255, 255, 255);
    Gfx_SetAlpha(1);
    Gfx_DrawImage(k.img, std::trunc(it.x), std::trunc(it.y), static_cast<int>(it.img_id));
    Gfx_SetScale(1, 1);
}
} // namespace

void Items_Init() {
    const int score[ITEM_KINDS] = {500, 700, 900, 1100, 100, 150, 200, 250};
    for (int k = 0; k < ITEM_KINDS; ++k) {
        ItemInfo& i = ItemInfos[k];
        bool coin = k <= ITEM_COIN_LAST;
        i.item_type = coin ? 0 : 1;
        i.img_dx = i.img_dy = 52;
        i.img_no = 32;
        i.score = score[k];
        i.timer_die = coin ? 5000 : 20000;
        i.scale_max = coin ? 0.8f : 1.0f;
    }
    Items.count = 0;
}

void Items_LoadImages() {
    for (int k = 0; k < ITEM_KINDS; ++k) {
        ItemInfo& i = ItemInfos[k];
        if (i.img) continue;
        std::string name =
            std::string("./images/items/item_") + (k < 10 ? "0" : "") + std::to_string(k) + ".png";
        i.img = Gfx_LoadAnimImage(Asset_Path(name), i.img_dx, i.img_dy, 0, i.img_no);
        Gfx_MidHandle(i.img);
    }
}

void Items_Reset() {
    Items.count = 0;
    Items.full_logged = false;
    ArtefactTimer = ARTEFACT_WAIT_MS;
}

Item* Item_Create(int kind, float x, float y) {
    if (kind < 0 || kind >= ITEM_KINDS) {
        Log_Line("Item kind " + std::to_string(kind) + " unknown: no item made");
        return nullptr;
    }
    const ItemInfo& k = ItemInfos[kind];
    if (NoCoins == 1 && k.item_type == 0) return nullptr;
    if (Items.count >= ITEMS_MAX) {
        if (!Items.full_logged) Log_Line("Item list full: no item made");
        Items.full_logged = true;
        return nullptr;
    }
    Item& it = Items.list[Items.count++];
    it = Item{};
    it.name = kind;
    it.x = x;
    it.y = y;
    it.img_dx = k.img_dx;
    it.img_dy = k.img_dy;
    it.img_no = k.img_no;
    it.item_type = k.item_type;
    it.score = k.score;
    it.img_id = static_cast<float>(Rand(0, k.img_no - 1));
    it.scale = 0.1f;
    it.scale_max = k.scale_max;
    it.timer_die = k.timer_die;
    it.state = 0;
    return &it;
}

void Items_Update() {
    bool artefact_up = false;
    for (int i = 0; i < Items.count;) {
        if (!Update(Items.list[i])) {
            Die(i);
            continue;
        }
        artefact_up = artefact_up || (Items.list[i].state == 1 && Items.list[i].item_type == 1);
        ++i;
    }
    if (artefact_up) {
        ArtefactTimer = ARTEFACT_WAIT_MS;
        return;
    }
    ArtefactTimer -= static_cast<int>(FrameTime);
    if (ArtefactTimer >= 0) return;
    ArtefactTimer = ARTEFACT_WAIT_MS;
    int n = ArtPosCount < 0 ? 0 : (ArtPosCount > ART_POS_MAX ? ART_POS_MAX : ArtPosCount);
    if (n == 0) return;
    const ArtPos& p = ArtPositions[Rand(0, n - 1)];
    Item_Create(Rand(ITEM_COIN_LAST + 1, ITEM_KINDS - 1), static_cast<float>(p.x), static_cast<float>(p.y));
}

void Items_Draw() {
    for (int i = 0; i < Items.count; ++i)
        Draw(Items.list[i]);
}

void Items_KillAll() {
    Items.count = 0;
}

bool Items_HitByShot(Piece* shot) {
    double reach = shot->radius + ITEM_HIT_REACH;
    for (int i = 0; i < Items.count; ++i) {
        const Item& it = Items.list[i];
        if (it.state != 1) continue;
        double dx = it.x - shot->x, dy = it.y - shot->y;
        if (std::trunc(dx * dx + dy * dy) >= reach * reach) continue;
        Item got = it;
        Die(i);
        Collect(got);
        return true;
    }
    return false;
}
