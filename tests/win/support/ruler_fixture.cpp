#include "support/ruler_fixture.h"

#include "resource.h"
#include "ruler/view_flags.h"

#include <cstring>

namespace {

const char* RulerClass()
{
    // The class the program registers for its ruler.
    return CWindow::RegisterWindowClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                        LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

// Wine's GDI handle table: 0x10000 entries of 24 bytes, the object type at byte 14 (0 for
// a free entry) and a stock marker (0x80) in the handle's upper word at byte 12. Its fields
// are 64-bit in 32-bit processes too, so the entries are alike in both builds; the PEB holds
// the table's address at 0xF8 in a 64-bit process and at 0x94 in a 32-bit one.
constexpr int kGdiHandleCount = 0x10000;
constexpr int kGdiEntrySize = 24;
constexpr int kGdiTypeOffset = 14;
constexpr int kGdiUniqueOffset = 12;
constexpr unsigned char kGdiStockFlag = 0x80;
constexpr int kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

// The process's PEB, from ntdll (ProcessBasicInformation: the PEB's address is the second
// pointer-sized field).
const unsigned char* ProcessPeb()
{
    using QueryFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    if (!query)
        return nullptr;
    ULONG_PTR info[6] = {};
    if (query(GetCurrentProcess(), 0, info, sizeof info, nullptr) != 0)
        return nullptr;
    return reinterpret_cast<const unsigned char*>(info[1]);
}

// Whether [p, p + size) is committed, readable memory: a table read at a wrong offset must
// not take the test down.
bool Readable(const unsigned char* p, std::size_t size)
{
    const unsigned char* const end = p + size;
    MEMORY_BASIC_INFORMATION info{};
    while (p < end) {
        if (VirtualQuery(p, &info, sizeof info) != sizeof info || info.State != MEM_COMMIT ||
            (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) || info.Protect == 0)
            return false;
        p = static_cast<const unsigned char*>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

// The live entries of the table, or -1 where there is no readable table.
int CountTableEntries()
{
    const unsigned char* peb = ProcessPeb();
    if (!peb || !Readable(peb + kPebGdiTableOffset, sizeof(void*)))
        return -1;
    const unsigned char* table = nullptr;
    std::memcpy(&table, peb + kPebGdiTableOffset, sizeof table);
    if (!table || !Readable(table, std::size_t(kGdiHandleCount) * kGdiEntrySize))
        return -1;
    int count = 0;
    for (int i = 0; i < kGdiHandleCount; ++i) {
        const unsigned char* e = table + std::size_t(i) * kGdiEntrySize;
        if (e[kGdiTypeOffset] != 0 && !(e[kGdiUniqueOffset] & kGdiStockFlag))
            ++count;
    }
    return count;
}

// Whether the table counts what this process makes: one pen more is one entry more, and
// deleting it gives the entry back. A layout read wrong fails this instead of giving numbers.
bool TableFollowsObjects()
{
    const int before = CountTableEntries();
    if (before < 0)
        return false;
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    const int with = CountTableEntries();
    DeleteObject(pen);
    return pen && with == before + 1 && CountTableEntries() == before;
}

}  // namespace

CRulerFixture::CRulerFixture() = default;

CRulerFixture::~CRulerFixture()
{
    Destroy();
}

bool CRulerFixture::Create(DWORD viewFlags, const RECT& client)
{
    Destroy();
    CRulerSettings& s = settings;
    const bool vertical = (viewFlags & RS_VERT) != 0;
    const bool flipped = (viewFlags & RS_FLIPPED) != 0;
    s.m_bVertical = vertical ? 1 : 0;
    (vertical ? s.m_bVFlipped : s.m_bHFlipped) = flipped ? 1 : 0;
    s.m_bGuide = (viewFlags & RS_GUIDE) ? 1 : 0;
    s.m_bZoom = (viewFlags & RS_MAGNIFIER) ? 1 : 0;
    s.m_nUnit = std::int32_t(viewFlags & RS_UNIT_MASK);
    s.m_bBorderless = (viewFlags & WS_THICKFRAME) ? 0 : 1;
    s.m_bOnTop = (viewFlags & RS_TOPMOST) ? 1 : 0;

    const DWORD style = viewFlags | WS_POPUP;
    ruler = new CRulerWnd(settings);
    if (!ruler->CreateEx(WS_EX_TOOLWINDOW, RulerClass(), "Calyx", style, 0, 0, 0, 0, nullptr, nullptr)) {
        // Without a window the object is still ours.
        if (!ruler->m_hWnd)
            delete ruler;
        ruler = nullptr;
        return false;
    }
    RECT wr = client;
    AdjustWindowRectEx(&wr, ruler->GetStyle(), FALSE, ruler->GetExStyle());
    SetWindowPos(ruler->m_hWnd, nullptr, wr.left, wr.top, wr.right - wr.left, wr.bottom - wr.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    PumpUntilIdle();
    MakeDib();
    return true;
}

void CRulerFixture::Destroy()
{
    if (m_dc && m_oldBitmap)
        SelectObject(m_dc, m_oldBitmap);
    m_oldBitmap = nullptr;
    m_dc.Reset();
    m_dib.Reset();
    m_bits = nullptr;
    if (ruler && ruler->m_hWnd)
        ruler->DestroyWindow();  // the object deletes itself
    ruler = nullptr;
    PumpUntilIdle(10, 500);
}

void CRulerFixture::SetClientSize(int cx, int cy)
{
    RECT wr{0, 0, cx, cy};
    AdjustWindowRectEx(&wr, ruler->GetStyle(), FALSE, ruler->GetExStyle());
    SetWindowPos(ruler->m_hWnd, nullptr, 0, 0, wr.right - wr.left, wr.bottom - wr.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    PumpUntilIdle();
    MakeDib();
}

void CRulerFixture::MakeDib()
{
    RECT rc{};
    GetClientRect(ruler->m_hWnd, &rc);
    if (m_dc && m_nWidth == rc.right && m_nHeight == rc.bottom)
        return;
    if (m_dc && m_oldBitmap)
        SelectObject(m_dc, m_oldBitmap);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    const BITMAPINFO bi = TopDownDibInfo(m_nWidth > 0 ? m_nWidth : 1, m_nHeight > 0 ? m_nHeight : 1);
    void* bits = nullptr;
    m_dib.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<const std::uint32_t*>(bits);
    if (!m_dc)
        m_dc.Reset(CreateCompatibleDC(nullptr));
    m_oldBitmap = SelectObject(m_dc, m_dib);
}

void CRulerFixture::Fill()
{
    SelectClipRgn(m_dc, nullptr);
    const RECT all{0, 0, m_nWidth, m_nHeight};
    SetBkColor(m_dc, kFill);
    ExtTextOutA(m_dc, 0, 0, ETO_OPAQUE, &all, "", 0, nullptr);
}

void CRulerFixture::Render(const RECT* clip)
{
    MakeDib();
    Fill();
    if (clip)
        IntersectClipRect(m_dc, clip->left, clip->top, clip->right, clip->bottom);
    SendMessageA(ruler->m_hWnd, WM_PRINTCLIENT, WPARAM(m_dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    SelectClipRgn(m_dc, nullptr);
    GdiFlush();
}

void CRulerFixture::RenderWith(const std::function<void(HDC)>& draw)
{
    MakeDib();
    Fill();
    draw(m_dc);
    GdiFlush();
}

COLORREF CRulerFixture::Pixel(int x, int y) const
{
    if (!m_bits || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return kOutside;
    const std::uint32_t v = m_bits[std::size_t(y) * std::size_t(m_nWidth) + std::size_t(x)];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

BITMAPINFO TopDownDibInfo(int w, int h)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

void PumpUntilIdle(int quietMs, int maxMs)
{
    const DWORD start = GetTickCount();
    DWORD lastBusy = start;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_TIMER)
                lastBusy = GetTickCount();
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD now = GetTickCount();
        if (now - lastBusy >= DWORD(quietMs) || now - start >= DWORD(maxMs))
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool MovePointerTo(int x, int y)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        // A move to the point Wine set last is skipped: go elsewhere first.
        SetCursorPos(x + 7, y + 7);
        Sleep(20);
        SetCursorPos(x, y);
        // GetCursorPos reports the cached target for a while; it is settled when it still
        // reports the target after that.
        for (int wait = 0; wait < 8; ++wait) {
            PumpUntilIdle(10, 60);
            Sleep(60);
            POINT p{};
            if (wait >= 2 && GetCursorPos(&p) && p.x == x && p.y == y)
                return true;
        }
    }
    return false;
}

bool SendPointerMove(int x, int y)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = LONG((std::int64_t(x) * 65536 + cx - 1) / cx);
    in.mi.dy = LONG((std::int64_t(y) * 65536 + cy - 1) / cy);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &in, sizeof in) == 1;
}

int CountGdiObjects()
{
    static const bool trusted = TableFollowsObjects();
    return trusted ? CountTableEntries() : -1;
}
