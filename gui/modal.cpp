// The modal slot, with replacements requested from inside a dialog's callback applied once
// that callback has returned.
#include "gui/modal.h"
#include "engine/input.h"
#include "gui/dialog.h"
#include "gui/gui_focus.h"
#include "play/pointer.h"
#include "shell/app_hooks.h"

namespace {
struct Modal_Request {
    Modal_Fn setup = nullptr, update = nullptr, draw = nullptr;
    int swallow = 0;
};

struct Modal_Slot {
    int active = 0;
    Modal_Fn update = nullptr;
    Modal_Fn draw = nullptr;
    int swallow = 0;
    int in_callback = 0; // depth of the dialog's update / draw running now
    int pending = 0;     // 1: an open waits for the callback to return
    Modal_Request request;
};
Modal_Slot g_slot;

void Open_Now(const Modal_Request& r) {
    g_slot.update = r.update;
    g_slot.draw = r.draw;
    g_slot.swallow = r.swallow;
    g_slot.active = 1;
    Keys_Flush();
    Mouse_Flush();
    LeftHit = LeftReleased = 0;
    // The focus ring starts afresh; only a set-up that builds the shared button list
    // (Dlg_Begin) turns its keys on, so a dialog drawn otherwise never walks a closed box's.
    GUI_Focus_Set(Dlg.buttons, nullptr);
    Dlg.focus_keys = 0;
    if (r.setup) r.setup();
}

// Runs one of the dialog's callbacks, then a replacement it asked for.
void Run_Callback(Modal_Fn fn) {
    if (!fn) return;
    ++g_slot.in_callback;
    fn();
    --g_slot.in_callback;
    if (g_slot.in_callback == 0 && g_slot.pending) {
        g_slot.pending = 0;
        Open_Now(g_slot.request);
    }
}
} // namespace

void Modal_Open(Modal_Fn setup, Modal_Fn update, Modal_Fn draw, int swallow) {
    Modal_Request r{setup, update, draw, swallow};
    if (g_slot.in_callback > 0) {
        g_slot.request = r;
        g_slot.pending = 1;
        return;
    }
    Open_Now(r);
}

void Modal_Close() {
    g_slot.active = 0;
    g_slot.pending = 0;
}

void Modal_Update() {
    if (!g_slot.active) return;
    // The focus keys go first: Enter on a focused button presses that button, not the
    // dialog's own default.
    GUI_Focus_Keys(Dlg.buttons, Dlg.focus_keys);
    Run_Callback(g_slot.update);
    if (g_slot.swallow == 1) Input_Swallow();
}

void Modal_Draw() {
    if (!g_slot.active) return;
    Run_Callback(g_slot.draw);
    if (g_slot.active) GUI_Focus_Draw(Dlg.buttons);
}

// Key presses and typed characters go, but keys still held stay held: Ctrl+Esc and Ctrl+I
// must work while a dialog is open, and a held modifier sends no new key-down message.
void Keys_FlushPresses() {
    bool held[256] = {};
    for (int code = 1; code < 256; ++code)
        held[code] = Key_Down(code) != 0;
    Keys_Flush();
    for (int code = 1; code < 256; ++code)
        if (held[code]) {
            Input_OnKeyDown(code);
            Key_Hit(code);
        }
}

void Input_Swallow() {
    Keys_FlushPresses();
    for (int button = 1; button <= 3; ++button)
        Mouse_Hit(button);
    MoveAccum = 0;
    LeftHit = LeftReleased = 0;
}

int Modal_Active() {
    return g_slot.active;
}

void Modal_Reset() {
    g_slot = Modal_Slot();
}

void GUI_InstallHooks() {
    App_Hooks& h = App_GetHooks();
    h.pointer_update = Pointer_Update;
    h.modal_update = Modal_Update;
    h.modal_draw = Modal_Draw;
    h.pointer_x = Pointer_X;
    h.pointer_y = Pointer_Y;
}
