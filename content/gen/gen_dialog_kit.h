// Shared pieces of the large dialog pictures (help pages, cities, treasures, victory): polished
// metal fills, cut gems, sparkles and light rays, colour ramps for painted skies, and the five
// treasures, which the treasure dialog and the victory picture both show.
#pragma once
#include <initializer_list>
#include "content/gen/gen_canvas.h"

// A polished metal: the colours of its shadow, its body and its highlight.
struct Dlg_Metal {
    Gen_Rgb dark, mid, light;
};
extern const Dlg_Metal kDlgGold, kDlgSilver, kDlgBronze, kDlgIron;

// One colour stop of a ramp.
struct Dlg_Stop {
    double at;
    Gen_Rgb c;
};
// Fills the current path with a linear ramp of stops from (x0, y0) to (x1, y1); `keep` keeps
// the path for a following stroke.
void Dlg_FillRamp(cairo_t* cr, double x0, double y0, double x1, double y1,
                  std::initializer_list<Dlg_Stop> stops, bool keep = false);
// Fills the current path with metal whose bands of light run across the line (x0, y0)-(x1, y1);
// `keep` keeps the path for a following stroke.
void Dlg_FillMetal(cairo_t* cr, const Dlg_Metal& m, double x0, double y0, double x1, double y1,
                   bool keep = false);
// Strokes the current path with a dark outline of `width`.
void Dlg_Outline(cairo_t* cr, double width, double alpha = 0.75);
// A cut gem of radius r: dark rim, lit facets, a bright table and a glint.
void Dlg_Gem(cairo_t* cr, double cx, double cy, double r, Gen_Rgb c);
// A four-pointed sparkle with a soft glow.
void Dlg_Sparkle(cairo_t* cr, double x, double y, double r, double alpha = 1);
// `n` soft rays of light from (cx, cy) out to radius r, starting at angle `turn`.
void Dlg_Rays(cairo_t* cr, double cx, double cy, double r, int n, double turn, Gen_Rgb c, double alpha);
// A dark vignette over a w x h picture.
void Dlg_Vignette(cairo_t* cr, double w, double h, double alpha);
// Colour at v along a ramp of n stops (at[] rising).
Gen_Rgb Dlg_Ramp(const Gen_Rgb* c, const double* at, int n, double v);
// A soft elliptic spot of colour c fading out to its rim: a shadow on the ground in black, a
// pool of light in a bright colour.
void Dlg_Spot(cairo_t* cr, double cx, double cy, double rx, double ry, Gen_Rgb c, double alpha);

// Treasure 0..4 (cauldron, stone, sword, spear, amulet) centred at (cx, cy), about 2 * s
// pixels across.
void Dlg_Treasure(cairo_t* cr, double cx, double cy, double s, int treasure);
