#pragma once
// The main window's Export CSV: the real-time run as a CSV file under a name
// the user picks (offered: the time now), written through the safe save.

#include "core/app/CDTDoc.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"

namespace brivon::app {

class RunCsvExport {
public:
    RunCsvExport(const app::CDTDoc& document, const platform::Clock& clock, platform::Prompts& prompts)
        : document_(document)
        , clock_(clock)
        , prompts_(prompts)
    {
    }

    // True when the file was written. Cancel writes nothing; a failed write
    // leaves an earlier file as it was and tells the user why.
    bool exportCsv();

private:
    const app::CDTDoc& document_;
    const platform::Clock& clock_;
    platform::Prompts& prompts_;
};

}  // namespace brivon::app
