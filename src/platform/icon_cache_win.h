// Icons of the program's resources, loaded once and kept for the life of the process.
#pragma once

#include <windows.h>

// The large icon `id` (LoadIconA), or null.
HICON LoadCachedIcon(UINT id);
// The 16x16 icon `id` (LoadImageA), or null.
HICON LoadCachedSmallIcon(UINT id);
// The icon `id` at size x size pixels (the resource's nearest image, scaled), or null.
HICON LoadCachedIconOfSize(UINT id, int size);
