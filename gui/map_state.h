// State shared by the map's screen steps and its route rules.
#pragma once
#include <vector>
#include "gui/gui_list.h"
#include "gui/map.h"

struct TImage;

struct LCM_State {
    TImage* bg = nullptr;    // the world map
    TImage* panel = nullptr; // the bottom panel
    GUI_List buttons;        // panel buttons, arrows, nodes
    GUIBtn* btn[MAP_NODE] = {};
    std::vector<GUIBtn*> nodes; // by catalogue index
    int selected = -1;          // catalogue index
    int reason = 0;             // 0 fresh entry, 1 after a won level
    int city = 0;               // city picture to show
    int city_no_start = 0;      // 1: closing the city screen returns to the map
    int marker_clock = 0;       // ms
    int treasure_index = 0;     // treasure the "treasures" button shows first
    int arrow_crossroad = -1;   // crossroad whose branches the arrows offer
    int victories = 0;
};
extern LCM_State LCM;

// Route rules (map_route.cpp).
void LCM_Select(int level);
void LCM_Hide(int level);
void LCM_Show(int level);
void LCM_FreshEntry();
void LCM_AfterWin();
void LCM_NodeUp(GUIBtn* btn);
void LCM_ArrowUp(GUIBtn* btn);
// 1 when level is a catalogue index the progress tables hold.
int LCM_Valid(int level);
