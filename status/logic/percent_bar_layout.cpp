#include "status/logic/percent_bar_layout.h"

namespace ruzav::status {
namespace {

// System colour indices (COLOR_*), repeated here so that the layout needs no window header.
constexpr int kBtnShadow = 16;
constexpr int kBtnHighlight = 20;
constexpr int kWindowFrame = 6;
constexpr int kBtnFace = 15;

} // namespace

int ClampPercent(int value) {
    if (value < 0)
        return 0;
    if (value > 100)
        return 100;
    return value;
}

PercentBarLayout LayoutPercentBar(Box client, int percent) {
    const int L = client.left, T = client.top, R = client.right, B = client.bottom;
    PercentBarLayout out{{{kBtnShadow, {L, T}, {R, T}},
                          {kBtnShadow, {L, T}, {L, B - 1}},
                          {kBtnHighlight, {R, B - 1}, {L - 1, B - 1}},
                          {kWindowFrame, {L + 1, T + 1}, {R - 1, T + 1}},
                          {kWindowFrame, {L + 1, T + 1}, {L + 1, B - 2}},
                          {kBtnFace, {R - 1, B - 2}, {L, B - 2}},
                          {kBtnFace, {R - 1, B - 2}, {R - 1, T}}},
                         {},
                         {},
                         {},
                         false,
                         {}};

    Box interior{L + 2, T + 2, R - 1, B - 2};
    if (interior.right < interior.left)
        interior.right = interior.left;
    if (interior.bottom < interior.top)
        interior.bottom = interior.top;
    const int W = interior.right - interior.left;
    const int H = interior.bottom - interior.top;
    const int p = ClampPercent(percent);

    out.interior = interior;
    out.filled = interior;
    // In 64 bits, so that no width can overflow the product.
    out.filled.right = interior.left + static_cast<int>(static_cast<long long>(W) * p / 100);
    out.empty = interior;
    out.empty.left = out.filled.right;
    out.fillEmpty = out.empty.left < out.empty.right;
    // The text's top is counted from the client area's top, not from the interior's.
    out.text = Point{interior.left + W / 2, H / 6};
    return out;
}

} // namespace ruzav::status
