// The chain's hooks filled with matching, removal, the hole and the alarm.
#include "chain/chain_hooks.h"
#include "chain/hole.h"
#include "chain/match.h"
#include "chain/path.h"
#include "chain/piece.h"
#include "chain/shot.h"

namespace {
void Hook_Remove_By_Set(Piece* pc, int index) {
    pc->Remove_By_Set(index);
}
void Hook_Destroy(Piece* pc, int kind, int color, int delay, int n) {
    pc->Destroy(kind, color, delay, n);
}
int Hook_Hole_Move(Piece* pc) {
    return pc->Hole_Move();
}
void Hook_Alarm_Update(Path* path) {
    path->Alarm_Update();
}
} // namespace

void Chain_Shooting_InstallHooks() {
    Match_Init();
    Chain_Hooks.Join_Check = Match_Join_Check;
    Chain_Hooks.Remove_By_Set = Hook_Remove_By_Set;
    Chain_Hooks.Destroy = Hook_Destroy;
    Chain_Hooks.Hole_Enter = Hole_Arrive;
    Chain_Hooks.Hole_Move = Hook_Hole_Move;
    Chain_Hooks.Alarm_Update = Hook_Alarm_Update;
}
