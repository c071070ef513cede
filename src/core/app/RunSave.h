#pragma once
// The main window's Save: the real-time run as a graph data file with its text
// export beside it, under a name the user picks (offered: the time now).

#include "core/app/CDTDoc.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"

#include <filesystem>
#include <string>

namespace brivon::app {

class RunSave {
public:
    static constexpr const char* kDefaultExtension = "AsmDat";
    static constexpr const char* kFilter = "DataLogger Files (*.AsmDat)|*.AsmDat|";

    RunSave(const app::CDTDoc& document, const platform::Clock& clock, platform::Prompts& prompts)
        : document_(document)
        , clock_(clock)
        , prompts_(prompts)
    {
    }

    // True when both files were written. Cancel, or No to replacing existing
    // files, writes nothing; a failed save
    // leaves any earlier files as they were and tells the user why.
    bool save();
    // The graph file the last successful save wrote the run to; empty before
    // one, and once a new run has started.
    std::filesystem::path savedFile() const;

private:
    const app::CDTDoc& document_;
    const platform::Clock& clock_;
    platform::Prompts& prompts_;
    std::filesystem::path savedFile_;
    platform::TimeValue savedRunStart_ = 0;
};

}  // namespace brivon::app
