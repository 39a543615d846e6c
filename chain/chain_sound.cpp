// Chain sounds through the sound manager at the player's effect volume, centred.
#include "chain/chain_sound.h"
#include "engine/sound.h"
#include "shell/app_state.h"

void ChainSound_WaveStart(bool fast) {
    Sfx_PlayAt(fast ? kSfxRollFast : kSfxRollSlow, ScreenCenterX);
}

void ChainSound_StringsConnect() {
    Sfx_PlayAt(kSfxStringsConnect, ScreenCenterX);
}
