#pragma once
// A push button drawn from its picture, the same picture in every state, at a
// fixed place in its parent. While it is held down the mouse shows the hand
// cursor (unless made without). A double click is reported on its own and is
// not also taken as a second press.

#include <QAbstractButton>
#include <QPixmap>

namespace brivon::ui {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // `picture` is drawn over the whole of `geometry`, in parent coordinates.
    PictureButton(
        const QPixmap& picture, const QRect& geometry, bool handCursorWhilePressed, QWidget* parent);

    QSize sizeHint() const override { return size(); }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace brivon::ui
