// Caption lookups in the font and text tables.
#include "gui/gui_text.h"
#include "shell/fonts.h"
#include "shell/texts.h"

namespace {
std::string Entry(const std::string* table, int count, int id) {
    return id >= 0 && id < count ? table[id] : std::string();
}
} // namespace

TImageFont* GUI_Font(int index) {
    return index >= 0 && index < kFontCount ? Fonts[index].img : nullptr;
}

std::string GUI_Text(int table, int id) {
    switch (table) {
    case GUI_TEXTS_MAIN_MENU:
        return Entry(TxtMainMenu, TxtMainMenuCount, id);
    case GUI_TEXTS_OPTIONS:
        return Entry(TxtOptions, TxtOptionsCount, id);
    case GUI_TEXTS_MSGBOX:
        return Entry(TxtButtons, TxtButtonsCount, id);
    default:
        return std::string();
    }
}
