#pragma once
// The strip under the plot with the horizontal scroll bar of a zoomed view.
// It is disabled until the view zooms, and again by UndoZoom.

#include <QWidget>

class QScrollBar;

namespace brivon::ui {

class ScrollStrip : public QWidget {
    Q_OBJECT
public:
    explicit ScrollStrip(QWidget* parent = nullptr);

    // Zoomed: the bar ranges over the samples; a step is one sample, a page one screen.
    void setRange(int maximum, int samplesPerScreen);
    void setPosition(int position);
    void disableScrolling();

    QScrollBar& scrollBar() { return *bar_; }

signals:
    // The user moved the thumb, by dragging it or by a line or page step.
    void scrolled(int position);

private:
    QScrollBar* bar_;
};

}  // namespace brivon::ui
