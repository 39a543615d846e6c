#include "fuzz/fuzz_support.h"
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include "shell/log.h"
#include "shell/paths.h"

namespace {
std::string g_dir;
}

void Fuzz_Init() {
    if (!g_dir.empty()) return;
    Log_SetQuiet(getenv("FUZZ_LOG") == nullptr);
    struct stat st;
    std::string base = stat("/dev/shm", &st) == 0 ? "/dev/shm" : "/tmp";
    std::string tmpl = base + "/orbivale-fuzz-XXXXXX";
    if (!mkdtemp(tmpl.data())) abort();
    g_dir = tmpl;
    Paths_SetSaveDir(g_dir);
}

const std::string& Fuzz_SaveDir() {
    return g_dir;
}

bool Fuzz_WriteSaveFile(const std::string& name, const uint8_t* data, size_t size) {
    std::string file = g_dir + "/" + name;
    FILE* f = fopen(file.c_str(), "wb");
    if (!f) return false;
    bool ok = size == 0 || fwrite(data, 1, size, f) == size;
    return fclose(f) == 0 && ok;
}
