#pragma once
// A menu item with a check mark serves as a switch: its handler toggles its
// own mark, and other code reads the mark.
#include <QAction>

// Toggles the mark; returns it as it now stands.
inline bool ToggleMark(QAction* item)
{
    item->setChecked(!item->isChecked());
    return item->isChecked();
}

// The clicked item of a group ticked, the others unticked.
inline void TickOnly(QAction* clicked, std::initializer_list<QAction*> group)
{
    for (QAction* item : group)
        item->setChecked(item == clicked);
}
