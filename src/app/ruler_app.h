// The application object: start-up, the settings record for the whole run, and exit.
#pragma once

#include <windows.h>

#include "ruler/command_rules.h"
#include "settings/ruler_settings.h"
#include "win/cmd_ui.h"

#include <functional>
#include <string>

class CRulerWnd;

class CRulerApp : public CCmdTarget {
public:
    CRulerApp();

    // Start-up: true runs the message loop, false ends the process.
    bool InitInstance();
    // Exit: writes the record when it changed; returns the process exit code.
    int ExitInstance(int loopResult);

    CRulerSettings m_settings;

    // Where the settings live: by default the program decides once at start-up whether it
    // may write the machine-wide key. Tests replace the probe.
    std::function<bool(const std::string&)> m_canWriteMachineKey;

    // The application's commands (app_commands_win.cpp), asked before the ruler's.
    bool OnCmdMsg(UINT id, CCmdUI* update) override;
    CommandState GetCommandState() const;
    void OnToggleSizingTool(UINT id);
    void OnAppAbout(UINT id);
    void OnHelp(UINT id);

private:
    void RegisterHotKeys(HWND hWnd);
    // A failed start-up: destroys the ruler (and its window, if it exists), clears the
    // main-window slot and shows the message; returns false.
    bool AbandonStartup(CRulerWnd* ruler, const std::string& message);
};

// The one application object of the process (null outside a running program).
CRulerApp* GetRulerApp();
