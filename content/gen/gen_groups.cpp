// The table of art groups of the content generator.
#include "content/gen/gen_groups.h"
#include <cstring>

bool Gen_Has(const std::string& name, const char* part) {
    return name.find(part) != std::string::npos;
}

std::string Gen_StateOf(const std::string& name) {
    size_t u = name.rfind('_'), dot = name.rfind('.');
    return u == std::string::npos || dot < u ? "" : name.substr(u + 1, dot - u - 1);
}

Gen_DrawFn Gen_DrawFnOf(const std::string& group) {
    static const struct {
        const char* group;
        Gen_DrawFn fn;
    } kGroups[] = {
        {"pieces", Gen_DrawPieces}, {"fx", Gen_DrawFx},         {"gun", Gen_DrawGun},
        {"hud", Gen_DrawHud},       {"boards", Gen_DrawBoards}, {"dialogs", Gen_DrawDialogs},
        {"menus", Gen_DrawMenus},
    };
    for (const auto& g : kGroups)
        if (group == g.group) return g.fn;
    return nullptr;
}
