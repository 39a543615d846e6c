// Every folder the game reads or writes, named in one place.
#pragma once
#include <string>

// Where config.txt, config.bin and match files live: --save-dir, else
// $XDG_DATA_HOME/orbivale, else ~/.local/share/orbivale. Created when missing.
const std::string& Paths_SaveDir();
void Paths_SetSaveDir(const std::string& dir);
// The content folder used when the asset prefix is "" (--content-dir).
const std::string& Paths_ContentDir();
void Paths_SetContentDir(const std::string& dir);
// Maps a content name (".\images\x.png", "./images/y.png") onto a file below the content folder.
std::string Paths_ContentFile(const std::string& name);
// Writes bytes to file through a temporary file in the same folder and a rename, so a crash
// or a full disk leaves the old file whole. False (with a log line) on any error.
bool Paths_WriteAtomic(const std::string& file, const void* bytes, size_t size);
