#pragma once
// "Sample Rate Setup": the sampling period in whole seconds, at least one.

#include <QDialog>

#include <optional>

class QLineEdit;

namespace brivon::ui {

class SampleRateDialog : public QDialog {
    Q_OBJECT
public:
    explicit SampleRateDialog(QWidget* parent = nullptr);

    // Starts with the current period in seconds, or 1.
    void setCurrentPeriodMs(int periodMs);
    // The period OK sets, in milliseconds, and the "Sample Rate" text that goes with it.
    int periodMs() const;
    QString sampleRateText() const;
    QLineEdit& secondsEdit() { return *seconds_; }

    // Shows the dialog; the new period on OK, nothing on Cancel.
    static std::optional<int> ask(QWidget* parent, int currentPeriodMs);

private:
    QLineEdit* seconds_;
};

}  // namespace brivon::ui
