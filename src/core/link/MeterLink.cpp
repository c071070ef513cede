#include "core/link/MeterLink.h"

namespace brivon {

MeterLink::MeterLink(SerialPort& port, Timers& mainTimers, const Clock& clock, ReceiveSink& sink)
    : link_(port, modes_)
    , commands_(link_)
    , receiveHandler_(link_, modes_, decoder_, statistics_, mainTimers, clock, sink)
{
    port.setEventHandler([this] { receiveHandler_.onCommEvent(); });
    link_.setOfflineHandler([this] {
        decoder_.rearmBatteryWatch();
        if (offlineHandler_) offlineHandler_();
    });
}

}  // namespace brivon
