// What a process holds, for leak checks over long runs: USER objects (its windows and
// menus) and its private memory. GDI objects are counted by CountGdiObjects
// (ruler_fixture.h).
#pragma once

#include <windows.h>

#include <cstddef>

// Windows of this process plus live menus: every USER handle slot probed. Wine's USER
// handles carry their slot in the low word and accept it alone, and IsMenu sees only this
// process's menus.
int CountUserObjects();

// Private bytes of this process (0 when they cannot be read).
std::size_t PrivateBytes();

// The three counts together, taken after the pending messages are handled.
struct ObjectCounts {
    int gdi;
    int user;
    std::size_t privateBytes;
};
ObjectCounts TakeObjectCounts();

// One line: "LABEL GDI a -> b, USER a -> b, private a -> b KB".
void PrintObjectCounts(const char* label, const ObjectCounts& before, const ObjectCounts& after);
