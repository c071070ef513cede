// brivon-cli recover: the runs that the program could not save (a crash, a
// kill, a power loss) listed, or written as the main window's Save would have
// written them at their last committed sample.

#include "CliCommands.h"
#include "DataFileLoading.h"
#include "UsageRefusal.h"

#include "core/files/DataFileNames.h"
#include "core/files/DataFileSaves.h"
#include "core/files/SaveTarget.h"
#include "core/journal/JournalFolder.h"
#include "core/journal/JournalReader.h"
#include "core/platform/Clock.h"
#include "core/realtime/RunStripTexts.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

namespace brivon::cli {
namespace {

constexpr const char* kRecoverUsage = "usage: brivon-cli recover --list\n"
                                      "       brivon-cli recover [-o FILE.AsmDat] [--journal PATH]\n";
constexpr const char* kListOption = "--list";
constexpr const char* kJournalOption = "--journal";
constexpr const char* kInUseNote = "  (still being written by a running Brivon)";

struct RecoverArguments {
    bool list = false;
    std::optional<std::string> output;
    std::optional<std::string> journal;
};

Parsed<RecoverArguments> parseRecoverArguments(const Arguments& args)
{
    RecoverArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == kListOption && !parsed.list) {
            parsed.list = true;
        } else if (args[i] == kOutputOption && hasValue && !parsed.output) {
            parsed.output = args[++i];
        } else if (args[i] == kJournalOption && hasValue && !parsed.journal) {
            parsed.journal = args[++i];
        } else if (args[i] != kListOption && args[i] != kOutputOption && args[i] != kJournalOption) {
            return refusedBecause<RecoverArguments>(
                isOption(args[i]) ? unknownOptionText(args[i]) : "unexpected \"" + args[i] + "\"");
        } else {
            return {};
        }
    }
    if (parsed.list && (parsed.output || parsed.journal)) return {};
    if ((parsed.output && parsed.output->empty()) || (parsed.journal && parsed.journal->empty())) return {};
    return { parsed, {} };
}

int listUnsavedRuns(const std::filesystem::path& folder, const platform::Clock& clock)
{
    const auto journals = journal::listJournals(folder);
    if (journals.empty()) std::cerr << "no unsaved runs in " << folder.string() << '\n';
    for (const journal::JournalSummary& unsaved : journals) {
        std::cout << realtime::startTimeText(unsaved.runStart, clock) << "  " << unsaved.sampleCount
                  << " samples  " << unsaved.file.string() << (unsaved.inUse ? kInUseNote : "") << '\n';
    }
    return kExitOk;
}

// The journal named on the command line, or the newest run's; nothing (reported) when there is none.
std::optional<std::filesystem::path> chosenJournal(
    const RecoverArguments& parsed, const std::filesystem::path& folder)
{
    if (parsed.journal) return std::filesystem::path(*parsed.journal);
    const auto journals = journal::listJournals(folder);
    if (journals.empty()) {
        reportFailure(folder.string(), "no unsaved runs");
        return std::nullopt;
    }
    return journals.front().file;
}

int recoverRun(
    const RecoverArguments& parsed, const std::filesystem::path& folder, const platform::Clock& clock)
{
    const auto journalFile = chosenJournal(parsed, folder);
    if (!journalFile) return kExitFailure;
    const journal::JournalContents contents = journal::readJournal(*journalFile);
    if (!contents.run) return reportFailure(journalFile->string(), contents.problem);
    if (!contents.leftOut.empty()) {
        std::cerr << journalFile->string() << ": the last " << contents.ignoredBytes
                  << " bytes were left out from a record a graph file cannot hold: " << contents.leftOut
                  << '\n';
    } else if (contents.ignoredBytes > 0) {
        std::cerr << journalFile->string() << ": " << contents.ignoredBytes
                  << " bytes at the end are damaged or incomplete and were left out\n";
    }
    const journal::RecoveredRun& run = *contents.run;
    const std::filesystem::path dataFile
        = files::dataFilePath(parsed.output.value_or(files::defaultFileName(clock.toLocal(run.runStart))),
            files::DataFileKind::Graph);
    const std::vector<std::filesystem::path> targets
        = files::dataFileAndExport(dataFile, files::DataFileKind::Graph);
    if (reportExisting(targets)) return kExitFailure;
    const std::filesystem::path& textFile = targets.back();
    // Written and read back, or the journal stays.
    const files::FileOutcome saved = files::saveRealTimeRun(dataFile, run.realTimeRun(), clock);
    if (saved.status == files::FileStatus::Unsavable)
        return reportFailure(journalFile->string(), saved.message);
    if (!saved.ok()) {
        std::cerr << saved.message << '\n';
        return kExitFailure;
    }
    std::cout << dataFile.string() << ": " << run.sampleCount() << " samples, " << run.readingCount()
              << " readings, started " << realtime::startTimeText(run.runStart, clock) << '\n'
              << textFile.string() << '\n';
    // Saved as the window's Save would have: the journal has done its work,
    // unless a running program is still writing it.
    if (!journal::beingWritten(*journalFile)) {
        std::error_code ignored;
        std::filesystem::remove(*journalFile, ignored);
    }
    return kExitOk;
}

}  // namespace

int runRecover(const Arguments& args)
{
    const Parsed<RecoverArguments> parsedArguments = parseRecoverArguments(args);
    const std::optional<RecoverArguments>& parsed = parsedArguments.options;
    if (!parsed) return refuseCommandLine("recover", parsedArguments.problem, kRecoverUsage);
    const platform::SystemClock clock;
    const std::filesystem::path folder = journal::journalFolderFromEnvironment();
    return parsed->list ? listUnsavedRuns(folder, clock) : recoverRun(*parsed, folder, clock);
}

}  // namespace brivon::cli
