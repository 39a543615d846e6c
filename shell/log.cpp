// Diagnostic log lines on standard output.
#include "shell/log.h"
#include <cstdio>
#include "shell/utf8.h"

namespace {
Log_Hook g_hook = nullptr;
bool g_quiet = false;

void Write_Line(const std::string& text) {
    if (g_hook) g_hook(text);
    if (g_quiet) return;
    std::string bytes;
    bytes.reserve(text.size() + 2);
    size_t i = 0;
    while (i < text.size()) bytes.push_back(static_cast<char>(Utf8_Next(text, i) & 0xFF));
    bytes += "\r\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}
}  // namespace

void Log_Line(const std::string& text) { Write_Line(text); }
void Log_Print(const std::string& text) { Write_Line(text); }
void Log_SetHook(Log_Hook hook) { g_hook = hook; }
void Log_SetQuiet(bool quiet) { g_quiet = quiet; }
