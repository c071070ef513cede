#include "core/link/MeterCommands.h"

namespace brivon::link {
namespace {

platform::Bytes keyCommand(protocol::Key key)
{
    return { protocol::kKeyCommandPrefix[0], protocol::kKeyCommandPrefix[1], static_cast<std::uint8_t>(key) };
}

}  // namespace

void MeterCommands::poll()
{
    try {
        link_.sendBytes({ protocol::kPoll });
        link_.port().discardOutput();
    } catch (const platform::SerialError&) {
    }
}

bool MeterCommands::requestDump(DumpKind kind)
{
    if (!link_.reopen()) return false;
    const bool memory = kind == DumpKind::Memory;
    try {
        platform::SerialPort& port = link_.port();
        port.input();
        port.discardInput();
        port.discardOutput();
        port.setRThreshold(memory ? protocol::kMemoryDumpLength : protocol::kLoggerHeaderLength);
        link_.sendBytes({ memory ? protocol::kMemoryDumpRequest : protocol::kLoggerDumpRequest });
        return true;
    } catch (const platform::SerialError&) {
        return false;
    }
}

void MeterCommands::closeForKey()
{
    try {
        if (link_.port().portOpen()) link_.port().setPortOpen(false);
    } catch (const platform::SerialError&) {
    }
}

void MeterCommands::sendKey(protocol::Key key)
{
    try {
        if (!link_.port().portOpen()) link_.port().setPortOpen(true);
        link_.sendBytes(keyCommand(key));
    } catch (const platform::SerialError&) {
    }
}

void MeterCommands::sendExit()
{
    if (!link_.reopen()) return;
    try {
        platform::SerialPort& port = link_.port();
        port.setInputLen(0);
        port.discardInput();
        port.discardOutput();
        link_.sendBytes(keyCommand(protocol::Key::ProgramExit));
    } catch (const platform::SerialError&) {
    }
}

void MeterCommands::powerOff()
{
    try {
        platform::SerialPort& port = link_.port();
        if (!port.portOpen()) port.setPortOpen(true);
        const platform::Bytes command(protocol::kPowerOff.begin(), protocol::kPowerOff.end());
        for (int i = 0; i < protocol::kPowerOffRepeats; ++i)
            port.output(command);
    } catch (const platform::SerialError&) {
    }
}

}  // namespace brivon::link
