// Draws the meter panel's pictures: the meter face and one picture per key,
// cut from the same drawing so that each key matches the face under it.
//
// Build and run from the checkout's root:
//   g++ -std=c++20 -fPIC -Isrc res/images/draw-artwork.cpp src/core/panel/PanelButtons.cpp
//       $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw-artwork   (one command line)
//   QT_QPA_PLATFORM=offscreen /tmp/draw-artwork res/images

#include "core/panel/PanelButtons.h"
#include "core/panel/PanelLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

using brivon::PanelButton;
using brivon::PanelButtonId;

const QColor kMargin(217, 218, 212);
const QColor kBodyLight(84, 94, 110);
const QColor kBodyDark(44, 50, 60);
const QColor kBezel(28, 32, 38);
const QColor kKeypad(64, 72, 86);
const QColor kPrint(232, 236, 240);
const QColor kAccent(250, 190, 40);
const QColor kKeyGrey(196, 202, 210);
const QColor kKeyBlue(120, 164, 214);
const QColor kKeyYellow(246, 204, 70);
const QColor kKeyRed(214, 70, 60);
const QColor kKeyText(24, 28, 34);

// A margin of at least 8 pixels on the left: the panel is 8 pixels wider than the face, which repeats there.
const QRect kBody(10, 14, 198, 580);
const QRect kDisplayBezel(42, 115, 134, 167);
const QRect kKeypadArea(40, 283, 140, 266);
constexpr int kCornerRadius = 22;
const char* kSans = "Liberation Sans";
const char* kNarrow = "Liberation Sans Narrow";

QRect rectOf(const panel::PanelButton& b)
{
    return QRect(b.position.x, b.position.y, b.width, b.height);
}

