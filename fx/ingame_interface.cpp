// Loader of the in-game interface images.
#include "fx/ingame_interface.h"
#include "engine/gfx.h"
#include "shell/resource.h"

InGame_Interface InGameInterface;

void InGameInterface_Load() {
    InGame_Interface& g = InGameInterface;
    if (!g.bg) g.bg = Gfx_LoadImage(Asset_Path(".\\Images\\InGame\\IG_Interf\\ig_interf_bg.png"));
    if (!g.gauge) g.gauge = Gfx_LoadImage(Asset_Path(".\\Images\\InGame\\IG_Interf\\ig_interf_pb.png"));
    g.gauge_w = Gfx_ImageWidth(g.gauge);
}
