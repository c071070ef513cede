#include "support/PtyPair.h"

#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

namespace brivon::support {

PtyPair::PtyPair()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    slavePath_ = ptsname(master_);
    slaveKeeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    termios raw {};
    tcgetattr(slaveKeeper_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slaveKeeper_, TCSANOW, &raw);
}

PtyPair::~PtyPair()
{
    if (slaveKeeper_ >= 0) ::close(slaveKeeper_);
    if (master_ >= 0) ::close(master_);
}

void PtyPair::write(const platform::Bytes& bytes)
{
    if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("pseudo-terminal write failed");
}

platform::Bytes PtyPair::readAvailable()
{
    platform::Bytes all;
    std::uint8_t chunk[256];
    ssize_t n = 0;
    while ((n = ::read(master_, chunk, sizeof chunk)) > 0)
        all.insert(all.end(), chunk, chunk + n);
    return all;
}

}  // namespace brivon::support
