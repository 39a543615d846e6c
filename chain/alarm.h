// The alarm of a track: while its front pearl is beyond the alarm point, red alarm pearls
// roll out of the hole toward the chain every ALARM_PERIOD_GENERATE ms (none while a dialog
// is open) and the roll-back offer may open. Path::Alarm_Update runs after the chain moved.
#pragma once

constexpr int ALARM_SPARKS = 8;           // sparks when an alarm pearl meets the chain
constexpr float ALARM_PC_SPEED = 600;     // target speed of an alarm pearl, units/s
constexpr float ALARM_PC_ACCEL = 900;     // its acceleration, units/s^2
constexpr double ALARM_STOP_FACTOR = 1.5; // along-track distance, in sums of radii, that stops it

// Whether a modal dialog is open (the alarm pauses its pearls then); defaults to the modal slot.
extern int (*Alarm_Dialog_Open)();
// Opens the roll-back offer; defaults to the level run's dialog table.
extern void (*Alarm_Open_Offer)();
// Both back to the modal slot and the level run's dialog table.
void Alarm_Hooks_Reset();
