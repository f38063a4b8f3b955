#include "platform/placement.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// One 1024 x 768 monitor with a 30-pixel task bar at the bottom. The window system may
// cut sizes (`maxSize`); calls are logged as text.
class CFakeWindow final : public CPlacedWindow {
public:
    Rect whole{0, 0, 1024, 768};
    Rect work{0, 0, 1024, 738};
    std::optional<Size> maxSize;
    bool minimized = false;
    Rect now;
    std::string log;

    Rect AreaFor(const Rect&, bool workArea) override { return workArea ? work : whole; }
    void SetBounds(const Rect& rc, bool topmost, std::uint32_t) override
    {
        log += topmost ? "T" : "N";
        now = rc;
        if (maxSize) {
            now.right = now.left + std::min<int>(int(rc.Width()), maxSize->cx);
            now.bottom = now.top + std::min<int>(int(rc.Height()), maxSize->cy);
        }
    }
    bool NormalWindowRect(Rect& rc) override
    {
        rc = now;
        return !minimized;
    }
    void MoveTo(Point p) override
    {
        log += "M";
        now = OffsetRectBy(now, std::int64_t(p.x) - now.left, std::int64_t(p.y) - now.top);
    }
    void Show(int cmd) override { log += "S" + std::to_string(cmd); }
    void BringToForeground() override { log += "F"; }
};

} // namespace

TEST(Placement, StoredBoundsComeBackWithinReach)
{
    const struct {
        const char* what;
        Rect bounds;
        int onTop;
        std::optional<Size> maxSize;
        Rect want;
        std::string log;
    } cases[] = {
        {"on screen", {100, 100, 740, 156}, 0, {}, {100, 100, 740, 156}, "N"},
        {"below the work area", {100, 900, 740, 956}, 0, {}, {100, 706, 740, 762}, "N"},
        {"below, on top: the whole monitor", {100, 900, 740, 956}, 1, {}, {100, 736, 740, 792}, "T"},
        {"past the extent: cut, then kept", {-5000, 0, 99000, 56}, 0, {}, {-5000, 0, 27767, 56}, "N"},
        {"cut by the system: shifted as it is", {-3000, 0, 2000, 56}, 0, Size{1100, 56}, {-1068, 0, 32, 56}, "NM"},
    };
    for (const auto& c : cases) {
        CSettingsStore store;
        store.m_rcBounds = c.bounds;
        store.m_bOnTop = c.onTop;
        CFakeWindow w;
        w.maxSize = c.maxSize;
        EXPECT_TRUE(PlaceFromStore(store, w, kSwpNoZOrder | kSwpNoActivate, false, -1, -1)) << c.what;
        EXPECT_EQ(w.now, c.want) << c.what;
        EXPECT_EQ(store.m_rcBounds, c.want) << c.what;
        EXPECT_EQ(w.log, c.log) << c.what;
    }
}

TEST(Placement, ShowStateAndForeground)
{
    const struct {
        bool bounds;
        std::uint32_t flags;
        bool restore;
        int state;
        std::string log;
        bool placed;
    } cases[] = {
        {false, kSwpShowWindow | kSwpNoActivate, false, 1, "S1", false},
        {false, kSwpHideWindow | kSwpNoZOrder, false, 1, "S0", false},
        {false, 0, false, 1, "F", false},                            // nothing to do but come forward
        {true, kSwpShowWindow, true, kSwShowMaximized, "NS3F", true},
        {true, kSwpNoOwnerZOrder, true, kSwShowMinimized, "NS2", true},
        {true, kSwpNoOwnerZOrder, true, kSwShowNormal, "N", true},   // a normal state is not re-applied
        {true, kSwpNoOwnerZOrder, false, kSwShowMaximized, "N", true},
    };
    for (const auto& c : cases) {
        CSettingsStore store;
        if (c.bounds)
            store.m_rcBounds = Rect{10, 10, 200, 60};
        store.m_nShowState = c.state;
        CFakeWindow w;
        EXPECT_EQ(PlaceFromStore(store, w, c.flags, c.restore, -1, -1), c.placed) << c.log;
        EXPECT_EQ(w.log, c.log);
    }
}

TEST(Placement, NormalRectangleInScreenCoordinates)
{
    // A task bar at the top: the work area starts 30 pixels down.
    const Rect monitor{0, 0, 1024, 768};
    const Rect work{0, 30, 1024, 768};
    EXPECT_EQ(NormalRectOnScreen({100, 100, 200, 150}, false, monitor, work), (Rect{100, 130, 200, 180}));
    EXPECT_EQ(NormalRectOnScreen({100, 100, 200, 150}, true, monitor, work), (Rect{100, 100, 200, 150}));
}
