#include "core/files/GraphFile.h"

#include "core/files/ArchiveReader.h"
#include "core/files/ArchiveWriter.h"

#include <cerrno>
#include <fstream>

namespace brivon::files {

GraphFileContents realTimeFileContents(const RealTimeRun& run, const platform::Clock& clock)
{
    return { run.readingCount, run.committedSamples(), run.currentGain, run.unitFlag,
        clock.toLocal(run.runStart), run.samplePeriodSeconds() };
}

GraphFileContents dataLoggerFileContents(const CurrentSet& set)
{
    const std::span<const float> samples = set.samples();
    return { static_cast<std::int32_t>(samples.size()), samples, set.loadedGain, set.loadedUnitFlag,
        set.loadedStart, set.loadedSamplePeriod };
}

std::string graphFileBytes(const GraphFileContents& contents)
{
    ArchiveWriter out;
    out.writeSignature();
    out.writeInt32(contents.readingCount);
    out.writeInt32(static_cast<std::int32_t>(contents.samples.size()));
    for (const float sample : contents.samples)
        out.writeFloat(sample);
    out.writeInt32(contents.gain);
    out.writeUInt8(contents.unitFlag);
    for (const int field : { contents.start.year, contents.start.month, contents.start.day,
             contents.start.hour, contents.start.minute, contents.start.second }) {
        out.writeInt32(field);
    }
    out.writeInt32(contents.samplePeriodSeconds);
    return out.bytes();
}

namespace {

FileOutcome readFields(std::istream& in, CurrentSet& set)
{
    ArchiveReader archive(in);
    if (FileOutcome signature = archive.readSignature(); !signature.ok()) return signature;

    if (!archive.read(set.loadedReadingCount)) return file_outcome::endedEarly();
    std::int32_t sampleCount = 0;
    if (!archive.read(sampleCount)) return file_outcome::endedEarly();
    if (sampleCount < 0 || sampleCount > CurrentSet::kCapacity) {
        return file_outcome::countOutOfRange(sampleCount, CurrentSet::kCapacity, "samples");
    }
    set.loadedSampleCount = 0;
    for (std::int32_t i = 0; i < sampleCount; ++i) {
        if (!archive.read(set.loadedSamples[static_cast<std::size_t>(i)])) return file_outcome::endedEarly();
        set.loadedSampleCount = i + 1;
    }

    const bool complete = archive.read(set.loadedGain) && archive.read(set.loadedUnitFlag)
        && archive.read(set.loadedStart.year) && archive.read(set.loadedStart.month)
        && archive.read(set.loadedStart.day) && archive.read(set.loadedStart.hour)
        && archive.read(set.loadedStart.minute) && archive.read(set.loadedStart.second)
        && archive.read(set.loadedSamplePeriod);
    return complete ? file_outcome::success() : file_outcome::endedEarly();
}

}  // namespace

FileOutcome readGraphFile(std::istream& in, CurrentSet& set, const platform::Clock& clock)
{
    const FileOutcome outcome = readFields(in, set);
    if (outcome.signatureAccepted()) set.loadedStartTime = clock.fromLocal(set.loadedStart);
    return outcome;
}

FileOutcome readGraphFile(const std::filesystem::path& path, CurrentSet& set, const platform::Clock& clock)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return file_outcome::cannotOpen(errno);
    return readGraphFile(in, set, clock);
}

}  // namespace brivon::files
