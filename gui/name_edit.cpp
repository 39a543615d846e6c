// The name editor.
#include "gui/name_edit.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/modal.h"
#include "shell/app_state.h"
#include "shell/fonts.h"
#include "shell/utf8.h"

const char* const NameEmptyText = "Anonymous";

namespace {
// Byte offset of character k of s (the end when s is shorter).
size_t Byte_Of(const std::string& s, int k) {
    size_t i = 0;
    for (int n = 0; n < k && i < s.size(); ++n)
        Utf8_Next(s, i);
    return i;
}

int Length(const std::string& s) {
    return static_cast<int>(Utf8_Length(s));
}

// Removes character k of s (nothing past the end).
void Erase_At(std::string& s, int k) {
    size_t from = Byte_Of(s, k);
    if (from >= s.size()) return;
    size_t to = from;
    Utf8_Next(s, to);
    s.erase(from, to - from);
}

// Moves and deletes; true when a key was handled (typing still follows).
bool Keys(Name_Edit& e, std::string& text, const Name_Edit_Calls& calls) {
    int len = Length(text);
    if (Key_Hit(VK_RIGHT)) {
        if (e.cursor < len) ++e.cursor;
    } else if (Key_Hit(VK_LEFT)) {
        if (e.cursor > 0) --e.cursor;
    } else if (Key_Hit(VK_END)) {
        e.cursor = len;
    } else if (Key_Hit(VK_HOME)) {
        e.cursor = 0;
    } else if (Key_Hit(VK_BACK)) {
        if (e.cursor > 0 && !text.empty()) Erase_At(text, --e.cursor);
        Keys_FlushPresses();
    } else if (Key_Hit(VK_DELETE)) {
        if (e.cursor < len && !text.empty()) Erase_At(text, e.cursor);
        Keys_FlushPresses();
    } else if (Key_Hit(VK_TAB)) {
        Keys_FlushPresses();
    } else if (Key_Hit(VK_RETURN)) {
        if (!text.empty() && calls.on_enter) calls.on_enter();
        Keys_FlushPresses();
    } else {
        return false;
    }
    return true;
}

void Type(Name_Edit& e, std::string& text) {
    while (Length(text) < NAME_EDIT_MAX) {
        int c = Char_Get();
        if (c == 0) return;
        if (c < 32 || c == 127) continue; // control characters type nothing
        std::string ch;
        Utf8_Append(ch, static_cast<uint32_t>(c));
        text.insert(Byte_Of(text, e.cursor), ch);
        if (e.cursor < NAME_EDIT_MAX) ++e.cursor;
    }
}
} // namespace

void NameEdit_Start(Name_Edit& e, const std::string& text) {
    e.cursor = Length(text);
    e.blink = NAME_EDIT_BLINK_MS;
    e.visible = 0;
    Keys_FlushPresses();
}

void NameEdit_Frame(Name_Edit& e, std::string& text, const Name_Edit_Calls& calls) {
    if (calls.on_each_frame) calls.on_each_frame();
    int len = Length(text);
    if (e.cursor > len) e.cursor = len; // the owner may have replaced the text
    if (e.cursor < 0) e.cursor = 0;
    if (!Keys(e, text, calls) && Key_Hit(VK_ESCAPE)) {
        if (calls.on_escape) calls.on_escape();
        Keys_FlushPresses();
        return;
    }
    Type(e, text);
    e.blink -= static_cast<int>(FrameTime);
    if (e.blink < 0) {
        e.visible = !e.visible;
        e.blink = NAME_EDIT_BLINK_MS;
    }
}

void NameEdit_DrawCursor(const Name_Edit& e, const std::string& text, int font, int x, int y) {
    if (!e.visible) return;
    Font_Select(font);
    std::string before = text.substr(0, Byte_Of(text, e.cursor));
    int h = Gfx_TextHeight();
    Gfx_SetColor(250, 250, 150);
    Gfx_DrawRect(static_cast<float>(x + Gfx_TextWidth(before)), static_cast<float>(y + 4), 12,
                 static_cast<float>(h - 8));
    Gfx_SetColor(255, 255, 255);
}

std::string Name_Shown(const std::string& name) {
    return name.empty() ? NameEmptyText : name;
}
