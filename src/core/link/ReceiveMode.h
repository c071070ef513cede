#pragma once
// What the receive handler expects from the meter: measurement frames, or one
// of the two stored-data dumps.

namespace brivon::link {

enum class ReceiveMode {
    Listening,  // measurement frames are decoded and polls paced
    Memory,  // a memory dump is expected
    Logger,  // a data-logger header and dump are expected
};

}  // namespace brivon::link
