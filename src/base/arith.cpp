#include "base/arith.h"

#include <climits>

int MulDivRound(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t num = std::int64_t(a) * b;
    std::int64_t den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // Round half away from zero.
    std::int64_t q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    if (q > INT_MAX || q < INT_MIN)
        return -1;
    return int(q);
}

int Gcd(int a, int b)
{
    std::int64_t x = a < 0 ? -std::int64_t(a) : a;
    std::int64_t y = b < 0 ? -std::int64_t(b) : b;
    if (y == 0)
        return int(x > INT_MAX ? INT_MAX : x);
    while (true) {
        std::int64_t r = x % y;
        if (r == 0)
            return int(y > INT_MAX ? INT_MAX : y);
        x = y;
        y = r;
    }
}
