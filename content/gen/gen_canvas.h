// Drawing surface and shared drawing helpers of the content generator: a Cairo ARGB canvas
// the size of an image sheet, a seeded random source, colours, and the shapes every art group
// uses (shaded spheres, glows, rounded panels, buttons). All output is deterministic.
#pragma once
#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>
#include "content/manifest.h"

struct Gen_Rgb {
    double r, g, b; // 0..1
};
// Mixes a and b: t 0 gives a, 1 gives b.
Gen_Rgb Gen_Mix(Gen_Rgb a, Gen_Rgb b, double t);
// Colour from 0..255 components.
Gen_Rgb Gen_Rgb255(int r, int g, int b);

// Seeded xorshift generator; the seed is a hash of a text (usually the content name).
struct Gen_Rng {
    uint32_t s;
    explicit Gen_Rng(const std::string& seed);
    uint32_t Bits();
    double Next(); // uniform in [0, 1)
    double Range(double lo, double hi);
    int Int(int lo, int hi); // uniform in lo..hi inclusive
};

// A transparent ARGB canvas (premultiplied inside Cairo) of w x h pixels.
struct Gen_Canvas {
    int w = 0, h = 0;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    Gen_Canvas(int width, int height);
    ~Gen_Canvas();
    Gen_Canvas(const Gen_Canvas&) = delete;
    Gen_Canvas& operator=(const Gen_Canvas&) = delete;
    // Moves the origin to the top left of cell `frame` of the entry's sheet and clips to it.
    void Cell(const Manifest_Entry& e, int frame);
    // Back to the whole sheet, no clip, identity transform.
    void Whole();
    // Straight (not premultiplied) RGBA bytes, rows top to bottom.
    void To_Rgba(std::vector<uint8_t>& out) const;
};

void Gen_SetColor(cairo_t* cr, Gen_Rgb c, double a = 1.0);
// Rounded rectangle path.
void Gen_RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
// Lit sphere of radius r at (cx, cy): light from the upper left, darker rim, soft highlight.
void Gen_Sphere(cairo_t* cr, double cx, double cy, double r, Gen_Rgb c);
// Soft round glow fading to transparent at radius r.
void Gen_Glow(cairo_t* cr, double cx, double cy, double r, Gen_Rgb c, double alpha);
// A ring of the given radius and stroke width.
void Gen_Ring(cairo_t* cr, double cx, double cy, double r, double width, Gen_Rgb c, double alpha);
// A star of n points between radii r_in and r_out, rotated by `turn` radians, filled.
void Gen_Star(cairo_t* cr, double cx, double cy, double r_out, double r_in, int n, double turn, Gen_Rgb c,
              double alpha);
// Framed panel: vertical gradient from `top` to `bottom`, a bevelled border of `border`.
void Gen_Panel(cairo_t* cr, double x, double y, double w, double h, double radius, Gen_Rgb top,
               Gen_Rgb bottom, Gen_Rgb border);
// Push-button face in one of its states: "default", "hovered", "pressed", "disabled",
// "checked", "selected".
void Gen_Button(cairo_t* cr, double w, double h, const std::string& state, Gen_Rgb base, bool round);
// Opaque background: vertical gradient plus soft random blotches and a dark vignette.
void Gen_Backdrop(cairo_t* cr, int w, int h, Gen_Rgb top, Gen_Rgb bottom, Gen_Rgb blotch, Gen_Rng& rng,
                  int blotches);
