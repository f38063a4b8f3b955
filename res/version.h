// The product version, shown in the version resource and stored as CurrentVersion\Version.
#pragma once
#define CALYX_VERSION_MAJOR 1
#define CALYX_VERSION_MINOR 0
#define CALYX_VERSION_BUILD 0
#define CALYX_VERSION_TEXT "1.0.0"
