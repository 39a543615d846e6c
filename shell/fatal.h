// The fatal error report: message to standard error, process ends with exit code -1.
#pragma once
#include <string>

[[noreturn]] void Fatal_Error(const std::string& message);
