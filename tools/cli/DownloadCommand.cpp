// brivon-cli download: fetches the meter's memory records or data-logger sets
// through the program's own Mem and Data Logger sequence, writes them as the
// list windows' Save does and prints one CSV line per record or set.

#include "CliCommands.h"
#include "DataFileLoading.h"
#include "DeviceCheck.h"
#include "DownloadCsv.h"
#include "DownloadOptions.h"
#include "DownloadSession.h"
#include "SetFileNames.h"

#include "core/files/DataFileSaves.h"
#include "core/files/MemoryListRows.h"
#include "core/files/SaveTarget.h"
#include "core/logger/DataLoggerSets.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

namespace brivon::cli {

namespace {

int exitCodeOf(SessionEnd end)
{
    switch (end) {
    case SessionEnd::Complete:
        return kExitOk;
    case SessionEnd::Refused:
    case SessionEnd::Empty:
        return kExitNothingToDownload;
    case SessionEnd::Incomplete:
    case SessionEnd::NoAnswer:
        return kExitNoAnswer;
    case SessionEnd::PortError:
        break;
    }
    return kExitFailure;
}

// The list file and its text export, then the records as the list shows them.
int saveMemory(const DownloadOptions& options, const store::MemoryBlock& block)
{
    const files::FileOutcome saved = files::saveMemoryBlock(options.output, block);
    if (!saved.ok()) {
        std::cerr << saved.message << '\n';
        return kExitFailure;
    }
    std::cout << kMemoryCsvHeader << '\n';
    for (const files::MemoryListRow& row : files::memoryListRows(block))
        std::cout << memoryCsvLine(row) << '\n';
    return kExitOk;
}

// Every set chosen in turn as in the data-logger window, and saved as its Save
// does. A set that cannot be saved is said and the others are still saved.
int saveLoggerSets(const DownloadOptions& options, app::CDTDoc& document, const platform::Clock& clock)
{
    std::error_code error;
    std::filesystem::create_directories(options.output, error);
    if (error) {
        std::cerr << "cannot make the folder " << options.output.string() << ": " << error.message() << '\n';
        return kExitFailure;
    }
    logger::DataLoggerSets& sets = document.loggerSets();
    sets.windowOpened();  // lists the downloaded sets as the window does
    const store::CurrentSet& current = sets.currentSet();
    SetFileNames names(options.output);
    std::cout << kLoggerCsvHeader << '\n';
    int exitCode = kExitOk;
    for (std::size_t row = 0; row < sets.rows().size(); ++row) {
        sets.selectRow(static_cast<int>(row));  // the chosen set becomes the current set
        const std::filesystem::path file = names.next(current.loadedStart);
        const files::FileOutcome saved = files::saveCurrentSet(file, current, sets.currentSetName(), clock);
        if (saved.ok()) {
            std::cout << loggerCsvLine(sets.rows()[row], file) << '\n';
        } else {
            std::cerr << saved.message << '\n';
            exitCode = kExitFailure;
        }
    }
    return exitCode;
}

}  // namespace

int runDownload(int argc, char** argv, const Arguments& args)
{
    const Parsed<DownloadOptions> parsed = parseDownloadOptions(args);
    const std::optional<DownloadOptions>& options = parsed.options;
    if (!options) return refuseCommandLine("download", parsed.problem, kDownloadUsage);
    if (const auto reason = notSerialDeviceReason(options->device)) {
        std::cerr << *reason << '\n';
        return kExitFailure;
    }
    // Before the transfer, so that a refused name costs no download.
    if (options->kind == DownloadKind::Memory
        && reportExisting(files::dataFileAndExport(options->output, files::DataFileKind::Memory)))
        return kExitFailure;
    QCoreApplication app(argc, argv);
    DownloadSession session(options->kind, options->device);
    bool progressShown = false;
    if (isatty(STDERR_FILENO)) {
        session.setProgressHandler([&progressShown](int received, int total) {
            std::cerr << '\r' << received << " of " << total << " bytes" << std::flush;
            progressShown = true;
        });
    }
    const SessionOutcome outcome = session.run();
    if (progressShown) std::cerr << '\n';
    if (outcome.end != SessionEnd::Complete) {
        std::cerr << outcome.message << '\n';
        return exitCodeOf(outcome.end);
    }
    if (options->kind == DownloadKind::Memory) return saveMemory(*options, session.document().memoryBlock());
    return saveLoggerSets(*options, session.document(), session.clock());
}

}  // namespace brivon::cli
