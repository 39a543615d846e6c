// Every folder the game reads or writes, named in one place.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where config.txt, config.bin and match files live: --save-dir, else
// $XDG_DATA_HOME/orbivale, else ~/.local/share/orbivale. Created when missing.
const std::string& Paths_SaveDir();
void Paths_SetSaveDir(const std::string& dir);
// The content folder: --content-dir when given; else the first content folder found among
// Paths_ContentCandidates; else "content". Names missing from the embedded catalogue and
// every name when the asset prefix is "" are read from it.
const std::string& Paths_ContentDir();
// Where an installed game keeps its content, in the order they are tried: relative to the
// executable (<bin>/../share/orbivale), then the install prefix the game was built for
// (<prefix>/share/orbivale).
std::vector<std::string> Paths_ContentCandidates();
// The first candidate that holds a content folder (data/ and images/), or "".
std::string Paths_FindContent();
void Paths_SetContentDir(const std::string& dir);
// Maps a content name (".\images\x.png", "./images/y.png") onto a file below the content folder.
std::string Paths_ContentFile(const std::string& name);
// Writes bytes to file through a temporary file in the same folder and a rename, so a crash
// or a full disk leaves the old file whole. False (with a log line) on any error.
// Reads at most limit bytes of file into out (a link to an endless device stops there);
// false when it can't be opened or a read fails.
bool Paths_ReadFile(const std::string& file, std::vector<uint8_t>& out, size_t limit);
bool Paths_WriteAtomic(const std::string& file, const void* bytes, size_t size);
// The write call every atomic write goes through: the system's write, unless a test installs
// one that fails (a full disk, an I/O error half way). Null puts the system's back.
using Paths_WriteFn = long (*)(int fd, const void* bytes, size_t size);
void Paths_SetWriteFn(Paths_WriteFn fn);
// Called once per run, at the first write that fails, so the player can be told that
// progress can't be kept (the dialogs install it; null: only the log line).
using Paths_FailureFn = void (*)(const std::string& file);
void Paths_SetFailureFn(Paths_FailureFn fn);
// Writes that failed since the start (tests, the failure notice).
int Paths_WriteFailures();
