#include "ruler/window_tree.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A small desktop: 1 a top-level window owning the top-level 2; 3 a child of 2 with its
// own child 4; 5 a child without a parent (a window being torn down).
class CFakeDesktop final : public IHotKeyDesktop {
public:
    struct Node {
        WindowId parent;
        bool child;
    };
    std::map<WindowId, Node> nodes{{1, {0, false}}, {2, {1, false}}, {3, {2, true}}, {4, {3, true}}, {5, {0, true}}};
    bool pointerReadable = true;
    WindowId underPointer = 0;
    WindowId foreground = 0;

    WindowId ParentOf(WindowId w) const override
    {
        const auto it = nodes.find(w);
        return it == nodes.end() ? 0 : it->second.parent;
    }
    bool IsChild(WindowId w) const override
    {
        const auto it = nodes.find(w);
        return it != nodes.end() && it->second.child;
    }
    bool WindowUnderPointer(WindowId* w) const override
    {
        if (pointerReadable)
            *w = underPointer;
        return pointerReadable;
    }
    WindowId Foreground() const override { return foreground; }
    bool Exists(WindowId w) const override { return nodes.count(w) != 0; }
};

}  // namespace

TEST(WindowTree, DragMovesTheTopmostAndHotKeysMeanTheTopLevel)
{
    const CFakeDesktop d;
    struct { WindowId w, topmost, topLevel; } cases[] = {
        {1, 1, 1}, {2, 1, 2},  // an owned window: a drag moves its owner, a hot key means itself
        {3, 1, 2}, {4, 1, 2}, {5, 5, 5}, {0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TopmostParentOrOwner(d, c.w), c.topmost) << c.w;
        EXPECT_EQ(TopLevelOf(d, c.w), c.topLevel) << c.w;
    }
}

TEST(WindowTree, SizingHotKeyTarget)
{
    struct {
        const char* name;
        std::int32_t mode;
        bool readable;
        WindowId under, foreground, want;
    } cases[] = {
        {"under the pointer: a child's top level", 1, true, 4, 1, 2},
        {"under the pointer, unreadable", 1, false, 4, 1, 0},
        {"under the pointer: nothing there", 1, true, 0, 1, 0},
        {"under the pointer: a window gone", 1, true, 9, 1, 0},
        {"foreground", 0, true, 4, 1, 1},
        {"foreground, any other mode", 2, true, 4, 3, 2},
        {"no foreground window", 0, true, 4, 0, 0},
    };
    for (const auto& c : cases) {
        CFakeDesktop d;
        d.pointerReadable = c.readable;
        d.underPointer = c.under;
        d.foreground = c.foreground;
        EXPECT_EQ(SizingHotKeyTarget(d, c.mode), c.want) << c.name;
    }
}
