#include "core/realtime/StripLayout.h"

namespace brivon::realtime {
namespace {

constexpr int kStripLeft = 228;  // right of the meter panel
constexpr int kStripWidthLess = 230;
constexpr int kRealTimeTop = 30;  // under the toolbar
constexpr int kRealTimeHeight = 120;
constexpr int kStatisticsAboveBottom = 120;
constexpr int kStatisticsHeight = 100;
constexpr int kScrollAboveBottom = 142;
constexpr int kScrollHeight = 25;
constexpr int kPanelTop = 31;
constexpr int kPanelWidth = 228;
constexpr int kPanelHeightLess = 50;
constexpr int kMinTopRoom = 142;  // the strips at the bottom only move while they stay below this

draw::Rect at(int left, int top, int width, int height)
{
    return { left, top, left + width, top + height };
}

}  // namespace

StripPlacement placeStrips(const draw::Rect& client)
{
    const int left = client.left + kStripLeft;
    const int width = client.width() - kStripWidthLess;
    StripPlacement placement;
    placement.realTime = at(left, client.top + kRealTimeTop, width, kRealTimeHeight);
    const int statisticsTop = client.bottom - kStatisticsAboveBottom;
    if (client.top + kMinTopRoom < statisticsTop)
        placement.statistics = at(left, statisticsTop, width, kStatisticsHeight);
    placement.meterPanel
        = at(client.left, client.top + kPanelTop, kPanelWidth, client.height() - kPanelHeightLess);
    const int scrollTop = client.bottom - kScrollAboveBottom;
    if (client.top + kMinTopRoom < scrollTop) placement.scroll = at(left, scrollTop, width, kScrollHeight);
    return placement;
}

}  // namespace brivon::realtime
