// config.txt: the bytes stand in the save folder and are read as at start-up; then a value is
// written through and the file read again, which must give back the written value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include "fuzz/fuzz_support.h"
#include "shell/config.h"
#include "shell/players.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Players_Reset();
    if (!Fuzz_WriteSaveFile("config.txt", data, size)) return 0;
    Config_Load();
    Config_SetValue("PLAYER3", "Fuzz");
    Config_Load();
    if (PlayerNames[3] != "Fuzz") abort();
    return 0;
}
