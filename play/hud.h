// The heads-up display of the in-game screen: background bar, lives, level, score and the
// win gauge with its three celebrated thresholds; and the pause veil shown while the
// application is in the background.
#pragma once

constexpr int HUD_FONT = 3;
constexpr int GAUGE_X = 470, GAUGE_Y = 6; // top-left of the gauge fill image

// Loads the bar and gauge images once (start-up).
void HUD_Load();
// Draws the HUD and advances the gauge celebration.
void HUD_Draw();
// Filled share of the gauge, 0..1 (negative while WinPoints is above the gauge size).
float Gauge_Fill();
// Width of the visible gauge fill in pixels for a fill image of width w; 0 when nothing shows.
int Gauge_Width(int w);
// At most one threshold per call: past half, past three quarters, full; GaugeStage 0 -> 3.
void Gauge_Celebrate();
// Plain drawing state for the screen's flat layers: no rotation, scale 1, opaque white, blend.
void Draw_Plain(int blend);
// A black rectangle over the whole screen at alpha; leaves the plain alpha-blended state.
void Draw_Veil(float alpha);
// Black veil and "PAUSE" while paused because the application lost the focus.
void Pause_DrawOverlay();
