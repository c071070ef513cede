#include "core/app/StatusBarTexts.h"

#include "core/util/Printf.h"

namespace brivon::app::status_bar {

std::string linkPaneText(const link::SerialLink& link, bool offline)
{
    const std::string port = util::printfString("COM%d: ", link.portNumber());
    if (!link.lastError().empty()) return port + link.lastError();
    return port + (offline ? "waiting for the meter" : "meter connected");
}

}  // namespace brivon::app::status_bar
