// Widget lists with walks that survive being rebuilt from inside a callback.
#include "gui/gui_list.h"

GUIBtn* GUI_List::Add(std::unique_ptr<GUIBtn> btn) {
    GUIBtn* raw = btn.get();
    if (raw) items.push_back(std::move(btn));
    return raw;
}

void GUI_List::Clear() {
    if (walking > 0) {
        for (auto& b : items)
            retired.push_back(std::move(b));
    }
    items.clear();
}

bool GUI_List::Remove(GUIBtn* btn) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() != btn) continue;
        if (walking > 0) retired.push_back(std::move(items[i]));
        items.erase(items.begin() + long(i));
        return true;
    }
    return false;
}

GUIBtn* GUI_List::Find(int id) const {
    for (const auto& b : items)
        if (b->id == id) return b.get();
    return nullptr;
}

template <typename Fn> void GUI_List::Walk(Fn fn) {
    // A nested walk (a callback walking its own list) gets its own snapshot.
    std::vector<GUIBtn*> nested;
    std::vector<GUIBtn*>& snap = walking > 0 ? nested : walk;
    snap.clear();
    for (const auto& b : items)
        snap.push_back(b.get());
    ++walking;
    for (size_t i = 0; i < snap.size(); ++i)
        fn(snap[i]);
    --walking;
    if (walking == 0) retired.clear();
}

void GUI_List::Update_All() {
    Walk([](GUIBtn* b) { b->Update(); });
}

void GUI_List::Draw_All() {
    Walk([](GUIBtn* b) { b->Draw(); });
}
