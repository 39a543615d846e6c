// OGG sounds: decoded as the sound manager decodes a ".ogg" file.
#include <cstddef>
#include <cstdint>
#include "engine/sound_decode.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Sound_Pcm pcm;
    Sound_Decode(data, size, "fuzz.ogg", pcm);
    return 0;
}
