// The end of a lost level: the pearls are cleared, the pushers turn upward and fly off the
// screen trailing fire while a black veil fades in and the lives left are shown, then a life
// is taken and the level starts again, or the game is over when none was left.
#pragma once
#include <string>

constexpr float LOSE_FADE_MAX = 0.4f;     // alpha the veil stops at
constexpr float LOSE_FADE_SPEED = 0.164f; // veil alpha per second
constexpr float LOSE_TEXT_IN = 0.5f;      // lives text alpha per second, fading in
constexpr float LOSE_TEXT_OUT = 0.6f;     // and fading out
constexpr float PUSHER_TURN_SPEED = 120;  // degrees/s the pushers turn towards straight up
constexpr float PUSHER_FLY_ACCEL = 400;   // units/s² of the pushers flying off
constexpr float PUSHER_HEADING_UP = 270;  // degrees: up the screen

// Starts the lose sequence (nothing in relaxed play or while it already runs).
void Level_Lose();
// One frame of the lose sequence (while Losing = 1 and LoseStage is not -1).
void Lose_Step();
// The lives text of the overlay: "Last life!" below 2 lives, else the count and " lives left!".
std::string Lose_Text();
// Veil and lives text, drawn while Losing = 1 and Lives is not 0.
void Lose_DrawOverlay();
// The last life is gone: high scores and the try-again choice; LoseStage = -1.
void Game_Over();
