#include "core/report/GraphReport.h"

#include "core/graph/LevelMap.h"
#include "core/measure/SetStatistics.h"
#include "core/measure/Units.h"
#include "core/report/ReportPage.h"
#include "core/report/TextFlow.h"
#include "core/util/Printf.h"

#include <string>
#include <vector>

namespace brivon::report {
namespace {

// The frame around the curve.
constexpr int kFrameLeft = -750;
constexpr int kFrameRight = -10;
constexpr int kFrameBottom = 200;
constexpr int kFrameTop = 1000;
constexpr double kFrameWidth = kFrameRight - kFrameLeft;
constexpr double kFrameHeight = kFrameTop - kFrameBottom;

const draw::Pen kCurvePen { draw::PenStyle::Solid, 2, draw::rgb(55, 0, 0) };
// Samples are plotted in foot-candles with the factor in single precision, as on screen.
constexpr double kPlotFootCandleFactor = static_cast<float>(measure::kLuxToFootCandle);

constexpr const char* kTitle = " Test Report ";
constexpr draw::Point kTitleAt { -620, 1120 };
constexpr const char* kValueCaption = "Light";
constexpr draw::Point kValueCaptionAt { -750, 1025 };

constexpr const char* kLabelFormat = "%.1f";
constexpr int kLabelX = -800;
constexpr int kLabelBottomY = 210;
constexpr int kLabelPitch = 80;

constexpr const char* kTimeFormat = "%H:%M:%S";
constexpr int kTimeLabelCount = 5;
constexpr int kTimeLabelY = 195;
constexpr int kTimeLabelLeftX = -750;
constexpr int kTimeLabelPitch = 170;

constexpr int kGridPitchY = 80;
constexpr int kGridLeft = -755;
constexpr int kGridColumns[] = { -565, -380, -195 };

// Under the time labels: the measurement's identity, then its statistics,
// each flowing onto further lines where the values are long; the print date
// at the foot of the page.
constexpr TextFlow kUnderFrameFlow { -750, 0, 20 };
constexpr int kIdentityTop = 175;
constexpr const char* kStartFormat = "Start %s";
constexpr const char* kStartTimeFormat = "%d/%m/%y %H:%M:%S";
constexpr const char* kDurationFormat = "Duration %s";
constexpr const char* kPeriodFormat = "Period %g s";
constexpr const char* kSamplesFormat = "Samples %zu";
constexpr const char* kFileFormat = "File %s";
constexpr const char* kAverageFormat = "Average: %s";
constexpr const char* kMinimumFormat = "Min: %s";
constexpr const char* kMaximumFormat = "Max: %s";
constexpr const char* kUniformityFormat = "Emin/Eavg: %s";
constexpr const char* kPrintDateFormat = "%Y-%m-%d  %H:%M";
constexpr draw::Point kPrintDateAt { -200, 20 };

void drawFrame(draw::Canvas& canvas)
{
    canvas.drawRect(draw::Rect { kFrameLeft, kFrameTop, kFrameRight, kFrameBottom }, kOutlinePen);
}

// The samples joined left to right across the frame; y follows the labels and
// may run far outside the frame, where the fills cut it off.
void drawCurve(draw::Canvas& canvas, const GraphReportSource& source)
{
    const std::size_t count = source.samples.size();
    if (count < 2) return;
    const double low = source.labels.front();
    const double span = static_cast<double>(source.labels.back()) - low;
    const double unitFactor = source.footCandles ? kPlotFootCandleFactor : 1.0;
    const double step = kFrameWidth / static_cast<double>(count - 1);
    std::vector<draw::Point> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double y = kFrameHeight / span * (source.samples[i] * unitFactor - low) + kFrameBottom;
        points.push_back({ graph::toPixel(static_cast<double>(i) * step + kFrameLeft), graph::toPixel(y) });
    }
    canvas.drawPolyline(points, kCurvePen);
}

// White across the page above and below the frame, as far as the curve can reach.
void cutCurveAtFrame(draw::Canvas& canvas)
{
    canvas.fillRect(draw::Rect { -kPageWidth, graph::kPixelLimit, 0, kFrameTop }, kWhite);
    canvas.fillRect(draw::Rect { -kPageWidth, kFrameBottom, 0, -graph::kPixelLimit }, kWhite);
}

void drawValueLabels(draw::Canvas& canvas, const graph::AxisLabels& labels)
{
    canvas.drawText(kValueCaptionAt, kValueCaption, kTextFont, kTextStyle);
    for (int k = 0; k < graph::kLabelCount; ++k) {
        canvas.drawText({ kLabelX, kLabelBottomY + kLabelPitch * k },
            util::printfString(kLabelFormat, static_cast<double>(labels[static_cast<std::size_t>(k)])),
            kTextFont, kTextStyle);
    }
}

// Label j is the start plus j quarters of the run, a quarter being (N / 4) samples.
void drawTimeLabels(draw::Canvas& canvas, const GraphReportSource& source, const platform::Clock& clock)
{
    const auto quarter = static_cast<std::int64_t>(source.samples.size() / 4);
    for (int j = 0; j < kTimeLabelCount; ++j) {
        const std::int64_t seconds = quarter * source.samplePeriodMs * j / platform::kMillisecondsPerSecond;
        canvas.drawText({ kTimeLabelLeftX + kTimeLabelPitch * j, kTimeLabelY },
            platform::formatTime(clock.toLocal(source.startTime + seconds), kTimeFormat), kTextFont,
            kTextStyle);
    }
}

void drawGrid(draw::Canvas& canvas, draw::Color color)
{
    const draw::Pen pen { draw::PenStyle::Dot, 1, color };
    for (int y = kFrameBottom + kGridPitchY; y <= kFrameTop; y += kGridPitchY)
        canvas.drawLine({ kFrameRight, y }, { kGridLeft, y }, pen);
    for (const int x : kGridColumns)
        canvas.drawLine({ x, kFrameBottom }, { x, kFrameTop }, pen);
}

std::vector<std::string> identityPieces(
    const GraphReportSource& source, const platform::Clock& clock, const measure::SetStatisticsTexts& texts)
{
    const std::string start = platform::formatTime(clock.toLocal(source.startTime), kStartTimeFormat);
    std::vector<std::string> pieces { util::printfString(kStartFormat, start.c_str()),
        util::printfString(kDurationFormat, texts.duration.c_str()),
        util::printfString(
            kPeriodFormat, static_cast<double>(source.samplePeriodMs) / platform::kMillisecondsPerSecond),
        util::printfString(kSamplesFormat, source.samples.size()) };
    if (!source.fileName.empty()) pieces.push_back(util::printfString(kFileFormat, source.fileName.c_str()));
    return pieces;
}

std::vector<std::string> statisticsPieces(
    const GraphReportSource& source, const measure::SetStatisticsTexts& texts)
{
    return { source.statisticsLabel, util::printfString(kAverageFormat, texts.average.c_str()),
        util::printfString(kMinimumFormat, texts.minimum.c_str()),
        util::printfString(kMaximumFormat, texts.maximum.c_str()),
        util::printfString(kUniformityFormat, texts.uniformity.c_str()) };
}

}  // namespace

