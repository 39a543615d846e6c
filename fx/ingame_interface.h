// The two images of the in-game interface, loaded once at start-up: the HUD background bar
// and the win gauge's fill image (with its width, for the gauge clip and its sparkles).
#pragma once

struct TImage;

struct InGame_Interface {
    TImage* bg = nullptr;    // ".\Images\InGame\IG_Interf\ig_interf_bg.png", drawn at (0, 0)
    TImage* gauge = nullptr; // ".\Images\InGame\IG_Interf\ig_interf_pb.png"
    int gauge_w = 0;         // the gauge image's width, pixels (0 when it is missing)
};
extern InGame_Interface InGameInterface;

// Loads both images (once; later calls keep them).
void InGameInterface_Load();
