#include "ruler/command_dispatch_win.h"

#include "win/strings.h"

void ApplyCommandUpdate(CCmdUI& ui, const CommandUpdate& update)
{
    ui.Enable(update.enabled);
    if (update.mark == CommandUpdate::kCheck)
        ui.SetCheck(update.marked ? 1 : 0);
    else if (update.mark == CommandUpdate::kRadio)
        ui.SetRadio(update.marked);
    if (update.textId)
        ui.SetText(LoadResStringPart(UINT(update.textId), update.textPart).c_str());
}
