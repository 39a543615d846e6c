// The pieces of the main-menu art, shared between its files and with the victory picture,
// which shows the same valley (its flag, birds and tree layer are the menu's own).
#pragma once
#include "content/gen/gen_canvas.h"
#include "content/manifest.h"

// The opaque valley: sky, mountains, the lake, the meadows and the castle whose flagpole
// carries the menu's flag at (184, 112). `festive` gives the golden victory light.
void Menu_Landscape(Gen_Canvas& c, bool festive);
// The stone portal with the title; `title` false leaves the plaque blank.
void Menu_Portal(Gen_Canvas& c, bool title);
void Menu_Tree(Gen_Canvas& c);
void Menu_Fog(Gen_Canvas& c);
void Menu_Flag(const Manifest_Entry& e, Gen_Canvas& c);
void Menu_Bird(const Manifest_Entry& e, Gen_Canvas& c);
// The carved panel behind the buttons and the buttons themselves.
void Menu_Panel(Gen_Canvas& c);
void Menu_PlayButton(cairo_t* cr, double w, double h, const std::string& state);
// The studio logo and the two loading pictures.
void Menu_Logo(const Manifest_Entry& e, Gen_Canvas& c);
