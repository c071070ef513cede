#include "core/logger/DataLoggerSets.h"

#include "core/files/GraphFile.h"

#include <algorithm>
#include <memory>

namespace brivon::logger {
namespace {

// A foot-candle set's gain per division is a tenth of its range's full scale.
constexpr int kFootCandleGainDivisor = 10;
constexpr const char* kUnnamedSet = "The set";

}  // namespace

DataLoggerSets::DataLoggerSets(
    store::CurrentSet& current, store::TransferBlock& transfer, const platform::Clock& clock)
    : current_(current)
    , transfer_(transfer)
    , clock_(clock)
{
}

void DataLoggerSets::changeRows()
{
    if (rowsChanged_) rowsChanged_();
}

void DataLoggerSets::downloadStarted()
{
    state_.listRefill = true;
    state_.fileBrowse = false;
}

void DataLoggerSets::fileLoaded()
{
    state_.fileSet = true;
    state_.newFileSet = true;
}

void DataLoggerSets::windowOpened()
{
    state_.windowOpen = true;
    if (!state_.fileBrowse && state_.listRefill && transfer_.setCount() >= 1) listDownloadedSets();
    if (state_.newFileSet) appendFileSet();
    state_.newFileSet = false;
}

void DataLoggerSets::listDownloadedSets()
{
    state_.listRefill = false;
    rows_.clear();
    for (int i = 0; i < transfer_.setCount(); ++i) {
        const auto set = static_cast<std::size_t>(i);
        const SetSummary summary { transfer_.startTimes[set], transfer_.samplingRates[set],
            transfer_.unitFlags[set], static_cast<std::int32_t>(transfer_.setReadings(i).size()) };
        rows_.push_back(setRow(i, summary, clock_));
    }
    changeRows();
    // A set still chosen is taken from the new download.
    if (!state_.fileSet && selectedDownloadSet_ >= 0) mirrorSelectedDownloadSet();
}

void DataLoggerSets::appendFileSet(const std::filesystem::path& file)
{
    FileSet set;
    set.file = file;
    const auto samples = current_.samples();
    set.readings.assign(samples.begin(), samples.end());
    set.readingCount = current_.loadedReadingCount;
    set.unitFlag = current_.loadedUnitFlag;
    set.startTime = current_.loadedStartTime;
    set.samplingRate = current_.loadedSamplePeriod;
    set.gain = current_.loadedGain;
    const int slot = fileSets_.append(std::move(set));
    if (slot == 0) rows_.clear();
    rows_.resize(static_cast<std::size_t>(slot));
    rows_.push_back(setRow(slot, fileSets_.at(slot)->summary(), clock_));
    changeRows();
}

std::string DataLoggerSets::currentSetName() const
{
    const auto row = static_cast<std::size_t>(selectedDownloadSet_);
    if (state_.fileSet || selectedDownloadSet_ < 0 || row >= rows_.size()) return kUnnamedSet;
    return setName(rows_[row]);
}

void DataLoggerSets::selectRow(int row)
{
    if (state_.fileSet)
        selectFileSet(row);
    else
        selectDownloadedSet(row);
}

void DataLoggerSets::selectDownloadedSet(int row)
{
    shownFile_.clear();
    if (row < 0 || row >= transfer_.setCount()) {
        selectedDownloadSet_ = -1;
        return;
    }
    selectedDownloadSet_ = row;
    const auto set = static_cast<std::size_t>(row);
    const int fullScale = transfer_.fullScales[set];
    switch (transfer_.unitFlags[set]) {
    case 0:
        valueAxis_.gain = current_.loadedGain = fullScale;
        break;
    case 1:
        valueAxis_.gain = current_.loadedGain = fullScale / kFootCandleGainDivisor;
        break;
    default:
        break;
    }
    mirrorSelectedDownloadSet();
}

void DataLoggerSets::mirrorSelectedDownloadSet()
{
    if (selectedDownloadSet_ >= transfer_.setCount()) {
        selectedDownloadSet_ = -1;
        return;
    }
    const auto set = static_cast<std::size_t>(selectedDownloadSet_);
    const auto readings = transfer_.setReadings(selectedDownloadSet_);
    const std::size_t count = std::min<std::size_t>(readings.size(), store::CurrentSet::kCapacity);
    std::copy_n(readings.begin(), count, current_.loadedSamples.begin());
    current_.loadedSampleCount = static_cast<std::int32_t>(count);
    current_.loadedReadingCount = current_.loadedSampleCount;
    current_.loadedUnitFlag = transfer_.unitFlags[set];
    current_.loadedStart = clock_.toLocal(transfer_.startTimes[set]);
    current_.loadedStartTime = clock_.fromLocal(current_.loadedStart);
    current_.loadedSamplePeriod = transfer_.samplingRates[set];
}

void DataLoggerSets::selectFileSet(int row)
{
    const FileSet* set = fileSets_.at(row);
    if (!set) return;
    std::copy(set->readings.begin(), set->readings.end(), current_.loadedSamples.begin());
    current_.loadedSampleCount = static_cast<std::int32_t>(set->readings.size());
    current_.loadedReadingCount = set->readingCount;
    current_.loadedUnitFlag = set->unitFlag;
    current_.loadedStartTime = set->startTime;
    current_.loadedSamplePeriod = set->samplingRate;
    valueAxis_.gain = set->gain;
    shownFile_ = set->file;
}

files::FileOutcome DataLoggerSets::readFile(const std::filesystem::path& path)
{
    // Read aside, so that a file that fails half-way leaves the shown set as it was.
    auto read = std::make_unique<store::CurrentSet>();
    files::FileOutcome outcome = files::readGraphFile(path, *read, clock_);
    if (!outcome.ok()) return outcome;
    current_ = *read;
    state_.fileSet = true;
    appendFileSet(path);
    shownFile_ = path;
    valueAxis_.gain = current_.loadedGain;
    return outcome;
}

bool DataLoggerSets::close()
{
    fileSets_.empty();
    rows_.clear();
    changeRows();
    state_ = {};
    selectedDownloadSet_ = -1;
    shownFile_.clear();
    return transfer_.release();
}

}  // namespace brivon::logger
