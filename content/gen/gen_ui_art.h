// Shared pieces of the menu and dialog art: a coverage mask drawn with Cairo paths and then
// painted pixel by pixel, tileable noise, cut stone, carved wood, and the gold-rimmed jewel
// button every menu and dialog uses in its default, hovered, pressed and disabled states.
#pragma once
#include <functional>
#include <string>
#include "content/gen/gen_canvas.h"
#include "content/gen/gen_raster.h"

// A coverage mask the size of a canvas: draw paths with cr, fill them white.
struct Gen_Mask {
    int w = 0, h = 0;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    Gen_Mask(int width, int height);
    ~Gen_Mask();
    Gen_Mask(const Gen_Mask&) = delete;
    Gen_Mask& operator=(const Gen_Mask&) = delete;
    // Fills the current path of cr into the mask.
    void Fill();
    // Coverage 0..1 at pixel (x, y); 0 outside.
    double At(int x, int y) const;
};

// Colour of one pixel at pixel centre (x, y).
using Gen_PixelFn = std::function<Gen_Rgb(double x, double y)>;
// Composites f over every pixel of the canvas that the mask covers, scaled by `alpha`.
void Gen_PaintMasked(Gen_Canvas& c, const Gen_Mask& m, const Gen_PixelFn& f, double alpha = 1);
// Paints every pixel of the canvas opaquely with f.
void Gen_PaintOpaque(Gen_Canvas& c, const Gen_PixelFn& f);

// Fractal noise 0..1 that repeats every `period` pixels along x.
double Gen_FbmTiled(double x, double y, double scale, double period, int octaves, int seed);
// Smooth step 0..1 between a and b.
double Gen_Step(double a, double b, double v);

// Weathered stone of running-bond blocks bw x bh at (x, y); `tone` lightens or darkens.
Gen_Rgb Gen_StoneAt(double x, double y, double bw, double bh, int seed, double tone);
// Carved dark wood with its grain along x.
Gen_Rgb Gen_WoodAt(double x, double y, int seed);

// Gold-rimmed button face w x h with corner radius r (r >= h/2 gives a pill, a circle when
// w == h) in state "default", "hovered", "pressed" or "disabled"; `face` is the jewel colour.
void Gen_JewelButton(cairo_t* cr, double w, double h, double r, const std::string& state, Gen_Rgb face);
// A gold band following the current path: dark edge, bright core, light glint on top.
void Gen_GoldStroke(cairo_t* cr, double width);
