#include "base/arith.h"
#include "base/file_error_text.h"
#include "base/geometry.h"
#include "resource.h"

#include <climits>
#include <gtest/gtest.h>

TEST(Arith, GcdTable)
{
    struct { int a, b, want; } cases[] = {{12, 18, 6}, {7, 5, 1}, {18, 12, 6}, {100, 10, 10}, {0, 7, 7}, {-12, 18, 6},
                                       {6, 1, 1}, {5, 0, 5}};
    for (auto& c : cases)
        EXPECT_EQ(Gcd(c.a, c.b), c.want) << c.a << "," << c.b;
}

TEST(FileErrorText, EachErrorHasItsMessage)
{
    struct { std::uint32_t error; int id; } cases[] = {
        {kErrorFileNotFound, IDS_FILE_NOT_FOUND}, {kErrorLockViolation, IDS_FILE_SHARING},
        {kErrorHandleEof, IDS_FILE_END_OF_FILE},  {12345, IDS_FILE_GENERIC}, {0, IDS_FILE_GENERIC},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileErrorStringId(c.error), c.id) << c.error;
}

TEST(Arith, MulDivRoundsHalvesAwayFromZero)
{
    struct { int a, b, c, want; } cases[] = {
        {12, 1, 3, 4}, {12, 1, 2, 6}, {12, 2, 3, 8}, {12, 3, 4, 9},   // the tick lengths
        {1280, 1, 4, 320}, {1024, 1, 8, 128}, {5, 1, 2, 3}, {-5, 1, 2, -3}, {7, 1, 2, 4},
        {1, 1, 0, -1}, {INT_MAX, 2, 1, -1}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}};
    for (auto& c : cases)
        EXPECT_EQ(MulDivRound(c.a, c.b, c.c), c.want) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Geometry, IntersectAndSaturatingOffset)
{
    EXPECT_EQ(IntersectRects({0, 0, 10, 10}, {5, 5, 20, 20}), (Rect{5, 5, 10, 10}));
    EXPECT_EQ(IntersectRects({0, 0, 10, 10}, {10, 0, 20, 10}), Rect{});
    EXPECT_FALSE(RectsMeet({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_EQ(OffsetRectBy({INT_MAX - 1, 0, INT_MAX, 1}, 10, 0).right, INT_MAX);
}
