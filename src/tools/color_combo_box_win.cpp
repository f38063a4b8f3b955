#include "tools/color_combo_box_win.h"

#include "resource.h"
#include "tools/color_list.h"
#include "win/convert.h"
#include "win/exceptions.h"
#include "win/strings.h"

namespace {
void FillRectWith(HDC dc, const RECT& rc, COLORREF color)
{
    const COLORREF old = SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, "", 0, nullptr);
    SetBkColor(dc, old);
}
} // namespace

void CColorComboBox::FillColorList(bool withDefault)
{
    m_bHasDefault = withDefault ? TRUE : FALSE;
    const std::string defaultText = LoadResString(IDS_DEFAULT_COLOR);
    for (const std::uint32_t color : ColorListItems(withDefault)) {
        const char* text = color == kDefaultColor ? defaultText.c_str() : "";
        const LRESULT index = SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (index == CB_ERR || index == CB_ERRSPACE ||
            SendMessageA(m_hWnd, CB_SETITEMDATA, WPARAM(index), LPARAM(color)) == CB_ERR)
            throw CMemoryException();
    }
}

int CColorComboBox::GetCount() const
{
    const LRESULT n = SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0);
    return n == CB_ERR ? 0 : int(n);
}

std::vector<std::uint32_t> CColorComboBox::ItemData() const
{
    std::vector<std::uint32_t> items;
    const int n = GetCount();
    for (int i = 0; i < n; ++i)
        items.push_back(std::uint32_t(SendMessageA(m_hWnd, CB_GETITEMDATA, WPARAM(i), 0)));
    return items;
}

int CColorComboBox::SelectColor(std::uint32_t color)
{
    const int index = FindColorFromEnd(ItemData(), color);
    if (index >= 0)
        SendMessageA(m_hWnd, CB_SETCURSEL, WPARAM(index), 0);
    return index;
}

std::uint32_t CColorComboBox::GetSelectedColor() const
{
    // CB_ERR, no selection, is -1.
    return StoredColorOf(ItemData(), int(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)));
}

void CColorComboBox::DrawItem(const DRAWITEMSTRUCT& item) const
{
    const std::uint32_t color = std::uint32_t(item.itemData);
    const ColorItemPaint paint = PaintOfColorItem((item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0,
                                                  item.itemID != UINT(-1), color, FromRECT(item.rcItem));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    // The text colour is the one the system keeps readable on the item's background.
    const COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (paint.background)
        FillRectWith(item.hDC, item.rcItem, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (paint.content == ColorItemPaint::kText) {
        char text[64] = "";
        const LRESULT n = SendMessageA(m_hWnd, CB_GETLBTEXTLEN, item.itemID, 0);
        if (n != CB_ERR && n < LRESULT(sizeof text))
            SendMessageA(m_hWnd, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
        const COLORREF oldText = SetTextColor(item.hDC, ink);
        const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
        RECT rc = item.rcItem;
        DrawTextA(item.hDC, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SetBkMode(item.hDC, oldMode);
        SetTextColor(item.hDC, oldText);
    } else if (paint.content == ColorItemPaint::kSwatch) {
        FillRectWith(item.hDC, ToRECT(paint.swatch), ink);
        if (!paint.fill.IsEmpty())
            FillRectWith(item.hDC, ToRECT(paint.fill), COLORREF(color));
    }
}
