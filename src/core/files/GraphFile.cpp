#include "core/files/GraphFile.h"

#include "core/files/ArchiveReader.h"
#include "core/files/ArchiveWriter.h"
#include "core/files/MemoryFile.h"

#include "core/files/RegularFile.h"

#include <fstream>
#include <memory>
#include <optional>

namespace brivon::files {

GraphFileContents realTimeFileContents(const store::RealTimeRun& run, const platform::Clock& clock)
{
    return { run.readingCount, run.committedSamples(), run.currentGain, run.unitFlag,
        clock.toLocal(run.runStart), run.samplePeriodSeconds() };
}

GraphFileContents dataLoggerFileContents(const store::CurrentSet& set)
{
    const std::span<const float> samples = set.samples();
    return { static_cast<std::int32_t>(samples.size()), samples, set.loadedGain, set.loadedUnitFlag,
        set.loadedStart, set.loadedSamplePeriod };
}

GraphFileContents readFileContents(const store::CurrentSet& set)
{
    GraphFileContents contents = dataLoggerFileContents(set);
    contents.readingCount = set.loadedReadingCount;
    return contents;
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

// Reads one field into `field`; the outcome when it is missing or out of its range.
std::optional<FileOutcome> readChecked(ArchiveReader& archive, std::int32_t& field, const FieldRange& range)
{
    if (!archive.read(field)) return file_outcome::endedEarly();
    if (auto problem = rangeProblem(range, field)) return file_outcome::invalidField(*problem);
    return std::nullopt;
}

FileOutcome readFields(std::istream& in, store::CurrentSet& set)
{
    ArchiveReader archive(in);
    if (FileOutcome signature = archive.readSignature(); !signature.ok()) return signature;

    if (!archive.read(set.loadedReadingCount)) return file_outcome::endedEarly();
    std::int32_t sampleCount = 0;
    if (!archive.read(sampleCount)) return file_outcome::endedEarly();
    if (!sampleCountFits(sampleCount))
        return file_outcome::countOutOfRange(sampleCount, store::CurrentSet::kCapacity, "samples");
    set.loadedSampleCount = 0;
    for (std::int32_t i = 0; i < sampleCount; ++i) {
        float& sample = set.loadedSamples[static_cast<std::size_t>(i)];
        if (!archive.read(sample)) return file_outcome::endedEarly();
        if (auto problem = sampleProblem(static_cast<std::size_t>(i), sample))
            return file_outcome::invalidField(*problem);
        set.loadedSampleCount = i + 1;
    }

    if (!archive.read(set.loadedGain) || !archive.read(set.loadedUnitFlag)) return file_outcome::endedEarly();
    if (auto problem = unitFlagProblem(set.loadedUnitFlag)) return file_outcome::invalidField(*problem);
    const auto fields = timeFields(set.loadedStart, set.loadedSamplePeriod);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (std::optional<FileOutcome> refused = readChecked(archive, *fields[i], kTimeFieldRanges[i]))
            return *refused;
    }
    return file_outcome::success();
}

}  // namespace

FileOutcome readGraphFile(std::istream& in, store::CurrentSet& set, const platform::Clock& clock)
{
    // Read aside, so that a refused file leaves the set as it was.
    auto read = std::make_unique<store::CurrentSet>(set);
    FileOutcome outcome = readFields(in, *read);
    if (!outcome.signatureAccepted()) return outcome;
    set = *read;
    set.loadedStartTime = clock.fromLocal(set.loadedStart);
    return outcome;
}

FileOutcome readGraphFile(
    const std::filesystem::path& path, store::CurrentSet& set, const platform::Clock& clock)
{
    std::ifstream in;
    if (FileOutcome opened = openForReading(path, in); !opened.ok()) return opened;
    auto read = std::make_unique<store::CurrentSet>(set);
    FileOutcome outcome = readGraphFile(in, *read, clock);
    if (!outcome.ok()) {
        in.clear();
        in.seekg(0);
        if (holdsMemoryList(in)) return file_outcome::otherKind(kMemoryListKind, kGraphFileKind);
    }
    set = *read;
    return outcome;
}

bool holdsGraphFile(std::istream& in)
{
    const auto scratch = std::make_unique<store::CurrentSet>();
    return readFields(in, *scratch).ok() && in.peek() == std::char_traits<char>::eof();
}

}  // namespace brivon::files
