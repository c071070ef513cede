#pragma once
// The page every report is laid out on, and what the three reports share.
//
// Report coordinates: one unit is 0.01 inch, y grows upwards, and the origin is
// the bottom-right corner of the printable area, so positions have x <= 0 and
// y >= 0. A Rect in report coordinates has its upper edge in `top` (top >
// bottom). The printing side maps these coordinates onto its device.

#include "core/draw/Canvas.h"

namespace brivon::report {

inline constexpr int kUnitsPerInch = 100;
// The area the layouts use: 8 inches wide, 11.3 inches high.
inline constexpr int kPageWidth = 800;
inline constexpr int kPageHeight = 1130;

inline constexpr const char* kFontFace = "Arial";
inline constexpr int kFontWeight = 100;

inline const draw::Font kTitleFont { kFontFace, -40, 0, kFontWeight };
inline const draw::Font kTextFont { kFontFace, -15, 0, kFontWeight };
inline const draw::Font kTableFont { kFontFace, -10, 0, kFontWeight };

inline constexpr draw::Color kBlack = draw::rgb(0, 0, 0);
inline constexpr draw::Color kWhite = draw::rgb(255, 255, 255);

inline const draw::Pen kOutlinePen { draw::PenStyle::Solid, 2, kBlack };
// Black text on a transparent background.
inline const draw::TextStyle kTextStyle { kBlack, draw::TextAlign::Left, std::nullopt };

}  // namespace brivon::report
