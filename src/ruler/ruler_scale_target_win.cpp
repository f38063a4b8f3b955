// What the custom scale dialog puts into effect on the ruler, while it previews and after OK.
#include "ruler/ruler_wnd.h"

#include "settings/ruler_settings.h"

void CRulerWnd::ApplyRulerScale(int scale)
{
    SetRulerScale(scale);
}

void CRulerWnd::ApplyMagnifierZoom(int zoom)
{
    m_settings.m_nZoomFactor = zoom;
    DrawMagnifier(nullptr, TRUE, TRUE);
}
