// What the custom scale dialog puts into effect while it runs: the live preview of the values
// typed with Auto-Preview on, and what Cancel takes back. Every method that returns a value
// asks the dialog to apply it now (to the ruler's scale or the magnifier's zoom); nothing
// means nothing changes.
#pragma once

#include <optional>

// The range both custom scale commands give the dialog, in percent.
constexpr int kCustomScaleMin = 50;
constexpr int kCustomScaleMax = 1000;

class CScalePreview {
public:
    CScalePreview(int initial, int minValue, int maxValue)
        : m_nInitial(initial), m_nMin(minValue), m_nMax(maxValue), m_nApplied(initial)
    {
    }

    bool InRange(int value) const { return value >= m_nMin && value <= m_nMax; }

    // The edit's text changed; `value` is what it reads as (0 for a text that is no integer).
    // With Auto-Preview on, a value in range is previewed; anything else is ignored and the
    // last preview stays.
    std::optional<int> Typed(bool autoPreview, int value);

    // Auto-Preview was clicked and the dialog's values read back valid: checking it puts the
    // typed value into effect at once.
    std::optional<int> AutoPreviewClicked(bool autoPreview, int value);

    // The dialog was cancelled: the value it started with, when a preview left another one in
    // effect, whatever the check box says by then.
    std::optional<int> Cancelled();

    int Initial() const { return m_nInitial; }
    // What the dialog last put into effect (the starting value before any preview).
    int Applied() const { return m_nApplied; }

private:
    std::optional<int> Apply(int value);

    int m_nInitial;
    int m_nMin;
    int m_nMax;
    int m_nApplied;
};
