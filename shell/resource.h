// The embedded content catalogue and the stream layer over it. Content names are relative
// paths kept exactly as registered (separators and letter case are part of the name).
// "incbin::" + name reads the catalogue in place; any other path reads a file from disk.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Resource_Entry {
    std::string name;  // exactly as registered
    const uint8_t* bytes;
    size_t size;
};

// Adds an entry unless the name is already present (the first registration wins).
void Resource_Register(const std::string& name, const uint8_t* bytes, size_t size);
// Exact, case-sensitive lookup; null when the name is not registered.
const Resource_Entry* Resource_Find(const std::string& name);
// Drops every entry (tests).
void Resource_Clear();
// Number of registered entries.
size_t Resource_Count();

// A read-only byte stream: embedded bytes in place, or a file read into `owned`.
struct Resource_Stream {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    std::vector<uint8_t> owned;
    // Copies up to n bytes; returns how many were copied.
    size_t Read(void* out, size_t n);
    bool Eof() const { return pos >= size; }
};

// Opens path for reading. "incbin::" + name: the catalogue entry (fails when missing or when
// write access is asked for); otherwise a disk file (a content name is mapped below the
// content folder). False on failure.
bool Stream_Open(const std::string& path, Resource_Stream& out, bool write = false);
// Content path of a name: AssetPrefix + name.
std::string Asset_Path(const std::string& name);
