// Captions of widgets: fonts by font-table index and caption texts by table and id come
// from installable resolvers (the font and text tables live with the UI texts), and the
// centred caption drawing the widgets use.
#pragma once
#include <string>

struct TImageFont;

// Text tables the widget factories take captions from.
enum GUI_Text_Table { GUI_TEXTS_MAIN_MENU = 0, GUI_TEXTS_OPTIONS = 1, GUI_TEXTS_MSGBOX = 2 };

struct GUI_Text_Resolvers {
    TImageFont* (*font)(int index) = nullptr;         // font table entry; null when absent
    std::string (*text)(int table, int id) = nullptr; // caption text; "" when absent
};
// Installs the resolvers (null entries: no font, empty texts).
void GUI_SetTextResolvers(const GUI_Text_Resolvers& r);
TImageFont* GUI_Font(int index);
std::string GUI_Text(int table, int id);
// Draws text in the current font centred on (cx, cy) by half its width and height.
void GUI_DrawTextCentred(const std::string& text, float cx, float cy);
