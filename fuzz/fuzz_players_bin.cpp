// config.bin: the bytes are read as the players file at start-up; every section is written
// back and the file read again, which must give the same tables.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include "fuzz/fuzz_support.h"
#include "shell/players.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Players_Reset();
    if (!Fuzz_WriteSaveFile("config.bin", data, size)) return 0;
    Players_Load();
    for (int s = 0; s < kPlayersSections; ++s)
        if (!Players_SaveSection(s)) return 0;
    static Players_Tables first;
    memcpy(&first, &Players, sizeof first);
    Players_Reset();
    Players_Load();
    if (memcmp(&first, &Players, sizeof first) != 0) abort();
    return 0;
}
