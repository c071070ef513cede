#pragma once
// A pseudo-terminal pair in raw mode, 9600 baud 8N1. The master end stays
// with its owner; the slave end is what a serial port client opens by path.
// One slave descriptor is kept open for the pair's lifetime, so the master
// keeps working while clients close and reopen the slave.

#include <string>

namespace brivon::sim {

class PseudoTerminal {
public:
    PseudoTerminal();  // throws std::system_error
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int masterFd() const { return master_; }  // non-blocking
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int keptSlave_ = -1;
    std::string slavePath_;
};
}  // namespace brivon::sim
