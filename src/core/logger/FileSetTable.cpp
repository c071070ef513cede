#include "core/logger/FileSetTable.h"

namespace brivon::logger {

SetSummary FileSet::summary() const
{
    // A file's reading count, which a real-time run's file keeps apart from its sample count.
    return { startTime, samplingRate, unitFlag, readingCount };
}

int FileSetTable::append(FileSet set)
{
    lastSlot_ = lastSlot_ < kSlots - 1 ? lastSlot_ + 1 : 0;
    const auto slot = static_cast<std::size_t>(lastSlot_);
    if (slot < slots_.size())
        slots_[slot] = std::move(set);
    else
        slots_.push_back(std::move(set));
    return lastSlot_;
}

const FileSet* FileSetTable::at(int slot) const
{
    if (slot < 0 || slot > lastSlot_) return nullptr;
    return &slots_[static_cast<std::size_t>(slot)];
}

}  // namespace brivon::logger
