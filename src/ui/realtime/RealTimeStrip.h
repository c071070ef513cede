#pragma once
// The strip above the graph: run start time, reading count, battery state,
// sample rate, and the "Y Axis" button that opens the axis setup.

#include "core/realtime/RunStripTexts.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace brivon::ui {

class RealTimeStrip : public QWidget {
    Q_OBJECT
public:
    explicit RealTimeStrip(QWidget* parent = nullptr);

    void setTexts(const realtime::RunStripTexts& texts);

    QString startTime() const;
    QString dataNo() const;
    QString batteryState() const;
    QString sampleRate() const;
    QPushButton& yAxisButton() { return *yAxis_; }

signals:
    void yAxisClicked();

private:
    QLineEdit* startTime_;
    QLineEdit* dataNo_;
    QLineEdit* battery_;
    QLineEdit* sampleRate_;
    QPushButton* yAxis_;
};

// A read-only text field of an information strip.
QLineEdit* makeStripField(QWidget* parent, const char* name);

}  // namespace brivon::ui
