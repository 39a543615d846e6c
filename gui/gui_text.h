// Captions of widgets: fonts by font-table index and caption texts by table and id, with
// ids outside a table giving no font / an empty text.
#pragma once
#include <string>

struct TImageFont;

// Text tables the widget factories take captions from.
enum GUI_Text_Table { GUI_TEXTS_MAIN_MENU = 0, GUI_TEXTS_OPTIONS = 1, GUI_TEXTS_MSGBOX = 2 };

// Image font of font-table entry index; null outside the table or before the fonts load.
TImageFont* GUI_Font(int index);
// Caption text id of a table; "" outside it.
std::string GUI_Text(int table, int id);
