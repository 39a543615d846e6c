// Art of the menus group: the level-choose map and the player, options and credits dialogs
// (gen_map.h), the main menu's images (the gen_menu_* files) and the loading logos.
#include <cmath>
#include <string>
#include "content/gen/gen_groups.h"
#include "content/gen/gen_map.h"
#include "content/gen/gen_menu_art.h"
#include "content/gen/gen_ui_art.h"

namespace {
const Gen_Rgb kGold = {0.78, 0.64, 0.32};

// The main menu's own images; false for the other images of the group.
bool Draw_Main_Menu(const Manifest_Entry& e, Gen_Canvas& c) {
    const std::string& n = e.name;
    if (Gen_Has(n, "mm_bg.bmp"))
        Menu_Landscape(c, false);
    else if (Gen_Has(n, "mm_layer_01_portal"))
        Menu_Portal(c, true);
    else if (Gen_Has(n, "mm_layer_05_tree"))
        Menu_Tree(c);
    else if (Gen_Has(n, "mm_layer_10_fog"))
        Menu_Fog(c);
    else if (Gen_Has(n, "mm_flag"))
        Menu_Flag(e, c);
    else if (Gen_Has(n, "mm_bird"))
        Menu_Bird(e, c);
    else if (Gen_Has(n, "mm_interface"))
        Menu_Panel(c);
    else if (Gen_Has(n, "mm_btn_play"))
        Menu_PlayButton(c.cr, e.frame_w, e.frame_h, Gen_StateOf(n));
    else if (Gen_Has(n, "mm_btn_normal"))
        Gen_JewelButton(c.cr, e.frame_w, e.frame_h, 16, Gen_StateOf(n), {0.1, 0.3, 0.42});
    else if (Gen_Has(n, "mm_logo_studio") || Gen_Has(n, "logo_loading"))
        Menu_Logo(e, c);
    else
        return false;
    return true;
}
} // namespace

void Gen_DrawMenus(const Manifest_Entry& e, Gen_Canvas& c) {
    if (Gen_DrawMapArt(e, c)) return;
    if (Draw_Main_Menu(e, c)) return;
    cairo_t* cr = c.cr;
    double w = e.frame_w, h = e.frame_h;
    if (Gen_Has(e.name, "studio_logo")) {
        Gen_Panel(cr, 0, 0, w, h, 16, {0.12, 0.12, 0.2}, {0.02, 0.02, 0.05}, kGold);
        for (int k = 0; k < 6; ++k)
            Gen_Pearl(cr, w / 2 + (k - 2.5) * h * 0.22, h / 2, h * 0.09, k, k / 6.0);
        return;
    }
    if (Gen_Has(e.name, "btn_check")) {
        Gen_Button(cr, w, h, "default", {0.3, 0.3, 0.35}, false);
        if (Gen_StateOf(e.name) == "checked")
            Gen_Star(cr, w / 2, h / 2, w * 0.35, w * 0.12, 4, 0, {1, 0.9, 0.4}, 1);
        return;
    }
    if (Gen_Has(e.name, "btn_") && !Gen_Has(e.name, "_bg")) {
        Gen_Button(cr, w, h, Gen_StateOf(e.name), {0.3, 0.4, 0.62}, Gen_Has(e.name, "btn_cursor"));
        return;
    }
    Gen_Panel(cr, 0, 0, w, h, 20, {0.22, 0.28, 0.42}, {0.08, 0.1, 0.18}, kGold);
}
