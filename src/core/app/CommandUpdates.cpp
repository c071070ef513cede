#include "core/app/CommandUpdates.h"

#include "core/app/CommandIds.h"

namespace brivon::app {

std::optional<CommandState> commandUpdate(int id, const CommandInputs& in)
{
    using namespace command_ids;
    if (id >= kCom1 && id <= kCom4) {
        const int port = id - kCom1 + link::SerialLink::kFirstPort;
        return CommandState { in.link.isMenuPortEnabled(port), in.link.isChecked(port) };
    }
    switch (id) {
    case kRun:
    case kPowerOff:
        return CommandState { in.runControl.idleFrame() };
    case kStop:
        return CommandState { in.runControl.runFlag() };
    case kSave:
    case kExportCsv:
    case kPrint:
        return CommandState { in.run.sampleCount() >= 1 };
    case kOtherCom:
        return CommandState { in.link.isOtherComEnabled() };
    case kDataLogger:
        return CommandState { !in.offline };
    case kOpen:
        return CommandState { !in.loggerWindowOpen };
    case kMem:
    case kResetStatistics:
    case kHelpContents:
    case kAbout:
        return CommandState {};
    default:
        return std::nullopt;
    }
}

}  // namespace brivon::app
