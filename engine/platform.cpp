// The current platform.
#include "engine/platform.h"

namespace {
std::unique_ptr<Platform>& Current() {
    static std::unique_ptr<Platform> p;
    return p;
}
}  // namespace

Platform* Platform_Get() { return Current().get(); }
void Platform_Set(std::unique_ptr<Platform> platform) { Current() = std::move(platform); }
