// Focus ring over an owner's widget list: key navigation, Enter as a click, the ring itself.
#include "gui/gui_focus.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "gui/gui_btn.h"
#include "gui/gui_list.h"
#include "gui/gui_sound.h"

namespace {
constexpr int kRingGap = 3;                            // screen units between the hit rectangle and the ring
constexpr int kRingR = 255, kRingG = 214, kRingB = 90; // warm gold, clear on every dialog skin

int Index_Of_Focus(const GUI_List& list) {
    for (size_t i = 0; i < list.items.size(); ++i)
        if (list.items[i] && (list.items[i]->states & BTN_FOCUSED)) return static_cast<int>(i);
    return -1;
}

// The next widget that may take the focus, stepping by dir (+1 or -1) from index `from`
// round the list; -1 when none may.
int Next_Allowed(const GUI_List& list, int from, int dir) {
    int n = static_cast<int>(list.items.size());
    for (int k = 1; k <= n; ++k) {
        int i = ((from + dir * k) % n + n) % n;
        if (list.items[i] && GUI_Focus_Allowed(*list.items[i])) return i;
    }
    return -1;
}

int Allowed_Count(const GUI_List& list) {
    int n = 0;
    for (const auto& item : list.items)
        n += item && GUI_Focus_Allowed(*item);
    return n;
}

// -1 backwards, +1 forwards, 0 no move key this frame.
int Move_Keys(int keys) {
    int dir = 0;
    if (keys & FOCUS_UP_DOWN) dir += Key_Hit(VK_DOWN) - Key_Hit(VK_UP);
    if (keys & FOCUS_LEFT_RIGHT) dir += Key_Hit(VK_RIGHT) - Key_Hit(VK_LEFT);
    if ((keys & FOCUS_TAB) && Key_Hit(VK_TAB)) dir += Key_Down(VK_LSHIFT) || Key_Down(VK_RSHIFT) ? -1 : 1;
    return dir > 0 ? 1 : dir < 0 ? -1 : 0;
}

void Press(GUIBtn* btn) {
    if (!(btn->flags & BTN_SILENT)) GUI_Sound_Play(GUI_SFX_CLICK, 1.0f, btn->caption_x, btn->caption_y);
    if (btn->On_MouseLeftDown) btn->On_MouseLeftDown(btn);
    // The down callback may have closed the dialog or hidden the button.
    if (GUI_Focus_Allowed(*btn) && btn->On_MouseLeftUp) btn->On_MouseLeftUp(btn);
}
} // namespace

bool GUI_Focus_Allowed(const GUIBtn& btn) {
    if (btn.states & (BTN_HIDDEN | BTN_DISABLED)) return false;
    return btn.On_MouseLeftDown || btn.On_MouseLeftUp;
}

GUIBtn* GUI_Focus_Get(const GUI_List& list) {
    int i = Index_Of_Focus(list);
    if (i < 0) return nullptr;
    GUIBtn* btn = list.items[static_cast<size_t>(i)].get();
    return GUI_Focus_Allowed(*btn) ? btn : nullptr;
}

bool GUI_Focus_Set(GUI_List& list, GUIBtn* btn) {
    if (btn && !GUI_Focus_Allowed(*btn)) return false;
    for (auto& item : list.items)
        if (item) item->states &= ~BTN_FOCUSED;
    if (btn) btn->states |= BTN_FOCUSED;
    return true;
}

bool GUI_Focus_Keys(GUI_List& list, int keys) {
    if (list.items.empty()) return false;
    int at = Index_Of_Focus(list);
    // A focused button that became hidden or disabled gives the focus up.
    if (at >= 0 && !GUI_Focus_Allowed(*list.items[static_cast<size_t>(at)])) {
        GUI_Focus_Set(list, nullptr);
        at = -1;
    }
    // With one button or none there is nothing to choose between: the keys stay with the
    // dialog (a "press any key" box must still see the arrows).
    if (Allowed_Count(list) < 2) keys = 0;
    int dir = Move_Keys(keys);
    if (dir != 0) {
        int start = at >= 0 ? at : dir > 0 ? -1 : 0;
        int next = Next_Allowed(list, start, dir);
        GUI_Focus_Set(list, next >= 0 ? list.items[static_cast<size_t>(next)].get() : nullptr);
        return true;
    }
    if (at < 0 || !Key_Hit(VK_RETURN)) return false;
    Press(list.items[static_cast<size_t>(at)].get());
    return true;
}

void GUI_Focus_Draw(const GUI_List& list) {
    GUIBtn* btn = GUI_Focus_Get(list);
    if (!btn) return;
    int r, g, b;
    Gfx_GetColor(r, g, b);
    float alpha = Gfx_GetAlpha();
    int blend = Gfx_GetBlend();
    Gfx_SetBlend(BLEND_ALPHA);
    Gfx_SetAlpha(1.0f);
    Gfx_SetColor(kRingR, kRingG, kRingB);
    float x0 = static_cast<float>(btn->hit_x_left - kRingGap),
          y0 = static_cast<float>(btn->hit_y_top - kRingGap);
    float x1 = static_cast<float>(btn->hit_x_right + kRingGap),
          y1 = static_cast<float>(btn->hit_y_bottom + kRingGap);
    for (int k = 0; k < 2; ++k) { // two pixels thick
        float d = static_cast<float>(k);
        Gfx_DrawLine(x0 - d, y0 - d, x1 + d, y0 - d);
        Gfx_DrawLine(x0 - d, y1 + d, x1 + d, y1 + d);
        Gfx_DrawLine(x0 - d, y0 - d, x0 - d, y1 + d);
        Gfx_DrawLine(x1 + d, y0 - d, x1 + d, y1 + d);
    }
    Gfx_SetColor(r, g, b);
    Gfx_SetAlpha(alpha);
    Gfx_SetBlend(blend);
}
