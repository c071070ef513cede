#pragma once
// Decoding the simulated meter's answers with the program's own frame decoder.

#include "core/link/FrameDecoder.h"
#include "core/link/MeterProtocol.h"
#include "sim/MeterSimulator.h"

#include <gtest/gtest.h>

#include <vector>

namespace brivon::sim::testing {

inline std::vector<std::uint8_t> pollOnce(MeterSimulator& sim)
{
    const std::uint8_t poll = protocol::kPoll;
    const std::vector<Burst> answer = sim.receive({ &poll, 1 });
    if (answer.size() != 1) return {};
    return answer.front().bytes;
}

// Polls once and decodes the frame with a decoder that has seen no frame before.
inline Reading readOnce(MeterSimulator& sim)
{
    const std::vector<std::uint8_t> frame = pollOnce(sim);
    EXPECT_EQ(frame.size(), static_cast<std::size_t>(protocol::kMeasurementFrameLength));
    if (frame.size() != static_cast<std::size_t>(protocol::kMeasurementFrameLength)) return {};
    return FrameDecoder {}.decode(frame).reading;
}

inline std::vector<std::uint8_t> keyCommand(protocol::Key key)
{
    return { protocol::kKeyCommandPrefix[0], protocol::kKeyCommandPrefix[1], static_cast<std::uint8_t>(key) };
}

inline void press(MeterSimulator& sim, protocol::Key key)
{
    const std::vector<std::uint8_t> bytes = keyCommand(key);
    EXPECT_TRUE(sim.receive(bytes).empty());
}

}  // namespace brivon::sim::testing
