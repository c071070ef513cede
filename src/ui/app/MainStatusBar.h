#pragma once
// The main window's status bar: the link pane, the warnings pane (shown only
// while it has something to say), the read-out's time and value panes and
// the scroll-lock indicator.

#include <QString>

#include <array>

class QLabel;
class QStatusBar;

namespace brivon::ui {

class MainStatusBar {
public:
    explicit MainStatusBar(QStatusBar& bar);

    void setLinkText(const QString& text);
    // Empty hides the pane.
    void setWarningText(const QString& text);
    void setReadout(const QString& time, const QString& data);

    QString paneText(int pane) const;
    // The warnings pane while it shows a warning.
    const QLabel* visibleWarningPane() const;

private:
    std::array<QLabel*, 4> panes_ {};
    QLabel* warningPane_ = nullptr;
};

}  // namespace brivon::ui
