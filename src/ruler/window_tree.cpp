#include "ruler/window_tree.h"

#include "ruler/input_rules.h"

WindowId TopmostParentOrOwner(const IWindowTree& tree, WindowId w)
{
    for (WindowId up = tree.ParentOf(w); up; up = tree.ParentOf(up))
        w = up;
    return w;
}

WindowId TopLevelOf(const IWindowTree& tree, WindowId w)
{
    while (w && tree.IsChild(w)) {
        const WindowId parent = tree.ParentOf(w);
        if (!parent)
            break;
        w = parent;
    }
    return w;
}

WindowId SizingHotKeyTarget(const IHotKeyDesktop& desktop, std::int32_t hotKeyMode)
{
    WindowId target = 0;
    if (HotKeyActsUnderPointer(hotKeyMode)) {
        if (!desktop.WindowUnderPointer(&target))
            return 0;
    } else {
        target = desktop.Foreground();
    }
    target = TopLevelOf(desktop, target);
    return target && desktop.Exists(target) ? target : 0;
}
