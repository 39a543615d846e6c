// Caption resolvers and centred drawing.
#include "gui/gui_text.h"
#include "engine/gfx.h"

namespace {
GUI_Text_Resolvers g_resolvers;
}

void GUI_SetTextResolvers(const GUI_Text_Resolvers& r) {
    g_resolvers = r;
}

TImageFont* GUI_Font(int index) {
    return g_resolvers.font ? g_resolvers.font(index) : nullptr;
}

std::string GUI_Text(int table, int id) {
    return g_resolvers.text ? g_resolvers.text(table, id) : std::string();
}

void GUI_DrawTextCentred(const std::string& text, float cx, float cy) {
    int w = Gfx_TextWidth(text), h = Gfx_TextHeight();
    Gfx_DrawText(text, cx - w / 2, cy - h / 2);
}
