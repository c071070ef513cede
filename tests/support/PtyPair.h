#pragma once
// A raw pseudo-terminal pair: tests play the device on the master side and
// open the slave path through the program's serial port class.

#include "core/platform/SerialPort.h"

#include <string>

namespace brivon::support {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    void write(const platform::Bytes& bytes);
    // Every byte the slave side has written so far (non-blocking).
    platform::Bytes readAvailable();

private:
    int master_ = -1;
    int slaveKeeper_ = -1;  // keeps the pair alive while the program closes and reopens the slave
    std::string slavePath_;
};

}  // namespace brivon::support
