#pragma once
// Decoding the simulated meter's answers with the program's own frame decoder.

#include "core/link/FrameDecoder.h"
#include "core/link/MeterProtocol.h"
#include "sim/MeterSimulator.h"

#include <gtest/gtest.h>

#include <vector>

namespace brivon::support {

inline std::vector<std::uint8_t> pollOnce(sim::MeterSimulator& sim)
{
    const std::uint8_t poll = link::protocol::kPoll;
    const std::vector<sim::Burst> answer = sim.receive({ &poll, 1 });
    if (answer.size() != 1) return {};
    return answer.front().bytes;
}

// Polls once and decodes the frame with a decoder that has seen no frame before.
inline link::Reading readOnce(sim::MeterSimulator& sim)
{
    const std::vector<std::uint8_t> frame = pollOnce(sim);
    EXPECT_EQ(frame.size(), static_cast<std::size_t>(link::protocol::kMeasurementFrameLength));
    if (frame.size() != static_cast<std::size_t>(link::protocol::kMeasurementFrameLength)) return {};
    return link::FrameDecoder {}.decode(frame).reading;
}

inline std::vector<std::uint8_t> keyCommand(link::protocol::Key key)
{
    return { link::protocol::kKeyCommandPrefix[0], link::protocol::kKeyCommandPrefix[1],
        static_cast<std::uint8_t>(key) };
}

inline void press(sim::MeterSimulator& sim, link::protocol::Key key)
{
    const std::vector<std::uint8_t> bytes = keyCommand(key);
    EXPECT_TRUE(sim.receive(bytes).empty());
}

}  // namespace brivon::support
