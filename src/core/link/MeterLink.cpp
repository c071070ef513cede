#include "core/link/MeterLink.h"

namespace brivon::link {

MeterLink::MeterLink(
    platform::SerialPort& port, platform::Timers& mainTimers, const platform::Clock& clock, ReceiveSink& sink)
    : clock_(clock)
    , sink_(sink)
    , link_(port)
    , commands_(link_)
    , receiveHandler_(link_, decoder_, statistics_, mainTimers, clock, *this)
{
    port.setEventHandler([this] { receiveHandler_.onCommEvent(); });
    link_.setOfflineHandler([this] {
        offline_ = true;
        decoder_.rearmBatteryWatch();
        decoder_.forgetHeldReading();
        if (offlineHandler_) offlineHandler_();
    });
}

void MeterLink::measurementReceived(const MeasurementUpdate& update)
{
    offline_ = false;
    frameSeen_ = true;
    sink_.measurementReceived(update);
}

}  // namespace brivon::link
