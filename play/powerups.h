// The power-ups in the level run: modifiers, the flame orb, the hammer, coins, artefacts and
// treasures set up at start-up and installed into the steps of the in-game frame and the
// shots' hooks.
#pragma once

void PowerUps_Init();         // the tables of the kinds, hammer levels, items and treasures
void PowerUps_LoadImages();   // start-up images (runs PowerUps_Init first)
void PowerUps_InstallHooks(); // the level run's steps and the shots' item and flame-orb hooks
