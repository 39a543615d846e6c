// Sound file names.
#include "engine/sound_files.h"

namespace {
const char* const kEffectFiles[kSfxSlots] = {"click.wav",
                                             "hover.wav",
                                             "pearl_hitstring01.ogg",
                                             "pearl_hitstring02.ogg",
                                             "pearl_match_01.ogg",
                                             "pearl_match_02.ogg",
                                             "pearl_match_03.ogg",
                                             "pearl_match_04.ogg",
                                             "bow_release.ogg",
                                             "bow_turn.ogg",
                                             "pearl_rollslow.ogg",
                                             "pearl_rollinfast.ogg",
                                             "pearl_stringsconnect.ogg",
                                             "wop1.ogg",
                                             "success_sound_01.ogg",
                                             "success_sound_02.ogg",
                                             "success_sound_03.ogg",
                                             "Gethammer.ogg",
                                             "hammer.ogg",
                                             "level_win.ogg",
                                             "pearl_fireball.ogg",
                                             "pearl_precision.ogg",
                                             "pearl_freeze.ogg",
                                             "pearl_reverse_clearer.ogg",
                                             "pearl_rollback.ogg",
                                             nullptr,
                                             nullptr,
                                             nullptr,
                                             "pearl_bomb.ogg",
                                             "getlife.ogg",
                                             "level_lose.ogg"};
const char* const kAmbienceFileNames[kAmbienceFiles] = {"windy02.ogg", "windy03.ogg", "rain01.ogg",
                                                        "windy01.ogg", "windy01.ogg", "Torch.ogg"};
const char* const kTrackFiles[kMusicTracks] = {"Ti01.ogg", "Ti02.ogg", "Ti03.ogg", "Ti04.ogg"};

} // namespace

const char* Sfx_File(int index) {
    return index >= 0 && index < kSfxSlots ? kEffectFiles[index] : nullptr;
}
const char* Ambience_File(int slot) {
    return slot >= 0 && slot < kAmbienceFiles ? kAmbienceFileNames[slot] : nullptr;
}
const char* Music_File(int track) {
    return track >= 0 && track < kMusicTracks ? kTrackFiles[track] : nullptr;
}
