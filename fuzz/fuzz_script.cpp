// --script files: parsed as the command line does, then played into the headless platform
// frame by frame, so every event kind reaches the input service.
#include <cstddef>
#include <cstdint>
#include <string>
#include "engine/headless_platform.h"
#include "engine/script.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz_Init();
    Headless_Config config;
    config.script = Script_Parse(std::string(reinterpret_cast<const char*>(data), size));
    std::unique_ptr<Platform> platform = Headless_CreatePlatform(config);
    int last = 0;
    for (const Script_Event& e : config.script)
        if (e.frame > last) last = e.frame;
    if (last > 2000) last = 2000;
    for (int f = 0; f <= last + 1; ++f) {
        platform->Pump_Events();
        platform->Present(false);
    }
    return 0;
}
