// The font of the window under the pointer, as a dialog-unit ruler follows it: each poll
// step is compared with what is remembered, so fonts are measured only on a crossing into a
// window with another font, and a window that does not answer in time (busy or hung) is
// asked again on the next tick instead of freezing the ruler. Window and Font are the window
// system's own types (a handle and a font description); Same compares two fonts.
#pragma once

template <class Window, class Font, class Same>
class TFontUnderPointer {
public:
    // `none` stands for a window without a font; it is also what is remembered at first.
    explicit TFontUnderPointer(const Font& none) : m_font(none) {}

    // Whether the window under the pointer is asked for its font: it is another one than
    // the one last answered for, or the last asking went unanswered.
    bool NeedsAsking(Window under) const { return !(under == m_window) || m_pending; }

    // The window did not answer in time: not remembered; the units stay as they are.
    void NotAnswered() { m_pending = true; }

    // The window answered with `font` (`none` when it has none). True when that differs
    // from the font remembered, which it then replaces: the dialog base units are measured
    // again from it.
    bool Answered(Window under, const Font& font)
    {
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
};
