// Move-only owners of Windows handles. Program code never calls DeleteObject, ReleaseDC,
// DestroyMenu or CloseClipboard itself: these objects do, on scope exit.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"

struct GdiObjectCloser {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct MenuDestroyer {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct GlobalFreer {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};

using CFontHandle = CUniqueHandle<HFONT, GdiObjectCloser>;
using CPenHandle = CUniqueHandle<HPEN, GdiObjectCloser>;
using CBrushHandle = CUniqueHandle<HBRUSH, GdiObjectCloser>;
using CBitmapHandle = CUniqueHandle<HBITMAP, GdiObjectCloser>;
using CPaletteHandle = CUniqueHandle<HPALETTE, GdiObjectCloser>;
using CMenuHandle = CUniqueHandle<HMENU, MenuDestroyer>;
using CGlobalHandle = CUniqueHandle<HGLOBAL, GlobalFreer>;
// Memory and information contexts (CreateCompatibleDC, CreateICA, CreateDCA).
using COwnedDC = CUniqueHandle<HDC, DcDeleter>;

// An information context on the display, for measuring.
inline COwnedDC CreateDisplayIC() { return COwnedDC(CreateICA("DISPLAY", nullptr, nullptr, nullptr)); }

// A device context obtained with GetDC/GetWindowDC, released with ReleaseDC.
class CWindowDCBase {
public:
    CWindowDCBase(CWindowDCBase&& o) noexcept : m_hWnd(o.m_hWnd), m_hDC(std::exchange(o.m_hDC, nullptr)) {}
    CWindowDCBase(const CWindowDCBase&) = delete;
    CWindowDCBase& operator=(const CWindowDCBase&) = delete;
    CWindowDCBase& operator=(CWindowDCBase&&) = delete;
    ~CWindowDCBase()
    {
        if (m_hDC)
            ReleaseDC(m_hWnd, m_hDC);
    }
    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    explicit operator bool() const { return m_hDC != nullptr; }

protected:
    CWindowDCBase(HWND hWnd, HDC hDC) : m_hWnd(hWnd), m_hDC(hDC) {}

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// The client area of a window (GetDC).
class CClientDC : public CWindowDCBase {
public:
    explicit CClientDC(HWND hWnd) : CWindowDCBase(hWnd, GetDC(hWnd)) {}
};

// The whole window, title bar and border included (GetWindowDC).
class CWindowDC : public CWindowDCBase {
public:
    explicit CWindowDC(HWND hWnd) : CWindowDCBase(hWnd, GetWindowDC(hWnd)) {}
};

// The whole screen (GetDC of no window).
class CScreenDC : public CWindowDCBase {
public:
    CScreenDC() : CWindowDCBase(nullptr, GetDC(nullptr)) {}
};

// BeginPaint/EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC Get() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    const PAINTSTRUCT& Paint() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ obj) : m_hDC(hDC), m_old(obj ? SelectObject(hDC, obj) : nullptr) {}
    ~CSelectObject()
    {
        if (m_old && m_old != HGDI_ERROR)
            SelectObject(m_hDC, m_old);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    bool Selected() const { return m_old && m_old != HGDI_ERROR; }

private:
    HDC m_hDC;
    HGDIOBJ m_old;
};

// Saves a DC's state (clipping, colours, modes) and restores it on scope exit.
class CSaveDC {
public:
    explicit CSaveDC(HDC hDC) : m_hDC(hDC), m_nSaved(SaveDC(hDC)) {}
    ~CSaveDC()
    {
        if (m_nSaved)
            RestoreDC(m_hDC, m_nSaved);
    }
    CSaveDC(const CSaveDC&) = delete;
    CSaveDC& operator=(const CSaveDC&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};

// The clipboard, opened for the scope.
class CClipboardOpen {
public:
    explicit CClipboardOpen(HWND owner = nullptr) : m_bOpen(OpenClipboard(owner) != FALSE) {}
    ~CClipboardOpen()
    {
        if (m_bOpen)
            CloseClipboard();
    }
    CClipboardOpen(const CClipboardOpen&) = delete;
    CClipboardOpen& operator=(const CClipboardOpen&) = delete;
    bool IsOpen() const { return m_bOpen; }

private:
    bool m_bOpen;
};