QFont font(const char* face, int pixels, bool bold)
{
    QFont f(QString::fromLatin1(face));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void drawBody(QPainter& p)
{
    p.fillRect(0, 0, brivon::panel::kFaceWidth, brivon::panel::kFaceHeight, kMargin);

    // The sensor cable leaving the top of the meter.
    p.fillRect(QRect(101, 0, 16, kBody.top() + 4), kBezel);
    p.fillRect(QRect(98, kBody.top() - 4, 22, 8), kBodyDark);

    QLinearGradient shade(kBody.topLeft(), kBody.topRight());
    shade.setColorAt(0.0, kBodyDark);
    shade.setColorAt(0.25, kBodyLight);
    shade.setColorAt(0.75, kBodyLight);
    shade.setColorAt(1.0, kBodyDark);
    QPainterPath body;
    body.addRoundedRect(kBody, kCornerRadius, kCornerRadius);
    p.fillPath(body, shade);
    p.setPen(QPen(kBezel, 2));
    p.drawPath(body);
}

void drawTitle(QPainter& p)
{
    p.setPen(kAccent);
    p.setFont(font(kSans, 22, true));
    p.drawText(QRect(kBody.left(), 34, kBody.width(), 28), Qt::AlignHCenter, QStringLiteral("Tolvy"));
    p.setPen(kPrint);
    p.setFont(font(kNarrow, 12, true));
    p.drawText(QRect(kBody.left(), 66, kBody.width(), 16), Qt::AlignHCenter, QStringLiteral("QV731"));
    p.setFont(font(kNarrow, 10, false));
    p.drawText(
        QRect(kBody.left(), 84, kBody.width(), 14), Qt::AlignHCenter, QStringLiteral("DIGITAL LIGHT METER"));
}

void drawDisplayWindow(QPainter& p)
{
    QPainterPath bezel;
    bezel.addRoundedRect(kDisplayBezel, 8, 8);
    p.fillPath(bezel, kBezel);
    const auto& d = brivon::panel::kDisplayRect;
    p.fillRect(QRect(d.left, d.top, d.width(), d.height()), QColor(168, 191, 163));
}

void drawKeypad(QPainter& p)
{
    QPainterPath pad;
    pad.addRoundedRect(kKeypadArea, 14, 14);
    p.fillPath(pad, kKeypad);
    p.setPen(QPen(kBezel, 1));
    p.drawPath(pad);
}

void drawFoot(QPainter& p)
{
    // Speaker grille and the serial jack near the bottom.
    p.setPen(QPen(kBezel, 2));
    for (int x = 60; x <= 100; x += 8)
        p.drawLine(x, 566, x, 582);
    p.setBrush(kBezel);
    p.drawEllipse(QPoint(150, 574), 9, 9);
    p.setPen(kPrint);
    p.setFont(font(kNarrow, 8, false));
    p.drawText(QRect(130, 584, 40, 10), Qt::AlignHCenter, QStringLiteral("RS-232"));
    p.setBrush(Qt::NoBrush);
}

QColor keyColor(panel::PanelButtonId id)
{
    switch (id) {
    case panel::PanelButtonId::Hold:
        return kKeyYellow;
    case panel::PanelButtonId::PowerOff:
        return kKeyRed;
    case panel::PanelButtonId::MemSet:
    case panel::PanelButtonId::Load:
        return kKeyBlue;
    default:
        return kKeyGrey;
    }
}

// Multi-word labels go on two lines on the narrow keys.
QString keyLabel(const panel::PanelButton& b)
{
    QString label = QString::fromLatin1(b.label);
    if (b.id == panel::PanelButtonId::MemSet) return QStringLiteral("MEM\nSET");
    if (b.id == panel::PanelButtonId::MaxMin) return QStringLiteral("MAX\nMIN");
    return label;
}

void drawPowerSymbol(QPainter& p, const QRectF& key)
{
    const QPointF centre = key.center();
    const qreal radius = key.width() * 0.26;
    p.setPen(QPen(kPrint, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(
        QRectF(centre.x() - radius, centre.y() - radius + 1, 2 * radius, 2 * radius), 120 * 16, 300 * 16);
    p.drawLine(QPointF(centre.x(), centre.y() - radius - 2), QPointF(centre.x(), centre.y()));
}

void drawKey(QPainter& p, const panel::PanelButton& b)
{
    const QRectF key = QRectF(rectOf(b)).adjusted(1.5, 1.5, -1.5, -1.5);
    const QColor base = keyColor(b.id);
    QLinearGradient shade(key.topLeft(), key.bottomLeft());
    shade.setColorAt(0.0, base.lighter(125));
    shade.setColorAt(1.0, base.darker(125));
    QPainterPath cap;
    const qreal radius = b.id == panel::PanelButtonId::PowerOff ? key.width() / 2 : 6;
    cap.addRoundedRect(key, radius, radius);
    p.fillPath(cap, shade);
    p.setPen(QPen(kBezel, 1));
    p.drawPath(cap);

    if (b.id == panel::PanelButtonId::PowerOff) {
        drawPowerSymbol(p, key);
        return;
    }
    p.setPen(kKeyText);
    p.setFont(font(kNarrow, 8, true));
    p.drawText(key, Qt::AlignCenter, keyLabel(b));
}

void drawKeys(QPainter& p)
{
    for (const panel::PanelButton& b : brivon::panelButtons())
        drawKey(p, b);
    // The POWER key carries a symbol; its name is printed beside it.
    const panel::PanelButton& power = brivon::panelButton(panel::PanelButtonId::PowerOff);
    p.setPen(kPrint);
    p.setFont(font(kNarrow, 8, true));
    p.drawText(
        QRect(power.position.x - 44, power.position.y + 10, 40, 12), Qt::AlignRight, QStringLiteral("POWER"));
}

bool save(const QImage& image, const QString& directory, const char* name)
{
    const QString path = QStringLiteral("%1/%2.png").arg(directory, QString::fromLatin1(name));
    if (image.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);

    QImage face(brivon::panel::kFaceWidth, brivon::panel::kFaceHeight, QImage::Format_RGB888);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBody(p);
    drawTitle(p);
    drawDisplayWindow(p);
    drawKeypad(p);
    drawFoot(p);
    drawKeys(p);
    p.end();

    bool ok = save(face, directory, "meter-face");
    for (const panel::PanelButton& b : brivon::panelButtons())
        ok = save(face.copy(rectOf(b)), directory, b.imageName) && ok;
    return ok ? 0 : 1;
}
