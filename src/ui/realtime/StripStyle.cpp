#include "ui/realtime/StripStyle.h"

#include <QPalette>
#include <QWidget>

namespace brivon::ui {

void paintStripBackground(QWidget& strip, draw::Color color)
{
    QPalette palette = strip.palette();
    const QColor background(color.r, color.g, color.b);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    strip.setPalette(palette);
    strip.setAutoFillBackground(true);
}

}  // namespace brivon::ui
