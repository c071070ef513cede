#pragma once
// Where a stored-data transfer puts what it read, and whom it tells when the
// transfer is over, so that the download does not depend on the document.

#include "core/store/MemoryBlock.h"
#include "core/store/TransferBlock.h"

#include <functional>

namespace brivon::download {

struct TransferTargets {
    store::MemoryBlock& memoryBlock;  // the records of a memory dump
    store::TransferBlock& transferBlock;  // the sets of a data-logger dump
    std::function<void()> transferEnded;  // every view redraws; may be empty
};

}  // namespace brivon::download
