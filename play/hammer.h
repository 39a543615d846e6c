// The hammer: a tool charged by the points of a level (HammerScore). At 300, 900 and 2400
// points it is available at level 1, 2 or 3; clicking its icon arms it, and a left click on a
// pearl smashes one pearl, the pearl and up to two on each side, or every pearl of its colour.
// Using it spends all the charge. Levels marked NO_HAMMER have none.
#pragma once

struct TImage;

constexpr int HAMMER_LEVELS = 3;
constexpr int HAMMER_FILLS = 8;    // segments of the charge ring
constexpr int HAMMER_ICON_X = 702; // icon origin before the level's offset
constexpr int HAMMER_ICON_Y = 64;
constexpr int HAMMER_FRAMES_PER_S = 40; // icon and cursor animation
constexpr float HAMMER_SPARK_X = 740;   // where the charge sparks fly to
constexpr float HAMMER_SPARK_Y = 92;

// One level of the tool.
struct Hammer {
    TImage* img = nullptr;        // animation strip ".\Images\Hammer\hammerN.png"
    TImage* img_gray = nullptr;   // ".\Images\Hammer\hammerN_gray.png"
    int img_dx = 0, img_dy = 0;   // frame size
    int img_no = 0;               // frames
    int off_x = 0, off_y = 0;     // icon offset from (702, 64)
    int points_enable = 0;        // HammerScore needed
    int (*On_LeftUp)() = nullptr; // the smash; 1 when a pearl was smashed
};
extern Hammer Hammers[HAMMER_LEVELS];

// One segment of the charge ring, drawn at its top-left corner with its alpha.
struct HammerFill {
    TImage* img = nullptr;
    int x = 0, y = 0;
    float alpha = 0;
};
extern HammerFill HammerFills[HAMMER_FILLS];

extern int HammerLevel;         // 0..2
extern int HammerState;         // 0 not available, 1 available, 2 armed
extern int HammerAnnounced;     // levels announced with the charge effect in this charge cycle
extern int HammerAnnounceBlock; // 1: the tutorial holds the announcement back
extern float HammerIconFrame;   // icon animation frame
extern float HammerCursorFrame; // cursor animation frame

void Hammer_Init(); // start-up: the three levels and the ring segments (no images)
void Hammer_LoadImages();
void Hammer_Reset(); // level start and lose sequence: every value above 0, ring empty
// Update phase, after the gun: level, state, announcements and the ring from HammerScore.
void Hammer_Update();
// Update phase, second step of the frame: the icon button, the hovered pearls and the smash
// of an armed hammer. An armed hammer takes every click, so the gun does not fire.
void Hammer_Input();
// The icon button: available -> armed -> available.
void Hammer_ButtonClicked();
void Hammer_SetState(int s);
void Hammer_SetLevel(int l);
// True when (x, y) lies on the icon of the current level (the hammer button).
bool Hammer_OnIcon(int x, int y);

void Hammer_DrawIcon();    // after the HUD
void Hammer_DrawCursor();  // after the screen's buttons
void Hammer_DrawHovered(); // highlight of the pearls under an armed hammer
