#include "sim/PseudoTerminal.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace brivon::sim {
namespace {

constexpr std::size_t kPathCapacity = 128;

[[noreturn]] void fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

void makeRaw(int fd)
{
    termios settings {};
    if (tcgetattr(fd, &settings) != 0) fail("tcgetattr");
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &settings) != 0) fail("tcsetattr");
}
}  // namespace

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) fail("posix_openpt");
    try {
        if (grantpt(master_) != 0) fail("grantpt");
        if (unlockpt(master_) != 0) fail("unlockpt");
        std::array<char, kPathCapacity> name {};
        if (ptsname_r(master_, name.data(), name.size()) != 0) fail("ptsname_r");
        slavePath_ = name.data();
        keptSlave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
        if (keptSlave_ < 0) fail("open pseudo-terminal slave");
        makeRaw(keptSlave_);
    } catch (...) {
        if (keptSlave_ >= 0) close(keptSlave_);
        close(master_);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal()
{
    close(keptSlave_);
    close(master_);
}

}  // namespace brivon::sim
