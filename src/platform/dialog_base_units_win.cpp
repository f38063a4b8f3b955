#include "platform/dialog_base_units_win.h"

#include "units/units.h"
#include "win/handles.h"

#include <climits>

namespace {
const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
} // namespace

SIZE CalcDialogBaseUnits(const LOGFONTA& lf)
{
    const Size system = SplitDialogBaseUnits(std::uint32_t(GetDialogBaseUnits()));
    Size result = system;
    if (lf.lfHeight != INT_MAX) {
        CFontHandle font(CreateFontIndirectA(&lf));
        COwnedDC ic = font ? CreateDisplayIC() : COwnedDC();
        if (ic) {
            // Declared after the context and the font, so the old font is back before either goes.
            CSelectObject select(ic, font);
            bool measured = false;
            int width = 0;
            int height = 0;
            SIZE extent{};
            if (select.Selected() && GetTextExtentPoint32A(ic, kLetters, int(sizeof kLetters - 1), &extent)) {
                measured = true;
                width = int(extent.cx);
                height = int(extent.cy);
                TEXTMETRICA tm{};
                if (GetTextMetricsA(ic, &tm))
                    height = int(tm.tmHeight);
            }
            result = DialogBaseUnitsFromMeasure(measured, width, height, system);
        }
    }
    return SIZE{result.cx, result.cy};
}
