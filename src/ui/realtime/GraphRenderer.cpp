#include "ui/realtime/GraphRenderer.h"

#include "ui/draw/QtCanvas.h"

#include <QPainter>

namespace brivon::ui {
namespace {

QRect toQRect(const draw::Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

// Runs `draw` with the painter's origin at the surface's top left and clipped to it.
template <typename DrawFn> void onSurface(QPainter& painter, const draw::Rect& surface, DrawFn draw)
{
    if (surface.width() <= 0 || surface.height() <= 0) return;
    painter.save();
    painter.setClipRect(toQRect(surface));
    painter.translate(surface.left, surface.top);
    QtCanvas canvas(painter);
    draw(canvas);
    painter.restore();
}

}  // namespace

void GraphRenderer::render(
    QPainter& painter, const realtime::RealTimeFrame& frame, std::span<const float> samples)
{
    const graph::GraphGeometry& g = frame.geometry;
    const realtime::RealTimeGeometry& strips = frame.strips;
    painter.save();
    painter.translate(0, -kToolbarHeight);
    QtCanvas mainWindow(painter);
    painter_.paintMainWindowBands(mainWindow, frame);
    painter.restore();
    onSurface(painter, g.plot, [&](QtCanvas& canvas) { painter_.paintPlot(canvas, frame, samples); });
    onSurface(painter, strips.labelStrip, [&](QtCanvas& canvas) { painter_.paintLabelStrip(canvas, frame); });
    onSurface(painter, strips.rightStrip, [&](QtCanvas& canvas) { painter_.paintRightStrip(canvas, frame); });
}

}  // namespace brivon::ui
