// Art of the pearl images: the six colours and the joker as rolling strips, the special
// pearls (pusher, flame orb, alarm, fireball, win pearl) and the hover ring. A colour's
// pearl carries a small symbol of its own so it reads without its colour.
#pragma once
#include "content/gen/gen_canvas.h"
#include "content/manifest.h"

// Draws one entry of "./images/pieces/" (not the modifiers); false when the name is not a pearl.
bool Gen_DrawPearlEntry(const Manifest_Entry& e, Gen_Canvas& c);
// The symbol of pearl colour 0..5 (dot, triangle, square, ring, cross, star) as a path centred at
// (cx, cy) with half size s.
void Gen_SymbolPath(cairo_t* cr, double cx, double cy, double s, int color);
