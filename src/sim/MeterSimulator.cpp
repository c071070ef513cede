#include "sim/MeterSimulator.h"

#include "core/link/MeterProtocol.h"
#include "sim/DumpEncoder.h"

#include <algorithm>

namespace brivon::sim {

std::vector<Burst> MeterSimulator::receive(std::span<const std::uint8_t> bytes)
{
    std::vector<Burst> out;
    if (silent_) return out;
    for (const Command& command : parser_.feed(bytes)) {
        if (poweredOff_) break;
        handle(command, out);
    }
    return out;
}

void MeterSimulator::powerOn()
{
    poweredOff_ = false;
    model_.resetDisplay();
}

void MeterSimulator::handle(const Command& command, std::vector<Burst>& out)
{
    switch (command.kind) {
    case Command::Kind::Poll: {
        const MeasurementFrame frame = model_.nextFrame();
        out.push_back({ { frame.begin(), frame.end() }, {} });
        ++polls_;
        break;
    }
    case Command::Kind::MemoryRequest: {
        std::vector<std::uint8_t> dump = encodeMemoryDump(model_.storage().memory());
        cut(dump);
        out.push_back({ std::move(dump), {} });
        break;
    }
    case Command::Kind::LoggerRequest:
        appendLoggerDump(out);
        break;
    case Command::Kind::Key:
        if (command.key == static_cast<std::uint8_t>(link::protocol::Key::ProgramExit)) ++exits_;
        model_.pressKey(command.key);
        break;
    case Command::Kind::PowerOff:
        poweredOff_ = true;
        break;
    }
}

void MeterSimulator::appendLoggerDump(std::vector<Burst>& out) const
{
    std::vector<std::uint8_t> dump = encodeLoggerDump(model_.storage().loggerSets());
    const std::vector<std::uint8_t> header = encodeLoggerHeader(static_cast<int>(dump.size()));
    cut(dump);
    const auto pauseAfterHeader = dump.empty() ? std::chrono::milliseconds { 0 } : kTransferGap;
    out.push_back({ header, pauseAfterHeader });
    constexpr auto kBlock = static_cast<std::size_t>(link::protocol::kLoggerBlockLength);
    for (std::size_t offset = 0; offset < dump.size(); offset += kBlock) {
        const std::size_t end = std::min(dump.size(), offset + kBlock);
        const auto first = dump.begin() + static_cast<std::ptrdiff_t>(offset);
        const auto last = dump.begin() + static_cast<std::ptrdiff_t>(end);
        out.push_back(
            { { first, last }, end < dump.size() ? kTransferGap : std::chrono::milliseconds { 0 } });
    }
}

void MeterSimulator::cut(std::vector<std::uint8_t>& dump) const
{
    if (transferCut_ && static_cast<std::size_t>(*transferCut_) < dump.size())
        dump.resize(static_cast<std::size_t>(*transferCut_));
}

}  // namespace brivon::sim
