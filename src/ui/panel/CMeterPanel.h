#pragma once
// The meter panel: the drawn replica of the meter on the left edge of the main
// window. It shows the display texts it is given, paints them over the meter
// face, and presses the meter's keys through the serial link when its picture
// buttons are clicked. It never reads the port itself.

#include "core/link/Reading.h"
#include "core/link/SerialLink.h"
#include "core/panel/PanelButtons.h"
#include "core/panel/PanelDisplay.h"
#include "core/panel/PanelKeySequencer.h"
#include "core/panel/PanelPainter.h"
#include "core/platform/Timers.h"

#include <QBrush>
#include <QDialog>

#include <array>
#include <memory>

namespace brivon::ui {

class PictureButton;

class CMeterPanel : public QDialog {
    Q_OBJECT
public:
    // A child of `parent` without caption or border, on its own window timers.
    explicit CMeterPanel(link::SerialLink& link, QWidget* parent = nullptr);
    // The same on timers the caller owns (tests drive them on virtual time).
    CMeterPanel(link::SerialLink& link, platform::Timers& timers, QWidget* parent = nullptr);
    ~CMeterPanel() override;

    // At x = 0, y = 31 of the parent's client area, the panel's width, the client height less 50.
    void placeInClientArea(int clientHeight);

    // A decoded frame: its texts and bar count; the display is repainted.
    void showReading(const link::Reading& reading);
    // The download status line.
    void setStatusText(const std::string& text);
    // "OFFLINE" instead of the reading while set (set at start).
    void setOffline(bool offline);

    const panel::PanelDisplay& display() const { return display_; }
    PictureButton* button(panel::PanelButtonId id) const;

signals:
    // The POWEROFF key: the meter's key sequence sends nothing for it; the main window may bind it.
    void powerOffClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // On `externalTimers`, or on timers of its own when null.
    CMeterPanel(link::SerialLink& link, platform::Timers* externalTimers, QWidget* parent);
    void createButtons();
    void repaintDisplay();

    std::unique_ptr<platform::Timers> ownTimers_;
    panel::PanelKeySequencer keys_;
    panel::PanelDisplay display_;
    panel::PanelPainter painter_;
    QBrush faceBrush_;
    std::array<PictureButton*, panel::kPanelButtonCount> buttons_ {};  // in the order of panelButtons()
};

}  // namespace brivon::ui
