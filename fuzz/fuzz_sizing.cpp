// Arbitrary size texts and rectangles through the sizing tool's core.
// Checks: the parser agrees with a reading of each side by strtoll (the separator the first
// lowercase "x", each side cut to 15 characters, out-of-range sides invalid and 0); a valid
// result is at least 1 x 1 and reads back from its own formatted text; the target rectangle
// and the reachability shift never overflow (the sanitizers watch), keep the top-left corner
// or move it right and down by at most 50 pixels.
#include "tools/size_text.h"
#include "tools/target_rect.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include "fuzz_check.h"

namespace {

// One side as strtoll reads it; false when it leaves the int range.
bool ReferenceSide(const std::string& side, int& value)
{
    errno = 0;
    const long long v = std::strtoll(side.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) {
        value = 0;
        return false;
    }
    value = int(v);
    return true;
}

void CheckText(const std::string& text)
{
    const ParsedSize got = ParseSizeText(text);
    const std::size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) {
        Check(!got.valid && got.width == 0 && got.height == 0, "no separator gives 0 x 0, invalid");
        return;
    }
    int w = 0, h = 0;
    // strtoll stops at a NUL as the text would end there.
    const bool wFits = ReferenceSide(text.substr(0, x).substr(0, 15), w);
    const bool hFits = ReferenceSide(text.substr(x + 1, 15), h);
    Check(got.width == w && got.height == h, "each side reads as strtoll reads it");
    Check(got.valid == (wFits && hFits && w >= 1 && h >= 1), "valid exactly when both fit and are at least 1");
    if (got.valid) {
        const ParsedSize back = ParseSizeText(FormatSizeText(got.width, got.height));
        Check(back.valid && back.width == got.width && back.height == got.height, "the formatted size reads back");
    }
}

void CheckRects(FuzzedDataProvider& fdp)
{
    auto rect = [&] {
        return Rect{fdp.ConsumeIntegral<int>(), fdp.ConsumeIntegral<int>(), fdp.ConsumeIntegral<int>(),
                    fdp.ConsumeIntegral<int>()};
    };
    const Rect window = rect();
    const Rect reference = rect();
    const Size frame{fdp.ConsumeIntegralInRange(0, 64), fdp.ConsumeIntegralInRange(0, 64)};
    const Size wanted{fdp.ConsumeIntegral<int>(), fdp.ConsumeIntegral<int>()};
    const SizingSwitches sw{fdp.ConsumeBool(), fdp.ConsumeBool(), fdp.ConsumeBool()};
    const Rect r = ComputeTargetRect(window, frame, wanted, sw);
    Check(r.left == window.left && r.top == window.top, "the top-left corner stays");
    MeasureTargetSize(window, frame, wanted, sw);
    const Rect moved = KeepTargetReachable(r, reference);
    const std::int64_t dx = std::int64_t(moved.left) - r.left;
    const std::int64_t dy = std::int64_t(moved.top) - r.top;
    Check(dx >= 0 && dx <= kMinReachable && dy >= 0 && dy <= kMinReachable, "moved right and down by at most 50");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    if (fdp.ConsumeBool()) {
        CheckRects(fdp);
        return 0;
    }
    // Texts with many separators, signs, digits and spaces, and arbitrary bytes.
    std::string text = fdp.ConsumeRandomLengthString(64);
    if (fdp.ConsumeBool())
        for (char& c : text)
            c = " x+-0123456789X\t"[static_cast<unsigned char>(c) % 16];
    CheckText(text);
    return 0;
}
