// Shared pieces of the hint pictures: the framed card with a stretch of board and its groove,
// points along the groove, pearls with their emblems, the gun and a few marks (arrows, halos).
#pragma once
#include <memory>
#include <vector>
#include "content/gen/gen_tutorial_art.h"

constexpr double kTutR = 11; // pearl radius in the pictures

// A track across the card: a cubic Bezier sampled about one unit apart.
struct Tut_Track {
    std::vector<double> x, y;
    Tut_Track(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3);
    // Point and heading (radians) at arc length s from the start.
    void At(double s, double& px, double& py, double& heading) const;
    double Length() const { return static_cast<double>(x.size()); }
};

// The images a picture uses, each rendered on first use.
struct Tut_Kit {
    cairo_t* cr;
    explicit Tut_Kit(cairo_t* c) : cr(c) {}
    const Tut_Sprite& Get(const char* name, bool first_frame_only = false);
    // Pearl of colour 0..5 (18 the joker, 20 the fireball) at (x, y) heading `turn`.
    void Pearl(int color, double x, double y, double turn = 0, double r = kTutR);
    // The emblem of modifier kind 0..9 over a pearl of radius r at (x, y).
    void Emblem(int kind, double x, double y, double r = kTutR);
    // The chain of modifier 6 round a pearl (drawn under it, as on the board).
    void Chain(double x, double y, double r = kTutR);
    // An explosion of a pearl of colour c, frame f of 13.
    void Burst(int color, double x, double y, int f, double scale = 0.5);
    // The whole gun at (x, y) aiming at `angle` (radians), loaded with pearl colour `load`
    // (-1 none) and `next`.
    void Gun(double x, double y, double angle, int load, int next, double scale = 0.5);

  private:
    struct Named {
        const char* name;
        std::unique_ptr<Tut_Sprite> s;
    };
    std::vector<Named> cache_;
};

// Frames the card: x, y, w, h is the scene's area; paints the board ground and a soft light.
void Tut_Card(cairo_t* cr, double x, double y, double w, double h, int pack);
// Closes the card: frame over the scene's edges.
void Tut_CardFrame(cairo_t* cr, double x, double y, double w, double h);
// The groove of a track in the look of pack `pack` (0..4), clipped to the card.
void Tut_Groove(cairo_t* cr, const Tut_Track& t, int pack);
// A hole at the end of a track.
void Tut_Hole(cairo_t* cr, double x, double y, int pack);
// A bold curved arrow along the arc around (cx, cy) from angle a0 to a1 (radians).
void Tut_ArcArrow(cairo_t* cr, double cx, double cy, double r, double a0, double a1, Gen_Rgb c);
// A straight bold arrow from (x0, y0) to (x1, y1).
void Tut_Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, Gen_Rgb c, double width = 5);
// A glowing ring round a pearl (a match about to vanish).
void Tut_Halo(cairo_t* cr, double x, double y, Gen_Rgb c, double r = kTutR);
// A caption such as "x2" in the game's font.
void Tut_Label(cairo_t* cr, double x, double y, double size, const char* text, Gen_Rgb c);

// Where a pearl of a chain lies: its centre and heading.
struct Tut_Placed {
    double x, y, turn;
};
// Lays pearls of `colors` along the track from arc length s0, touching, the first nearest the
// start (a colour below -1 leaves a gap), with the emblems of `mods` (-1 none); returns where
// each one lies.
std::vector<Tut_Placed> Tut_ChainOf(Tut_Kit& kit, const Tut_Track& t, double s0,
                                    const std::vector<int>& colors, const std::vector<int>& mods = {});
// The win gauge: a gold-rimmed bar at (x, y), w wide, filled to `fill` (0..1) with a glow at
// its front.
void Tut_Gauge(cairo_t* cr, double x, double y, double w, double fill);
// Sparkles that mark a shot's or a beam's way from (x0, y0) to (x1, y1).
void Tut_Trail(cairo_t* cr, double x0, double y0, double x1, double y1, Gen_Rgb c, int n);

// Draws the scene of hint `id` into the card's area; false when the id has no picture.
bool Tut_DrawScene(Tut_Kit& kit, int id, double x, double y, double w, double h);
