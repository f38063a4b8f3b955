// Command tables: each row pairs a command id with what runs it and its update rule. The
// ruler and the application object each keep one; the same rule answers the menu item as it
// opens and the enable test a key or a menu choice passes before the command runs.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ruler/command_rules.h"
#include "win/cmd_ui.h"

// Sets what a rule decided on the item behind `ui` (or, with no item, records the enable test).
void ApplyCommandUpdate(CCmdUI& ui, const CommandUpdate& update);

template <class T>
struct TCommandEntry {
    UINT id;
    void (T::*run)(UINT id);
    CommandRule rule;  // null: the item keeps its state and the command is always enabled
};

// Runs command `id` of `table` on `target` (update null) or applies its rule to `update`,
// with the state `snapshot` takes. False when the table does not have the command.
template <class T, std::size_t N>
bool DispatchCommand(T& target, const TCommandEntry<T> (&table)[N], UINT id, CCmdUI* update,
                     CommandState (T::*snapshot)() const)
{
    for (const TCommandEntry<T>& entry : table) {
        if (entry.id != id)
            continue;
        if (update) {
            if (entry.rule)
                ApplyCommandUpdate(*update, entry.rule(int(id), (target.*snapshot)()));
        } else {
            (target.*entry.run)(id);
        }
        return true;
    }
    return false;
}
