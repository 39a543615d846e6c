// Board element images of a track: loaded after the track's block, mirrored with the board,
// and put at the front of their layer so a later element of the same layer is drawn on top.
#include <cstdio>
#include <string>
#include "chain/chain_hooks.h"
#include "chain/path.h"
#include "engine/gfx.h"
#include "play/level_state.h"
#include "shell/resource.h"

namespace {
std::string Two_Digits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, n >= 0 && n < 10 ? "0%d" : "%d", n);
    return buf;
}
} // namespace

std::string GElem_Image_Name(const char* pack_folder, int board_id, int img_id_file) {
    std::string bb = Two_Digits(board_id);
    return std::string(".\\Images\\Boards\\") + pack_folder + "\\board_" + bb + "\\board_" + bb + "_elem_" +
           Two_Digits(img_id_file) + ".png";
}

void Path::GElem_Load_Images(int mirror, int board_id, const char* pack_folder) {
    for (int i = 0; i < GElems_Count; ++i) {
        GElem& e = GElems[i];
        std::string name = GElem_Image_Name(pack_folder, board_id, e.img_id_file);
        e.img = Chain_Hooks.Load_Elem_Image ? Chain_Hooks.Load_Elem_Image(Asset_Path(name), mirror) : nullptr;
        if (!e.img) continue;
        e.Insert_ZList_First();
        if (mirror & MIRROR_X) e.x = 800 - e.x - e.img->width;
        if (mirror & MIRROR_Y) e.y = 600 - e.y - e.img->height;
    }
}
