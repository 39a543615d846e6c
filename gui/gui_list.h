// An owner's ordered list of widgets, updated and drawn front to back. Clearing or removing
// while the list is being walked (a callback that rebuilds its screen or dialog) keeps the
// old widgets alive until the walk ends, and the walk finishes over the widgets it started with.
#pragma once
#include <memory>
#include <vector>
#include "gui/gui_btn.h"

struct GUI_List {
    std::vector<std::unique_ptr<GUIBtn>> items;   // front to back
    std::vector<std::unique_ptr<GUIBtn>> retired; // taken out during a walk, freed after it
    std::vector<GUIBtn*> walk;                    // the widgets of the walk in progress
    int walking = 0;                              // nesting depth of Update_All / Draw_All

    // Appends and returns the widget (null stays null).
    GUIBtn* Add(std::unique_ptr<GUIBtn> btn);
    // Drops every widget (deferred while walking).
    void Clear();
    // Takes one widget out (deferred free while walking); false when it is not in the list.
    bool Remove(GUIBtn* btn);
    // First widget with that id, else null.
    GUIBtn* Find(int id) const;
    // Update then Draw of every widget, front to back.
    void Update_All();
    void Draw_All();

  private:
    template <typename Fn> void Walk(Fn fn);
};
