#include "core/panel/PanelKeySequencer.h"

#include "core/panel/PanelLayout.h"

namespace brivon::panel {

using namespace panel;

PanelKeySequencer::PanelKeySequencer(link::SerialLink& link, platform::Timers& timers)
    : link_(link)
    , timers_(timers)
{
    timers_.setHandler([this](int id) { timerFired(id); });
}

void PanelKeySequencer::clicked(PanelButtonId id)
{
    const PanelButton& button = panelButton(id);
    switch (button.handling) {
    case ClickHandling::Immediate:
        if (!closePort()) return;
        pendingKey_ = static_cast<std::uint8_t>(*button.clickKey);
        timers_.start(kSendTimer, kSendDelayMs);
        return;
    case ClickHandling::Deferred:
        pendingKey_ = static_cast<std::uint8_t>(*button.clickKey);
        timers_.start(kClickTimer, kClickDelayMs);
        return;
    case ClickHandling::None:
        return;
    }
}

void PanelKeySequencer::doubleClicked(PanelButtonId id)
{
    const PanelButton& button = panelButton(id);
    if (!button.doubleClickKey) return;
    pendingKey_ = static_cast<std::uint8_t>(*button.doubleClickKey);
    timers_.start(kDoubleClickTimer, kDoubleClickDelayMs);
}

void PanelKeySequencer::timerFired(int id)
{
    switch (id) {
    case kDoubleClickTimer:
    case kClickTimer:
        closePortAndWaitToSend();
        return;
    case kSendTimer:
        timers_.stop(kSendTimer);
        sendPendingKey();
        return;
    case kRestartTimer:
        timers_.stop(kRestartTimer);
        link_.restartLink();
        return;
    default:
        return;
    }
}

void PanelKeySequencer::closePortAndWaitToSend()
{
    // Whichever of click and double click ran out first, only one command goes.
    timers_.stop(kDoubleClickTimer);
    timers_.stop(kClickTimer);
    if (closePort()) timers_.start(kSendTimer, kSendDelayMs);
}

void PanelKeySequencer::sendPendingKey()
{
    try {
        platform::SerialPort& port = link_.port();
        if (!port.portOpen()) port.setPortOpen(true);
        link_.sendBytes(
            { link::protocol::kKeyCommandPrefix[0], link::protocol::kKeyCommandPrefix[1], pendingKey_ });
    } catch (const platform::SerialError&) {
        return;
    }
    timers_.start(kRestartTimer, kRestartDelayMs);
}

bool PanelKeySequencer::closePort()
{
    try {
        platform::SerialPort& port = link_.port();
        if (port.portOpen()) port.setPortOpen(false);
        return true;
    } catch (const platform::SerialError&) {
        return false;
    }
}

}  // namespace brivon::panel
