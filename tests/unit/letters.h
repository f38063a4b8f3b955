// A table row's expected decisions as letters, so it reads at a glance: each flag that is
// set gives its letter, in the order given.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

inline std::string Letters(std::initializer_list<std::pair<bool, char>> flags)
{
    std::string s;
    for (const auto& f : flags)
        if (f.first)
            s += f.second;
    return s;
}
