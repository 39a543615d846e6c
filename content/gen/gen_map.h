// Art of the level-choose map and of the main menu's player, options and credits dialogs: the
// painted world (five lands joined by the roads of the level catalogue), its node, marker and
// arrow images and bottom panel, the dialog backgrounds and their widgets. Internal pieces of
// the map art are shared between the gen_map*.cpp files through this header.
#pragma once
#include <string>
#include <vector>
#include "content/gen/gen_canvas.h"
#include "content/manifest.h"

// Draws e when it is one of the map or menu-dialog images; false leaves it to the caller.
bool Gen_DrawMapArt(const Manifest_Entry& e, Gen_Canvas& c);

// A point of a road, in map pixels, and the land (pack 0..4) it belongs to.
struct Map_Pt {
    double x, y;
    int pack;
};

// The roads of the map as the catalogue lays them out.
struct Map_Roads {
    std::vector<Map_Pt> nodes;              // visible centre of every level's node, level order
    std::vector<int> node_flags;            // catalogue flags of each node
    std::vector<std::vector<Map_Pt>> roads; // smooth centre lines through the node centres
};

// Where a node's picture shows its centre, from the node's top-left corner: plain nodes and
// sub-pack nodes differ so that the selection marker (placed by fixed offsets) rings them.
constexpr double kMapPlainCx = 9, kMapPlainCy = 9, kMapSubCx = 16, kMapSubCy = 15;

// Builds the roads from the level catalogue (node centres, crossroads leading into each pack).
const Map_Roads& Map_GetRoads();

// Distances from every map pixel to the nearest road of each land, on a 4-pixel grid.
struct Map_Field {
    static constexpr int kStep = 4, kW = 800 / kStep + 1, kH = 600 / kStep + 1;
    std::vector<float> dist[5]; // per land, kW * kH
    std::vector<float> any;     // nearest road of any land
    // Interpolated distance at (x, y) to land k's road (k = -1: any road).
    double At(int k, double x, double y) const;
};
void Map_BuildField(const Map_Roads& roads, Map_Field& f);

// Soft share of each land at a pixel (sums to 1), from the road distances, fixed anchors and
// noise, so borders between the lands wander naturally.
void Map_LandShares(const Map_Field& f, double x, double y, double share[5]);

// How far (x, y) lies out at sea past the shore, in pixels; negative on land.
double Map_SeaDepth(const Map_Field& f, double x, double y);
// Paints the ground of the whole map pixel by pixel.
void Map_PaintGround(Gen_Canvas& c, const Map_Field& f);
// Mountains, volcano, trees, crystals, waves and the other features of each land.
void Map_DrawFeatures(cairo_t* cr, const Map_Field& f, Gen_Rng& rng);
// The roads, with the look of the land they cross, and the signposts at the forks.
void Map_DrawRoads(cairo_t* cr, const Map_Roads& roads);
// The four cities where the Water, Ice, Fire and Precious routes begin.
void Map_DrawCities(cairo_t* cr);

// Text in one of the game's two fonts (0 the book face, 1 the decorative face) of pixel size
// `size`, centred on x with its baseline at y, filled with `fill` over a soft dark outline.
void Map_Text(cairo_t* cr, int font, double size, double x, double y, const std::string& text, Gen_Rgb fill,
              double outline = 2.5);

// The menu dialogs' shared look: a parchment page in a carved frame with gold trim.
void Map_DialogFrame(cairo_t* cr, double w, double h, Gen_Rng& rng);
// A recessed groove (for a button, slider or list entry) of the dialog pages.
void Map_Recess(cairo_t* cr, double x, double y, double w, double h, double r);
// Draws a menu dialog background, the studio picture or a dialog widget; false when e is none.
bool Map_DrawDialogArt(const Manifest_Entry& e, Gen_Canvas& c);
