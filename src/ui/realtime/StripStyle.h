#pragma once
// Fonts and colours of the strips and setup dialogs around the real-time graph.

#include "core/draw/Canvas.h"

class QWidget;

namespace brivon::ui {

inline constexpr draw::Color kStripBackground = draw::kButtonFace;
inline constexpr draw::Color kScrollStripBackground = draw::rgb(100, 100, 100);
inline const draw::Font kStripFont { "Arial", -15, 0, 400 };  // 11 points
inline const draw::Font kYAxisDialogFont { "Arial", 13, 0, 500 };
inline const draw::Font kSampleRateDialogFont { "Arial", 15, 0, 500 };

// A strip paints its whole area in `color`, with black text.
void paintStripBackground(QWidget& strip, draw::Color color);

}  // namespace brivon::ui
