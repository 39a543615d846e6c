// The level-choose map, screen state 2: the world map with one node per level of the
// catalogue, the selection marker, the "main menu", "start" and "treasures" buttons, and the
// walk along the route after a won level (pack-end treasures, the way back to a crossroad,
// the arrows that choose a branch, the city picture when a pack is entered, the victory
// screen after the final level). Progress is the current player's, kept in the players file.
#pragma once

struct GUIBtn;

// Button ids of the map's list: the three panel buttons, the four route arrows, then one
// node per catalogue entry (all with id MAP_NODE, catalogue index in custom_data1).
enum { MAP_BTN_MENU = 0, MAP_BTN_START = 1, MAP_BTN_TREASURES = 2, MAP_ARROW_FIRST = 3, MAP_ARROW_LAST = 6,
       MAP_NODE = 7 };

// Loads the images and builds the button list from the catalogue (start-up; again after the
// catalogue changed, in tests). Fills the map's entries of the later-modules table.
void Map_Load();
// Registers screen state 2.
void Map_Register();

// Read-only views for the built-in player, the screenshots and tests.
GUIBtn* Map_Button(int id);    // panel button or arrow (null for other ids)
GUIBtn* Map_Node(int level);   // node of catalogue index level (null outside the catalogue)
int Map_Selected();            // selected catalogue index, -1 for none
int Map_Reason();              // 0 entered from the menus, 1 after a won level
int Map_VictoryCount();        // times the victory screen was opened since the start
int Map_ArrowsShown();         // route arrows visible now
