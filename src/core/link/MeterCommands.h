#pragma once
// Everything the program sends to the meter: poll, the two dump requests, key
// commands, the exit command and power-off, each with its port preparation.
// A command that meets an error of the control is dropped silently.

#include "core/link/MeterProtocol.h"
#include "core/link/SerialLink.h"

namespace brivon::link {

enum class DumpKind { Memory, DataLogger };

class MeterCommands {
public:
    explicit MeterCommands(SerialLink& link)
        : link_(link)
    {
    }

    // The poll timer's expiry: 0x11, then pending output discarded.
    void poll();
    // Reopen, discard input and output, threshold 1352 or 5, then 0x12 or 0x13.
    // False when reopening failed.
    bool requestDump(DumpKind kind);
    // A key command begins by closing the port.
    void closeForKey();
    // 50 ms after closeForKey: open if closed, send 87 83 k.
    void sendKey(protocol::Key key);
    // At program close: reopen, InputLen 0, discard both buffers, 87 83 15.
    void sendExit();
    // Open if closed, then 55 AA 03 three times.
    void powerOff();

private:
    SerialLink& link_;
};

}  // namespace brivon::link
