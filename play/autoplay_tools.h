// The built-in player's use of the power-ups it can act on itself: the hammer (when a smash is
// worth its charge) and the coins and artefacts within a clear shot.
#pragma once

struct Piece;

// The pearl worth smashing now with the hammer's current level, or null: a whole colour when
// it holds enough pearls, a single or five-pearl smash only at the front of a track in danger.
// full_only: only the fully charged hammer (level 3) is ever used.
const Piece* Tool_Hammer_Target(bool full_only);
// Centre of the hammer's icon (the button that arms it), screen units.
void Tool_Hammer_Icon(int& x, int& y);
// A collectable item the loaded pearl can reach in a straight line before it touches a chain
// pearl and before the item shrinks away; fills the pointer position that aims the gun at it.
bool Tool_Item_Shot(int& ptr_x, int& ptr_y);
