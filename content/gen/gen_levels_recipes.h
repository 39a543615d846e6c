// Geometry recipes of the level design: a track is written as a chain of shapes (spirals,
// serpentine rows and columns, straight runs, passes under a bridge or tunnel element) that
// append waypoints; the entry off the screen is added last along the track's first heading.
#pragma once
#include <vector>
#include "content/gen/gen_levels.h"

struct Lv_Builder {
    Lv_Track t;

    // A waypoint at (x, y) in the current layer.
    Lv_Builder& To(double x, double y);
    // An elliptic spiral around (cx, cy) from angle a0 (degrees, 0 along +x, 90 down), turning
    // `turns` times (positive clockwise on screen), its radii going linearly from (rx0, ry0)
    // to (rx1, ry1); one waypoint every `step` degrees.
    Lv_Builder& Spiral(double cx, double cy, double a0, double turns, double rx0, double ry0, double rx1,
                       double ry1, double step = 30);
    // A half circle at x from row y0 to row y1, bulging to `side` (+1 right, -1 left); the
    // end points are not added.
    Lv_Builder& Turn(double x, double y0, double y1, int side);
    // Serpentine rows at heights ys: the first row runs from x xa to xb, the next back, and so
    // on, joined by half circles.
    Lv_Builder& Rows(const std::vector<double>& ys, double xa, double xb);
    // Serpentine columns at xs: the first runs from height ya to yb, the next back, and so on.
    Lv_Builder& Cols(const std::vector<double>& xs, double ya, double yb);
    // A rounded rectangular spiral around (cx, cy): half sizes (hw, hh) shrinking by `shrink`
    // every quarter turn, `quarters` quarter turns from corner angle a0 (45, 135, 225 or 315),
    // clockwise when cw.
    Lv_Builder& RectSpiral(double cx, double cy, double hw, double hh, double shrink, int quarters, double a0,
                           bool cw);
    // The track runs horizontally (dir +1 rightward, -1 leftward) under an element centred at
    // (cx, cy): a waypoint before it switches to the lower layer, one after it back.
    Lv_Builder& Under(double cx, double cy, int dir, int img);
    // Puts the entry in front of the first waypoint: straight from direction (dx, dy), or back
    // along the first chord when that is (0, 0), until off the screen (never through the
    // top, where the HUD is).
    Lv_Builder& Enter(double dx = 0, double dy = 0);
};
