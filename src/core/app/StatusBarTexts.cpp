#include "core/app/StatusBarTexts.h"

#include "core/platform/SerialPort.h"
#include "core/util/Printf.h"

namespace brivon::app::status_bar {

namespace {

constexpr const char* kNoSuchDevice = "no such device";
constexpr const char* kNoAnswerSince = "no answer since ";
constexpr const char* kWaiting = "waiting for the meter";
constexpr const char* kConnected = "meter connected";
constexpr const char* kClockFormat = "%H:%M:%S";
constexpr const char* kWarningSeparator = "; ";

std::string portName(const LinkState& state)
{
    std::string name = util::printfString("COM%d", state.portNumber);
    if (!state.devicePath.empty()) name += " (" + state.devicePath + ")";
    return name + ": ";
}

std::string linkCondition(const LinkState& state)
{
    if (state.lastError == platform::kInvalidPortNumber) return kNoSuchDevice;
    if (!state.lastError.empty()) return state.lastError;
    if (state.noAnswerSince) return kNoAnswerSince + platform::formatTime(*state.noAnswerSince, kClockFormat);
    return state.offline ? kWaiting : kConnected;
}

}  // namespace

std::string linkPaneText(const LinkState& state)
{
    return portName(state) + linkCondition(state);
}

std::string warningPaneText(
    const std::optional<std::string>& settingsProblem, const std::optional<std::string>& journalProblem)
{
    std::string text = settingsProblem.value_or("");
    if (journalProblem) text += (text.empty() ? "" : kWarningSeparator) + *journalProblem;
    return text;
}

}  // namespace brivon::app::status_bar
