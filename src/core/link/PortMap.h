#pragma once
// Port numbers 1-16 of the program's COM Port menu mapped to device paths.
// The defaults put the usual USB adapters on COM1-COM4 so that a meter on a
// USB cable is reachable from the menu; any number can be pointed at any
// path (command line, configuration file, tests, the simulated meter).

#include <array>
#include <optional>
#include <string>

namespace brivon::link {

class PortMap {
public:
    static constexpr int kPortCount = 16;

    PortMap();

    // The device path of port n, empty for a number outside 1-16.
    std::string pathFor(int portNumber) const;
    void setPath(int portNumber, std::string path);  // numbers outside 1-16 are ignored

private:
    std::array<std::string, kPortCount> paths_;
};

// "N=PATH" split into its number and path, or nothing when malformed.
std::optional<std::pair<int, std::string>> parsePortAssignment(const std::string& assignment);

}  // namespace brivon::link
