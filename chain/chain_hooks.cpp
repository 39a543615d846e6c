// Default hook table.
#include "chain/chain_hooks.h"
#include "chain/piece.h"

namespace {
void Default_Destroy(Piece* pc, int, int, int, int) {
    pc->Destroy_Basic();
}
void Default_Remove_By_Set(Piece* pc, int) {
    pc->Destroy_Basic();
}
} // namespace

Chain_Hooks_Table Chain_Hooks = {.Remove_By_Set = Default_Remove_By_Set, .Destroy = Default_Destroy};

void Chain_Hooks_Reset() {
    auto loader = Chain_Hooks.Load_Elem_Image;
    Chain_Hooks = Chain_Hooks_Table{.Remove_By_Set = Default_Remove_By_Set, .Destroy = Default_Destroy};
    Chain_Hooks.Load_Elem_Image = loader;
}
