// The graph file reader: a file it accepts, written again by the writer and
// read again, gives the same set; the text export of whatever it read works.

#include "FuzzCheck.h"
#include "core/files/GraphFile.h"
#include "core/files/TextExport.h"
#include "support/FixedClock.h"

#include <cstring>
#include <memory>
#include <sstream>

namespace {

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameTime(const brivon::platform::LocalTime& a, const brivon::platform::LocalTime& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour
        && a.minute == b.minute && a.second == b.second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    using fuzz::require;
    const support::FixedClock clock;
    auto set = std::make_unique<store::CurrentSet>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const files::FileOutcome outcome = files::readGraphFile(in, *set, clock);
    require(set->loadedSampleCount >= 0 && set->loadedSampleCount <= store::CurrentSet::kCapacity,
        "the sample count stays within the set");
    if (!outcome.signatureAccepted()) return 0;

    const std::string text = files::dataLoggerExport(*set, clock);
    require(!text.empty(), "the export has its header");
    if (!outcome.ok()) return 0;

    const std::string written = files::graphFileBytes(files::dataLoggerFileContents(*set));
    auto again = std::make_unique<store::CurrentSet>();
    std::istringstream writtenIn(written);
    require(files::readGraphFile(writtenIn, *again, clock).ok(), "a written file is read back");
    require(again->loadedSampleCount == set->loadedSampleCount, "the same sample count");
    for (int i = 0; i < set->loadedSampleCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        require(sameBits(again->loadedSamples[k], set->loadedSamples[k]), "the same samples");
    }
    require(again->loadedGain == set->loadedGain && again->loadedUnitFlag == set->loadedUnitFlag
            && again->loadedSamplePeriod == set->loadedSamplePeriod
            && sameTime(again->loadedStart, set->loadedStart),
        "the same gain, unit, period and start");
    require(files::dataLoggerExport(*again, clock) == text, "the same text export");
    return 0;
}
