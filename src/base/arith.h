// Integer helpers shared by the units, painting and placement code.
#pragma once

#include <cstdint>

// a * b / c with a 64-bit intermediate, rounded to the nearest integer with halves away
// from zero, as Windows' MulDiv. Returns -1 when c is 0 or the result does not fit an int
// (MulDiv's own failure value).
int MulDivRound(int a, int b, int c);

// Greatest common divisor by Euclid's algorithm on remainders; b must not be 0.
// Negative inputs are taken by magnitude.
int Gcd(int a, int b);
