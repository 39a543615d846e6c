// Generation driver over every track; the developer hold key G stops it while held.
#include "chain/path.h"
#include "engine/input.h"

namespace {
constexpr int KEY_HOLD_GENERATION = 71; // 'G'
}

void Paths_Generate() {
    if (Key_Down(KEY_HOLD_GENERATION)) return;
    for (int i = 0; i < Paths.count; ++i)
        Paths.pool[i].Generate_Piece();
}
