// Level files: parsed from the values a level start begins with, then applied to the level
// globals and the modifier table as a level start does.
#include <cstddef>
#include <cstdint>
#include "content/level_file.h"
#include "fuzz/fuzz_support.h"
#include "play/level_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    LevelState_Reset();
    LevelFile_Data io = LevelFile_FromGlobals();
    Level_File_Parse(reinterpret_cast<const char*>(data), size, "fuzz", io);
    Level_File_Apply(io);
    return 0;
}
