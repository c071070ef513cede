#pragma once
// Geometry, colours, fonts and timing of the meter panel: the drawn replica of
// the meter on the left edge of the main window.

#include "core/draw/Canvas.h"

namespace brivon::panel {

// The panel window and its background picture.
inline constexpr int kPanelWidth = 228;
inline constexpr int kFaceWidth = 220;
inline constexpr int kFaceHeight = 620;

// The meter's display window; a new reading repaints only this rectangle.
inline constexpr draw::Rect kDisplayRect { 52, 125, 166, 275 };
inline constexpr draw::Color kDisplayColor = draw::rgb(168, 191, 163);
// The strip under the meter, down to the bottom of the panel.
inline constexpr int kBottomStripTop = 600;
inline constexpr draw::Color kBottomStripColor = draw::kWindowBackground;

inline constexpr draw::Color kTextColor = draw::rgb(0, 0, 0);
inline constexpr draw::Color kOfflineColor = draw::rgb(255, 0, 0);

// Faces as the layout names them; the Qt canvas maps them onto installed fonts.
inline constexpr const char* kNarrowFace = "Narrow Arial";
inline constexpr const char* kSmallNarrowFace = " Narrow Arial";
inline constexpr const char* kLabelFace = "Arial";
inline constexpr int kBold = 700;

inline const draw::Font kOfflineFont { kNarrowFace, 60, 13, kBold };
inline const draw::Font kReadingFont { kNarrowFace, 60, 15, kBold };
inline const draw::Font kLabelFont { kLabelFace, -9, 0, 0 };
inline const draw::Font kSmallFont { kSmallNarrowFace, -7, 0, 0 };
inline const draw::Font kClockFont { kNarrowFace, -20, 6, kBold };

inline constexpr const char* kOfflineText = "OFFLINE";
inline constexpr draw::Point kOfflineAt { 53, 160 };
// "OFFLINE" keeps the same margin from the display's right edge as from its left.
inline constexpr int kOfflineRoom = kDisplayRect.right - kOfflineAt.x - (kOfflineAt.x - kDisplayRect.left);

// The reading is right-aligned by its character count: x = right - advance * count.
inline constexpr int kReadingRight = 145;
inline constexpr int kReadingAdvance = 15;
inline constexpr int kReadingTop = 190;

inline constexpr draw::Point kUnitAt { 140, 250 };
inline constexpr draw::Point kHoldAt { 58, 263 };
inline constexpr draw::Point kManualAt { 60, 250 };
inline constexpr draw::Point kBrandAt { 130, 150 };
inline constexpr draw::Point kMemoryFlagAt { 110, 130 };
inline constexpr draw::Point kStatusAt { 120, 160 };
inline constexpr draw::Point kClockLabelAt { 60, 135 };
inline constexpr draw::Point kModeAt { 90, 252 };
inline constexpr draw::Point kRangeAt { 117, 250 };
inline constexpr draw::Point kClockAt { 60, 145 };
inline constexpr draw::Point kMemoryNumberAt { 133, 125 };

// The range text is underlined from its left edge to 3 pixels a character past x = 120.
inline constexpr int kRangeUnderlineY = 258;
inline constexpr int kRangeUnderlineBase = 120;
inline constexpr int kRangeUnderlineAdvance = 3;

// Texts of the display that are not the meter's own.
inline constexpr const char* kManualText = "Manu";
inline constexpr const char* kNoModeText = "    ";
inline constexpr const char* kBrandText = "Tolvy";

// The arc bar graph: 41 ticks from -20 to +20 degrees around a centre below the display.
inline constexpr int kTickCount = 41;
inline constexpr int kLastTick = kTickCount - 1;
inline constexpr int kMiddleTick = 20;
inline constexpr float kDegreesToRadians = 0.017453292f;
inline constexpr float kArcCentreX = 109.0f;
inline constexpr float kArcCentreY = 335.0f;
inline constexpr float kArcMirrorX = 218.0f;  // x of tick 40 - k is this minus x of tick k
inline constexpr float kShortRadius = 145.0f;
inline constexpr float kLongRadius = 157.0f;  // every fifth tick
inline constexpr float kMiddleRadius = 153.0f;  // the others
inline constexpr int kLongTickEvery = 5;
inline constexpr int kLabelEvery = 10;
inline constexpr draw::Point kFirstLabelOffset { -2, -6 };
inline constexpr draw::Point kInnerLabelOffset { -4, -6 };
inline constexpr draw::Point kLastLabelOffset { -5, -7 };

// Window timers of a key press.
inline constexpr int kDoubleClickTimer = 1;
inline constexpr int kClickTimer = 2;
inline constexpr int kSendTimer = 3;
inline constexpr int kRestartTimer = 4;
inline constexpr int kDoubleClickDelayMs = 10;
inline constexpr int kClickDelayMs = 100;  // a double click inside this wins over the click
inline constexpr int kSendDelayMs = 50;
inline constexpr int kRestartDelayMs = 300;

}  // namespace brivon::panel
