#include "ruler/input_rules.h"

#include "resource.h"

#include <cstdio>

KeyRoute RouteRulerMessage(std::uint32_t message, std::uint32_t key, bool (*shiftDown)())
{
    if ((message == kWmKeyDown || message == kWmSysKeyDown) && key == kVkF10 && shiftDown())
        return KeyRoute::kContextMenu;
    if (message == kWmContextMenu)
        return KeyRoute::kContextMenu;
    if (message >= kWmKeyDown && message <= kWmKeyLast)
        return KeyRoute::kAccelerator;
    return KeyRoute::kDefault;
}

int SysCommandTarget(std::uint32_t sysCommand)
{
    switch (sysCommand & 0xFFF0) {
    case 0x10: return ID_APP_ABOUT;
    case 0x20: return ID_HELP;
    default: return 0;
    }
}

void FormatPercentLabel(char* out, std::size_t size, const char* label, int percent)
{
    std::snprintf(out, size, "%s (%d%%)", label, percent);
}
