// The window base class: stores `this` at WM_NCCREATE, clears it at WM_NCDESTROY, and hands
// every message to one virtual handler. No exception crosses the window procedure.
#pragma once

#include <windows.h>

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    HWND m_hWnd = nullptr;

    // Registers a window class whose procedure routes to CWindow objects. The name is made
    // from the values (as the framework of old did), so equal requests share one class.
    // Returns the class name, or null when registration failed.
    static const char* RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon);

    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int cx,
                  int cy, HWND parent, HMENU menu);
    bool DestroyWindow();

    DWORD GetStyle() const { return DWORD(GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return DWORD(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    // Changes style bits; with swpFlags, SetWindowPos applies them (SWP_FRAMECHANGED added).
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);

    // The object of a window created through this class, or null.
    static CWindow* FromHandle(HWND hWnd);

    // Keyboard routing before dispatch (accelerators); true when the message was consumed.
    virtual bool PreTranslateMessage(MSG* msg);

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone; an object that owns itself deletes itself here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// The framework's main-window slot: the ruler window once start-up has created it.
CWindow* GetMainWindow();
void SetMainWindow(CWindow* window);
// The main window's handle, or null.
HWND GetMainWindowHandle();

// Runs the message loop until WM_QUIT; every message goes through the PreTranslateMessage
// of the window object it is for (or the main window's, while there is one) first. Returns
// WM_QUIT's code.
int RunMessageLoop();
