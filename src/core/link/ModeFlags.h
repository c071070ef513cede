#pragma once
// The main window's mode flags: which kind of block the receive handler expects.
// In normal use exactly one of them is set.

namespace brivon::link {

struct ModeFlags {
    bool listening = true;  // measurement frames are decoded and polls paced
    bool memoryInProgress = false;  // a memory dump is expected
    bool loggerInProgress = false;  // a data-logger header and dump are expected
};

}  // namespace brivon::link
