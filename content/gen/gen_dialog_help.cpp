// The two help pages: how to play, told with the board's own gun, pearls, effects, emblems,
// hammer and coins on small cards, with short words in the game's fonts; the second page also
// lists the mouse, keyboard and gamepad controls. The help dialog puts its "back" button at
// (318, 530) and its two arrows at (241, 534) and (498, 534), so the bottom strip is kept for
// them, with grooves where they sit.
#include <cmath>
#include <functional>
#include <string>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_map.h"
#include "content/gen/gen_text.h"
#include "content/gen/gen_tutorial_art_kit.h"

namespace {
const Gen_Rgb kGold = {1, 0.84, 0.4}, kGreen = {0.45, 1, 0.4};
const Gen_TextLook kTitle = {{1, 0.86, 0.45}, 0.6, 2.2, {0.25, 0.12, 0.03}};
const Gen_TextLook kHeading = {{1, 0.86, 0.45}, 0.5, 0, {0, 0, 0}};
const Gen_TextLook kBody = {{1, 0.97, 0.9}, 0.45, 0, {0, 0, 0}};

struct Box {
    double x, y, w, h;
    double X(double u) const { return x + u * w; }
    double Y(double v) const { return y + v * h; }
};

// The page: the dialogs' framed blue page at full screen, its crest, title and button grooves.
void Page(cairo_t* cr, const char* title) {
    Gen_Rng rng("help page");
    Map_DialogFrame(cr, 800, 600, rng);
    Dialog_Crest(cr, 400, 16);
    Gen_UseFont(cr, GEN_UNCIAL, 40);
    Gen_TextCentred(cr, title, 400, 52, kTitle);
    Dialog_Rule(cr, 120, 680, 82);
    Dialog_Rule(cr, 120, 680, 518);
    Map_Recess(cr, 315, 527, 136, 46, 16);
    Map_Recess(cr, 238, 531, 66, 50, 18);
    Map_Recess(cr, 495, 531, 66, 50, 18);
}

// A card with a heading above it and a few lines of words below it.
void Words(cairo_t* cr, const Box& card, const char* heading, const char* text) {
    Gen_UseFont(cr, GEN_SERIF, 19);
    Gen_TextAt(cr, heading, card.x + 4, card.y - 7, kHeading);
    Gen_UseFont(cr, GEN_SERIF, 15.5);
    Gen_TextWrap(cr, text, card.x + 2, card.y + card.h + 8, card.w - 4, 19, false, kBody);
}

// Draws a scene into the card b, enlarged by `zoom` so its pearls read at a glance, then frames it.
void In_Card(Tut_Kit& k, const Box& b, double zoom, const std::function<void(Tut_Kit&, const Box&)>& scene) {
    cairo_save(k.cr);
    cairo_translate(k.cr, b.x, b.y);
    cairo_scale(k.cr, zoom, zoom);
    scene(k, {0, 0, b.w / zoom, b.h / zoom});
    cairo_restore(k.cr);
    Tut_CardFrame(k.cr, b.x, b.y, b.w, b.h);
}

// The gun shoots a pearl into the rolling string.
void Shoot(Tut_Kit& k, const Box& b) {
    Tut_Card(k.cr, b.x, b.y, b.w, b.h, 0);
    Tut_Track t(b.X(-0.1), b.Y(0.3), b.X(0.35), b.Y(0.1), b.X(0.7), b.Y(0.45), b.X(1.1), b.Y(0.25));
    Tut_Groove(k.cr, t, 0);
    auto at = Tut_ChainOf(k, t, 10, {1, 4, 0, 0, 5, 2, 3, 1, 4, 5, 0});
    double gx = b.X(0.3), gy = b.Y(0.66), tx = at[7].x, ty = at[7].y + 14;
    double a = std::atan2(ty - gy, tx - gx);
    double sx = gx + (tx - gx) * 0.72, sy = gy + (ty - gy) * 0.72;
    Tut_Trail(k.cr, gx + 20 * std::cos(a), gy + 20 * std::sin(a), sx, sy, {1, 1, 0.85}, 9);
    k.Pearl(4, sx, sy, a);
    k.Gun(gx, gy, a, 0, 5, 0.5);
    Tut_ArcArrow(k.cr, gx, gy, 34, 0.5, 2.3, kGold);
}

// Three of a colour touching vanish in bursts.
void Match(Tut_Kit& k, const Box& b) {
    Tut_Card(k.cr, b.x, b.y, b.w, b.h, 1);
    Tut_Track t(b.X(-0.1), b.Y(0.7), b.X(0.35), b.Y(0.35), b.X(0.65), b.Y(0.85), b.X(1.1), b.Y(0.5));
    Tut_Groove(k.cr, t, 1);
    auto at = Tut_ChainOf(k, t, 8, {2, 1, 5, -2, -2, -2, 0, 4, 2});
    for (int i = 3; i <= 5; ++i) {
        Tut_Halo(k.cr, at[i].x, at[i].y, Gen_PearlColor(3));
        k.Pearl(3, at[i].x, at[i].y, at[i].turn);
        k.Burst(3, at[i].x, at[i].y, 2 + (i - 3) * 2, 0.6);
    }
    double sx = at[5].x + 10, sy = at[5].y - 60; // the shot that made the match
    Tut_Trail(k.cr, sx + 30, sy - 30, at[5].x + 2, at[5].y - 14, {1, 0.85, 0.5}, 8);
    for (int i = 0; i < 5; ++i)
        Gen_Star(k.cr, at[4].x + 26 * std::cos(i * 1.26 - 1.6), at[4].y - 4 + 22 * std::sin(i * 1.26 - 1.6),
                 4.5, 1, 4, 0, {1, 1, 0.85}, 0.95);
}

// The gap closes: the front part rolls back and a new match scores a combo.
void Combo(Tut_Kit& k, const Box& b) {
    Tut_Card(k.cr, b.x, b.y, b.w, b.h, 2);
    Tut_Track t(b.X(-0.1), b.Y(0.45), b.X(0.3), b.Y(0.85), b.X(0.7), b.Y(0.35), b.X(1.1), b.Y(0.65));
    Tut_Groove(k.cr, t, 2);
    auto at = Tut_ChainOf(k, t, 30, {0, 3, 1, 1, -2, -2, -2, 1, 4, 5, 2, 0});
    for (int i = 2; i <= 3; ++i)
        Tut_Halo(k.cr, at[i].x, at[i].y, Gen_PearlColor(1));
    Tut_Halo(k.cr, at[7].x, at[7].y, Gen_PearlColor(1));
    Tut_Arrow(k.cr, at[8].x + 4, at[8].y - 26, at[5].x - 2, at[5].y - 26, kGreen, 5);
    Tut_Label(k.cr, at[5].x + 10, at[5].y + 36, 22, "combo!", kGold);
}

// The string must never reach the hole; filling the gauge wins.
void Hole(Tut_Kit& k, const Box& b) {
    Tut_Card(k.cr, b.x, b.y, b.w, b.h, 3);
    Tut_Track t(b.X(-0.1), b.Y(0.75), b.X(0.3), b.Y(0.95), b.X(0.6), b.Y(0.45), b.X(0.8), b.Y(0.6));
    Tut_Groove(k.cr, t, 3);
    double hx, hy, turn;
    t.At(t.Length() - 1, hx, hy, turn);
    Tut_Hole(k.cr, hx, hy, 3);
    Tut_ChainOf(k, t, t.Length() - 1 - 9 * 2 * kTutR - 30, {4, 1, 2, 0, 5, 3, 4, 4, 1});
    Gen_Glow(k.cr, hx, hy, 34, {1, 0.2, 0.1}, 0.6);
    Tut_Label(k.cr, hx - 2, hy - 30, 24, "!", {1, 0.35, 0.25});
    Tut_Gauge(k.cr, b.X(0.08), b.Y(0.1), b.w * 0.6, 0.85); // the win gauge, nearly full
}

void How_To_Play(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Page(cr, "How to play");
    Tut_Kit kit(cr);
    const Box cards[4] = {
        {40, 120, 340, 140}, {420, 120, 340, 140}, {40, 344, 340, 108}, {420, 344, 340, 108}};
    In_Card(kit, cards[0], 1.3, Shoot);
    Words(cr, cards[0], "Aim and shoot",
          "Move the mouse to turn the gun and click to shoot its pearl into the rolling string.");
    In_Card(kit, cards[1], 1.3, Match);
    Words(cr, cards[1], "Three of a colour", "Three or more touching pearls of one colour vanish.");
    In_Card(kit, cards[2], 1.15, Combo);
    Words(cr, cards[2], "Combos", "When the gap closes and the colours match, they vanish too: a combo!");
    In_Card(kit, cards[3], 1.15, Hole);
    Words(cr, cards[3], "Mind the hole",
          "Fill the gauge, then clear the board. Never let a pearl reach the hole!");
}

// ---- page 2: power-ups, the hammer, coins and the controls -----------------------------------

void Power_Ups(Tut_Kit& k, const Box& b) {
    Tut_Card(k.cr, b.x, b.y, b.w, b.h, 4);
    static const char* const names[10] = {"precision", "roll-back", "stardust", "freeze",   "flame orb",
                                          "fireball",  "chain",     "score x2", "score x3", "bomb"};
    static const int colors[10] = {0, 1, 5, 0, 3, 4, 2, 3, 4, 2};
    for (int i = 0; i < 10; ++i) {
        double x = b.X(0.1 + (i % 5) * 0.2), y = b.Y(i < 5 ? 0.3 : 0.74);
        if (i == 6) k.Chain(x, y, 17);
        k.Pearl(colors[i], x, y, 0, 17);
        if (i != 6) k.Emblem(i, x, y, 17);
        Gen_UseFont(k.cr, GEN_SERIF, 13);
        Gen_TextCentred(k.cr, names[i], x, y + 29, {{1, 1, 1}, 0, 2.4, {0.1, 0.06, 0.03}});
        Gen_TextCentred(k.cr, names[i], x, y + 29, {{1, 1, 1}, 0, 0, {0, 0, 0}});
    }
}

void Hint(Tut_Kit& k, const Box& b, int hint) {
    In_Card(k, b, 1, [hint](Tut_Kit& kit, const Box& f) { Tut_DrawScene(kit, hint, f.x, f.y, f.w, f.h); });
}

// One group of controls: a heading and lines of "key" and what it does.
double Controls(cairo_t* cr, double x, double y, const char* heading, const char* const (*rows)[2], int n) {
    Gen_UseFont(cr, GEN_SERIF, 18);
    Gen_TextAt(cr, heading, x, y, kHeading);
    y += 19;
    Gen_UseFont(cr, GEN_SERIF, 15);
    for (int i = 0; i < n; ++i) {
        Gen_TextAt(cr, rows[i][0], x + 8, y, {{0.7, 0.9, 1}, 0.45, 0, {0, 0, 0}});
        Gen_TextAt(cr, rows[i][1], x + 132, y, kBody);
        y += 16.5;
    }
    return y + 5;
}

void Controls_Panel(cairo_t* cr, const Box& b) {
    Map_Recess(cr, b.x, b.y, b.w, b.h, 14);
    static const char* const mouse[][2] = {
        {"move", "aim the gun"}, {"left click", "fire"}, {"right click", "swap pearls"}};
    static const char* const keys[][2] = {
        {"Left / Right", "turn the gun"}, {"Shift", "fine aim"}, {"Space", "fire"},
        {"Tab", "swap pearls"},           {"H", "hammer"},       {"Esc", "in-game menu"}};
    static const char* const menus[][2] = {
        {"arrows / Tab", "move the focus"}, {"Enter", "press"}, {"Esc", "cancel"}};
    static const char* const pad[][2] = {
        {"left stick", "aim"}, {"A", "fire"}, {"X", "swap pearls"}, {"Y", "hammer"}, {"Start", "menu"}};
    Gen_UseFont(cr, GEN_SERIF, 21);
    Gen_TextCentred(cr, "Controls", b.x + b.w / 2, b.y + 20, kHeading);
    double x = b.x + 18, y = b.y + 48;
    y = Controls(cr, x, y, "Mouse", mouse, 3);
    y = Controls(cr, x, y, "Keyboard", keys, 6);
    y = Controls(cr, x, y, "In menus", menus, 3);
    Controls(cr, x, y, "Gamepad", pad, 5);
}

void Powers_And_Controls(Gen_Canvas& c) {
    cairo_t* cr = c.cr;
    Page(cr, "Power-ups and controls");
    Tut_Kit kit(cr);
    const Box powers = {36, 120, 370, 140}, hammer = {36, 344, 175, 96}, coin = {231, 344, 175, 96};
    In_Card(kit, powers, 1, Power_Ups);
    Words(cr, powers, "Power-ups", "Shoot a pearl with an emblem out of the string to set its power free.");
    Hint(kit, hammer, 5);
    Words(cr, hammer, "The hammer", "Matches charge it: click it, then strike the string.");
    Hint(kit, coin, 16);
    Words(cr, coin, "Coins", "Shoot coins and treasures for points.");
    Controls_Panel(cr, {428, 96, 340, 414});
}
} // namespace

void Dialog_HelpPage(const Manifest_Entry& e, Gen_Canvas& c, int page) {
    (void)e;
    if (page == 1)
        Powers_And_Controls(c);
    else
        How_To_Play(c);
}
