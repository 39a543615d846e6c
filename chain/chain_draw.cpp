// Pearl, emblem and board element drawing, and the developer overlays.
#include "chain/chain_draw.h"
#include <algorithm>
#include <cmath>
#include <string>
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "chain/pc_mod.h"
#include "chain/piece.h"
#include "engine/gfx.h"
#include "play/level_state.h"
#include "shell/resource.h"

namespace {
constexpr const char* kPieceDir = "./images/pieces/";
constexpr const char* kModDir = "./images/pieces/mods/mod_";

struct Piece_Images {
    TImage* colors[6] = {};
    TImage *pusher = nullptr, *rev_clear = nullptr, *joker = nullptr, *alarm = nullptr;
    TImage *fireball = nullptr, *win = nullptr, *hovered = nullptr;
    bool loaded = false;
} g_img;

TImage* Load_Strip(const char* file, int cell, int frames) {
    TImage* img = Gfx_LoadAnimImage(Asset_Path(std::string(kPieceDir) + file), cell, cell, 0, frames,
                                    GFX_DEFAULT_FLAGS | GFX_SHRINKS);
    Gfx_MidHandle(img);
    return img;
}

TImage* Load_Single(const char* file) {
    TImage* img = Gfx_LoadImage(Asset_Path(std::string(kPieceDir) + file), GFX_DEFAULT_FLAGS | GFX_SHRINKS);
    Gfx_MidHandle(img);
    return img;
}

void Draw_Piece_Obj(GObj* o) {
    static_cast<Piece*>(o)->Draw();
}

void Draw_PcMod_Obj(GObj* o) {
    PcMod* m = static_cast<PcMod*>(o);
    m->Animate();
    Gfx_SetScale(m->scale, m->scale);
    Gfx_SetRotation(static_cast<float>(m->angle));
    Gfx_SetBlend(m->blend_mode);
    float a = m->blend_mode == BLEND_ALPHA
                  ? m->alpha0
                  : 0.82f + 0.18f * static_cast<float>(std::sin(m->alpha_acc * M_PI / 180.0));
    Gfx_SetAlpha(a);
    Gfx_DrawImage(PcModTypes[m->id].img, m->x, m->y, static_cast<int>(m->img_crt));
    Gfx_SetScale(1, 1);
    Gfx_SetRotation(0);
    Gfx_SetAlpha(1);
}

void Draw_GElem_Obj(GObj* o) {
    GElem* e = static_cast<GElem*>(o);
    if (!e->img) return;
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetRotation(0);
    Gfx_SetScale(1, 1);
    Gfx_DrawImage(e->img, static_cast<float>(e->x), static_cast<float>(e->y), 0);
}

TImage* Load_Elem_Image(const std::string& path, int mirror) {
    TImage* img = Gfx_LoadImage(path);
    if (!img) return nullptr;
    if (mirror & MIRROR_X) Gfx_FlipImageX(img);
    if (mirror & MIRROR_Y) Gfx_FlipImageY(img);
    return img;
}

void Load_Mod_Images() {
    for (PcModType& k : PcModTypes) {
        if (k.img) continue;
        k.img = Gfx_LoadAnimImage(Asset_Path(kModDir + k.filename), k.img_dx, k.img_dy, 0, k.img_count,
                                  GFX_DEFAULT_FLAGS | GFX_SHRINKS);
        Gfx_MidHandle(k.img);
    }
}
} // namespace

void Pieces_Load_Images() {
    if (g_img.loaded) return;
    g_img.loaded = true;
    const char* strips[6] = {"00_blue.png",   "01_green.png", "02_magenta.png",
                             "03_orange.png", "04_red.png",   "05_yellow.png"};
    for (int i = 0; i < 6; ++i)
        g_img.colors[i] = Load_Strip(strips[i], 64, 64);
    g_img.joker = Load_Strip("18_joker.png", 64, 64);
    g_img.rev_clear = Load_Strip("17_rev_clear.png", 160, 1);
    g_img.pusher = Load_Single("16_pusher.png");
    g_img.alarm = Load_Single("19_alarm.png");
    g_img.fireball = Load_Single("20_fireball.png");
    g_img.win = Load_Single("21_win.png");
    g_img.hovered = Load_Single("hovered.png");
    Load_Mod_Images();
    GObj_Draw_Table[GOBJ_PIECE] = Draw_Piece_Obj;
    GObj_Draw_Table[GOBJ_PCMOD] = Draw_PcMod_Obj;
    GObj_Draw_Table[GOBJ_GELEM] = Draw_GElem_Obj;
    Chain_Hooks.Load_Elem_Image = Load_Elem_Image;
}

