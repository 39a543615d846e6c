// The pieces of the dialogs group's art, shared between its files.
#pragma once
#include "content/gen/gen_canvas.h"
#include "content/manifest.h"

// Background of dialog skin 0..6 (dlg1..dlg7).
void Dialog_Skin(const Manifest_Entry& e, Gen_Canvas& c, int skin);
// A dialog button in the state its name ends with (default, hovered, pressed, disabled).
void Dialog_Button(const Manifest_Entry& e, Gen_Canvas& c);
// The in-game menu window (418 x 340) with grooves for its three large buttons.
void Dialog_InGameMenu(const Manifest_Entry& e, Gen_Canvas& c);
// The gold crest at the top edge of every dialog, centred at (cx, cy).
void Dialog_Crest(cairo_t* cr, double cx, double cy);
// A gold rule from x0 to x1 at y, fading at both ends, with a star in its middle.
void Dialog_Rule(cairo_t* cr, double x0, double x1, double y);
// The two help pages (0, 1).
void Dialog_HelpPage(const Manifest_Entry& e, Gen_Canvas& c, int page);
// City picture 0..3 (Water, Ice, Fire, Precious) and the victory picture.
void Dialog_City(const Manifest_Entry& e, Gen_Canvas& c, int city);
void Dialog_Victory(const Manifest_Entry& e, Gen_Canvas& c);
// The picture of treasure 0..4 shown in the treasure dialog (418 x 300, over its skin).
void Dialog_Treasure(const Manifest_Entry& e, Gen_Canvas& c, int treasure);
