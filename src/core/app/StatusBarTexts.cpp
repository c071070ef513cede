#include "core/app/StatusBarTexts.h"

#include "core/util/Printf.h"

namespace brivon::status_bar {

std::string linkPaneText(const SerialLink& link, bool offline)
{
    const std::string port = printfString("COM%d: ", link.portNumber());
    if (!link.lastError().empty()) return port + link.lastError();
    return port + (offline ? "waiting for the meter" : "meter connected");
}

}  // namespace brivon::status_bar
