// Art of the dialogs: the seven dialog skins and their button sets, the victory, help and city
// pictures, the tutorial arrow and the tutorial hint pictures.
#include <cctype>
#include <string>
#include "content/gen/gen_dialog_art.h"
#include "content/gen/gen_groups.h"
#include "content/gen/gen_tutorial_art.h"

namespace {
// The number just before the file ending ("help_1.jpg" gives 1), or 0.
int Number_Of(const std::string& name) {
    size_t dot = name.rfind('.');
    return dot != std::string::npos && dot > 0 && std::isdigit(static_cast<unsigned char>(name[dot - 1]))
               ? name[dot - 1] - '0'
               : 0;
}

// Skin number 0..6 of a "dlgN_..." name, or -1.
int Skin_Of(const std::string& name) {
    size_t at = name.rfind("\\dlg");
    if (at == std::string::npos || at + 4 >= name.size()) return -1;
    int n = name[at + 4] - '1';
    return n >= 0 && n < 7 && name[at + 5] == '_' ? n : -1;
}
} // namespace

void Gen_DrawDialogs(const Manifest_Entry& e, Gen_Canvas& c) {
    if (Gen_DrawTutorialArt(e, c)) return;
    if (e.format == FMT_JPG) {
        int n = Number_Of(e.name);
        if (Gen_Has(e.name, "victory")) return Dialog_Victory(e, c);
        if (Gen_Has(e.name, "city_")) return Dialog_City(e, c, n);
        return Dialog_HelpPage(e, c, n);
    }
    if (Gen_Has(e.name, "_btn_")) return Dialog_Button(e, c);
    Dialog_Skin(e, c, Skin_Of(e.name));
}
