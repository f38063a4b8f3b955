// The font of the window under the pointer, as a dialog-unit ruler follows it: each poll
// step is compared with what is remembered, so fonts are measured only on a crossing into a
// window with another font. A window that does not answer in time (busy or hung) is asked
// again later, but rationed: asking must not freeze the ruler. Window and Font are the window
// system's own types (a handle and a font description); Same compares two fonts.
#pragma once

#include <cstdint>

// How long the ruler waits for a window to name its font: a frame at most, so one asking
// never stalls the ruler for longer.
constexpr std::uint32_t kFontQueryTimeoutMs = 16;
// A window that made the ruler wait is asked again at most four times a second...
constexpr std::uint32_t kFontRetryMs = 250;
// ...and never costs the ruler more than this much waiting in any second.
constexpr std::uint32_t kFontWaitBudgetMs = 50;

// The windows that made the ruler wait for their font lately, and how long. A few are kept,
// so that a pointer crossing back and forth between slow windows does not make each crossing
// a first asking; a window whose last asking is a second old is forgotten.
template <class Window>
class TSlowWindows {
public:
    // How long `window` may be waited for if asked now: kFontQueryTimeoutMs for a window that
    // has not made the ruler wait; 0 (not now) for one asked less than kFontRetryMs ago or
    // whose waits in the last second used up kFontWaitBudgetMs; else what is left of that.
    std::uint32_t Timeout(Window window, std::uint32_t now) const
    {
        const Entry* e = Find(window, now);
        if (!e)
            return kFontQueryTimeoutMs;
        if (now - e->LastAt() < kFontRetryMs)
            return 0;
        std::uint32_t spent = 0;
        for (const Ask& a : e->asks)
            if (a.counts && now - a.at < kSecondMs)
                spent += a.waitedMs;
        const std::uint32_t left = spent < kFontWaitBudgetMs ? kFontWaitBudgetMs - spent : 0;
        return left < kFontQueryTimeoutMs ? left : kFontQueryTimeoutMs;
    }

    // `window` was asked at `now` and kept the ruler waiting `waitedMs`. A window that
    // answered at once is not remembered (unless it is already).
    void Asked(Window window, std::uint32_t now, std::uint32_t waitedMs, bool answered)
    {
        Entry* e = Find(window, now);
        if (!e && answered && waitedMs == 0)
            return;
        if (!e) {
            e = FreeEntry(now);
            *e = Entry{};
            e->used = true;
            e->window = window;
            e->last = kAsks - 1;
        }
        e->last = (e->last + 1) % kAsks;
        e->asks[e->last] = Ask{now, waitedMs, true};
    }

private:
    static constexpr std::uint32_t kSecondMs = 1000;
    // Asked at most every kFontRetryMs: a second holds at most this many askings of one window.
    static constexpr int kAsks = int(kSecondMs / kFontRetryMs);
    struct Ask {
        std::uint32_t at = 0;
        std::uint32_t waitedMs = 0;
        bool counts = false;
    };
    struct Entry {
        bool used = false;
        Window window{};
        Ask asks[kAsks];
        int last = 0;
        std::uint32_t LastAt() const { return asks[last].at; }
    };

    const Entry* Find(Window window, std::uint32_t now) const
    {
        for (const Entry& e : m_entries)
            if (e.used && e.window == window && now - e.LastAt() < kSecondMs)
                return &e;
        return nullptr;
    }
    // A free or forgotten entry, else the one asked longest ago.
    Entry* FreeEntry(std::uint32_t now)
    {
        Entry* oldest = &m_entries[0];
        for (Entry& e : m_entries) {
            if (!e.used || now - e.LastAt() >= kSecondMs)
                return &e;
            if (now - e.LastAt() > now - oldest->LastAt())
                oldest = &e;
        }
        return oldest;
    }
    Entry* Find(Window window, std::uint32_t now)
    {
        return const_cast<Entry*>(static_cast<const TSlowWindows*>(this)->Find(window, now));
    }

    Entry m_entries[4];
};

template <class Window, class Font, class Same>
class TFontUnderPointer {
public:
    // `none` stands for a window without a font; it is also what is remembered at first.
    explicit TFontUnderPointer(const Font& none) : m_font(none) {}

    // How long to wait for the window under the pointer to name its font if it is asked now
    // (ms); 0: it is not asked now. It is asked when it is another one than the one last
    // answered for, or the last asking went unanswered - and a window that made the ruler wait
    // only as TSlowWindows allows; until then it stays pending, and a later tick asks.
    std::uint32_t AskTimeoutMs(Window under, std::uint32_t now)
    {
        if (under == m_window && !m_pending)
            return 0;
        const std::uint32_t timeout = m_slow.Timeout(under, now);
        if (timeout == 0)
            m_pending = true;
        return timeout;
    }

    // The window did not answer within the timeout: not remembered; the units stay as they are.
    void NotAnswered(Window under, std::uint32_t now, std::uint32_t waitedMs)
    {
        m_pending = true;
        m_slow.Asked(under, now, waitedMs, false);
    }

    // The window answered with `font` (`none` when it has none) after `waitedMs`. True when
    // that differs from the font remembered, which it then replaces: the dialog base units are
    // measured again from it.
    bool Answered(Window under, const Font& font, std::uint32_t now, std::uint32_t waitedMs)
    {
        m_slow.Asked(under, now, waitedMs, true);
        m_pending = false;
        m_window = under;
        if (Same()(font, m_font))
            return false;
        m_font = font;
        return true;
    }

    // The ruler shows no dialog units any more: an unanswered asking no longer matters.
    void ForgetPending() { m_pending = false; }

    bool Pending() const { return m_pending; }
    Window LastWindow() const { return m_window; }
    const Font& LastFont() const { return m_font; }

private:
    Window m_window{};
    bool m_pending = false;
    Font m_font;
    TSlowWindows<Window> m_slow;
};