TImage* Piece_Image(int color) {
    if (color >= 0 && color < 6) return g_img.colors[color];
    switch (color) {
    case PC_PUSHER:
        return g_img.pusher;
    case PC_FLAME_ORB:
        return g_img.rev_clear;
    case PC_JOKER:
        return g_img.joker;
    case PC_ALARM:
        return g_img.alarm;
    case PC_FIREBALL:
        return g_img.fireball;
    case PC_WIN:
        return g_img.win;
    default:
        return nullptr;
    }
}

void Piece::Draw() {
    if (state & PCS_HIDDEN) return;
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetRotation(anim_angle);
    Gfx_SetAlpha(alpha);
    Gfx_SetScale(scale, scale);
    Gfx_DrawImage(Piece_Image(color), x, y, static_cast<int>(img_crt));
    Gfx_SetRotation(0);
    Gfx_SetAlpha(1);
    Gfx_SetScale(1, 1);
}

void Piece::Draw_Hovered() {
    Gfx_SetScale(0.55f, 0.55f);
    Gfx_SetBlend(BLEND_LIGHT);
    Gfx_DrawImage(g_img.hovered, x, y, 0);
    Gfx_SetScale(1, 1);
    Gfx_SetBlend(BLEND_ALPHA);
}

namespace {
void Text(const std::string& s, float x, float y) {
    Gfx_DrawText(s, x, y);
}

void Draw_Piece_Links(const Piece* pc) {
    Gfx_SetColor(255, 255, 0);
    if (pc->pc_next) Gfx_DrawLine(pc->x, pc->y + 8, pc->pc_next->x, pc->pc_next->y + 8);
    Gfx_SetColor(0, 255, 255);
    if (pc->pc_prev) Gfx_DrawLine(pc->x, pc->y - 8, pc->pc_prev->x, pc->pc_prev->y - 8);
    Gfx_SetColor(255, 255, 0);
    Text(std::to_string(pc->id), pc->x, pc->y - 12);
    Gfx_SetColor(255, 255, 255);
    Text(std::to_string(pc->state), pc->x, pc->y);
    Text(std::to_string(static_cast<int>(pc->scale * 100)), pc->x, pc->y + 12);
    Text(std::to_string(static_cast<int>(pc->alpha * 100)), pc->x, pc->y + 24);
    Text(std::to_string(pc->color), pc->x, pc->y + 36);
    if (pc->state & PCS_LEADER) Text("HEAD", pc->x - 16, pc->y - 32);
    if (pc->color == PC_DUMMY) {
        Text("Dummy", pc->x - 16, pc->y);
        Gfx_DrawRect(pc->x - 3, pc->y - 3, 6, 6);
    }
}
} // namespace

void Paths_Draw() {
    if (!Dev_ChainOverlay) return;
    Gfx_SetLineWidth(3);
    for (int i = 0; i < Paths.count; ++i) {
        const Path& path = Paths.pool[i];
        if (path.first_pc) {
            Gfx_SetColor(255, 0, 0);
            Gfx_DrawRect(path.first_pc->x - 6, path.first_pc->y - 24 - 6, 12, 12);
        }
        if (path.last_pc) {
            Gfx_SetColor(0, 0, 255);
            Gfx_DrawRect(path.last_pc->x - 6, path.last_pc->y - 16 - 6, 12, 12);
        }
        for (const Piece* pc = path.first_pc; pc; pc = pc->pc_next)
            Draw_Piece_Links(pc);
    }
    Gfx_SetColor(255, 255, 255);
    Gfx_SetLineWidth(1);
}

void Paths_Draw_Curves() {
    constexpr double kDotSpacing = 3.0; // units between the dots of a curve
    for (int i = 0; i < Paths.count; ++i) {
        const Path& path = Paths.pool[i];
        for (int s = 0; s + 1 < path.pts_count; ++s) {
            const PPoint& a = path.pts[s];
            const PPoint& b = path.pts[s + 1];
            Gfx_DrawRect(a.x - 6, a.y - 6, 12, 12);
            Gfx_DrawRect(b.x - 6, b.y - 6, 12, 12);
            Bz_Point p0{a.x, a.y}, p1{a.bz2_x, a.bz2_y}, p2{b.bz1_x, b.bz1_y}, p3{b.x, b.y};
            for (double t = 0; t <= 1;) {
                Bz_Point p = Bz_Eval(p0, p1, p2, p3, t);
                Gfx_Plot(static_cast<float>(p.x), static_cast<float>(p.y));
                // |B'(t)| from the derivative's control points; the step keeps the dots evenly spaced.
                double u = 1 - t;
                double dx = 3 * (u * u * (p1.x - p0.x) + 2 * u * t * (p2.x - p1.x) + t * t * (p3.x - p2.x));
                double dy = 3 * (u * u * (p1.y - p0.y) + 2 * u * t * (p2.y - p1.y) + t * t * (p3.y - p2.y));
                double speed = std::hypot(dx, dy);
                t += speed > kDotSpacing ? std::max(kDotSpacing / speed, 1.0 / 4000) : 0.25;
            }
        }
    }
}
