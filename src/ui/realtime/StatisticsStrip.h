#pragma once
// The strip below the graph: maximum, minimum and average of the readings and
// the times of the maximum and minimum, as the receive handler formats them.

#include "core/link/MeterStatistics.h"

#include <QWidget>

class QLineEdit;

namespace brivon::ui {

class StatisticsStrip : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsStrip(QWidget* parent = nullptr);

    void setStatistics(const link::StatisticsTexts& texts);
    link::StatisticsTexts statistics() const;

private:
    QLineEdit* maximum_;
    QLineEdit* maximumTime_;
    QLineEdit* minimum_;
    QLineEdit* minimumTime_;
    QLineEdit* average_;
};

}  // namespace brivon::ui
