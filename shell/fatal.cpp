// Fatal errors end the process at once; nothing is saved.
#include "shell/fatal.h"
#include <cstdio>
#include <cstdlib>

void Fatal_Error(const std::string& message) {
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fflush(stderr);
    std::fflush(stdout);
    std::_Exit(-1);
}
