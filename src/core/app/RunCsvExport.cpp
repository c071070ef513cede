#include "core/app/RunCsvExport.h"

#include "core/files/CsvExport.h"
#include "core/files/CsvSaveAs.h"
#include "core/files/DataFileNames.h"

namespace brivon::app {

bool RunCsvExport::exportCsv()
{
    return files::saveCsvAs(prompts_, files::defaultFileName(clock_.toLocal(clock_.now())),
        files::runCsv(document_.run().realTimeRun(), clock_));
}

}  // namespace brivon::app
