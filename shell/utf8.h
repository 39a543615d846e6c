// UTF-8 helpers: texts are UTF-8 in memory; drawing and the log work on code points.
#pragma once
#include <cstdint>
#include <string>

// Decodes the code point at i and moves i past it; a malformed byte yields itself.
uint32_t Utf8_Next(const std::string& s, size_t& i);
// Appends code point cp as UTF-8.
void Utf8_Append(std::string& s, uint32_t cp);
// Number of code points.
size_t Utf8_Length(const std::string& s);
