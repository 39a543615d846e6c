// Sound stand-ins: silent until the game's sound service plays "pearl_rollinfast",
// "pearl_rollslow" and "pearl_stringsconnect" here.
#include "chain/chain_sound.h"

void ChainSound_WaveStart(bool) {}
void ChainSound_StringsConnect() {}
