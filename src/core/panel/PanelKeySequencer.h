#pragma once
// Presses the meter's keys for the panel's buttons. A key press closes the
// port, 50 ms later reopens it and sends the key command, and 300 ms after
// that restarts the link so that polling resumes. A deferred button waits
// 100 ms for a double click, which then sends its own code instead. An error
// of the serial control at any step ends the sequence there, silently.

#include "core/link/SerialLink.h"
#include "core/panel/PanelButtons.h"
#include "core/platform/Timers.h"

#include <cstdint>

namespace brivon::panel {

class PanelKeySequencer {
public:
    // Takes over the handler of `timers`, the panel's own window timers.
    PanelKeySequencer(link::SerialLink& link, platform::Timers& timers);

    void clicked(PanelButtonId id);
    void doubleClicked(PanelButtonId id);

    // The key code the next send step transmits.
    std::uint8_t pendingKey() const { return pendingKey_; }

private:
    void timerFired(int id);
    void closePortAndWaitToSend();
    void sendPendingKey();
    // False when the control raised an error.
    bool closePort();

    link::SerialLink& link_;
    platform::Timers& timers_;
    std::uint8_t pendingKey_ = 0;
};

}  // namespace brivon::panel
