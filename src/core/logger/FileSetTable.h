#pragma once
// The sets read from graph files while the data-logger window browses files:
// one per list row, at most 100, the 101st starting again at the first slot.
// The table grows only with the sets read and keeps them until overwritten.

#include "core/logger/SetRows.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace brivon::logger {

struct FileSet {
    std::vector<float> readings;  // lux
    std::int32_t readingCount = 0;  // the file's first count
    std::uint8_t unitFlag = 0;
    platform::TimeValue startTime = 0;
    std::int32_t samplingRate = 0;  // seconds
    std::int32_t gain = 0;  // gain per division to show it with
    std::filesystem::path file;  // the graph file it was read from; empty when not known

    SetSummary summary() const;
};

class FileSetTable {
public:
    static constexpr int kSlots = 100;

    // Stores `set` in the slot after the last one, or in slot 0 after the last
    // slot (the caller empties its list then); returns the slot.
    int append(FileSet set);
    // The set in `slot`, nothing outside the slots in use.
    const FileSet* at(int slot) const;
    int lastSlot() const { return lastSlot_; }
    // Logically empty: the stored sets stay until overwritten.
    void empty() { lastSlot_ = -1; }

private:
    std::vector<FileSet> slots_;
    int lastSlot_ = -1;
};

}  // namespace brivon::logger
