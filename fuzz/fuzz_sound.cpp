// Sounds: decoded as the sound manager decodes a file of the format the build names
// (FUZZ_EXT: "ogg" or "wav").
#include <cstddef>
#include <cstdint>
#include "engine/sound_decode.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Sound_Pcm pcm;
    Sound_Decode(data, size, "fuzz." FUZZ_EXT, pcm);
    return 0;
}