void drawGraphReport(draw::Canvas& canvas, const GraphReportSource& source, const platform::Clock& clock)
{
    if (source.samples.empty()) {
        drawFrame(canvas);
        return;
    }
    drawCurve(canvas, source);
    cutCurveAtFrame(canvas);
    // After the fills, so that they leave the frame's lines whole.
    drawFrame(canvas);
    canvas.drawText(kTitleAt, kTitle, kTitleFont, kTextStyle);
    drawValueLabels(canvas, source.labels);
    drawTimeLabels(canvas, source, clock);
    drawGrid(canvas, source.gridColor);
    const measure::SetStatistics statistics
        = measure::setStatistics(source.samples, source.samplePeriodMs / platform::kMillisecondsPerSecond);
    const measure::SetStatisticsTexts texts = measure::setStatisticsTexts(statistics, source.footCandles);
    const int statisticsTop
        = drawTextFlow(canvas, kUnderFrameFlow, identityPieces(source, clock, texts), kIdentityTop);
    drawTextFlow(canvas, kUnderFrameFlow, statisticsPieces(source, texts), statisticsTop);
    canvas.drawText(kPrintDateAt, platform::formatTime(clock.toLocal(clock.now()), kPrintDateFormat),
        kTextFont, kTextStyle);
}

}  // namespace brivon::report
