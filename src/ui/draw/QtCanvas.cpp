#include "ui/draw/QtCanvas.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

namespace brivon::ui {
namespace {

// Faces of the window system the layouts were drawn for, and the installed faces that match their metrics.
struct FaceSubstitute {
    const char* requested;
    const char* installed;
    int stretch;  // the installed face's own width class
};
constexpr FaceSubstitute kFaceSubstitutes[] = {
    { "Arial", "Liberation Sans", QFont::Unstretched },
    { "Narrow Arial", "Liberation Sans Narrow", QFont::Condensed },
    { " Narrow Arial", "Liberation Sans Narrow", QFont::Condensed },
};

// A font request of height 0 lets the face choose: the window system's default character height.
constexpr int kDefaultCharacterHeight = 13;
constexpr int kMinWeight = 100;
constexpr int kMaxWeight = 900;

// Dash patterns of the window system's cosmetic pens, in pen widths.
const QList<qreal> kDashPattern { 18, 6 };
const QList<qreal> kDotPattern { 3, 3 };
const QList<qreal> kDashDotPattern { 9, 6, 3, 6 };
const QList<qreal> kDashDotDotPattern { 9, 3, 3, 3, 3, 3 };

QColor toQColor(draw::Color color)
{
    return QColor(color.r, color.g, color.b);
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const FaceSubstitute* substituteFor(const std::string& face)
{
    for (const auto& substitute : kFaceSubstitutes)
        if (face == substitute.requested) return &substitute;
    return nullptr;
}

QString installedFace(const std::string& face)
{
    const FaceSubstitute* substitute = substituteFor(face);
    return substitute ? QString::fromLatin1(substitute->installed) : QString::fromStdString(face);
}

// The stretch Qt reports the face at: a condensed face is matched at its own width class.
int nativeStretch(const std::string& face)
{
    const FaceSubstitute* substitute = substituteFor(face);
    return substitute ? substitute->stretch : QFont::Unstretched;
}

const QImage& resourceImage(std::string_view name)
{
    static QHash<QString, QImage> cache;
    const QString key = toQString(name);
    auto found = cache.find(key);
    if (found == cache.end()) {
        QImage image(QStringLiteral(":/images/%1.png").arg(key));
        if (image.isNull()) image = QImage(QStringLiteral(":/images/%1.svg").arg(key));
        found = cache.insert(key, image);
    }
    return *found;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, PenWidthUnit penWidthUnit)
    : painter_(painter)
    , penWidthUnit_(penWidthUnit)
{
}

QFont QtCanvas::toQFont(const draw::Font& font)
{
    QFont result(installedFace(font.face));
    const int requested = font.height == 0 ? -kDefaultCharacterHeight : font.height;
    result.setPixelSize(std::abs(requested));
    if (requested > 0) {
        // A positive height is the whole cell (ascent + descent): shrink the character to fit it.
        const int cell = QFontMetrics(result).height();
        if (cell > 0) result.setPixelSize(std::max(1, requested * requested / cell));
    }
    result.setWeight(font.weight == 0
            ? QFont::Normal
            : static_cast<QFont::Weight>(std::clamp(font.weight, kMinWeight, kMaxWeight)));
    // The requested average character width, measured at the final weight.
    if (font.width > 0) {
        const int average = QFontMetrics(result).averageCharWidth();
        if (average > 0)
            result.setStretch(std::clamp(nativeStretch(font.face) * font.width / average, 1, 4000));
    }
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

QPen QtCanvas::toQPen(const draw::Pen& pen, PenWidthUnit unit)
{
    QPen result(toQColor(pen.color), pen.width);
    // In device pixels, width 0 is the one-pixel cosmetic pen, as it is for the window system.
    if (unit == PenWidthUnit::DevicePixel) {
        result.setWidth(pen.width <= 1 ? 0 : pen.width);
        result.setCosmetic(true);
    }
    result.setCapStyle(Qt::FlatCap);
    result.setJoinStyle(Qt::MiterJoin);
    switch (pen.style) {
    case draw::PenStyle::Solid:
        result.setStyle(Qt::SolidLine);
        break;
    case draw::PenStyle::Dash:
        result.setDashPattern(kDashPattern);
        break;
    case draw::PenStyle::Dot:
        result.setDashPattern(kDotPattern);
        break;
    case draw::PenStyle::DashDot:
        result.setDashPattern(kDashDotPattern);
        break;
    case draw::PenStyle::DashDotDot:
        result.setDashPattern(kDashDotDotPattern);
        break;
    }
    return result;
}

const QFont& QtCanvas::cachedFont(const draw::Font& font) const
{
    if (!hasLastFont_ || !(lastFont_ == font)) {
        lastFont_ = font;
        lastQFont_ = toQFont(font);
        hasLastFont_ = true;
    }
    return lastQFont_;
}

template <typename DrawFn> void QtCanvas::withPen(const draw::Pen& pen, DrawFn draw)
{
    const QPainter::CompositionMode previousMode = painter_.compositionMode();
    const bool previousAntialiasing = painter_.testRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(toQPen(pen, penWidthUnit_));
    painter_.setBrush(Qt::NoBrush);
    if (pen.op == draw::RasterOp::NotXorPen)
        painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    draw();
    painter_.setCompositionMode(previousMode);
    painter_.setRenderHint(QPainter::Antialiasing, previousAntialiasing);
}

void QtCanvas::fillRect(const draw::Rect& rect, draw::Color color)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter_.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()), toQColor(color));
}

void QtCanvas::drawRect(const draw::Rect& rect, const draw::Pen& pen)
{
    if (rect.width() <= 0 || rect.height() <= 0) return;
    // A one-pixel QPainter outline of (w - 1) x (h - 1) covers exactly left..right-1 and top..bottom-1.
    withPen(pen, [&] { painter_.drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1)); });
}

void QtCanvas::drawLine(draw::Point from, draw::Point to, const draw::Pen& pen)
{
    withPen(pen, [&] { painter_.drawLine(from.x, from.y, to.x, to.y); });
}

void QtCanvas::drawPolyline(std::span<const draw::Point> points, const draw::Pen& pen)
{
    if (points.size() < 2) return;
    QPolygon polygon(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    withPen(pen, [&] { painter_.drawPolyline(polygon); });
}

void QtCanvas::drawText(
    draw::Point at, std::string_view text, const draw::Font& font, const draw::TextStyle& style)
{
    const QFont& qfont = cachedFont(font);
    const QFontMetrics metrics(qfont);
    const QString qtext = toQString(text);
    const int width = metrics.horizontalAdvance(qtext);
    int left = at.x;
    if (style.align == draw::TextAlign::Center) left -= width / 2;
    if (style.align == draw::TextAlign::Right) left -= width;
    if (style.background)
        painter_.fillRect(QRect(left, at.y, width, metrics.height()), toQColor(*style.background));
    painter_.setFont(qfont);
    painter_.setPen(toQColor(style.color));
    painter_.drawText(QPoint(left, at.y + metrics.ascent()), qtext);
}

void QtCanvas::drawImage(draw::Point at, std::string_view imageName)
{
    const QImage& image = resourceImage(imageName);
    if (!image.isNull()) painter_.drawImage(QPoint(at.x, at.y), image);
}

int QtCanvas::textWidth(std::string_view text, const draw::Font& font) const
{
    return QFontMetrics(cachedFont(font)).horizontalAdvance(toQString(text));
}

}  // namespace brivon::ui
