#include "core/link/MeterLink.h"

namespace brivon::link {

MeterLink::MeterLink(
    platform::SerialPort& port, platform::Timers& mainTimers, const platform::Clock& clock, ReceiveSink& sink)
    : clock_(clock)
    , link_(port)
    , commands_(link_)
    , receiveHandler_(link_, decoder_, statistics_, mainTimers, clock, sink)
{
    port.setEventHandler([this] { receiveHandler_.onCommEvent(); });
    link_.setOfflineHandler([this] {
        decoder_.rearmBatteryWatch();
        decoder_.forgetHeldReading();
        if (offlineHandler_) offlineHandler_();
    });
}

}  // namespace brivon::link
