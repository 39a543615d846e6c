// Drawing helpers of the effect art: a light buffer in which soft glows, streaks and rings add
// up as emitted light and are then written as colour and coverage, so that an image drawn with
// additive blending adds exactly that light and has fully transparent surroundings.
#pragma once
#include <array>
#include <vector>
#include "content/gen/gen_canvas.h"
#include "content/gen/gen_raster.h"

// Emitted light of one image cell, cell pixel coordinates (pixel centres at +0.5).
struct Fx_Light {
    int w = 0, h = 0;
    std::vector<float> px; // r, g, b per pixel, unbounded

    Fx_Light(int width, int height);
    // Adds light c * k at pixel (x, y); outside the cell nothing happens.
    void Add(int x, int y, Gen_Rgb c, double k);
    // Round glow of radius r: k at the centre, zero at r; `sharp` > 0 concentrates it.
    void Glow(double cx, double cy, double r, Gen_Rgb c, double k, double sharp);
    // Tapered streak from (x0, y0) (brightness k0) to (x1, y1) (brightness k1), soft half width hw.
    void Streak(double x0, double y0, double x1, double y1, double hw, Gen_Rgb c, double k0, double k1);
    // Soft line through points (x, y, brightness), lit once by its nearest segment so that
    // the joints show no beads; half width hw.
    void Path(const std::vector<std::array<double, 3>>& pts, double hw, Gen_Rgb c);
    // Soft ring of radius r and half width hw.
    void Ring(double cx, double cy, double r, double hw, Gen_Rgb c, double k);
    // Adds f(x, y) * c at every pixel, f evaluated at pixel centres.
    template <class F> void Field(Gen_Rgb c, F f) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                Add(x, y, c, f(x + 0.5, y + 0.5));
    }
    // Writes the light into cell `frame` of entry e, compressing it softly so that strong
    // overlaps saturate toward white instead of clipping; `fade_edge` pixels at the cell border
    // are faded to zero so that no frame shows a cut edge.
    void Put(Gen_Canvas& cv, const Manifest_Entry& e, int frame, double fade_edge = 2) const;
};

// Smooth 0..1 step between a and b.
double Fx_Smooth(double a, double b, double v);
// Covers cell `frame` of e pixel by pixel with f(x, y) -> Gen_Px (cell coordinates of pixel
// centres), composited over what is already there.
template <class F> void Fx_Paint(Gen_Canvas& cv, const Manifest_Entry& e, int frame, F f);

// Composites colour c with coverage a over cell pixel (x, y) of cell `frame` of e.
void Fx_OverCell(Gen_Canvas& cv, const Manifest_Entry& e, int frame, int x, int y, Gen_Rgb c, double a);

template <class F> void Fx_Paint(Gen_Canvas& cv, const Manifest_Entry& e, int frame, F f) {
    cairo_surface_flush(cv.surface);
    for (int y = 0; y < e.frame_h; ++y)
        for (int x = 0; x < e.frame_w; ++x) {
            auto p = f(x + 0.5, y + 0.5);
            if (p.a > 0) Fx_OverCell(cv, e, frame, x, y, p.c, p.a);
        }
    cairo_surface_mark_dirty(cv.surface);
}

// Draws the weather particle images (snow flakes, rain drop, fog, fire fog, sparks) into c;
// false when e is none of them.
bool Fx_DrawWeather(const Manifest_Entry& e, Gen_Canvas& c);
// Draws the pieces that are blended over the board (pearl fragments, chain pieces, the life
// heart, the alarm spark, smoke puffs) into c; any other effect name gets a plain soft glow.
void Fx_DrawPieces(const Manifest_Entry& e, Gen_Canvas& c);
