#include "core/app/MainFramePaint.h"

namespace brivon {
namespace {

constexpr int kBandsTop = 150;  // below the top of the client area
// Right of the plot: starts 52 left of the right edge, 63 wide, (bottom - 290) high.
constexpr int kRightBandInset = 52;
constexpr int kRightBandWidth = 63;
constexpr int kRightBandHeightLoss = 290;
// Above the plot: starts at x 290, (right - 300) wide, 30 high.
constexpr int kTopBandLeft = 290;
constexpr int kTopBandWidthLoss = 300;
constexpr int kTopBandHeight = 30;

draw::Rect rectAt(int left, int top, int width, int height)
{
    return { left, top, left + width, top + height };
}

}  // namespace

void paintMainFrame(draw::Canvas& canvas, const draw::Rect& client)
{
    const int top = client.top + kBandsTop;
    canvas.fillRect(
        rectAt(client.right - kRightBandInset, top, kRightBandWidth, client.bottom - kRightBandHeightLoss),
        kMainFrameBandColor);
    canvas.fillRect(
        rectAt(kTopBandLeft, top, client.right - kTopBandWidthLoss, kTopBandHeight), kMainFrameBandColor);
}

}  // namespace brivon
