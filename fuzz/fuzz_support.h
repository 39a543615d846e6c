// Shared pieces of the fuzz targets: a quiet log, a private save folder in memory-backed
// storage, and writing the input there under the name a reader opens.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Once per process: log lines off, a fresh save folder (under /dev/shm when it exists).
void Fuzz_Init();
// The save folder made by Fuzz_Init.
const std::string& Fuzz_SaveDir();
// Writes size bytes to name inside the save folder (replacing it); false on a write error.
bool Fuzz_WriteSaveFile(const std::string& name, const uint8_t* data, size_t size);
