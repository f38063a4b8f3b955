#include "platform/placement.h"
#include "settings/settings_store.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

// One 1024 x 768 monitor with a 30-pixel task bar at the bottom (or the work area `work`);
// the window system cuts widths to `maxWidth`. Calls are logged as letters.
struct CFakeWindow final : CPlacedWindow {
    int maxWidth = 1 << 30;
    Rect work{0, 0, 1024, 738};
    Rect now;
    std::string log;

    MonitorLayout Monitors() override
    {
        MonitorLayout one;
        one.Add({0, 0, 1024, 768}, work, true);
        return one;
    }
    void SetBounds(const Rect& rc, bool topmost, std::uint32_t) override
    {
        log += topmost ? "T" : "N";
        now = rc;
        now.right = now.left + int(std::min<std::int64_t>(rc.Width(), maxWidth));
    }
    bool NormalWindowRect(Rect& rc) override { return (rc = now), true; }
    void MoveTo(Point p) override { log += "M", now = OffsetRectBy(now, p.x - now.left, p.y - now.top); }
    void Show(int) override {}
    void BringToForeground() override {}
};

} // namespace

TEST(Placement, StoredBoundsComeBackWithinReach)
{
    const struct {
        Rect bounds;
        int onTop, maxWidth;
        Rect want;
        const char* log;
    } cases[] = {
        {{100, 700, 740, 756}, 0, 1 << 30, {100, 700, 740, 756}, "N"},     // 38 px on the work area
        {{100, 720, 740, 776}, 0, 1 << 30, {100, 706, 740, 762}, "N"},     // 18 px: up to 32
        {{100, 720, 740, 776}, 1, 1 << 30, {100, 720, 740, 776}, "T"},     // on top: the whole monitor
        {{100, 900, 740, 956}, 0, 1 << 30, {100, 706, 740, 762}, "N"},     // off the monitor: 32 px on
        {{100, 900, 740, 956}, 1, 1 << 30, {100, 736, 740, 792}, "T"},
        {{-5000, 0, 99000, 56}, 0, 1 << 30, {-5000, 0, 27767, 56}, "N"},   // cut to the extent
        {{-3000, 0, 2000, 56}, 0, 1100, {-1068, 0, 32, 56}, "NM"},         // cut by the system: shifted again
        {{-3000, 0, -2000, 56}, 0, 1100, {-968, 0, 32, 56}, "N"},          // on a monitor that is gone
    };
    for (const auto& c : cases) {
        CSettingsStore store;
        store.m_rcBounds = c.bounds;
        store.m_bOnTop = c.onTop;
        CFakeWindow w;
        w.maxWidth = c.maxWidth;
        EXPECT_TRUE(PlaceFromStore(store, w, kSwpNoZOrder, false, -1, -1)) << c.log;
        EXPECT_EQ(store.m_rcBounds, c.want) << c.log;
        EXPECT_EQ(w.now, c.want) << c.log;
        EXPECT_EQ(w.log, c.log);
    }
    // Task bars at the top and the left: both shifts keep to the work area, not the monitor.
    CSettingsStore store;
    store.m_rcBounds = Rect{-3000, 0, 2000, 56};
    CFakeWindow w;
    w.maxWidth = 1100;
    w.work = Rect{60, 30, 1024, 768};
    EXPECT_TRUE(PlaceFromStore(store, w, kSwpNoZOrder, false, -1, -1));
    EXPECT_EQ(store.m_rcBounds, (Rect{-1008, 6, 92, 62}));
    EXPECT_EQ(w.log, "NM");
}

TEST(Placement, NormalRectIsMadeScreenRelative)
{
    // A work area that starts 80 to the right of and 30 below its monitor's corner.
    const Rect monitor{-1280, 0, 0, 1024}, work{-1200, 30, 0, 1024}, normal{10, 20, 110, 76};
    EXPECT_EQ(NormalRectOnScreen(normal, false, monitor, work), (Rect{90, 50, 190, 106}));
    EXPECT_EQ(NormalRectOnScreen(normal, true, monitor, work), normal);
}
