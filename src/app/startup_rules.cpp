#include "app/startup_rules.h"

bool NeedsDefaultBounds(const Rect& stored)
{
    return stored.Width() < 1 || stored.Height() < 1;
}
