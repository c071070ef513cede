#include "ui/panel/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace brivon::ui {

PictureButton::PictureButton(
    const QPixmap& picture, const QRect& geometry, bool handCursorWhilePressed, QWidget* parent)
    : QAbstractButton(parent)
    , picture_(picture)
{
    setGeometry(geometry);
    if (handCursorWhilePressed) {
        connect(this, &QAbstractButton::pressed, this, [this] { setCursor(Qt::PointingHandCursor); });
        connect(this, &QAbstractButton::released, this, [this] { unsetCursor(); });
    }
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    emit doubleClicked();
}

}  // namespace brivon::ui
