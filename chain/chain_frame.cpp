// Chain reset and one simulation frame.
#include "chain/chain_frame.h"
#include "chain/colors.h"
#include "chain/path.h"
#include "chain/piece.h"

void Chain_Reset() {
    Pieces_Reset();
    ZList_Clear();
    Paths_Reset();
    Colors_Clear();
}

void Chain_Sim_Frame() {
    Pieces_Pre_Frame();
    for (int i = 0; i < Paths.count; ++i)
        Paths.pool[i].Generate_Piece();
    Paths_Compute_Segments();
    Paths_Move();
    Pushers_Update();
}
