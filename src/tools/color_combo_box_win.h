// An owner-drawn drop-down list of colours: "Default" drawn as its text, every other colour
// as a swatch. The dialog that holds it passes its WM_DRAWITEM on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CColorComboBox {
public:
    HWND m_hWnd = nullptr;
    // Whether the list was filled with the "Default" entry.
    BOOL m_bHasDefault = FALSE;

    void Attach(HWND combo) { m_hWnd = combo; }
    // "Default" (with `withDefault`) and the sixteen colours, each with its colour as item
    // data. Throws CMemoryException when the list takes no more items.
    void FillColorList(bool withDefault);
    // Selects the last entry holding `color` and returns its index; -1 (selection unchanged)
    // when no entry holds it.
    int SelectColor(std::uint32_t color);
    // The selected entry's colour, or kDefaultColor when nothing is selected.
    std::uint32_t GetSelectedColor() const;
    int GetCount() const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    std::vector<std::uint32_t> ItemData() const;
};
