// Stored settings and display values of any kind, through the unit metrics into the
// graduation layout: it must end, stay bounded and ordered, and a range must show exactly
// what a wider range shows inside it.
#include "units/graduation.h"
#include "units/units.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

#define CHECK(x)                 \
    do {                         \
        if (!(x))                \
            std::abort();        \
    } while (0)

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint32_t U32()
    {
        std::uint32_t v = 0;
        const std::size_t n = std::min<std::size_t>(4, m_size);
        std::memcpy(&v, m_data, n);
        m_data += n;
        m_size -= n;
        return v;
    }
    int Int() { return int(std::int32_t(U32())); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

bool Ordered(const GraduationLayout& g)
{
    for (std::size_t i = 1; i < g.ticks.size(); ++i)
        if (g.ticks[i].along < g.ticks[i - 1].along)
            return false;
    for (std::size_t i = 1; i < g.labels.size(); ++i)
        if (g.labels[i].along < g.labels[i - 1].along)
            return false;
    return true;
}

void CheckBounded(const GraduationParams& p, const GraduationLayout& g)
{
    const std::int64_t range = std::max<std::int64_t>(std::int64_t(p.to) - p.from, 0);
    CHECK(std::int64_t(g.ticks.size()) <= 2 * range + 64);
    CHECK(std::int64_t(g.labels.size()) <= 2 * range + 64);
    CHECK(Ordered(g));
    for (const GraduationTick& t : g.ticks)
        CHECK(t.along >= p.from && t.along < p.to);
    for (const GraduationLabel& l : g.labels)
        CHECK(l.textLength > 0 && l.textLength < int(sizeof l.text) && l.text[l.textLength] == '\0');
}

// The part of a wider layout that the narrow range shows.
void CheckSameInside(const GraduationParams& p, const GraduationLayout& narrow, const GraduationLayout& wide)
{
    if (p.from >= p.to) {
        CHECK(narrow.ticks.empty() && narrow.labels.empty());
        return;
    }
    std::size_t n = 0;
    for (const GraduationTick& t : wide.ticks) {
        if (t.along < p.from || t.along >= p.to)
            continue;
        CHECK(n < narrow.ticks.size());
        const GraduationTick& u = narrow.ticks[n++];
        CHECK(u.along == t.along && u.acrossStart == t.acrossStart && u.acrossEnd == t.acrossEnd);
    }
    CHECK(n == narrow.ticks.size());
    const std::int64_t reach = std::max(p.labelExtent, 1);
    n = 0;
    for (const GraduationLabel& l : wide.labels) {
        if (l.along >= p.to || l.along + reach <= p.from)
            continue;
        CHECK(n < narrow.labels.size());
        const GraduationLabel& m = narrow.labels[n++];
        CHECK(m.along == l.along && m.across == l.across && std::strcmp(m.text, l.text) == 0);
    }
    CHECK(n == narrow.labels.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint32_t style = in.U32();
    const int dpi = in.Int();
    const Size dlg = SplitDialogBaseUnits(in.U32());
    const int base = in.Int();
    const std::uint32_t flags = in.U32();

    const UnitMetrics m = CalcUnitMetrics(style, dpi, dlg, base);
    CHECK(m.unitTwips >= 1 && m.labelStep >= 1 && m.subdivisions >= 1);

    GraduationParams p;
    // A calibrated density: any thousandths on top of the whole pixels per inch.
    p.dpi = (flags & 0x100) ? dpi + double(in.U32() % 1000) / 1000 : dpi;
    p.unitTwips = m.unitTwips;
    p.labelStep = m.labelStep;
    p.subdivisions = m.subdivisions;
    if (flags & 1) {
        // The layout on its own also takes values no metrics would give.
        p.unitTwips = in.Int();
        p.labelStep = in.Int();
        p.subdivisions = in.Int();
    }
    p.scale = in.Int();
    p.inch = (flags & 2) != 0;
    p.flipped = (flags & 4) != 0;
    p.vertical = (flags & 8) != 0;
    p.length = in.Int();
    p.thickness = in.Int();
    p.fontHeight = in.Int();
    p.from = in.Int();
    // Clip boxes are at most screen-sized; the layout's output grows with the range.
    const std::int64_t to = std::int64_t(p.from) + (in.U32() % 8192);
    p.to = int(std::min<std::int64_t>(to, INT32_MAX));
    p.labelExtent = in.Int();

    static GraduationLayout narrow, wide;
    LayoutGraduations(p, narrow);
    CheckBounded(p, narrow);

    // A wider range around it, reached from another starting tick, must agree inside.
    GraduationParams w = p;
    const std::int64_t extra = (flags >> 8) % 4096;
    w.from = int(std::max<std::int64_t>(std::int64_t(p.from) - extra, INT32_MIN));
    w.to = int(std::min<std::int64_t>(std::int64_t(p.to) + ((flags >> 20) % 64), INT32_MAX));
    LayoutGraduations(w, wide);
    CheckBounded(w, wide);
    if (!narrow.truncated && !wide.truncated)
        CheckSameInside(p, narrow, wide);
    return 0;
}
