// The hook table.
#include "shell/app_hooks.h"

App_Hooks& App_GetHooks() {
    static App_Hooks hooks;
    return hooks;
}
