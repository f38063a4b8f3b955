#include "units/graduation.h"

#include "base/arith.h"
#include "base/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

using std::int64_t;

// Positions are saturated here: far beyond any int coordinate, so a saturated tick is past
// every ruler and clip box, and the arithmetic below cannot overflow.
constexpr int64_t kFar = int64_t(1) << 40;
constexpr int64_t kProductCap = int64_t(1) << 62;
constexpr int64_t kIndexCap = int64_t(1) << 52;

// a * b for a, b >= 0, saturated at cap.
int64_t MulSat(int64_t a, int64_t b, int64_t cap)
{
    if (a == 0 || b == 0)
        return 0;
    if (a > cap / b)
        return cap;
    return std::min(a * b, cap);
}

// MulDiv(d, k, n) for d >= 0, 0 <= k <= n, n >= 1, rounded half up, without overflow for
// any 64-bit d (split into quotient and remainder).
int64_t MulDivPos(int64_t d, int64_t k, int64_t n)
{
    const int64_t q = d / n, r = d % n;
    const int64_t rk = r * k;  // r < n <= INT_MAX and k <= INT_MAX
    return q * k + rk / n + (2 * (rk % n) >= n ? 1 : 0);
}

// The density in thousandths of a pixel per inch: a calibrated density is held to that, so
// the tick positions below are exact integer arithmetic for a fractional density as for a
// whole one.
int64_t MilliDpi(double dpi)
{
    const double m = std::round(dpi * 1000);
    return !(m > 0) ? 0 : m >= double(kFar) ? kFar : int64_t(m);
}

// The major ticks' positions: pos(i) = trunc(i * milliDpi * step * twips / 1440000), scaled
// unless the scale is 100 % or not positive. Requires dpi >= 1, step and twips >= 1.
class MajorTicks {
public:
    explicit MajorTicks(const GraduationParams& p)
        : m_nPer(MulSat(MulSat(MilliDpi(p.dpi), p.labelStep, kProductCap), p.unitTwips, kProductCap)),
          m_nIndexLimit(m_nPer > 0 ? kProductCap / m_nPer : kProductCap),
          m_nScale(p.scale > 0 && p.scale != 100 ? p.scale : 0)
    {
    }

    int64_t Pos(int64_t i) const
    {
        // 1.0 / 1440000 is rounded up in binary, so an exact multiple never truncates short.
        // i * m_nPer saturated, with the division that tests for overflow done once.
        const int64_t product = i > m_nIndexLimit ? kProductCap : i * m_nPer;
        const int64_t raw = int64_t(double(product) * (1.0 / 1440000));
        if (raw >= kFar)
            return kFar;
        if (m_nScale == 0)
            return raw;
        if (raw > kFar * 100 / m_nScale)
            return kFar;
        return std::min(raw * m_nScale / 100, kFar);
    }

    // The first index whose position is at least t, found from an estimate rather than by
    // walking from 0; the estimate is off by at most a step or two of rounding.
    int64_t FirstAtOrAfter(int64_t t) const
    {
        if (t <= 0)
            return 0;
        const int64_t raw = m_nScale ? (100 * t + m_nScale - 1) / m_nScale : t;
        const double est = std::ceil(double(raw) * 1440000 / double(m_nPer));
        int64_t i = est >= double(kIndexCap) ? kIndexCap : int64_t(est);
        while (i > 0 && Pos(i - 1) >= t)
            --i;
        while (Pos(i) < t)
            ++i;
        return i;
    }

private:
    int64_t m_nPer;
    int64_t m_nIndexLimit;  // the largest index whose product does not saturate
    int m_nScale;
};

enum class Pattern { Fives, Twos, None };

class Layouter {
public:
    Layouter(const GraduationParams& p, GraduationLayout& out)
        : m_p(p), m_out(out), m_nBudget(2 * (int64_t(p.to) - p.from) + 64),
          m_nEdge(p.flipped ? 0 : p.thickness), m_nInward(p.flipped ? 1 : -1)
    {
        const int64_t tickEnd = m_nEdge + int64_t(m_nInward) * p.tickLength;
        int64_t offset = 0;
        if (!p.vertical && !p.flipped)
            offset = -int64_t(p.fontHeight);
        else if (p.vertical && p.flipped)
            offset = p.fontHeight;
        m_nLabelAcross = SaturateToInt(tickEnd + offset);
        m_nLabelReach = std::max(p.labelExtent, 1);
        m_nThird = MulDivRound(p.tickLength, 1, 3);
        m_nHalf = MulDivRound(p.tickLength, 1, 2);
        m_nTwoThirds = MulDivRound(p.tickLength, 2, 3);
        m_nThreeQuarters = MulDivRound(p.tickLength, 3, 4);
        const int n = p.subdivisions;
        m_pattern = n % 5 == 0 ? Pattern::Fives : n % 2 == 0 ? Pattern::Twos : Pattern::None;
    }

