// Pack themes of the board art: the colours of each pack's groove, the ground painted per
// pixel (meadow and old stone, shore and sea, snow and frozen lake, basalt and lava, marble and
// gold) and the bridge that covers a track.
#pragma once
#include "content/gen/gen_canvas.h"

// Colours of one pack's track.
struct Gen_BoardTheme {
    Gen_Rgb rim;       // raised edge of the groove and of the openings
    Gen_Rgb groove;    // channel walls
    Gen_Rgb floor;     // channel floor under the pearls
    Gen_Rgb glow;      // thin line along the floor (light, water glint, lava)
    double glow_alpha; // its strength 0..1
};

// Theme of pack 0..4 (Neutral, Water, Ice, Fire, Precious).
const Gen_BoardTheme& Gen_ThemeOf(int pack);
// Paints the whole 800 x 600 canvas with the pack's ground; `board` varies the layout.
void Gen_PaintGround(Gen_Canvas& c, int pack, int board, Gen_Rng& rng);
// Draws a bridge across a track at (cx, cy) of the canvas, the track heading `angle` radians.
void Gen_DrawBridge(Gen_Canvas& c, double cx, double cy, double angle, int pack, const Gen_BoardTheme& t,
                    Gen_Rng& rng);
