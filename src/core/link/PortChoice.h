#pragma once
// The rules of choosing a port by its device: the COM Port menu's entry text
// and the number "COM Port Setup" gives a device picked from the list of
// serial ports present.

#include "core/link/PortMap.h"

#include <functional>
#include <optional>
#include <string>

namespace brivon::link {

// True when `path` names a character device, as a serial port does.
bool devicePresent(const std::string& path);

// "COM1  /dev/ttyUSB0", with " (present)" after it when the device is there.
std::string portMenuText(int portNumber, const std::string& path, bool present);

// The number from 5 to 16 a picked device takes: the typed number when it is
// one of them, else the number the device is already mapped to, else the
// first number whose device is not present; nothing when every one is taken.
std::optional<int> numberForPickedDevice(const PortMap& map, const std::string& device,
    std::optional<int> typedNumber, const std::function<bool(const std::string&)>& present);

}  // namespace brivon::link
