#pragma once
// Paints the meter panel's display: the display window, the strip under the
// meter, and either "OFFLINE" or the meter's texts and arc bar graph.

#include "core/draw/Canvas.h"
#include "core/panel/PanelArc.h"
#include "core/panel/PanelDisplay.h"

namespace brivon::panel {

class PanelPainter {
public:
    // `clientWidth` and `clientHeight` are the panel's client size.
    void paint(draw::Canvas& canvas, const PanelDisplay& display, int clientWidth, int clientHeight) const;

private:
    void paintTexts(draw::Canvas& canvas, const PanelTexts& texts) const;
    void paintArc(draw::Canvas& canvas, int barCount) const;

    PanelArc arc_;
};

}  // namespace brivon::panel