    void Run()
    {
        if (!(m_p.dpi >= 1) || m_p.labelStep < 1 || m_p.unitTwips < 1) {
            // No interval to step by: only the zero tick can be placed.
            Major(0, 0);
            return;
        }
        const MajorTicks ticks(m_p);
        const int64_t last = ticks.FirstAtOrAfter(m_p.length);
        // The first tick whose mark or label reaches the range, and one before it for the
        // subdivisions that lead up to it.
        const int64_t first = std::min(ticks.FirstAtOrAfter(int64_t(m_p.from) - m_nLabelReach + 1), last);
        const int64_t start = std::max<int64_t>(first - 1, 0);
        int64_t prev = 0;
        for (int64_t i = start;; ++i) {
            const int64_t pos = ticks.Pos(i);
            if (i > start && m_p.subdivisions >= 1 && !Subdivide(prev, pos))
                return;
            if (!Spend())
                return;
            Major(i, pos);
            if (pos >= m_p.length || pos >= m_p.to)
                return;
            prev = pos;
        }
    }

private:
    bool Spend()
    {
        if (--m_nBudget >= 0)
            return true;
        m_out.truncated = true;
        return false;
    }

    bool InRange(int64_t pos) const { return pos >= m_p.from && pos < m_p.to; }

    void Tick(int64_t pos, int length)
    {
        m_out.ticks.push_back({SaturateToInt(pos), m_nEdge,
                               SaturateToInt(m_nEdge + int64_t(m_nInward) * length)});
    }

    void Major(int64_t i, int64_t pos)
    {
        if (InRange(pos))
            Tick(pos, m_p.tickLength);
        const bool labelled = i % 2 == 0 || m_p.scale >= 100 || m_p.inch;
        if (labelled && pos < m_p.to && pos + m_nLabelReach > m_p.from)
            Label(MulSat(i, m_p.labelStep, INT64_MAX), pos);
    }

    void Label(int64_t value, int64_t pos)
    {
        GraduationLabel label;
        label.along = SaturateToInt(pos);
        label.across = m_nLabelAcross;
        char digits[24];
        int n = 0;
        auto v = static_cast<std::uint64_t>(value);
        do {
            digits[n++] = char('0' + v % 10);
            v /= 10;
        } while (v != 0);
        for (int k = 0; k < n; ++k)
            label.text[k] = digits[n - 1 - k];
        label.text[n] = '\0';
        label.textLength = n;
        m_out.labels.push_back(label);
    }

    // Minor ticks strictly between two major ticks. The one at k = 0 lies on the previous
    // major tick and is hidden by it, so it is left out.
    bool Subdivide(int64_t prev, int64_t next)
    {
        const int64_t d = next - prev;
        const int64_t n = m_p.subdivisions;
        if (d <= 0 || next < m_p.from || prev >= m_p.to)
            return true;
        int64_t k = 1;
        if (prev < m_p.from) {
            // The first k whose rounded position reaches the range: estimate, then settle.
            const int64_t a = m_p.from - prev;
            const double est = std::ceil((2.0 * double(a) - 1) * double(n) / (2.0 * double(d)));
            k = std::max<int64_t>(1, est >= double(n) ? n : int64_t(est));
            while (k > 1 && MulDivPos(d, k - 1, n) >= a)
                --k;
            while (k < n && MulDivPos(d, k, n) < a)
                ++k;
        }
        for (; k < n; ++k) {
            const int64_t pos = prev + MulDivPos(d, k, n);
            if (pos >= m_p.to)
                break;
            if (!Spend())
                return false;
            bool third = false;
            const int length = MinorLength(k, n, third);
            if (third && m_p.scale < 100)
                continue;
            Tick(pos, length);
        }
        return true;
    }

    int MinorLength(int64_t k, int64_t n, bool& third) const
    {
        third = false;
        if (2 * k == n)
            return m_nThreeQuarters;
        if (m_pattern == Pattern::Twos) {
            if (k % 4 == 0)
                return m_nTwoThirds;
            if (k % 2 == 0)
                return m_nHalf;
        } else if (m_pattern == Pattern::Fives) {
            if (n == 20 ? k % 2 == 0 : k % 5 == 0)
                return m_nHalf;
        }
        third = true;
        return m_nThird;
    }

    const GraduationParams& m_p;
    GraduationLayout& m_out;
    int64_t m_nBudget;
    int m_nEdge;
    int m_nInward;
    int m_nLabelAcross = 0;
    int m_nLabelReach = 1;
    int m_nThird = 0, m_nHalf = 0, m_nTwoThirds = 0, m_nThreeQuarters = 0;
    Pattern m_pattern = Pattern::None;
};

}  // namespace

void LayoutGraduations(const GraduationParams& p, GraduationLayout& out)
{
    out.ticks.clear();
    out.labels.clear();
    out.truncated = false;
    if (p.length <= 0 || p.from >= p.to)
        return;
    Layouter(p, out).Run();
}

int MaxLabelDigits(const GraduationParams& p)
{
    // The layout ends at the first major tick at or past the length, so two intervals of
    // slack cover the truncations.
    double interval = double(p.dpi) * p.labelStep * p.unitTwips / 1440.0;
    if (p.scale > 0 && p.scale != 100)
        interval = interval * p.scale / 100;
    double value = (interval > 0 ? double(p.length) / interval + 2 : 1) * p.labelStep;
    int digits = 1;
    while (value >= 10 && digits < 20) {
        value /= 10;
        ++digits;
    }
    return digits;
}
