// Art of the tutorial: the hint pictures (".\Images\GUI\Dlgs\Tutorial\NN.png") and the pulsing
// arrow of the arrow hints. Each picture is a small scene of the board built from the game's own
// pearl, emblem, gun, hammer, item and effect images, so the player recognises on the board what
// the hint explains.
#pragma once
#include "content/gen/gen_canvas.h"
#include "content/manifest.h"

// Draws e when it is a hint picture or the hint arrow; false leaves it to the caller.
bool Gen_DrawTutorialArt(const Manifest_Entry& e, Gen_Canvas& c);

// A game image rendered by its own art group, to be composited into a picture.
struct Tut_Sprite {
    const Manifest_Entry* e = nullptr;
    Gen_Canvas* canvas = nullptr; // the rendered sheet (owned)
    int frames = 0;
    explicit Tut_Sprite(const char* name, bool first_frame_only = false);
    ~Tut_Sprite();
    Tut_Sprite(const Tut_Sprite&) = delete;
    Tut_Sprite& operator=(const Tut_Sprite&) = delete;
    // Draws frame f centred at (cx, cy), scaled and turned (radians); `add` blends it as light.
    void Draw(cairo_t* cr, int f, double cx, double cy, double scale, double turn = 0, double alpha = 1,
              bool add = false) const;
    // Draws frame f as light in colour c (the way the game tints its grey effect images).
    void Tint(cairo_t* cr, int f, double cx, double cy, double scale, Gen_Rgb c, double alpha,
              double turn = 0) const;
};
