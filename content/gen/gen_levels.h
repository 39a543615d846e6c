// Level design: the board layouts (track geometry written as recipes) and the table of every
// level's parameters, turned into the 148 level files and 148 path files of the content.
// Coordinates are logical screen units (800 x 600, y downward); boards are numbered per pack.
#pragma once
#include <string>
#include <vector>

// One waypoint of a track as a recipe writes it; the curve passes through every waypoint.
struct Lv_Way {
    double x = 0, y = 0; // point on the track
    int z = 8;           // draw layer of pearls after they pass this point
};

// A board image drawn in a track's layers: a bridge or tunnel the track passes under.
struct Lv_Elem {
    int x = 0, y = 0; // top-left corner of the 160 x 100 image
    int z = 16;       // draw layer (between the upper pass, 8, and the lower pass, 18)
    int img = 1;      // number of the board's element image
};

// One track: waypoints from its entry (off the screen) to its hole, and the elements over it.
struct Lv_Track {
    std::vector<Lv_Way> way;
    std::vector<Lv_Elem> elems;
};

// A board layout: its tracks and the gun's place, in unmirrored board coordinates.
struct Lv_Board {
    std::vector<Lv_Track> tracks;
    int gun_x = 400, gun_y = 318; // gun centre
};

// One control point of a generated track (the path file's PT block).
struct Lv_Point {
    double x, y;         // point on the curve
    int z;               // layer from here on
    double bz1_x, bz1_y; // control point of the segment arriving here
    double bz2_x, bz2_y; // control point of the segment leaving here
    double arc;          // arc length from the track start to this point
    int speed = 0;       // SPD, filled per level
    bool end_zone = false, alarm = false;
};

// One sample of a generated curve.
struct Lv_Sample {
    double x, y; // position
    double arc;  // arc length from the track start
    int seg;     // segment it lies on (from point seg to seg + 1)
};

// A track turned into control points with its sampled outline (for checks and placements).
struct Lv_Curve {
    std::vector<Lv_Point> pts;
    std::vector<Lv_Elem> elems;
    std::vector<Lv_Sample> samples; // dense samples along the curve, start to hole
    double length = 0;              // arc length of the whole track
};

constexpr int LV_MIRROR_X = 2; // mirror flag bits as the level file sets them
constexpr int LV_MIRROR_Y = 1;

// Layout number `board` (from 1) of pack; null past the pack's boards.
const Lv_Board* Lv_BoardOf(int pack, int board);
// Number of layouts of a pack.
int Lv_BoardCount(int pack);
// Smooth cubic Bezier control points through the waypoints, and dense samples.
Lv_Curve Lv_MakeCurve(const Lv_Track& t);
// Checks a board's geometry after mirroring: tracks enter from an edge, stay on the screen
// below the HUD bar, keep clear of the gun and of each other except under an element.
// False with err describing the first fault.
bool Lv_CheckBoard(const Lv_Board& b, int mirror, std::string& err);
// Up to n places for artefacts in open ground (away from tracks, gun and holes), unmirrored.
std::vector<std::pair<int, int>> Lv_ArtefactSpots(const Lv_Board& b, int n);

// The text of level file `number` (from 1) of pack, or of its path file when `path` is set.
// False with err set when the design does not hold together.
bool Gen_LevelText(int pack, int number, bool path, std::string& out, std::string& err);
// Checks every board and every level once (the whole design); false with err.
bool Gen_LevelsCheck(std::string& err);
