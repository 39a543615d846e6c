// Colour table and colour choices.
#include "chain/colors.h"
#include <string>
#include "chain/path.h"
#include "chain/piece.h"
#include "shell/log.h"
#include "shell/random.h"

Colors_State Colors;

void Colors_Clear() {
    Colors.count = 0;
}

void Color_Add(int val, int probability) {
    if (Colors.count >= COLORS_MAX) return;
    if (val < 0 || val > 5) {
        Log_Line("Colour " + std::to_string(val) + " is not a pearl colour, ignored");
        return;
    }
    Colors.table[Colors.count++] = {val, probability};
}

int Color_Get_New() {
    if (Colors.count == 0) return 0;
    return Colors.table[Rand(0, Colors.count - 1)].val;
}

int Color_Get_From_Path() {
    int found[8];
    int n = 0;
    for (int i = 0; i < Paths.count; ++i)
        for (const Piece* pc = Paths.pool[i].first_pc; pc; pc = pc->pc_next) {
            if (pc->color < 0 || pc->color >= 7) continue;
            bool seen = false;
            for (int k = 0; k < n; ++k)
                seen = seen || found[k] == pc->color;
            if (!seen) found[n++] = pc->color;
        }
    if (n == 0) {
        Log_Line("cant find colors on path! Calling Color_Get_New()...");
        return Color_Get_New();
    }
    return found[Rand(0, n - 1)];
}
