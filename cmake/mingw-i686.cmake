# Cross-compiling the Windows program with MinGW-w64; Wine runs what we build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER   i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# Floating point in SSE2 registers, as the x86-64 build computes: MinGW's start-up code puts
# the x87 unit at extended precision, where a value such as 255 x (1/255) stays just under 1
# and a result rounded with + 0.5 comes out one lower (HLS lightness 127 for pure red instead
# of 128). CMakeLists.txt adds these to every target, ours and GoogleTest alike, at every
# configure (flags in the cache would stay stale in a build folder made before). The program
# then needs a processor with SSE2 (Pentium 4, Athlon 64 and later).
set(CALYX_TARGET_COMPILE_OPTIONS -msse2 -mfpmath=sse)
# One self-contained executable: no MinGW runtime DLLs next to it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
