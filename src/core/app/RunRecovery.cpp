#include "core/app/RunRecovery.h"

#include "core/files/GraphFile.h"
#include "core/journal/JournalFolder.h"
#include "core/journal/JournalReader.h"
#include "core/realtime/RunStripTexts.h"
#include "core/util/Printf.h"

#include <system_error>

namespace brivon::app {

std::string unsavedRunQuestion(platform::TimeValue runStart, int sampleCount, const platform::Clock& clock)
{
    const std::string start = realtime::startTimeText(runStart, clock);
    return util::printfString(kUnsavedRunQuestion, start.c_str(), sampleCount);
}

bool offerUnsavedRuns(app::CDTDoc& document, RunKeeper& keeper, platform::Prompts& prompts,
    const platform::Clock& clock, const std::function<bool()>& save)
{
    bool restored = false;
    for (const journal::JournalSummary& unsaved : journal::listJournals(keeper.journalFolder())) {
        if (unsaved.inUse) continue;  // another instance's run, still going
        std::error_code ignored;
        if (unsaved.sampleCount == 0) {
            std::filesystem::remove(unsaved.file, ignored);  // nothing to keep
            continue;
        }
        const journal::JournalContents contents = journal::readJournal(unsaved.file);
        if (!contents.run) continue;
        const store::RealTimeRun run = contents.run->realTimeRun();
        if (const auto problem = files::graphFileProblem(files::realTimeFileContents(run, clock))) {
            const std::string start = realtime::startTimeText(unsaved.runStart, clock);
            prompts.message(util::printfString(kUnrecoverableRunMessage, start.c_str(),
                problem->text().c_str(), unsaved.file.string().c_str()));
            continue;
        }
        switch (prompts.askYesNoCancel(unsavedRunQuestion(unsaved.runStart, unsaved.sampleCount, clock))) {
        case platform::Answer::Cancel:
            return restored;
        case platform::Answer::No:
            std::filesystem::remove(unsaved.file, ignored);
            break;
        case platform::Answer::Yes:
            document.restoreRun(run);
            keeper.adopt(unsaved.file);
            restored = true;
            if (!save()) return restored;
            break;
        }
    }
    return restored;
}

}  // namespace brivon::app
