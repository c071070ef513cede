#pragma once
// The texts of one memory record as the memory list window, its printed report,
// its text export and the command line show them.

#include "core/store/MemoryBlock.h"

#include <string>
#include <vector>

namespace brivon::files {

struct MemoryListRow {
    std::string number;  // 1-based, "%d"
    std::string data;  // "123.45", "1.23K", "OL", "-OL"
    std::string unit;  // "Lux" or "FC"
    std::string status;  // the record's status text
    std::string time;  // the record's time text as stored
};

// The rows of every record the block holds, in order.
std::vector<MemoryListRow> memoryListRows(const store::MemoryBlock& block);

}  // namespace brivon::files
