// Path files: the bytes are parsed into the track pool the way a level start does, then the
// chain runs a few frames on whatever tracks were built (waves enter, pearls roll).
#include <cstddef>
#include <cstdint>
#include "chain/chain_frame.h"
#include "chain/chain_hooks.h"
#include "chain/pc_mod.h"
#include "content/path_file.h"
#include "fuzz/fuzz_support.h"
#include "play/level_state.h"
#include "shell/app_state.h"
#include "shell/random.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Rand_Seed(1);
    LevelState_Reset();
    Chain_Reset();
    Chain_Hooks_Reset();
    Chain_Hooks.Load_Elem_Image = nullptr;
    for (PcModType& k : PcModTypes)
        k.percent = 0;
    FrameTime = 16;
    FrameDt = 0.016f;
    Path_File_Context ctx;
    ctx.mirror = size > 0 ? data[0] & 3 : 0;
    ctx.pack_folder = "Neutral";
    if (Path_File_Parse_Text(data, size, "fuzz", ctx) > 0)
        for (int f = 0; f < 30; ++f)
            Chain_Sim_Frame();
    return 0;
}
