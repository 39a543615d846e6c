// Steps of other subsystems that the main loop and start-up call at fixed points. Each
// subsystem installs its function when it starts; an empty entry is skipped, so the shell
// runs with whatever subsystems exist (and tests can run it with none).
#pragma once

struct App_Hooks {
    void (*pointer_update)() = nullptr;     // refreshes the game's pointer state once per frame
    void (*modal_update)() = nullptr;       // runs the open dialog
    void (*modal_draw)() = nullptr;         // draws the open dialog over the screen
    void (*match_rate_update)() = nullptr;  // sound: match-pitch decay
    void (*music_update)() = nullptr;       // sound: music fades and restarts
    void (*ambience_update)() = nullptr;    // sound: ambience loops
    void (*audio_mute)() = nullptr;         // sound: silence while suspended
    void (*fonts_reload)() = nullptr;       // font table after a screen re-open
    void (*window_mode_saved)(int windowed) = nullptr;  // stores WINDOWED_MODE
    int (*pointer_x)() = nullptr;           // pointer shown by the debug overlay
    int (*pointer_y)() = nullptr;
};

App_Hooks& App_GetHooks();
