// The diagnostic log: single lines to standard output, each followed by "\r\n" and flushed
// at once. Text is UTF-8 in memory; each character is written as the low byte of its code.
#pragma once
#include <string>

void Log_Line(const std::string& text);
// Same line format through the standard-output stream.
void Log_Print(const std::string& text);
// Tests capture the log: every line also goes to the hook when one is set.
using Log_Hook = void (*)(const std::string& line);
void Log_SetHook(Log_Hook hook);
// Silences standard output (tests that only want the hook).
void Log_SetQuiet(bool quiet);
