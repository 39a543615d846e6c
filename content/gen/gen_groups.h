// The art groups of the content generator. Each group draws the image entries it owns into
// a transparent sheet canvas of the entry's size (cells laid out as the manifest says);
// replacing one group's art means replacing one file.
#pragma once
#include "content/gen/gen_canvas.h"
#include "content/manifest.h"

// Draws image entry e into c (c is e.SheetWidth() x e.SheetHeight(), transparent).
using Gen_DrawFn = void (*)(const Manifest_Entry& e, Gen_Canvas& c);

void Gen_DrawPieces(const Manifest_Entry& e, Gen_Canvas& c);  // pearls, modifiers, items, treasures
void Gen_DrawFx(const Manifest_Entry& e, Gen_Canvas& c);      // effect sprites and weather
void Gen_DrawGun(const Manifest_Entry& e, Gen_Canvas& c);     // gun, aim pointers, hammer
void Gen_DrawHud(const Manifest_Entry& e, Gen_Canvas& c);     // in-game interface and menu
void Gen_DrawBoards(const Manifest_Entry& e, Gen_Canvas& c);  // board backgrounds and decorations
void Gen_DrawDialogs(const Manifest_Entry& e, Gen_Canvas& c); // dialog skins, pictures, tutorial
void Gen_DrawMenus(const Manifest_Entry& e, Gen_Canvas& c);   // main menu, its dialogs, map, logos

// True when the content name contains `part`.
bool Gen_Has(const std::string& name, const char* part);
// The state word of a "<stem>_<state>.png" button image name ("hovered", "default", ...).
std::string Gen_StateOf(const std::string& name);

// The draw function of a group, or null when the group has no images.
Gen_DrawFn Gen_DrawFnOf(const std::string& group);

// Shared pieces of art (gen_pieces.cpp) that other groups reuse in their pictures.
// Pearl colours 0..5: blue, green, magenta, orange, red, yellow.
Gen_Rgb Gen_PearlColor(int color);
// One pearl of radius r at (cx, cy); `phase` 0..1 turns its rolling band.
void Gen_Pearl(cairo_t* cr, double cx, double cy, double r, int color, double phase);
// The whole gun at rest (base, bow, stock and top) in its 157 x 157 frame, pointing down (+y).
void Gen_GunPicture(cairo_t* cr);
// Modifier emblem of kind 0..9 centred at (cx, cy), fitting radius r.
void Gen_Emblem(cairo_t* cr, double cx, double cy, double r, int kind);
