// Per-pixel drawing for the content generator: smooth value noise for natural textures, and
// shaded balls rendered pixel by pixel (lit, glossy, with a surface pattern that turns with
// the rolling), composited over a canvas. Everything is deterministic.
#pragma once
#include <functional>
#include "content/gen/gen_canvas.h"

// Smooth value noise in 0..1 at (x, y); `seed` picks an independent field.
double Gen_Noise(double x, double y, int seed);
// Sum of `octaves` noise layers, each twice as fine and half as strong; 0..1.
double Gen_Fbm(double x, double y, int octaves, int seed);

// A colour with coverage, composited with Gen_Over.
struct Gen_Px {
    Gen_Rgb c;
    double a; // 0..1
};
// Composites colour c with alpha a over the canvas pixel (x, y) (absolute sheet pixels).
void Gen_Over(Gen_Canvas& cv, int x, int y, Gen_Rgb c, double a);

// Surface of a ball: colour and gloss (0 matt .. 1 mirror) at the unit surface point (x, y, z)
// in the ball's own turning frame (x right, y down, z toward the viewer before any roll).
using Gen_SurfaceFn = std::function<Gen_Px(double x, double y, double z)>;

// How a ball is lit and turned.
struct Gen_BallLook {
    double roll = 0;         // radians turned about the image's vertical axis (rolling toward +x)
    double shine = 1;        // strength of the highlights
    double rim_dark = 0.6;   // darkening toward the rim
    double ring_light = 0.3; // brightness of the reflection band near the rim
};

// Renders a ball of radius r centred at (cx, cy) in absolute sheet pixels, 3 x 3 samples a
// pixel. The light is symmetric about the view axis, so a ball that the game turns by its
// heading keeps its lighting. Alpha of the surface multiplies the coverage.
void Gen_RenderBall(Gen_Canvas& cv, double cx, double cy, double r, const Gen_SurfaceFn& surface,
                    const Gen_BallLook& look);

// Origin of cell `frame` of entry e in absolute sheet pixels.
void Gen_CellOrigin(const Manifest_Entry& e, int frame, int& ox, int& oy);
